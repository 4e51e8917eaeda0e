#include "core/english_language_file.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "platform/file_system.h"

#include <QFile>
#include <QTemporaryFile>

namespace {

const QChar Pilcrow(0x00B6);
// A language file's reader refuses longer texts.
constexpr qsizetype Longest_Text = 4096;

bool IsBlank(QChar c) { return c.unicode() <= ' '; }

}  // namespace

QString Language_File_Line(int number, const QString& text) {
    if (text.trimmed().isEmpty() || text.size() > Longest_Text || text.contains(Pilcrow) ||
        text.contains(QLatin1String("/#/")))
        return {};
    for (QChar c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) return {};
    const bool keepBlanks = IsBlank(text.front()) || IsBlank(text.back());
    const QString value = keepBlanks ? Pilcrow + text + Pilcrow : text;
    return QStringLiteral("STR%1 = %2").arg(number).arg(value);
}

bool Write_English_Language_File() {
    if (Dir_Language.isEmpty()) return false;
    const QString target = PathJoin(Dir_Language, Default_Language_Name + QStringLiteral(".lng"));
    if (QFile::exists(target)) return true;

    QString content;
    for (int n = 0; n < Text_Table_Size; ++n) {
        const QString line = Language_File_Line(n, Default_Text(n));
        if (!line.isEmpty()) content += line + QStringLiteral("\r\n");
    }
    // Written beside the target and renamed onto it, so a half-written file is never
    // read; the rename refuses to replace a file that appeared meanwhile.
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    if (!file.open()) return false;
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + content.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) return false;
    // The language pages list only files that may be written.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!file.rename(target)) return QFile::exists(target);
    // Renamed, it is no temporary file any more: it must outlive this function.
    file.setAutoRemove(false);
    return true;
}
