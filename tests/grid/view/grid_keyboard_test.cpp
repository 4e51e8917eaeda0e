// Real keys on a shown grid: Space on Y/N cells, Enter, typing into cells, the clipboard
// shortcuts, Insert and Delete with their refusals, Home and End, scroll-only moves, the
// keypad decimal key and Enter on a cell that is not editable.

#include "grid/view/keyboard_fixture.h"
#include "platform/locale_settings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

struct CheckClick {
    int Col;
    int Row;
    bool State;
    friend bool operator==(const CheckClick&, const CheckClick&) = default;
};

// Displayed 3 shows real column 4 (MinMax, "N" in every row) right of the hidden column.
constexpr int MinMaxShown = 3;
constexpr int MinMaxReal = 4;

TEST(GridKeyboardTest, SpaceFlipsYesNoCellsAndReportsTheRealColumnWhileEnterLeavesThem) {
    struct Case {
        const char* Name;
        bool ReadOnly;
        bool CheckAlwaysActive;
        Qt::Key Key;
        QString Expected;
    };
    const Case cases[] = {
        {"Space toggles", false, false, Qt::Key_Space, "Y"},
        {"Enter does not toggle", false, false, Qt::Key_Return, "N"},
        {"read-only column stays", true, false, Qt::Key_Space, "N"},
        {"read-only column with CheckAlwaysActive", true, true, Qt::Key_Space, "Y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        KeyboardForm<ColumnKeyGrid> form;
        ColumnKeyGrid& grid = *form.GridControl;
        grid.Columns()->Items(MinMaxReal)->SetReadOnly(c.ReadOnly);
        grid.ControlLook()->CheckAlwaysActive = c.CheckAlwaysActive;
        std::vector<CheckClick> clicks;
        grid.OnCheckBoxClick = [&](TObject*, int ACol, int ARow, bool State) { clicks.push_back({ACol, ARow, State}); };
        grid.FocusCell(MinMaxShown, 2);
        form.Key(c.Key);
        EXPECT_EQ(grid.Cells(MinMaxReal, 2), c.Expected);
        if (c.Expected == "Y")
            EXPECT_EQ(clicks, (std::vector<CheckClick>{{MinMaxReal, 2, true}}));
        else
            EXPECT_TRUE(clicks.empty());
        EXPECT_FALSE(grid.EditorMode());
    }
}

TEST(GridKeyboardTest, SpaceTwiceGivesTheOldTextBack) {
    KeyboardForm<ColumnKeyGrid> form;
    ColumnKeyGrid& grid = *form.GridControl;
    grid.FocusCell(1, 1);
    ASSERT_EQ(grid.Cells(1, 1), "Y");
    form.Key(Qt::Key_Space);
    EXPECT_EQ(grid.Cells(1, 1), "N");
    form.Key(Qt::Key_Space);
    EXPECT_EQ(grid.Cells(1, 1), "Y");
}

TEST(GridKeyboardTest, ALetterOpensTheEditorHoldingItButACharacterAbove255DoesNot) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    QString pressed;
    grid.OnKeyPress = [&](TObject*, QChar& Key) { pressed += Key; };
    grid.FocusCell(2, 2);
    form.TypeText(QString(QChar(0x0100)));
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(pressed, QString(QChar(0x0100)));
    EXPECT_EQ(grid.Cells(2, 2), "2,2");

    form.Type('k');
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "k");
}

TEST(GridKeyboardTest, CtrlCCopiesTheSelectionAndTypesNothing) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetAllowClipboardShortCuts(true);
    bool copyAsked = false;
    grid.OnClipboardCopy = [&](TObject*, const QString&, bool&) { copyAsked = true; };
    grid.SetSelection({1, 1, 2, 2});
    QGuiApplication::clipboard()->setText("before");
    form.Type('c', Qt::ControlModifier);
    EXPECT_TRUE(copyAsked);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,1\t2,1\r\n1,2\t2,2\r\n");
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Cells(2, 2), "2,2");
}

