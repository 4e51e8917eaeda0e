// The plain edit's keys on a shown grid: Esc, validation before Enter, Tab and the
// arrows leave the cell (accepted and refused), Ctrl+A, Ctrl+Enter, lines walked with
// Up and Down, cursor walking, Alt+Backspace, focus loss, and how the edit opens: the
// caret under a click, right alignment.

#include "grid/edit/inplace_edit_fixture.h"

namespace {

class InplaceKeysFixture : public InplaceEditFixture {
protected:
    void Open() {
        Form->Key(Qt::Key_F2);
        ASSERT_TRUE(Grid().EditorMode());
    }
    void TypeInEdit(const char* Keys) { QTest::keyClicks(Edit(), Keys); }
    // Refuses "bad" and corrects it to the given text; counts the calls.
    void RefuseBad(const QString& Correction) {
        Grid().OnCellValidate = [this, Correction](TObject*, int, int, QString& Value, bool& Valid) {
            ++Validations;
            if (Value != "bad") return;
            Valid = false;
            Value = Correction;
        };
    }

    int Validations = 0;
};

TEST_F(InplaceKeysFixture, EscPutsTheOriginalTextBackAndCloses) {
    Open();
    EXPECT_EQ(Edit()->Text(), "2,2");
    QTest::keyClick(Edit(), Qt::Key_End);
    TypeInEdit("xyz");
    QTest::keyClick(Edit(), Qt::Key_Escape);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Grid().Cells(2, 2), "2,2");
    EXPECT_TRUE(Grid().hasFocus());
}

TEST_F(InplaceKeysFixture, LeavingKeysValidateOnceAndStoreTheAcceptedText) {
    struct Case {
        const char* Name;
        Qt::Key Key;
        int Col;
        int Row;
    };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, 2, 2},
        {"Tab", Qt::Key_Tab, 3, 2},
        {"Down on the last line", Qt::Key_Down, 2, 3},
        {"Up on the first line", Qt::Key_Up, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().FocusCell(2, 2);
        Grid().SetCells(2, 2, "old");
        RefuseBad("fixed");
        Validations = 0;
        Open();
        QTest::keyClick(Edit(), Qt::Key_A, Qt::ControlModifier);
        TypeInEdit("new");
        QTest::keyClick(Edit(), c.Key);
        EXPECT_EQ(Grid().Cells(2, 2), "new");
        EXPECT_EQ(Validations, 1);
        EXPECT_EQ(Grid().Col(), c.Col);
        EXPECT_EQ(Grid().Row(), c.Row);
        if (Grid().EditorMode()) Form->Key(Qt::Key_Escape);
    }
}

TEST_F(InplaceKeysFixture, ARefusalKeepsTheEditOpenOnTheCellWithTheCorrectedText) {
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Up};
    for (Qt::Key key : keys) {
        SCOPED_TRACE(key);
        Grid().FocusCell(2, 2);
        Grid().SetCells(2, 2, "old");
        RefuseBad("fixed");
        Open();
        QTest::keyClick(Edit(), Qt::Key_A, Qt::ControlModifier);
        TypeInEdit("bad");
        QTest::keyClick(Edit(), key);
        EXPECT_TRUE(Grid().EditorMode());
        EXPECT_TRUE(Edit()->isVisible());
        EXPECT_EQ(Edit()->Text(), "fixed");
        EXPECT_EQ(Grid().Col(), 2);
        EXPECT_EQ(Grid().Row(), 2);
        QTest::keyClick(Edit(), Qt::Key_Escape);
    }
}

TEST_F(InplaceKeysFixture, CtrlEnterBreaksTheLineOnlyWhereTheGridShowsLines) {
    struct Case {
        const char* Name;
        bool AllowCtrlEnter;
        bool WordWrap;
        bool LineFeedOnEnter;
        QString Expected;
    };
    const Case cases[] = {
        {"not allowed", false, true, false, "ab"},
        {"allowed without lines", true, false, false, "ab"},
        {"allowed with word wrap", true, true, false, "a\nb"},
        {"line feed on Enter", false, false, true, "a\nb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().Navigation()->SetAllowCtrlEnter(c.AllowCtrlEnter);
        Grid().Navigation()->SetLineFeedOnEnter(c.LineFeedOnEnter);
        Grid().SetWordWrap(c.WordWrap);
        Grid().SetCells(2, 2, QString());
        Open();
        TypeInEdit("a");
        QTest::keyClick(Edit(), Qt::Key_Return, Qt::ControlModifier);
        TypeInEdit("b");
        EXPECT_EQ(Edit()->Text(), c.Expected);
        EXPECT_TRUE(Grid().EditorMode());
        QTest::keyClick(Edit(), Qt::Key_Escape);
    }
}

TEST_F(InplaceKeysFixture, UpAndDownWalkTheLinesBeforeTheyLeaveTheCell) {
    Grid().Navigation()->SetAllowCtrlEnter(true);
    Grid().SetWordWrap(true);
    Grid().SetCells(2, 2, QString());
    Open();
    TypeInEdit("one");
    QTest::keyClick(Edit(), Qt::Key_Return, Qt::ControlModifier);
    TypeInEdit("two");
    QTest::keyClick(Edit(), Qt::Key_Up);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_EQ(Edit()->LineOfPosition(Edit()->SelStart()), 0);
    QTest::keyClick(Edit(), Qt::Key_Down);
    EXPECT_TRUE(Grid().EditorMode());
    QTest::keyClick(Edit(), Qt::Key_Down);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Grid().Cells(2, 2), "one\ntwo");
    EXPECT_EQ(Grid().Row(), 3);
}

