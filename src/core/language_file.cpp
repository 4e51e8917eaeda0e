#include "core/language_file.h"
#include "core/program_state.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// Removes blanks and control characters at both ends.
QString TrimControls(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= ' ') ++begin;
    while (end > begin && text[end - 1].unicode() <= ' ') --end;
    return text.mid(begin, end - begin);
}

QString DecodeWindows1252(const QByteArray& bytes) {
    // The characters of 0x80..0x9F that differ from Latin-1; 0 marks an unused code.
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && high[b - 0x80] != 0) out += QChar(high[b - 0x80]);
        else out += QChar(b);
    }
    return out;
}

const QChar Pilcrow(0x00B6);

// Far beyond any caption, hint or message; laying out a label of megabytes would freeze
// the windows for minutes, so a longer text counts as a malformed line.
constexpr qsizetype Longest_Text = 4096;

}  // namespace

QString Decode_Language_File(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return decoder.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return DecodeWindows1252(bytes);
}

void Apply_Language_Line(const QString& rawLine) {
    const QString line = TrimControls(rawLine);
    if (!line.startsWith(QLatin1String("STR"))) return;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) return;
    // The number is everything between "STR" and the first "=", so "STR12=x" is entry 12.
    const QString numberText = TrimControls(line.mid(3, equals - 3));
    bool isNumber = !numberText.isEmpty();
    for (QChar c : numberText)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) isNumber = false;
    if (!isNumber) return;
    bool ok = false;
    const int number = numberText.toInt(&ok);
    if (!ok || number < 0 || number >= Num_Lang_Texts || number >= SL_Lang_Texts.Count()) return;

    QString text = TrimControls(line.mid(equals + 1));
    if (text.isEmpty()) return;
    const qsizetype comment = text.indexOf(QLatin1String("/#/"));
    if (comment >= 0) {
        text = TrimControls(text.left(comment));
        if (text.isEmpty()) return;
    }
    // Pilcrows keep leading and trailing blanks: "¶ text ¶" is " text ".
    if (text.startsWith(Pilcrow)) text.remove(0, 1);
    const qsizetype pilcrow = text.indexOf(Pilcrow);
    if (pilcrow >= 0) text.truncate(pilcrow);
    if (text.size() > Longest_Text) return;
    SL_Lang_Texts.SetStrings(number, text);
}

namespace {

QStringList Split_Language_Lines(const QString& content) {
    // A line ends with CR, LF or both; a CR alone must not glue the lines together. The
    // ends are found as plain characters, so text that is not valid UTF-16 (an unpaired
    // surrogate) still splits.
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char16_t c = content[i].unicode();
        if (c != u'\r' && c != u'\n') continue;
        lines.append(content.mid(start, i - start));
        if (c == u'\r' && i + 1 < content.size() && content[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.append(content.mid(start));
    return lines;
}

}  // namespace

void Load_Language_File(const QString& fileName) {
    QFile file(fileName);
    // A file larger than any language can be is malformed: it is refused before it is
    // read, so it can neither slow down nor exhaust the memory at every start.
    if (!file.open(QIODevice::ReadOnly) || file.size() > Longest_Language_File) return;
    // One byte more than the size found shows a file that grew meanwhile.
    const QByteArray bytes = file.read(file.size() + 1);
    if (bytes.size() > Longest_Language_File) return;
    for (const QString& line : Split_Language_Lines(Decode_Language_File(bytes))) Apply_Language_Line(line);
}
