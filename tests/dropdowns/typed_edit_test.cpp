#include "drop_down_fixture.h"

#include <QClipboard>

namespace {

using TypedEditTest = DropDownWindowTest;

struct TypingCase {
    const char* name;
    TDropDownEditType type;
    char decimal;  // '.' with ',' grouping, ',' with '.' grouping
    int precision;
    bool isSigned;
    int lengthLimit;
    const char* prefix;
    const char* suffix;
    const char* start;  // full text
    int caret;          // in the full text
    int selection;      // characters selected from the caret
    const char* keys;   // typed; '#' is the keypad's decimal key, '|' a paste of pasteText
    const char* pasteText;
    const char* expected;  // full text
    int expectedCaret;
    int expectedSelection;
    double value;
    bool modified;
};

class TypingTable : public DropDownWindowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTable, TypingGivesTheTextCaretAndValue) {
    const TypingCase& c = GetParam();
    const SeparatorsScope separators(QLatin1Char(c.decimal), QLatin1Char(c.decimal == '.' ? ',' : '.'));
    auto* dropDown = Make();
    dropDown->SetEditType(c.type);
    dropDown->SetPrecision(std::int16_t(c.precision));
    dropDown->SetSigned(c.isSigned);
    dropDown->SetLengthLimit(std::int16_t(c.lengthLimit));
    dropDown->SetExcelStyleDecimalSeparator(true);
    dropDown->SetPrefix(QString::fromUtf8(c.prefix));
    dropDown->SetSuffix(QString::fromUtf8(c.suffix));
    dropDown->SetTextDirect(QString::fromUtf8(c.start));
    dropDown->SetSel(c.caret, c.caret + c.selection);
    dropDown->SetIsModified(false);
    int changes = 0;
    dropDown->OnChange = [&](TObject*) { ++changes; };
    for (const char* k = c.keys; *k; ++k) {
        if (*k == '#') {
            QTest::keyClick(dropDown, Qt::Key_Period, Qt::KeypadModifier);
        } else if (*k == '|') {
            QApplication::clipboard()->setText(QString::fromUtf8(c.pasteText));
            QTest::keyClick(dropDown, Qt::Key_V, Qt::ControlModifier);
        } else if (*k == '<') {
            QTest::keyClick(dropDown, Qt::Key_Backspace);
        } else if (*k == 'D') {
            QTest::keyClick(dropDown, Qt::Key_Delete);
        } else {
            QTest::keyClicks(dropDown, QString(QLatin1Char(*k)));
        }
    }
    EXPECT_EQ(dropDown->EditText(), QString::fromUtf8(c.expected)) << c.name;
    EXPECT_EQ(dropDown->SelStart(), c.expectedCaret) << c.name;
    EXPECT_EQ(dropDown->SelLength(), c.expectedSelection) << c.name;
    EXPECT_DOUBLE_EQ(double(dropDown->GetFloatValue()), c.value) << c.name;
    EXPECT_EQ(dropDown->IsModified(), c.modified) << c.name;
    (void)changes;
}

