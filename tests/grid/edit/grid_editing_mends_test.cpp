// Faults the editing core does not have: markup kept in plain cells, an advance that never
// ends over read-only cells, an advance toggling the check box it lands on, handlers that
// remove rows while an editor is open, a grid destroyed while editing, and an edit reached
// by arrow keys writing into the cell remembered before, and typing after a click on the
// fixed row-number column.

#include "grid/view/keyboard_fixture.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

using RuleForm = KeyboardForm<RuleTableFixture>;

TEST(GridEditingMendsTest, MarkupIsStrippedForEditingOnlyWhereTheCellShowsMiniHtml) {
    struct Case {
        QString Cell;
        bool EnableHtml;
        QString Loaded;
    };
    const Case cases[] = {
        {"Temp <room 1>", true, "Temp <room 1>"},
        {"<b>Temp</b> 1", true, "Temp 1"},
        {"<b>Temp</b> 1", false, "<b>Temp</b> 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Cell.toStdString());
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        grid.SetEnableHTML(c.EnableHtml);
        grid.SetCells(1, 2, c.Cell);
        grid.FocusCell(1, 2);
        form.Key(Qt::Key_F2);
        ASSERT_TRUE(grid.EditMode());
        EXPECT_EQ(grid.InplaceEditor()->Text(), c.Loaded);
        if (c.Cell.startsWith("Temp")) {
            QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
            EXPECT_EQ(grid.Cells(1, 2), c.Cell);
        }
    }
}

TEST(GridEditingMendsTest, SkippingReadOnlyCellsEndsWhereNoCellIsEditable) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.Navigation()->SetAdvanceOnEnter(true);
    grid.Navigation()->SetAdvanceSkipReadOnlyCells(true);
    grid.Navigation()->SetAdvanceOnEnterLoop(true);
    grid.FocusCell(1, 4);
    // From here on nothing is editable: the advance comes back round and stays.
    grid.OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    grid.AdvanceAfterEdit(1, 4, false, false, true, false, false);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 4);
}

TEST(GridEditingMendsTest, AnAdvanceLandingOnACheckBoxDoesNotToggleIt) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.Navigation()->SetAdvanceOnEnter(true);
    grid.Navigation()->SetAdvanceAutoEdit(true);
    grid.FocusCell(5, 1);  // "Unit", real 6; next is "Enable", real 7
    grid.AdvanceAfterEdit(5, 1, false, true, true, false, true);
    EXPECT_EQ(grid.RealColIndex(grid.Col()), 7);
    EXPECT_EQ(grid.Cells(7, 1), "Y");
}

TEST(GridEditingMendsTest, AnEditReachedByArrowKeysValidatesAndWritesItsOwnCell) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    QList<QPoint> validated;
    grid.OnCellValidate = [&](TObject*, int c, int r, QString&, bool&) { validated << QPoint(c, r); };
    grid.FocusCell(1, 1);
    form.Key(Qt::Key_Down);
    form.Key(Qt::Key_Down);
    form.Type('m');
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(grid.Cells(1, 3), "m");
    EXPECT_EQ(grid.Cells(1, 1), "1,1");
    EXPECT_EQ(validated, QList<QPoint>{QPoint(1, 3)});
}

TEST(GridEditingMendsTest, HandlersRemovingRowsWhileEditingNeverCrashTheGrid) {
    enum class Handler { Validate, KeyPress, EditCellDone, EditingDone, EditChange };
    for (Handler h : {Handler::Validate, Handler::KeyPress, Handler::EditCellDone, Handler::EditingDone,
                      Handler::EditChange}) {
        SCOPED_TRACE(int(h));
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        grid.Navigation()->SetAdvanceOnEnter(true);
        auto removeRows = [&grid] {
            while (grid.RowCount() > 2) grid.RemoveRows(1, 1);
        };
        switch (h) {
        case Handler::Validate:
            grid.OnCellValidate = [&](TObject*, int, int, QString&, bool&) { removeRows(); };
            break;
        case Handler::KeyPress:
            grid.OnKeyPress = [&](TObject*, QChar& Key) {
                if (Key.unicode() == 13) removeRows();
            };
            break;
        case Handler::EditCellDone: grid.OnEditCellDone = [&](TObject*, int, int) { removeRows(); }; break;
        case Handler::EditingDone: grid.OnEditingDone = [&](TObject*) { removeRows(); }; break;
        case Handler::EditChange: grid.OnEditChange = [&](auto&&...) { removeRows(); }; break;
        }
        grid.FocusCell(1, 4);
        form.Type('a');
        if (grid.EditMode()) QTest::keyClick(grid.InplaceEditor(), Qt::Key_B);
        else form.Type('b');
        if (grid.EditMode()) QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
        else form.Key(Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_LE(grid.Row(), grid.RowCount() - 1);
        EXPECT_EQ(grid.RowCount(), 2);
    }
}

TEST(GridEditingMendsTest, AGridDestroyedWhileEditingStoresNothing) {
    RuleForm form;
    RuleTableFixture* grid = form.GridControl;
    int stored = 0;
    grid->OnSetEditText = [&](TObject*, int, int, const QString&) { ++stored; };
    grid->FocusCell(1, 2);
    form.Type('d');
    ASSERT_TRUE(grid->EditMode());
    const int before = stored;
    int validated = 0;
    grid->OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validated; };
    delete grid;
    form.GridControl = nullptr;
    QCoreApplication::processEvents();
    EXPECT_EQ(stored, before);
    EXPECT_EQ(validated, 0);
}

// In a grid without in-place editing, a click on a row number, with or without a handler
// selecting that row, opens no editor: the typed key changes no cell of the row.
template <class Grid>
void ExpectTypingAfterARowNumberClickChangesNothing(bool SelectRowOnClick, int Columns) {
    KeyboardForm<Grid> form;
    Grid& grid = *form.GridControl;
    grid.SetOptions(grid.Options() - TGridOptions{goEditing});
    if (SelectRowOnClick)
        grid.OnClickCell = [&grid](TObject*, int ARow, int ACol) {
            if (ACol == 0) grid.SelectRows(ARow, 1);
        };
    QStringList before;
    for (int c = 0; c < Columns; ++c) before << grid.Cells(c, 2);
    const TRect r = grid.CellRect(0, 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
    EXPECT_FALSE(grid.EditMode());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QStringList after;
    for (int c = 0; c < Columns; ++c) after << grid.Cells(c, 2);
    EXPECT_EQ(after, before);
}

TEST(GridEditingMendsTest, TypingAfterARowNumberClickWritesNoCell) {
    for (bool selectRow : {false, true}) {
        SCOPED_TRACE(testing::Message() << "row-select handler " << selectRow);
        ExpectTypingAfterARowNumberClickChangesNothing<RuleTableFixture>(selectRow, 9);
        ExpectTypingAfterARowNumberClickChangesNothing<PlainKeyGrid>(selectRow, 5);
    }
}

}  // namespace