TEST_F(InplaceKeysFixture, CursorWalkingLeavesAtTheEndsOfTheText) {
    Grid().Navigation()->SetCursorWalkEditor(true);
    Grid().Navigation()->SetCursorWalkAlwaysEdit(false);
    Grid().SetCells(2, 2, "ab");
    Open();
    QTest::keyClick(Edit(), Qt::Key_End);
    QTest::keyClick(Edit(), Qt::Key_Left);
    EXPECT_TRUE(Grid().EditorMode());  // inside the text the caret moves
    QTest::keyClick(Edit(), Qt::Key_Right);
    QTest::keyClick(Edit(), Qt::Key_Right);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Grid().Col(), 3);
    Form->Key(Qt::Key_F2);
    ASSERT_TRUE(Grid().EditorMode());
    QTest::keyClick(Edit(), Qt::Key_Home);
    QTest::keyClick(Edit(), Qt::Key_Left);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Grid().Col(), 2);

    // By default the walk goes on editing in the cell it reaches.
    Grid().Navigation()->SetCursorWalkAlwaysEdit(true);
    Form->Key(Qt::Key_F2);
    ASSERT_TRUE(Grid().EditorMode());
    QTest::keyClick(Edit(), Qt::Key_End);
    QTest::keyClick(Edit(), Qt::Key_Right);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_EQ(Grid().Col(), 3);
}

TEST_F(InplaceKeysFixture, FocusLossValidatesClosesAndReportsDoneOnce) {
    struct Case {
        const char* Typed;
        bool Stored;
    };
    const Case cases[] = {{"good", true}, {"bad", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        int done = 0;
        Grid().OnEditingDone = [&](TObject*) { ++done; };
        RefuseBad("fixed");
        Grid().FocusCell(2, 2);
        Open();
        QTest::keyClick(Edit(), Qt::Key_A, Qt::ControlModifier);
        TypeInEdit(c.Typed);
        Form->After->setFocus(Qt::MouseFocusReason);
        EXPECT_FALSE(Grid().EditorMode());
        EXPECT_FALSE(Edit()->isVisible());
        EXPECT_TRUE(Form->After->hasFocus());  // the control the user chose keeps the focus
        EXPECT_EQ(Grid().Cells(2, 2) == c.Typed, c.Stored);
        EXPECT_EQ(done, 1);
    }
}

TEST_F(InplaceKeysFixture, AltBackspaceHeldKeepsTheEditOpenWhenTheFocusLeaves) {
    Open();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::AltModifier);
    QApplication::sendEvent(Edit(), &press);
    EXPECT_EQ(Edit()->Text(), "2,2");  // a system key: nothing deleted
    Form->After->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_TRUE(Edit()->isVisible());
}


TEST_F(InplaceKeysFixture, AClickThatOpensTheEditPutsTheCaretUnderTheMouse) {
    Grid().MouseActions()->SetCaretPositioning(true);
    Grid().SetCells(2, 2, "abcdef");
    const TRect cell = Grid().CellRect(2, 2);
    // Near the right end of the text: the caret goes there, nothing selected.
    const QFontMetrics metrics(Grid().font());
    const QPoint at(cell.Left + 3 + metrics.horizontalAdvance("abcd"), cell.Top + cell.Height() / 2);
    QCursor::setPos(Grid().viewport()->mapToGlobal(at));
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (!Grid().EditorMode()) QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(Grid().EditorMode());
    if (Edit()->mapFromGlobal(QCursor::pos()) != Edit()->mapFrom(Grid().viewport(), at))
        GTEST_SKIP() << "the platform does not move the mouse pointer";
    EXPECT_EQ(Edit()->SelLength(), 0);
    EXPECT_NEAR(Edit()->SelStart(), 4, 1);
}

TEST_F(InplaceKeysFixture, ARightAlignedCellOpensARightAlignedEdit) {
    Grid().OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 2) HAlign = taRightJustify;
    };
    Open();
    EXPECT_TRUE(Edit()->VAlign());
    EXPECT_EQ(Edit()->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QTest::keyClick(Edit(), Qt::Key_Escape);
    Grid().FocusCell(3, 2);
    Open();
    EXPECT_FALSE(Edit()->VAlign());
}


TEST_F(InplaceKeysFixture, AClickOnAnotherCellKeepsWhatWasTyped) {
    Open();
    QTest::keyClick(Edit(), Qt::Key_A, Qt::ControlModifier);
    TypeInEdit("typed");
    const TRect other = Grid().CellRect(3, 4);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(other.Left + 5, other.Top + other.Height() / 2));
    EXPECT_EQ(Grid().Cells(2, 2), "typed");
    EXPECT_EQ(Grid().Col(), 3);
    EXPECT_EQ(Grid().Row(), 4);
}

}  // namespace