// clang-format off
const TypingCase kTypingCases[] = {
    {"numeric digits",            etNumeric, '.', 0, false, 0, "", "", "12", 2, 0, "3a4", "", "1234", 4, 0, 1234, true},
    {"numeric unsigned minus",    etNumeric, '.', 0, false, 0, "", "", "12", 1, 0, "-", "", "12", 1, 0, 12, false},
    {"numeric signed minus",      etNumeric, '.', 0, true, 0, "", "", "12", 1, 0, "-", "", "-12", 2, 0, -12, true},
    {"numeric minus off again",   etNumeric, '.', 0, true, 0, "", "", "-12", 3, 0, "-", "", "12", 2, 0, 12, false},
    {"minus over a selection",    etFloat, '.', 2, true, 0, "", "", "12.50", 0, 2, "-", "", "-12.50", 1, 0, -12.5, true},
    {"float second separator",    etFloat, '.', 2, false, 0, "", "", "1.25", 0, 0, ".", "", "1.25", 2, 0, 1.25, false},
    {"float full fraction over",  etFloat, '.', 2, false, 0, "", "", "1.25", 3, 0, "7", "", "1.27", 4, 0, 1.27, true},
    {"float full fraction end",   etFloat, '.', 2, false, 0, "", "", "1.25", 4, 0, "7", "", "1.25", 4, 0, 1.25, false},
    {"float leading zero",        etFloat, '.', 2, false, 0, "", "", "", 0, 0, ".5", "", "0.5", 3, 0, 0.5, true},
    {"float comma decimal",       etFloat, ',', 2, false, 0, "", "", "", 0, 0, "3,2", "", "3,2", 3, 0, 3.2, true},
    {"float keypad decimal",      etFloat, ',', 2, false, 0, "", "", "3", 1, 0, "#5", "", "3,5", 3, 0, 3.5, true},
    {"float letters refused",     etFloat, '.', 2, false, 0, "", "", "4", 1, 0, "x+", "", "4", 1, 0, 4, false},
    {"money grouping",            etMoney, '.', 2, false, 0, "", "", "123", 3, 0, "4", "", "1,234", 5, 0, 1234, true},
    {"money grouping comma",      etMoney, ',', 2, false, 0, "", "", "123", 3, 0, "4", "", "1.234", 5, 0, 1234, true},
    {"money thousand refused",    etMoney, '.', 2, false, 0, "", "", "12", 2, 0, ",", "", "12", 2, 0, 12, false},
    {"hex digits upper",          etHex, '.', 0, false, 0, "", "", "", 0, 0, "1az", "", "1a", 2, 0, 26, true},
    {"hex minus at start only",   etHex, '.', 0, false, 0, "", "", "1A", 1, 0, "-", "", "1A", 1, 0, 26, false},
    {"hex minus first counts",    etHex, '.', 0, false, 0, "", "", "1A", 0, 0, "-", "", "-1A", 1, 0, -26, true},
    {"range separator",           etRange, '.', 0, false, 0, "", "", "1-3,5", 5, 0, ";", "", "1-3,5;", 6, 0, 0, true},
    {"range double separator",    etRange, '.', 0, false, 0, "", "", "1-3,5", 2, 0, ",", "", "1-3,5", 2, 0, 0, true},
    {"percentage suffix",         etFloat, '.', 2, false, 0, "", "%", "5%", 1, 0, "0", "", "50%", 2, 0, 50, true},
    {"prefix and suffix sign",    etFloat, '.', 2, true, 0, "$", " EUR", "$12 EUR", 2, 0, "-", "", "$-12 EUR", 3, 0, -12, true},
    {"length limit full",         etNumeric, '.', 0, false, 3, "", "", "123", 3, 0, "4", "", "123", 3, 0, 123, false},
    {"length limit backspace",    etNumeric, '.', 0, false, 3, "", "", "123", 3, 0, "<", "", "12", 2, 0, 12, false},
    {"backspace into prefix",     etString, '.', 0, false, 0, "$", "", "$a", 1, 0, "<", "", "$a", 1, 0, 0, false},
    {"paste letters numeric",     etNumeric, '.', 0, false, 0, "", "", "12", 1, 0, "|", "x", "12", 2, 0, 12, false},
    {"paste number numeric",      etNumeric, '.', 0, false, 0, "", "", "12", 2, 0, "|", "34", "1234", 4, 0, 1234, true},
    {"paste minus inside",        etNumeric, '.', 0, true, 0, "", "", "12", 1, 0, "|", "-", "12", 2, 0, 12, false},
    {"paste into range refused",  etRange, '.', 0, false, 0, "", "", "1", 1, 0, "|", "2", "1", 1, 0, 0, false},
    {"uppercase",                 etUppercase, '.', 0, false, 0, "", "", "", 0, 0, "ab", "", "AB", 2, 0, 0, true},
    {"alphanumeric",              etAlphaNumeric, '.', 0, false, 0, "", "", "", 0, 0, "a-1", "", "a1", 2, 0, 0, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, TypingTable, ::testing::ValuesIn(kTypingCases));

TEST_F(TypedEditTest, SetTextFormatsByType) {
    const SeparatorsScope separators(QLatin1Char('.'), QLatin1Char(','));
    auto* dropDown = Make();
    struct Case {
        TDropDownEditType type;
        int precision;
        const char* given;
        const char* shown;
    };
    const Case cases[] = {
        {etNumeric, 0, "", "0"},        {etFloat, 0, "", "0"},          {etHex, 0, "", "0"},
        {etHex, 0, "ff", "FF"},         {etFloat, 2, "3", "3.00"},      {etFloat, 2, "Error", "Error"},
        {etMoney, 2, "1234.5", "1,234.50"}, {etString, 0, "", ""},      {etNumeric, 0, "abc", "abc"},
    };
    for (const Case& c : cases) {
        dropDown->SetEditType(etString);
        dropDown->SetEditType(c.type);
        dropDown->SetPrecision(std::int16_t(c.precision));
        dropDown->SetText(QString::fromLatin1(c.given));
        EXPECT_EQ(dropDown->Text(), QString::fromLatin1(c.shown)) << c.type << " " << c.given;
    }
}

TEST_F(TypedEditTest, FocusLossFormatsTheNumberUnderBothSeparators) {
    struct Case {
        char decimal;
        TDropDownEditType type;
        bool allowNull;
        const char* start;
        const char* after;
    };
    const Case cases[] = {
        {'.', etFloat, false, "3.5", "3.50"},    {',', etFloat, false, "3,5", "3,50"},
        {'.', etMoney, false, "1234", "1,234.00"}, {',', etMoney, false, "1234", "1.234,00"},
        {'.', etFloat, false, "", "0.00"},       {'.', etFloat, true, "", ""},
        {'.', etNumeric, false, "", "0"},        {'.', etNumeric, true, "", ""},
    };
    auto* dropDown = Make();
    for (const Case& c : cases) {
        const SeparatorsScope separators(QLatin1Char(c.decimal), QLatin1Char(c.decimal == '.' ? ',' : '.'));
        dropDown->setFocus();
        QApplication::processEvents();
        dropDown->SetEditType(etString);
        dropDown->SetEditType(c.type);
        dropDown->SetPrecision(2);
        dropDown->SetAllowNumericNullValue(c.allowNull);
        dropDown->SetTextDirect(QString::fromLatin1(c.start));
        Other->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(dropDown->Text(), QString::fromLatin1(c.after)) << c.decimal << " " << c.type << " " << c.start;
    }
}

TEST_F(TypedEditTest, FloatValuesAreWrittenInTheGeneralAndGroupedFormats) {
    struct Case {
        char decimal;
        TDropDownEditType type;
        int precision;
        double value;
        const char* shown;
    };
    const Case cases[] = {
        {'.', etFloat, -1, 0.25, "0.25"},        {',', etFloat, -1, 0.25, "0,25"},
        {'.', etFloat, -1, 1e20, "1E20"},        {'.', etFloat, -1, 1.5e-7, "1.5E-7"},
        {'.', etFloat, -1, 123456789012345678.0, "1.23456789012346E17"},
        {'.', etNumeric, 0, 1234567, "1,234,567"}, {',', etNumeric, 0, 1234567, "1.234.567"},
        {'.', etMoney, 2, -1234.5, "-1,234.50"}, {',', etMoney, 2, -1234.5, "-1.234,50"},
        {'.', etHex, 0, -1, "FFFFFFFFFFFFFFFF"}, {'.', etString, 1, 2.25, "2.3"},
    };
    for (const Case& c : cases) {
        const SeparatorsScope separators(QLatin1Char(c.decimal), QLatin1Char(c.decimal == '.' ? ',' : '.'));
        auto* dropDown = Make();
        dropDown->SetEditType(c.type);
        dropDown->SetPrecision(std::int16_t(c.precision));
        dropDown->SetFloatValue(c.value);
        EXPECT_EQ(dropDown->Text(), QString::fromLatin1(c.shown)) << c.value;
        delete dropDown;
    }
}

TEST_F(TypedEditTest, PrefixAndSuffixHoldTheCaretBetweenThem) {
    auto* dropDown = Make();
    dropDown->SetPrefix("$");
    dropDown->SetSuffix(" EUR");
    dropDown->SetText("123");
    dropDown->SetSelStart(2);
    QTest::keyClick(dropDown, Qt::Key_Home);
    EXPECT_EQ(dropDown->SelStart(), 1);
    QTest::keyClick(dropDown, Qt::Key_Left);
    EXPECT_EQ(dropDown->SelStart(), 1);
    QTest::keyClick(dropDown, Qt::Key_End);
    EXPECT_EQ(dropDown->SelStart(), 4);
    QTest::keyClick(dropDown, Qt::Key_Right);
    EXPECT_EQ(dropDown->SelStart(), 4);
    QTest::keyClick(dropDown, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(dropDown->SelText(), "123");
    EXPECT_EQ(dropDown->Text(), "123");
}

TEST_F(TypedEditTest, ClipboardEventsMayRefuse) {
    auto* dropDown = Make();
    dropDown->SetText("hello");
    QString offered;
    dropDown->OnClipboardCopy = [&](TObject*, const QString& value, bool& allow) {
        offered = value;
        allow = false;
    };
    QApplication::clipboard()->setText("before");
    dropDown->SetSel(0, 4);
    QTest::keyClick(dropDown, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(offered, "hell");
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    int copies = 0;
    dropDown->OnClipboardCopy = [&](TObject*, const QString&, bool&) { ++copies; };
    dropDown->OnClipboardCut = [&](TObject*, const QString& value, bool& allow) { allow = value == "he"; };
    dropDown->SetSel(0, 2);
    QTest::keyClick(dropDown, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(dropDown->Text(), "llo");
    EXPECT_EQ(copies, 0) << "a cut raises no copy event";
    dropDown->OnClipboardPaste = [](TObject*, const QString& value, bool& allow) { allow = value != "llohe"; };
    dropDown->SetSelStart(3);
    QTest::keyClick(dropDown, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dropDown->Text(), "llo");
}

}  // namespace
