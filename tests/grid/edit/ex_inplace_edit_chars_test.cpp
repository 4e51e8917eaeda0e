// The plain edit's character rules per kind under a fixed locale (comma decimal, point
// thousands), the length limit and the auto advance of a full edit, typed as real keys.

#include "grid/edit/inplace_edit_fixture.h"
#include "platform/format_settings.h"
#include "platform/message_beep.h"

namespace {

// A plain grid whose every cell opens the given kind, under a comma-decimal locale.
class CharRulesFixture : public InplaceEditFixture {
protected:
    void SetUp() override {
        Saved = FormatSettings();
        FormatSettings().DecimalSeparator = QLatin1Char(',');
        FormatSettings().ThousandSeparator = QLatin1Char('.');
        SetMessageBeepSink([this] { ++Beeps; });
        InplaceEditFixture::SetUp();
    }
    void TearDown() override {
        InplaceEditFixture::TearDown();
        SetMessageBeepSink({});
        FormatSettings() = Saved;
    }
    // Opens the edit on an empty cell and types the keys into it.
    QString TypeIntoEmptyCell(const QString& Keys) {
        OpenOn(QString());
        for (QChar c : Keys) QTest::keyClick(Edit(), c.toLatin1());
        return Edit()->Text();
    }

    TFormatSettings Saved;
    int Beeps = 0;
};

TEST_F(CharRulesFixture, EachKindKeepsItsCharactersAndBeepsWhereItRefuses) {
    struct Case {
        const char* Name;
        TEditorType Kind;
        QString Typed;
        QString Expected;
        int ExpectedBeeps;
    };
    const Case cases[] = {
        {"normal takes anything", edNormal, "a-1,x", "a-1,x", 0},
        {"numeric: minus first only once", edNumeric, "-1-2a", "-12", 2},
        {"numeric: minus after a digit", edNumeric, "1-", "1", 1},
        {"positive numeric: no minus", edPositiveNumeric, "-12x", "12", 2},
        {"float: second decimal comma dropped silently", edFloat, "1,2,3", "1,23", 0},
        {"float: thousand separator dropped silently", edFloat, "1.234", "1234", 0},
        {"float: letters dropped silently", edFloat, "1a", "1", 0},
        {"float: minus only at the start", edFloat, "-1-", "-1", 1},
        {"positive float: minus dropped silently", edPositiveFloat, "-1", "1", 0},
        {"capital upper-cases", edCapital, "abc", "ABC", 0},
        {"upper case", edUpperCase, "aBc", "ABC", 0},
        {"lower case", edLowerCase, "AbC", "abc", 0},
        {"mixed case capitalises each word", edMixedCase, "big room", "Big Room", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        UseKind(c.Kind);
        Beeps = 0;
        EXPECT_EQ(TypeIntoEmptyCell(c.Typed), c.Expected);
        EXPECT_EQ(Beeps, c.ExpectedBeeps);
        Form->Key(Qt::Key_Escape);
    }
}

TEST_F(CharRulesFixture, MixedCaseKeepsTheCaretAfterTheTypedCharacter) {
    UseKind(edMixedCase);
    TypeIntoEmptyCell("ab cd");
    TExInplaceEdit* edit = Grid().NormalEdit();
    edit->SetSelStart(3);  // before "cd"
    QTest::keyClick(edit, 'x');
    EXPECT_EQ(edit->Text(), "Ab Xcd");
    EXPECT_EQ(edit->SelStart(), 4);
}

TEST_F(CharRulesFixture, FloatTakesAnotherCommaWhenTheFirstIsSelected) {
    UseKind(edFloat);
    TypeIntoEmptyCell("1,5");
    TExInplaceEdit* edit = Grid().NormalEdit();
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    QTest::keyClick(edit, ',');
    EXPECT_EQ(edit->Text(), "1,5");
    edit->SetSelStart(0);
    QTest::keyClick(edit, '-');  // the caret at 0 and no minus yet
    EXPECT_EQ(edit->Text(), "-1,5");
}

TEST_F(CharRulesFixture, ValidCharsUsesTheTextOrElseTheCharacterSet) {
    UseKind(edValidChars);
    Grid().SetValidChars("AB");
    EXPECT_EQ(TypeIntoEmptyCell("AxB"), "AB");
    EXPECT_EQ(Beeps, 1);
    QTest::keyClick(Grid().NormalEdit(), Qt::Key_Backspace);
    EXPECT_EQ(Grid().NormalEdit()->Text(), "A");
    Form->Key(Qt::Key_Escape);

    Grid().SetValidChars(QString());
    Grid().ValidCharSet().set('7');
    Beeps = 0;
    EXPECT_EQ(TypeIntoEmptyCell("787"), "77");
    EXPECT_EQ(Beeps, 1);
}

TEST_F(CharRulesFixture, TheLengthLimitDropsCharactersButBackspaceStillWorks) {
    Grid().SetMaxEditLength(3);
    EXPECT_EQ(TypeIntoEmptyCell("abcd"), "abc");
    TExInplaceEdit* edit = Grid().NormalEdit();
    EXPECT_EQ(edit->LengthLimit(), 3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, 'z');
    EXPECT_EQ(edit->Text(), "abz");
    edit->SetSelStart(0);
    edit->SetSelLength(1);  // a selection makes room for the typed character
    QTest::keyClick(edit, 'q');
    EXPECT_EQ(edit->Text(), "qbz");
}

TEST_F(CharRulesFixture, AFullEditMovesOnByItselfWithAdvanceAuto) {
    Grid().SetMaxEditLength(4);
    Grid().Navigation()->SetAdvanceAuto(true);
    TypeIntoEmptyCell("1234");
    EXPECT_EQ(Grid().Cells(2, 2), "1234");
    EXPECT_EQ(Grid().Col(), 3);
}

}  // namespace
