#include "core/language_file.h"
#include "core/program_state.h"
#include "core/text_table.h"

#include "test_support.h"

using LanguageFileTest = ProgramFolderTest;

TEST_F(LanguageFileTest, BuiltInTableHoldsEveryEntryWithBlanksKept) {
    Load_Default_Texts();
    ASSERT_EQ(SL_Lang_Texts.Count(), 2800);
    EXPECT_EQ(Num_Lang_Texts, 2800);
    EXPECT_EQ(LangText(0), "Begin");
    EXPECT_EQ(LangText(9), "None Configuration Opened ");
    EXPECT_EQ(LangText(18), "Error! Project not Valid");
    EXPECT_EQ(LangText(306), " / ");
    EXPECT_EQ(LangText(900), "Row Already used. Do you want to overwrite the values?");
    EXPECT_EQ(LangText(1500), " ");  // a number no window uses
    EXPECT_EQ(LangText(2799), " ");
}

TEST_F(LanguageFileTest, LineRules) {
    const struct {
        const char* line;
        int entry;
        const char* expected;
    } cases[] = {
        {"STR0 = Inizio", 0, "Inizio"},
        {"  STR1 = Passo 1  ", 1, "Passo 1"},
        {"STR12=Informazioni", 12, "Informazioni"},  // no blank before "="
        {"STR 13 = Opzioni", 13, "Opzioni"},
        {"str14 = lower case prefix", 14, "Close Configurator"},
        {"; STR15 = comment line", 15, "New Configuration"},
        {"STR2800 = beyond the table", 2799, " "},
        {"STR-1 = negative", 0, "Begin"},
        {"STRx = letters", 16, "Open Configuration"},
        {"STR16", 16, "Open Configuration"},  // no "="
        {"STR17 =   ", 17, "Update Device UDP"},  // empty text
        {"STR9 = \u00b6Nessuna \u00b6", 9, "Nessuna "},
        {"STR10 = testo /#/ nota", 10, "testo"},
        {"STR11 = /#/ only a note", 11, "Opened Configuration of the Converter : "},
        {"STR19 = \u00b6", 19, ""},
        {"STR20 = a = b", 20, "a = b"},
        {"STR21 = Uno\u00b6Due", 21, "Uno"},
    };
    for (const auto& c : cases) {
        Load_Default_Texts();
        Apply_Language_Line(QString::fromUtf8(c.line));
        EXPECT_EQ(LangText(c.entry), QString::fromUtf8(c.expected)) << c.line;
    }
    // A text no window could lay out in reasonable time is refused; 4096 characters pass.
    for (const qsizetype size : {4096, 4097, 20 * 1024 * 1024}) {
        Load_Default_Texts();
        Apply_Language_Line(QStringLiteral("STR0 = ") + QString(size, u'W'));
        EXPECT_EQ(LangText(0).size(), size == 4096 ? 4096 : 5) << size;
    }
}

TEST_F(LanguageFileTest, FileEncodingsAndLaterLinesWin) {
    const struct {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"STR0 = Caf\xC3\xA9\r\nSTR0 = Second\r\n", "Second"},
        {"STR0 = Old\rSTR0 = Second\r", "Second"},  // lines ended by CR alone
        {"\xEF\xBB\xBFSTR0 = Caf\xC3\xA9\n", QString::fromUtf8("Caf\xC3\xA9")},
        {"STR0 = Caf\xE9 \x80\n", QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC")},  // Windows-1252
        {"STR0 = Caf\xE9", QString::fromUtf8("Caf\xC3\xA9")},  // a Windows-1252 letter last in the file
        {QByteArray("\xFF\xFE", 2) + QByteArray("S\0T\0R\0" "0\0=\0x\0", 12), "x"},
        // An unpaired surrogate in a UTF-16 file spoils only its own line.
        {QByteArray("\xFF\xFE", 2) + QByteArray("S\0T\0R\0" "2\0=\0a\0\x00\xD8\r\0\n\0S\0T\0R\0" "0\0=\0x\0\r\0\n\0", 34),
         "x"},
    };
    for (const auto& c : cases) {
        Load_Default_Texts();
        WriteFile("LANGUAGE/Test.lng", c.bytes);
        Load_Language_File(PathIn("LANGUAGE/Test.lng"));
        EXPECT_EQ(LangText(0), c.expected);
        EXPECT_EQ(LangText(1), "Step 1");  // untouched entries stay English
    }
}

TEST_F(LanguageFileTest, InitLanguageFallsBackToEnglish) {
    Set_Program_Folders(ProgramDir());
    Language_Name = "Klingon";
    Init_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(LangText(0), "Begin");

    WriteFile("LANGUAGE/English.lng", "STR0 = Start\n");
    Language_Name = "";
    Init_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(LangText(0), "Start");

    WriteFile("LANGUAGE/Italiano.lng", "STR0 = Inizio\n");
    Language_Name = "Italiano";
    Init_Language();
    EXPECT_EQ(Language_Name, "Italiano");
    EXPECT_EQ(LangText(0), "Inizio");
}
