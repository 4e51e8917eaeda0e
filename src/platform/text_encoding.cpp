#include "platform/text_encoding.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 at 0x80..0x9F, where it differs from Latin-1; 0 marks an unused code, read
// as the C1 control of the same number.
constexpr std::array<char16_t, 32> Windows1252_High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Code page 850 at 0x80..0xFF; below, it is ASCII.
constexpr std::array<char16_t, 128> Oem850_High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

template <typename Table>
QString DecodeUpperHalf(const QByteArray& bytes, const Table& table, unsigned first) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned b = static_cast<unsigned char>(c);
        if (b >= first && b - first < table.size() && table[b - first] != 0) out += QChar(table[b - first]);
        else out += QChar(char16_t(b));
    }
    return out;
}

// Characters below `first` are themselves; the rest are looked up in the table, and
// those of Latin-1 not replaced by it keep their own code.
template <typename Table>
QByteArray EncodeUpperHalf(const QString& text, const Table& table, unsigned first, bool latin1Rest,
                           bool* lossless) {
    QByteArray out;
    out.reserve(text.size());
    bool everyCharacter = true;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < first) {
            out += char(u);
            continue;
        }
        int code = -1;
        for (unsigned i = 0; i < table.size(); ++i)
            if (table[i] == u) {
                code = int(first + i);
                break;
            }
        if (code < 0 && latin1Rest && u <= 0xFF && (u - first >= table.size() || table[u - first] == 0))
            code = u;
        if (code < 0) {
            everyCharacter = false;
            code = '?';
        }
        out += char(code);
    }
    if (lossless) *lossless = everyCharacter;
    return out;
}

}  // namespace

QString DecodeTextFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    // Stateless: a sequence cut off at the end is an error, not a wait for more bytes (which
    // dropped a last Windows-1252 letter such as the "é" of "Café").
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return DecodeWindows1252(bytes);
}

QString DecodeWindows1252(const QByteArray& bytes) { return DecodeUpperHalf(bytes, Windows1252_High, 0x80); }

QByteArray EncodeWindows1252(const QString& text, bool* lossless) {
    return EncodeUpperHalf(text, Windows1252_High, 0x80, true, lossless);
}

QString DecodeOem850(const QByteArray& bytes) { return DecodeUpperHalf(bytes, Oem850_High, 0x80); }

QByteArray EncodeOem850(const QString& text, bool* lossless) {
    return EncodeUpperHalf(text, Oem850_High, 0x80, false, lossless);
}
