#include "core/text_table.h"
#include "core/configuration_folders.h"
#include "core/language_file.h"
#include "core/program_state.h"
#include "platform/file_system.h"

#include <QFile>
#include <QStringList>
#include <vector>

// The resources live in a static library, whose initializer the linker may drop.
static void Load_Resources() { Q_INIT_RESOURCE(resources); }

namespace {

// Undoes the escapes of the built-in text file: \\ \t \n.
QString Unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == QLatin1Char('t') ? QChar('\t') : next == QLatin1Char('n') ? QChar('\n') : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The built-in texts are read from the resources once; every entry not given is a blank.
const std::vector<QString>& Built_In_Texts() {
    static const std::vector<QString> texts = [] {
        std::vector<QString> table(Text_Table_Size, QStringLiteral(" "));
        Load_Resources();
        QFile file(QStringLiteral(":/texts/default_texts.txt"));
        if (!file.open(QIODevice::ReadOnly)) return table;
        const QString content = QString::fromUtf8(file.readAll());
        for (QStringView line : QStringView(content).split(QLatin1Char('\n'))) {
            const qsizetype tab = line.indexOf(QLatin1Char('\t'));
            if (tab <= 0) continue;
            bool ok = false;
            const int number = line.left(tab).toInt(&ok);
            if (ok && number >= 0 && number < Text_Table_Size) table[std::size_t(number)] = Unescape(line.mid(tab + 1));
        }
        return table;
    }();
    return texts;
}

}  // namespace

void Load_Default_Texts() {
    SL_Lang_Texts.Clear();
    for (const QString& text : Built_In_Texts()) SL_Lang_Texts.Add(text);
    Num_Lang_Texts = Text_Table_Size;
}

QString Default_Text(int n) {
    if (n < 0 || n >= Text_Table_Size) return QStringLiteral(" ");
    return Built_In_Texts()[std::size_t(n)];
}

void Init_Language() {
    Load_Default_Texts();
    const QString chosen = PathJoin(Dir_Language, Language_Name + QStringLiteral(".lng"));
    // The name comes from the settings file: one that is not a plain file name (a path
    // such as "../../elsewhere/evil") must not open a file outside the language folder.
    if (Is_Valid_Configuration_Name(Language_Name) && FileExists(chosen)) {
        Load_Language_File(chosen);
        return;
    }
    Language_Name = Default_Language_Name;
    const QString english = PathJoin(Dir_Language, QStringLiteral("English.lng"));
    if (FileExists(english)) Load_Language_File(english);
}

QString LangText(int n) {
    if (n < 0 || n >= SL_Lang_Texts.Count()) return QStringLiteral(" ");
    return SL_Lang_Texts.Strings(n);
}
