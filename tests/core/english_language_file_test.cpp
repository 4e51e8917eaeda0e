#include "core/english_language_file.h"
#include "core/language_file.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "platform/file_system.h"

#include "test_support.h"

#include <QDir>
#include <QFile>

namespace {

class EnglishLanguageFileTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Set_Program_Folders(ProgramDir());
        ForceDirectories(Dir_Language);
    }
    QString EnglishFile() const { return PathIn(QStringLiteral("LANGUAGE/English.lng")); }
};

TEST_F(EnglishLanguageFileTest, LinesReadBackAsTheirText) {
    const struct {
        const char* text;
        const char* line;  // empty: no line can carry the text
    } cases[] = {
        {"Begin", "STR7 = Begin"},
        {"None Configuration Opened ", "STR7 = \u00b6None Configuration Opened \u00b6"},
        {" / ", "STR7 = \u00b6 / \u00b6"},
        {" ", ""},
        {"", ""},
        {"two\nlines", ""},
        {"a \u00b6 sign", ""},
        {"a /#/ mark", ""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QString line = Language_File_Line(7, text);
        EXPECT_EQ(line, QString::fromUtf8(c.line)) << c.text;
        if (line.isEmpty()) continue;
        Load_Default_Texts();
        Apply_Language_Line(line);
        EXPECT_EQ(LangText(7), text) << c.text;
    }
    EXPECT_EQ(Language_File_Line(7, QString(4097, u'x')), QString());
}

// Read as a language file over a table of blanks, the written file gives back every
// built-in text.
TEST_F(EnglishLanguageFileTest, TheWrittenFileCarriesEveryBuiltInText) {
    ASSERT_TRUE(Write_English_Language_File());
    Load_Default_Texts();
    for (int n = 0; n < Text_Table_Size; ++n) SL_Lang_Texts.SetStrings(n, QStringLiteral(" "));
    Load_Language_File(EnglishFile());
    for (int n = 0; n < Text_Table_Size; ++n) ASSERT_EQ(LangText(n), Default_Text(n)) << "entry " << n;
    EXPECT_TRUE(QFile::permissions(EnglishFile()) & QFile::WriteOwner) << "the language pages list it";
    EXPECT_EQ(QDir(Dir_Language).entryList(QDir::Files), QStringList{QStringLiteral("English.lng")});
}

TEST_F(EnglishLanguageFileTest, AnExistingFileIsKept) {
    WriteFile(QStringLiteral("LANGUAGE/English.lng"), "STR0 = Start\n");
    EXPECT_TRUE(Write_English_Language_File());
    EXPECT_EQ(ReadFile(QStringLiteral("LANGUAGE/English.lng")), QByteArray("STR0 = Start\n"));
    // Without a language folder nothing is written and the failure is told.
    QFile::remove(EnglishFile());
    QDir(Dir_Language).removeRecursively();
    WriteFile(QStringLiteral("LANGUAGE"), "a file where the folder belongs");
    EXPECT_FALSE(Write_English_Language_File());
}

}  // namespace