TEST(GridKeyboardTest, ARefusedCopyLeavesTheClipboard) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetAllowClipboardShortCuts(true);
    grid.OnClipboardCopy = [](TObject*, const QString&, bool& Allow) { Allow = false; };
    QGuiApplication::clipboard()->setText("before");
    form.Type('c', Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

TEST(GridKeyboardTest, InsertAndDeleteRowsWithAndWithoutTheirRefusals) {
    struct Case {
        const char* Name;
        Qt::Key Key;
        bool Refuse;
        int RowsAfter;
        int RowAfter;
        QString TextAtRow3;
    };
    const Case cases[] = {
        {"Insert after the current row", Qt::Key_Insert, false, 8, 3, ""},
        {"Insert refused", Qt::Key_Insert, true, 7, 2, "1,3"},
        {"Delete the current row", Qt::Key_Delete, false, 6, 2, "1,4"},
        {"Delete refused", Qt::Key_Delete, true, 7, 2, "1,3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        KeyboardForm<PlainKeyGrid> form;
        PlainKeyGrid& grid = *form.GridControl;
        grid.Navigation()->SetAllowInsertRow(true);
        grid.Navigation()->SetAllowDeleteRow(true);
        grid.Navigation()->SetInsertPosition(pInsertAfter);
        grid.SetFilterActive(true);
        std::vector<int> inserted, deleted;
        grid.OnCanInsertRow = [&](TObject*, int, bool& CanInsert) { CanInsert = !c.Refuse; };
        grid.OnCanDeleteRow = [&](TObject*, int, bool& CanDelete) { CanDelete = !c.Refuse; };
        grid.OnAutoInsertRow = [&](TObject*, int ARow) { inserted.push_back(ARow); };
        grid.OnAutoDeleteRow = [&](TObject*, int ARow) { deleted.push_back(ARow); };
        grid.FocusCell(1, 2);
        form.Key(c.Key);
        EXPECT_EQ(grid.RowCount(), c.RowsAfter);
        EXPECT_EQ(grid.Row(), c.RowAfter);
        EXPECT_EQ(grid.Cells(1, 3), c.TextAtRow3);
        EXPECT_TRUE(grid.FilterActive());
        EXPECT_EQ(grid.Modified(), !c.Refuse);
        if (c.Refuse) {
            EXPECT_TRUE(inserted.empty() && deleted.empty());
        } else if (c.Key == Qt::Key_Insert) {
            EXPECT_EQ(inserted, std::vector<int>{3});
        } else {
            EXPECT_EQ(deleted, std::vector<int>{2});
        }
    }
}

TEST(GridKeyboardTest, HomeAndEndGoWhereHomeEndKeySays) {
    struct Case {
        THomeEndAction Action;
        Qt::Key Key;
        int Col;
        int Row;
    };
    const Case cases[] = {
        {heFirstLastColumn, Qt::Key_Home, 1, 3}, {heFirstLastColumn, Qt::Key_End, 4, 3},
        {heFirstLastRow, Qt::Key_Home, 2, 1},    {heFirstLastRow, Qt::Key_End, 2, 6},
        {heFirstLastCell, Qt::Key_Home, 1, 1},   {heFirstLastCell, Qt::Key_End, 4, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Action) << " key " << c.Key);
        KeyboardForm<PlainKeyGrid> form;
        PlainKeyGrid& grid = *form.GridControl;
        grid.Navigation()->SetHomeEndKey(c.Action);
        std::vector<WORD> keys;
        grid.OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { keys.push_back(Key); };
        grid.FocusCell(2, 3);
        form.Key(c.Key);
        EXPECT_EQ(grid.Col(), c.Col);
        EXPECT_EQ(grid.Row(), c.Row);
        const WORD expected = c.Key == Qt::Key_Home ? VK_HOME : VK_END;
        EXPECT_EQ(keys, std::vector<WORD>{expected});
    }
}

TEST(GridKeyboardTest, MoveScrollOnlyScrollsTheRowsAndKeepsTheCurrentCell) {
    KeyboardForm<PlainKeyGrid> form(60);
    PlainKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetMoveScrollOnly(true);
    grid.FocusCell(2, 3);
    const int top = grid.TopRow();
    form.Key(Qt::Key_Down);
    EXPECT_EQ(grid.TopRow(), top + 1);
    EXPECT_EQ(grid.Row(), 3);
    form.Key(Qt::Key_End);
    EXPECT_EQ(grid.TopRow(), grid.RowCount() - grid.VisibleRowCount());
    form.Key(Qt::Key_Home);
    EXPECT_EQ(grid.TopRow(), grid.FixedRows());
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 2);
}

TEST(GridKeyboardTest, TheKeypadDecimalKeyTypesTheLocalesSeparator) {
    SetDecimalSeparatorSource([] { return QStringLiteral(","); });
    struct Case {
        Qt::KeyboardModifiers Modifiers;
        bool Excel;
        QString Typed;
    };
    const Case cases[] = {
        {Qt::KeypadModifier, true, ","},
        {Qt::NoModifier, true, "."},
        {Qt::KeypadModifier, false, "."},
    };
    for (const Case& c : cases) {
        KeyboardForm<PlainKeyGrid> form;
        PlainKeyGrid& grid = *form.GridControl;
        grid.SetExcelStyleDecimalSeparator(c.Excel);
        grid.FocusCell(1, 1);
        form.Key(Qt::Key_Period, c.Modifiers);
        ASSERT_TRUE(grid.EditorMode());
        EXPECT_EQ(grid.InplaceEditor()->Text(), c.Typed);
    }
    SetDecimalSeparatorSource({});
}

