#include "core/language_file.h"
#include "core/program_state.h"
#include "platform/text_encoding.h"

#include <QFile>

namespace {

// Removes blanks and control characters at both ends.
QString TrimControls(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= ' ') ++begin;
    while (end > begin && text[end - 1].unicode() <= ' ') --end;
    return text.mid(begin, end - begin);
}

const QChar Pilcrow(0x00B6);

// Far beyond any caption, hint or message; laying out a label of megabytes would freeze
// the windows for minutes, so a longer text counts as a malformed line.
constexpr qsizetype Longest_Text = 4096;

}  // namespace

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
    for (const QString& line : Split_Language_Lines(DecodeTextFile(bytes))) Apply_Language_Line(line);
}
