#include "drop_down_fixture.h"

#include "dropdowns/button_items.h"
#include "dropdowns/button_panel.h"
#include "dropdowns/calculator_drop_down.h"

namespace {

class CalculatorTest : public DropDownWindowTest {
protected:
    TExCalculatorDropdown* Open() {
        auto* calculator = Make<TExCalculatorDropdown>();
        calculator->ShowDropDown();
        EXPECT_TRUE(calculator->DroppedDown());
        return calculator;
    }
    // Clicks the keys named by their captions, separated by blanks.
    static void Press(TExCalculatorDropdown* calculator, const QString& keys) {
        TCustomButtonPanel* panel = calculator->ButtonPanel();
        for (const QString& caption : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            int index = -1;
            for (int i = 0; i < panel->Buttons().Count(); ++i)
                if (panel->Buttons().Items(i)->Caption() == caption) index = i;
            ASSERT_GE(index, 0) << caption.toStdString();
            const QPoint centre = panel->Buttons().Items(index)->KeyRect().ToQRect().center();
            QTest::mouseClick(panel, Qt::LeftButton, {}, centre);
        }
    }
    const SeparatorsScope Separators{QLatin1Char('.'), QLatin1Char(',')};
};

TEST_F(CalculatorTest, KeypadSequences) {
    struct Case {
        const char* keys;
        const char* display;
    };
    const Case cases[] = {
        {"1 2 +", "12.00"},
        {"1 2 + 3 =", "15.00"},
        {"1 . 2 3 4", "1.23"},
        {"7 / 0 =", "Error"},
        {"7 / 0 = 5", "5.00"},
        {"2 0 0 + 1 0 %", "20.00"},
        {"2 0 0 + 1 0 % =", "220.00"},
        {"4 +/- sqrt", "Error"},
        {"4 1/x", "0.25"},
        {"5 MS C MR", "5.00"},
        {"5 MS C MR M+ C MR", "10.00"},
        {"1 . 2 3 Back", "1.20"},
        {"1 + 2 Back", "2.00"},
        {"9 + 3 CE =", "0.00"},
    };
    for (const Case& c : cases) {
        auto* calculator = Open();
        Press(calculator, QString::fromLatin1(c.keys));
        EXPECT_EQ(calculator->Text(), QString::fromLatin1(c.display)) << c.keys;
        delete calculator;
    }
}

TEST_F(CalculatorTest, TypingInThePopUpCalculatesAndEnterCloses) {
    auto* calculator = Open();
    QTest::keyClicks(PopUpKeyTarget(calculator), "12+3");
    EXPECT_EQ(calculator->Text(), "3.00");
    QTest::keyClick(PopUpKeyTarget(calculator), Qt::Key_Return);
    EXPECT_FALSE(calculator->DroppedDown());
    EXPECT_EQ(calculator->Text(), "15.00");
    EXPECT_DOUBLE_EQ(double(calculator->Value()), 15.0);
}

TEST_F(CalculatorTest, EscPutsBackTheLastWrittenDisplay) {
    auto* calculator = Open();
    Press(calculator, "8 +");
    // The first digit after an operation writes the display anew; the second is typed.
    QTest::keyClicks(PopUpKeyTarget(calculator), "45");
    QTest::keyClick(PopUpKeyTarget(calculator), Qt::Key_Escape);
    EXPECT_FALSE(calculator->DroppedDown());
    EXPECT_EQ(calculator->Text(), "4.00");
}

TEST_F(CalculatorTest, TheClosedEditTypesNumbersOnly) {
    auto* calculator = Make<TExCalculatorDropdown>();
    calculator->SetText("6");
    calculator->SelectAll();
    QTest::keyClicks(calculator, "5+*/=%");
    QTest::keyClick(calculator, Qt::Key_Return);
    EXPECT_EQ(calculator->Text(), "5");
    calculator->CalcResult();
    EXPECT_EQ(calculator->Text(), "5.00");
}

TEST_F(CalculatorTest, ThousandSeparatorsShowAndMemoryReadsTheNumber) {
    auto* calculator = Open();
    calculator->SetShowThousandSeparator(true);
    Press(calculator, "1 2 3 4");
    EXPECT_EQ(calculator->Text(), "1,234.00");
    Press(calculator, "MS C MR");
    EXPECT_EQ(calculator->Text(), "1,234.00");
    EXPECT_DOUBLE_EQ(double(calculator->Value()), 1234.0);
}

TEST_F(CalculatorTest, ADisplayThatIsNoNumberStopsTheStepSilently) {
    auto* calculator = Open();
    calculator->SetTextDirect("-");
    Press(calculator, "+");
    EXPECT_EQ(calculator->Text(), "-");
    Press(calculator, "=");
    EXPECT_EQ(calculator->Text(), "-");
    EXPECT_DOUBLE_EQ(double(calculator->Value()), 0.0);
}

TEST_F(CalculatorTest, TheKeypadTakesTheStylesButtonColours) {
    auto* calculator = Make<TExCalculatorDropdown>();
    EXPECT_EQ(calculator->DropDownColor(), TColor(clWhite)) << "white over the style's colour";
    calculator->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(calculator->CalcButtonAppearance()->Color(), TColor(0xBFBFBF));
    EXPECT_EQ(calculator->CalcButtonAppearance()->GlowColorHot(), TColor(0x8AE3FD));
    calculator->SetComponentStyle(tsWindows7);
    EXPECT_EQ(calculator->CalcButtonAppearance()->GlowColorDown(), TColor(0xD5C244));
    EXPECT_EQ(calculator->CalcButtonAppearance()->GlowColorHot(), TColor(0xFCDBC1));
}

}  // namespace