TEST(GridKeyboardTest, EnterOnACellThatIsNotEditableReachesTheFormOnlyWithKeyPreview) {
    for (const bool preview : {false, true}) {
        SCOPED_TRACE(preview ? "key preview" : "no key preview");
        KeyboardForm<ColumnKeyGrid> form;
        ColumnKeyGrid& grid = *form.GridControl;
        form.Form->SetKeyPreview(preview);
        std::vector<WORD> formKeys, gridKeys;
        QString pressed;
        form.Form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { formKeys.push_back(Key); };
        grid.OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { gridKeys.push_back(Key); };
        grid.OnKeyPress = [&](TObject*, QChar& Key) { pressed += Key; };
        grid.MoveCurrentCell(0, 2);  // "Device", read-only: editing goes off there
        form.Key(Qt::Key_Return);
        EXPECT_EQ(formKeys, preview ? std::vector<WORD>{VK_RETURN} : std::vector<WORD>{});
        EXPECT_EQ(gridKeys, std::vector<WORD>{VK_RETURN});
        EXPECT_FALSE(grid.EditorMode());
        if (!preview) EXPECT_TRUE(pressed.isEmpty());  // consumed on the key-down side
    }
}

TEST(GridKeyboardTest, CtrlASelectsEveryDataCell) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.FocusCell(2, 2);
    form.Type('a', Qt::ControlModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 4, 6}));
    EXPECT_FALSE(grid.EditorMode());
}

TEST(GridKeyboardTest, TypingWithEditOnDblClickOnlyAsksTheRealColumnRightOfTheHiddenOne) {
    KeyboardForm<ColumnKeyGrid> form;
    ColumnKeyGrid& grid = *form.GridControl;
    grid.MouseActions()->SetEditOnDblClickOnly(true);
    grid.SetOptions(grid.Options().Exclude(goEditing));
    grid.MoveCurrentCell(2, 3);  // "Dimming" (real 3); the hidden real 2 is read-only
    form.Type('x');
    EXPECT_TRUE(grid.Options().Contains(goEditing));
    EXPECT_TRUE(grid.EditMode());  // a combo-list column: the combo editor, not the plain edit
}

TEST(GridKeyboardTest, EnterInTheEditorStoresTheTextAndAdvancesWithAdvanceOnEnter) {
    struct Case {
        bool Advance;
        bool AutoEdit;
        int Col;
        bool EditorAfter;
    };
    for (const Case& c : {Case{false, true, 2, false}, Case{true, false, 3, false}, Case{true, true, 3, true}}) {
        SCOPED_TRACE(testing::Message() << c.Advance << c.AutoEdit);
        KeyboardForm<PlainKeyGrid> form;
        PlainKeyGrid& grid = *form.GridControl;
        grid.Navigation()->SetAdvanceOnEnter(c.Advance);
        grid.Navigation()->SetAdvanceAutoEdit(c.AutoEdit);
        grid.MoveCurrentCell(2, 2);
        form.Type('x');
        ASSERT_TRUE(grid.EditorMode());
        QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
        EXPECT_EQ(grid.EditorMode(), c.EditorAfter);
        EXPECT_EQ(grid.Cells(2, 2), "x");
        EXPECT_EQ(grid.Col(), c.Col);
        EXPECT_EQ(grid.Row(), 2);
    }
}

TEST(GridKeyboardTest, CtrlVPastesATabAndLineSeparatedBlockAtTheSelection) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetAllowClipboardShortCuts(true);
    grid.HideColumn(2);
    grid.MoveCurrentCell(2, 5);  // real column 3
    QGuiApplication::clipboard()->setText("a\tb\tc\r\nd\te\r\n");
    form.Type('v', Qt::ControlModifier);
    EXPECT_EQ(grid.Cells(3, 5), "a");
    EXPECT_EQ(grid.Cells(4, 5), "b");  // "c" falls beyond the last column
    EXPECT_EQ(grid.Cells(3, 6), "d");
    EXPECT_EQ(grid.Cells(4, 6), "e");
    EXPECT_EQ(grid.Cells(2, 5), "2,5");  // the hidden column is left alone
    EXPECT_FALSE(grid.EditorMode());
}

