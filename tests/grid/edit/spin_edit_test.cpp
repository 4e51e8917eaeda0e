// The spin edit driven by real keys and mouse: defaults, page keys and limits, the steps
// per caret part and type, the held arrow on injected timers, the character rules, the
// correction when the focus leaves, EditorEnabled, and the arrows' painting.

#include "edit_control_fixture.h"
#include "fake_timer.h"
#include "grid/edit/spin_edit.h"

#include <QClipboard>

namespace {

using SpinEditTest = EditControlFixture<TAsgSpinEdit>;

TEST_F(SpinEditTest, StartsAtZeroWithItsDefaultsAndKeepsTheButtonAtTheRight) {
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_EQ(Edit->MinValue(), 0);
    EXPECT_EQ(Edit->MaxValue(), 100);
    EXPECT_EQ(Edit->Increment(), 1);
    EXPECT_DOUBLE_EQ(Edit->IncrementFloat(), 0.1);
    EXPECT_DOUBLE_EQ(Edit->IncrementFloatPage(), 1.0);
    EXPECT_EQ(Edit->SpinType(), sptNormal);
    EXPECT_TRUE(Edit->EditorEnabled());
    const QRect pair = Edit->Button()->geometry();
    EXPECT_EQ(pair.width(), 15);
    EXPECT_EQ(pair.right(), Edit->width() - Edit->FrameWidth() - 2);
    // The text stays left of the pair.
    EXPECT_EQ(Edit->TextRect().Right, Edit->width() - 2 * Edit->FrameWidth() - 15 - 2);
    // A height below the font's least height is raised to it.
    Edit->SetHeight(4);
    QTRY_COMPARE(Edit->height(), Edit->MinHeight());
}

TEST_F(SpinEditTest, ArrowAndPageKeysStepWithinTheLimits) {
    struct Case {
        const char* Name;
        TAsgSpinType Type;
        int Min, Max;
        QString Start;
        Qt::Key Key;
        int Presses;
        QString Expected;
    };
    const Case cases[] = {
        {"up steps by the increment", sptNormal, 0, 100, "10", Qt::Key_Up, 2, "20"},
        {"page up steps the integer like up", sptNormal, 0, 100, "10", Qt::Key_PageUp, 1, "15"},
        {"the maximum holds", sptNormal, 0, 100, "95", Qt::Key_Up, 3, "100"},
        {"the minimum holds", sptNormal, 0, 100, "5", Qt::Key_PageDown, 2, "0"},
        {"equal limits mean none", sptNormal, 0, 0, "0", Qt::Key_Down, 2, "-10"},
        {"a text that is no number counts as the minimum", sptNormal, 7, 100, "x", Qt::Key_Up, 1, "12"},
        {"float down by IncrementFloat", sptFloat, 0, 0, "1.5", Qt::Key_Down, 1, "1"},
        {"float page up by IncrementFloatPage", sptFloat, 0, 0, "1.5", Qt::Key_PageUp, 2, "6.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetSpinType(c.Type);
        Edit->SetMinValue(c.Min);
        Edit->SetMaxValue(c.Max);
        Edit->SetMinFloatValue(0);
        Edit->SetMaxFloatValue(0);
        Edit->SetIncrement(5);
        Edit->SetIncrementFloat(0.5);
        Edit->SetIncrementFloatPage(2.5);
        Edit->SetText(c.Start);
        for (int i = 0; i < c.Presses; ++i) QTest::keyClick(Edit, c.Key);
        EXPECT_EQ(Edit->Text(), c.Expected);
    }
}

TEST_F(SpinEditTest, DateAndTimeStepThePartUnderTheCaret) {
    struct Case {
        const char* Name;
        TAsgSpinType Type;
        QString DateFormat;
        QString Start;
        int Caret;
        Qt::Key Key;
        QString Expected;
    };
    const Case cases[] = {
        {"day first: caret in the day", sptDate, "dd/MM/yyyy", "30/01/2024", 1, Qt::Key_Up, "31/01/2024"},
        {"day first: caret in the month clips to February's end", sptDate, "dd/MM/yyyy", "31/01/2024", 3,
         Qt::Key_Up, "29/02/2024"},
        {"day first: caret after the second separator steps the year", sptDate, "dd/MM/yyyy", "31/01/2024", 7,
         Qt::Key_Up, "31/01/2025"},
        {"month first: caret in the month", sptDate, "M/d/yyyy", "3/31/2023", 0, Qt::Key_Down, "2/28/2023"},
        {"month first: caret in the day, across the month", sptDate, "M/d/yyyy", "1/31/2023", 2, Qt::Key_Up,
         "2/1/2023"},
        {"hours below midnight wrap to the evening", sptTime, "M/d/yyyy", "0:10:00", 0, Qt::Key_Down, "23:10:00"},
        {"hours past midnight wrap to the morning", sptTime, "M/d/yyyy", "23:10:00", 1, Qt::Key_Up, "0:10:00"},
        {"caret in the minutes", sptTime, "M/d/yyyy", "8:59:30", 3, Qt::Key_Up, "9:00:30"},
        {"caret in the seconds", sptTime, "M/d/yyyy", "8:00:00", 6, Qt::Key_Down, "7:59:59"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FormatSettings().ShortDateFormat = c.DateFormat;
        Edit->SetSpinType(c.Type);
        Edit->SetText(c.Start);
        Edit->SetSelStart(c.Caret);
        QTest::keyClick(Edit, c.Key);
        EXPECT_EQ(Edit->Text(), c.Expected);
        EXPECT_EQ(Edit->SelStart(), c.Caret);
    }
}

TEST_F(SpinEditTest, AnIncrementThatIsNoTimeOfDayStepsNothingAndBeeps) {
    struct Case {
        const char* Name;
        int Hours, Minutes, Seconds;
        int Caret;
    };
    const Case cases[] = {
        {"24 hours", 24, 1, 1, 0},
        {"60 minutes", 1, 60, 1, 3},
        {"60 seconds", 1, 1, 60, 6},
        {"negative minutes", 1, -1, 1, 3},
    };
    Edit->SetSpinType(sptTime);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetIncrementHours(c.Hours);
        Edit->SetIncrementMinutes(c.Minutes);
        Edit->SetIncrementSeconds(c.Seconds);
        Edit->SetText("8:30:30");
        Edit->SetSelStart(c.Caret);
        const int before = Beeps;
        QTest::keyClick(Edit, Qt::Key_Up);
        QTest::keyClick(Edit, Qt::Key_Down);
        EXPECT_EQ(Edit->Text(), "8:30:30");
        EXPECT_EQ(Beeps - before, 2);
    }
}

TEST_F(SpinEditTest, AHeldArrowStepsAfter400MsThenEvery100MsWhileItStaysDown) {
    FakeTimersScope timers;
    Edit->SetMaxValue(1000);
    TExTimerSpeedButton* up = Edit->Button()->UpButton();
    const QPoint middle = up->rect().center();
    QTest::mousePress(up, Qt::LeftButton, {}, middle);
    ASSERT_EQ(timers.Timers.size(), 1u);
    FakeTimer& timer = *timers.Timers[0];
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(timer.interval, 400);
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_TRUE(Edit->hasFocus());
    timer.Fire();
    EXPECT_EQ(timer.interval, 100);
    EXPECT_EQ(Edit->Text(), "1");
    timer.Fire();
    EXPECT_EQ(Edit->Text(), "2");
    // Off the arrow the held button is up again and ticks step nothing.
    QTest::mouseMove(up, QPoint(middle.x(), up->height() + 20));
    timer.Fire();
    EXPECT_EQ(Edit->Text(), "2");
    QTest::mouseMove(up, middle);
    timer.Fire();
    EXPECT_EQ(Edit->Text(), "3");
    // The release over the arrow is the button's own click, and the repeat ends.
    QTest::mouseRelease(up, Qt::LeftButton, {}, middle);
    EXPECT_EQ(Edit->Text(), "4");
    EXPECT_FALSE(timer.running);
    // The down arrow has its own timer.
    TExTimerSpeedButton* down = Edit->Button()->DownButton();
    QTest::mouseClick(down, Qt::LeftButton, {}, down->rect().center());
    EXPECT_EQ(Edit->Text(), "3");
    EXPECT_EQ(timers.Timers.size(), 2u);
}

TEST_F(SpinEditTest, TypedCharactersPassOnlyWhereTheTypeCanHoldThem) {
    struct Case {
        const char* Name;
        TAsgSpinType Type;
        int Precision;
        QString Start;
        int SelectFrom, SelectTo;  // caret alone when equal
        QString Typed;
        QString Expected;
        int ExpectedBeeps;
    };
    const Case cases[] = {
        {"integer: digits pass", sptNormal, 0, "", 0, 0, "12", "12", 0},
        {"integer: a letter beeps", sptNormal, 0, "1", 1, 1, "a", "1", 1},
        {"integer: minus only at the start", sptNormal, 0, "12", 2, 2, "-", "12", 1},
        {"integer: minus at the start", sptNormal, 0, "12", 0, 0, "-", "-12", 0},
        {"integer: a second minus only over the first", sptNormal, 0, "-12", 0, 0, "-", "-12", 1},
        {"integer: separators beep", sptNormal, 0, "1", 1, 1, ".:/", "1", 3},
        {"float: one decimal separator", sptFloat, 0, "1.5", 3, 3, ".", "1.5", 1},
        {"float: a selected separator may be replaced", sptFloat, 0, "1.5", 1, 2, ".", "1.5", 0},
        {"float: the thousand separator beeps", sptFloat, 0, "1", 1, 1, ",", "1", 1},
        {"float: no third decimal with precision 2", sptFloat, 2, "1.25", 4, 4, "7", "1.25", 1},
        {"float: a selection inside the decimals takes a digit", sptFloat, 2, "1.25", 3, 4, "7", "1.27", 0},
        {"float: digits before the separator still pass", sptFloat, 2, "1.25", 0, 0, "3", "31.25", 0},
        {"time: at most two separators", sptTime, 0, "8:30", 4, 4, ":1:", "8:30:1", 1},
        {"time: the date separator beeps", sptTime, 0, "8", 1, 1, "/", "8", 1},
        {"date: separators and digits", sptDate, 0, "", 0, 0, "1/2/2024", "1/2/2024", 0},
        {"date: the time separator beeps", sptDate, 0, "1", 1, 1, ":", "1", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetSpinType(c.Type);
        Edit->SetPrecision(c.Precision);
        Edit->SetText(c.Start);
        Edit->SetSel(c.SelectFrom, c.SelectTo);
        const int before = Beeps;
        Type(c.Typed);
        EXPECT_EQ(Edit->Text(), c.Expected);
        EXPECT_EQ(Beeps - before, c.ExpectedBeeps);
    }
}

TEST_F(SpinEditTest, EnterAndControlCodesAreRefusedWhileBackspacePasses) {
    Edit->SetText("12");
    Edit->SetSelStart(2);
    QTest::keyClick(Edit, Qt::Key_Return);
    EXPECT_EQ(Beeps, 1);
    QApplication::clipboard()->setText("99");
    QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Beeps, 2);
    EXPECT_EQ(Edit->Text(), "12");
    QTest::keyClick(Edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit->Text(), "1");
    EXPECT_EQ(Beeps, 2);
}

TEST_F(SpinEditTest, EditorEnabledOffRefusesEditingButTheArrowsStepAndSelect) {
    Edit->SetEditorEnabled(false);
    Edit->SetText("12");
    Edit->SetSelStart(2);
    Type("3");
    QTest::keyClick(Edit, Qt::Key_Backspace);
    Edit->SetSelStart(0);
    QTest::keyClick(Edit, Qt::Key_Delete);
    QApplication::clipboard()->setText("99");
    Edit->SelectAll();
    TMessage paste{WM_PASTE, 0, 0, 0};
    Edit->WndProc(paste);
    TMessage cut{WM_CUT, 0, 0, 0};
    Edit->WndProc(cut);
    EXPECT_EQ(Edit->Text(), "12");
    EXPECT_EQ(Beeps, 2);
    QTest::mouseClick(Edit->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Edit->Text(), "13");
    EXPECT_EQ(Edit->SelText(), "13");
}

TEST_F(SpinEditTest, LeavingTheEditCorrectsATypedValueToTheLimits) {
    struct Case {
        const char* Name;
        TAsgSpinType Type;
        QString Typed;
        QString Expected;
    };
    const Case cases[] = {
        {"integer above the maximum", sptNormal, "150", "100"},
        {"integer below the minimum", sptNormal, "-5", "10"},
        {"integer inside stays as typed", sptNormal, "050", "050"},
        {"float above the maximum", sptFloat, "7.25", "5"},
        {"time after the latest", sptTime, "23:00:00", "18:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetSpinType(c.Type);
        Edit->SetMinValue(10);
        Edit->SetMaxFloatValue(5);
        Edit->SetMinDateValue(8.0 / 24);
        Edit->SetMaxDateValue(18.0 / 24);
        Edit->setFocus(Qt::OtherFocusReason);
        Edit->SetText(c.Typed);
        After->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Edit->Text(), c.Expected);
        Edit->SetMinDateValue(0);
        Edit->SetMaxDateValue(0);
    }
}

TEST_F(SpinEditTest, ReturnIsTabMovesTheFocusOnAndTheKeypadPointTypesTheDecimalSeparator) {
    Edit->SetReturnIsTab(true);
    QTest::keyClick(Edit, Qt::Key_Return);
    QTRY_VERIFY(After->hasFocus());

    FormatSettings().DecimalSeparator = QLatin1Char(',');
    FormatSettings().ThousandSeparator = QLatin1Char('.');
    Edit->SetSpinType(sptFloat);
    Edit->SetExcelStyleDecimalSeparator(true);
    Edit->setFocus(Qt::OtherFocusReason);
    Edit->SetText("1");
    Edit->SetSelStart(1);
    QTest::keyClick(Edit, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(Edit->Text(), "1,");
}

TEST_F(SpinEditTest, HorizontalDirectionPutsDownLeftAndUpRight) {
    Edit->SetDirection(spHorizontal);
    TAsgSpinButton* pair = Edit->Button();
    EXPECT_EQ(pair->width(), 20);
    EXPECT_EQ(pair->UpButton()->ButtonDirection(), bdRight);
    EXPECT_EQ(pair->DownButton()->ButtonDirection(), bdLeft);
    EXPECT_EQ(pair->DownButton()->geometry(), QRect(0, 0, 10, pair->height()));
    EXPECT_EQ(pair->UpButton()->geometry(), QRect(11, 0, 10, pair->height()));
    EXPECT_EQ(Edit->TextRect().Right, Edit->width() - 2 * Edit->FrameWidth() - 20 - 2);
    Edit->SetDirection(spVertical);
    const int half = pair->height() / 2;
    EXPECT_EQ(pair->UpButton()->geometry(), QRect(0, 0, 15, half));
    EXPECT_EQ(pair->DownButton()->geometry(), QRect(0, half - 1, 15, pair->height() - half + 1));
}

TEST_F(SpinEditTest, ArrowsPaintColouredThemedOrClassic) {
    TAsgSpinButton* pair = Edit->Button();
    TExTimerSpeedButton* up = pair->UpButton();
    // Coloured: the face in ButtonColor, ButtonColorDown while pressed, a black triangle.
    pair->SetButtonColor(clSilver);
    pair->SetButtonColorHot(clYellow);
    pair->SetButtonColorDown(clRed);
    EXPECT_EQ(PixelOf(up, 1, up->height() - 2), clSilver);
    EXPECT_EQ(PixelOf(up, 6, 3), clBlack);
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(12, 2));
    EXPECT_EQ(PixelOf(up, 1, up->height() - 2), clRed);
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(12, 2));
    pair->SetButtonColor(clNone);

    // Classic: a raised frame with the built-in arrow glyph in the middle.
    SetVisualStyleProbe([] { return TVisualStyleState{false, QString()}; });
    pair->SetIsWinXP(true);
    const QImage classic = up->grab().toImage();
    EXPECT_EQ(FromQColor(classic.pixelColor(0, 0)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(FromQColor(classic.pixelColor(up->width() / 2, up->height() / 2)), clBlack);
    // Themed: the style's spin part, which differs from the classic face.
    SetVisualStyleProbe(nullptr);
    EXPECT_NE(up->grab().toImage(), classic);
    pair->SetIsWinXP(false);
    EXPECT_EQ(up->grab().toImage(), classic);
}

}  // namespace
