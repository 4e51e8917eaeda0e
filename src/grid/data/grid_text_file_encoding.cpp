#include "grid/data/grid_text_file_encoding.h"

#include "platform/text_encoding.h"

#include <QtEndian>

QByteArray EncodeGridTextFile(const QString& Text, TGridTextEncoding Encoding) {
    switch (Encoding) {
        case TGridTextEncoding::Utf8WithBom: return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
        case TGridTextEncoding::Utf16LeWithBom: {
            QByteArray bytes(2 * (Text.size() + 1), Qt::Uninitialized);
            qToLittleEndian<quint16>(0xFEFF, bytes.data());
            for (qsizetype i = 0; i < Text.size(); ++i)
                qToLittleEndian<quint16>(Text[i].unicode(), bytes.data() + 2 * (i + 1));
            return bytes;
        }
        case TGridTextEncoding::Oem: return EncodeOem850(Text);
        case TGridTextEncoding::Ansi: break;
    }
    return Text.toUtf8();
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