TEST(GridKeyboardTest, TabTextSizeCountsColumnsAndLineBreaks) {
    struct Case {
        const char* Text;
        TPoint Size;
    };
    const Case cases[] = {
        {"", {1, 0}}, {"a", {1, 0}}, {"a\tb", {2, 0}}, {"a\r\nb\tc\td\r\n", {3, 1}}, {"a\nb", {1, 1}},
    };
    for (const Case& c : cases) {
        TPoint size{-1, -1};
        TExStringGrid::TabTextSize(QString::fromLatin1(c.Text), size);
        EXPECT_EQ(size, c.Size) << c.Text;
    }
}

TEST(GridKeyboardTest, SpaceWithDisjunctCellSelectCollectsCells) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.SetOptions(grid.Options().Exclude(goEditing));
    grid.MouseActions()->SetDisjunctCellSelect(true);
    grid.MoveCurrentCell(1, 1);
    form.Key(Qt::Key_Space);
    grid.MoveCurrentCell(3, 2);
    form.Key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(grid.SelectedCells(1, 1));
    EXPECT_TRUE(grid.SelectedCells(3, 2));
    form.Key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(grid.SelectedCells(3, 2));
    form.Key(Qt::Key_Space);
    EXPECT_FALSE(grid.SelectedCells(1, 1));
    EXPECT_TRUE(grid.SelectedCells(3, 2));
}

TEST(GridKeyboardTest, ArrowsStepOverCellsReportedFixed) {
    struct Case {
        Qt::Key Key;
        int FromCol, FromRow, ToCol, ToRow;
    };
    const Case cases[] = {
        {Qt::Key_Right, 1, 2, 4, 2}, {Qt::Key_Left, 4, 2, 1, 2}, {Qt::Key_Down, 2, 1, 2, 4}, {Qt::Key_Up, 2, 4, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Key);
        KeyboardForm<PlainKeyGrid> form;
        PlainKeyGrid& grid = *form.GridControl;
        // Columns 2 and 3 of row 2, and rows 2 and 3 of column 2, are fixed cells.
        grid.OnIsFixedCell = [](TObject*, int ARow, int ACol, bool& IsFixed) {
            IsFixed = IsFixed || (ARow == 2 && (ACol == 2 || ACol == 3)) || (ACol == 2 && (ARow == 2 || ARow == 3));
        };
        grid.MoveCurrentCell(c.FromCol, c.FromRow);
        form.Key(c.Key);
        EXPECT_EQ(grid.Col(), c.ToCol);
        EXPECT_EQ(grid.Row(), c.ToRow);
    }
}

TEST(GridKeyboardTest, EnterWithRangeSelectAndEditOpensTheEditorOnlyOnEditableCells) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly);
        KeyboardForm<PlainKeyGrid> form;
        PlainKeyGrid& grid = *form.GridControl;
        grid.SetOptions(grid.Options().Exclude(goEditing));
        grid.MouseActions()->SetRangeSelectAndEdit(true);
        grid.OnCanEditCell = [&](TObject*, int, int, bool& CanEdit) { CanEdit = !readOnly; };
        std::vector<WORD> keys;
        grid.OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { keys.push_back(Key); };
        grid.FocusCell(2, 2);
        form.Key(Qt::Key_Return);
        EXPECT_EQ(grid.EditorMode(), !readOnly);
        EXPECT_EQ(grid.Options().Contains(goEditing), !readOnly);
        if (readOnly) EXPECT_EQ(keys, std::vector<WORD>{VK_RETURN});
    }
}

TEST(GridKeyboardTest, AlwaysEditOpensTheEditorAfterAnArrowKey) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.Navigation()->SetAlwaysEdit(true);
    grid.MoveCurrentCell(2, 2);
    form.Key(Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 3);
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "2,3");
}

TEST(GridKeyboardTest, TypingIntoAGridThatIsNotEditedFindsTheRowBySortColumn) {
    KeyboardForm<PlainKeyGrid> form;
    PlainKeyGrid& grid = *form.GridControl;
    grid.SetOptions(grid.Options().Exclude(goEditing));
    grid.Navigation()->SetAutoGotoWhenSorted(true);
    grid.Navigation()->SetAutoGotoIncremental(true);
    grid.SortSettings()->Show = true;
    grid.SortSettings()->Column = 3;
    const QStringList names = {"apple", "berry", "banana", "cherry", "bean", "date"};
    for (int r = 1; r <= 6; ++r) grid.SetCells(3, r, names.at(r - 1));
    grid.MoveCurrentCell(1, 1);
    form.Type('b');
    EXPECT_EQ(grid.Row(), 2);
    form.Type('a');
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.SearchInc, "ba");
    form.Type('x');  // no row starts with "bax": the typed text starts afresh
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.SearchInc, "");
    EXPECT_EQ(grid.Search("CH"), 4);
    EXPECT_EQ(grid.Search("Z"), -1);
}

}  // namespace
