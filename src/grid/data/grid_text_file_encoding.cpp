#include "grid/data/grid_text_file_encoding.h"

#include "platform/text_encoding.h"

#include <QtEndian>

QByteArray EncodeGridTextFile(const QString& Text, TGridTextEncoding Encoding) {
    TGridTextFileEncoder encoder(Encoding, Text.size());
    encoder.Add(Text);
    return std::move(encoder).Finish();
}

TGridTextFileEncoder::TGridTextFileEncoder(TGridTextEncoding Encoding, qsizetype ExpectedBytes) : FEncoding(Encoding) {
    FBytes.reserve(ExpectedBytes + 3);
    if (Encoding == TGridTextEncoding::Utf8WithBom) FBytes.append("\xEF\xBB\xBF");
    if (Encoding == TGridTextEncoding::Utf16LeWithBom) FBytes.append("\xFF\xFE");
}

void TGridTextFileEncoder::Add(QStringView Piece) {
    switch (FEncoding) {
        case TGridTextEncoding::Utf16LeWithBom: {
            const qsizetype at = FBytes.size();
            FBytes.resize(at + 2 * Piece.size());
            for (qsizetype i = 0; i < Piece.size(); ++i)
                qToLittleEndian<quint16>(Piece[i].unicode(), FBytes.data() + at + 2 * i);
            return;
        }
        case TGridTextEncoding::Oem: FBytes += EncodeOem850(Piece.toString()); return;
        case TGridTextEncoding::Ansi:
        case TGridTextEncoding::Utf8WithBom: FBytes += Piece.toUtf8(); return;
    }
}

QString DecodeGridTextFile(const QByteArray& Bytes, bool Oem) {
    const bool bom = Bytes.startsWith("\xEF\xBB\xBF") || Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF");
    return Oem && !bom ? DecodeOem850(Bytes) : DecodeTextFile(Bytes);
}

QStringList SplitTextLines(const QString& Text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar ch = Text[i];
        if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n')) continue;
        lines << Text.mid(start, i - start);
        if (ch == QLatin1Char('\r') && i + 1 < Text.size() && Text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < Text.size()) lines << Text.mid(start);
    return lines;
}
