// The plain edit's answer to the special-key query (Tab kept or handed to the window's
// focus chain, Enter and Esc kept or offered to the window's default button first), an
// edit mask in the plain edit, and where the edit sits over merged and right-to-left cells.

#include "grid/edit/inplace_edit_fixture.h"

#include "platform/messages.h"

namespace {

// A control of the window that takes Enter and Esc as dialog keys (default and cancel
// buttons).
class DialogButton : public QWidget, public IMessageHandler {
public:
    using QWidget::QWidget;
    int DialogKeys = 0;
    void WndProc(TMessage& Message) override {
        if (Message.Msg != CM_DIALOGKEY) return;
        ++DialogKeys;
        Message.Result = 1;
    }
};

using InplaceSpecialKeysFixture = InplaceEditFixture;

TEST_F(InplaceSpecialKeysFixture, TabStaysInTheEditOnlyWhenTheGridWalksOrValidatesWithIt) {
    struct Case {
        const char* Name;
        bool Tabs;
        bool Validates;
        bool FocusLeavesTheGrid;
    };
    const Case cases[] = {
        {"goTabs", true, false, false},
        {"validation without goTabs", false, true, false},
        {"neither", false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().SetOptions(c.Tabs ? Grid().Options().Include(goTabs) : Grid().Options().Exclude(goTabs));
        int validations = 0;
        if (c.Validates) Grid().OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validations; };
        else Grid().OnCellValidate = nullptr;
        Grid().FocusCell(2, 2);
        OpenOn("old");
        QTest::keyClick(Edit(), Qt::Key_End);
        QTest::keyClicks(Edit(), "new");
        QTest::keyClick(Edit(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(Grid().Cells(2, 2), "oldnew");
        EXPECT_EQ(validations, c.Validates ? 1 : 0);
        EXPECT_EQ(Form->After->hasFocus(), c.FocusLeavesTheGrid);
        if (c.Tabs) EXPECT_EQ(Grid().Col(), 3);
        if (Grid().EditorMode()) Grid().HideInplaceEdit();
        Grid().setFocus();
    }
}

TEST_F(InplaceSpecialKeysFixture, OnlyThePasswordFaceOffersEnterAndEscToTheDialogButtons) {
    auto* button = new DialogButton(Form->Form.get());
    struct Case {
        const char* Name;
        TEditorType Kind;
        Qt::Key Key;
        int DialogKeys;
    };
    const Case cases[] = {
        {"Enter in the plain face", edNormal, Qt::Key_Return, 0},
        {"Esc in the plain face", edNormal, Qt::Key_Escape, 0},
        {"Enter in the password face", edPassword, Qt::Key_Return, 1},
        {"Esc in the password face", edPassword, Qt::Key_Escape, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        button->DialogKeys = 0;
        UseKind(c.Kind);
        Grid().FocusCell(2, 2);
        OpenOn("old");
        QTest::keyClicks(Edit(), "x");
        QTest::keyClick(Edit(), c.Key);
        EXPECT_EQ(button->DialogKeys, c.DialogKeys);
        // A key the window took never reaches the grid: the edit stays open.
        EXPECT_EQ(Grid().EditorMode(), c.DialogKeys == 1);
        if (Grid().EditorMode()) Grid().HideInplaceEdit();
    }
}

TEST_F(InplaceSpecialKeysFixture, AnEditMaskShapesWhatIsTypedAndStored) {
    struct Case {
        const char* Name;
        const char* Mask;
        const char* Typed;
        const char* Stored;
    };
    const Case cases[] = {
        {"digits fill the time", "00:00;1;_", "1234", "12:34"},
        {"letters are refused", "00:00;1;_", "a1b2", "12:"},
        {"letters upper-cased", ">LL-00;1;_", "ab12", "AB-12"},
    };
    Grid().Navigation()->SetImproveMaskSel(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().SetEditMask(c.Mask);
        Grid().FocusCell(2, 2);
        OpenOn("");
        EXPECT_FALSE(Edit()->EditMask().isEmpty());
        QTest::keyClick(Edit(), Qt::Key_Home);
        QTest::keyClicks(Edit(), c.Typed);
        QTest::keyClick(Edit(), Qt::Key_Return);
        EXPECT_FALSE(Grid().EditorMode());
        EXPECT_EQ(Grid().Cells(2, 2), c.Stored);
    }
    // Without a mask the next cell's edit takes any text again.
    Grid().SetEditMask("");
    Grid().FocusCell(3, 2);
    OpenOn("");
    QTest::keyClicks(Edit(), "a1");
    EXPECT_EQ(Edit()->Text(), "a1");
}

TEST_F(InplaceSpecialKeysFixture, AFilledMaskAdvancesAndImproveMaskSelSelectsTheFirstCharacter) {
    Grid().SetEditMask("00:00;1;_");
    Grid().Navigation()->SetAdvanceAuto(true);
    Grid().Navigation()->SetAdvanceOnEnter(true);
    Grid().Navigation()->SetImproveMaskSel(true);
    OpenOn("12:34");
    EXPECT_EQ(Edit()->SelStart(), 0);
    EXPECT_EQ(Edit()->SelLength(), 1);
    QTest::keyClicks(Edit(), "0945");
    QCoreApplication::processEvents();
    EXPECT_EQ(Grid().Cells(2, 2), "09:45");
    EXPECT_EQ(Grid().Col(), 3);
}

TEST_F(InplaceSpecialKeysFixture, TheEditCoversTheMergedAreaAndShiftsPastTheGridLineRightToLeft) {
    struct Case {
        const char* Name;
        bool RightToLeft;
        bool Merged;
    };
    const Case cases[] = {
        {"left to right", false, false},
        {"right to left", true, false},
        {"merged", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid().SetBiDiMode(c.RightToLeft ? bdRightToLeft : bdLeftToRight);
        if (c.Merged) Grid().MergeCells(2, 2, 2, 2);
        Grid().FocusCell(2, 2);
        OpenOn("text");
        const TRect cell = Grid().CellRect(2, 2);
        const QRect placed = Edit()->geometry();
        const int shift = c.RightToLeft ? 1 : 0;
        EXPECT_EQ(placed.left(), cell.Left + shift);
        EXPECT_EQ(placed.top(), cell.Top);
        // Up to where the next column and row begin: their grid lines stay visible.
        EXPECT_EQ(placed.width(), cell.Width() - shift);
        EXPECT_EQ(placed.height(), cell.Height());
        if (c.Merged) EXPECT_GT(cell.Width(), Grid().ColWidths(2));
        Grid().HideInplaceEdit();
        if (c.Merged) Grid().SplitCells(2, 2);
    }
}

}  // namespace
