// The editing main road on a shown rule table, driven by real keys: every event of a plain
// cell's edit logged in order, Esc, Tab over hidden and read-only columns, the Y/N cell,
// undo and redo, and Enter reaching an OnKeyPress handler after the value was committed.

#include "grid/core/grid_undo_redo.h"
#include "grid/view/keyboard_fixture.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using RuleForm = KeyboardForm<RuleTableFixture>;

// Runs the event loop until the posted notices are delivered.
void DeliverPosted() { QCoreApplication::processEvents(); }

struct EventLog {
    QStringList Lines;
    void Attach(RuleTableFixture& grid) {
        grid.OnKeyPress = [this](TObject*, QChar& Key) { Lines << QString("KeyPress %1").arg(Key.unicode()); };
        grid.OnSetEditText = [this](TObject*, int c, int r, const QString& v) {
            Lines << QString("SetEditText %1,%2 %3").arg(c).arg(r).arg(v);
        };
        grid.OnCellValidate = [this](TObject*, int c, int r, QString& v, bool&) {
            Lines << QString("CellValidate %1,%2 %3").arg(c).arg(r).arg(v);
        };
        grid.OnCellsChanged = [this](TObject*, TRect R) { Lines << QString("CellsChanged %1,%2").arg(R.Left).arg(R.Top); };
        grid.OnAutoAdvance = [this](TObject*, int oldRow, int oldCol, int& newRow, int& newCol, bool&) {
            Lines << QString("AutoAdvance %1,%2 -> %3,%4").arg(oldCol).arg(oldRow).arg(newCol).arg(newRow);
        };
        grid.OnEditingDone = [this](TObject*) { Lines << "EditingDone"; };
        grid.OnEditCellDone = [this](TObject*, int c, int r) { Lines << QString("EditCellDone %1,%2").arg(c).arg(r); };
    }
};

TEST(GridEditingMainRoadTest, TypingEnterLogsTheRoadOfAPlainCellInOrder) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.Navigation()->SetAdvanceOnEnter(true);
    grid.Navigation()->SetAdvanceAutoEdit(false);
    grid.FocusCell(1, 2);
    EventLog log;
    log.Attach(grid);
    form.Type('a');
    ASSERT_TRUE(grid.EditMode());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "a");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_B);
    EXPECT_EQ(grid.Cells(1, 2), "ab");  // the cell follows the typing
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    const QStringList beforeLoop = log.Lines;
    DeliverPosted();
    const QStringList expected = {
        "KeyPress 97",          "SetEditText 1,2 a",    "KeyPress 98",         "SetEditText 1,2 ab",
        "CellValidate 1,2 ab",  "CellsChanged 1,2",
        "AutoAdvance 1,2 -> 2,2", "SetEditText 1,2 ab", "EditingDone",         "KeyPress 13",
        "EditCellDone 1,2",
    };
    EXPECT_EQ(log.Lines, expected);
    EXPECT_FALSE(beforeLoop.contains("EditCellDone 1,2"));  // posted: after the key's handling
    EXPECT_EQ(grid.Cells(1, 2), "ab");
    EXPECT_EQ(grid.Col(), 2);  // real column 3: the hidden column is not a stop
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_FALSE(grid.EditMode());
}

TEST(GridEditingMainRoadTest, EnterAdvancesByAdvanceDirection) {
    struct Case {
        TAdvanceDirection Direction;
        int FromCol, FromRow, ToCol, ToRow;
    };
    const Case cases[] = {
        {adLeftRight, 1, 2, 2, 2},
        {adLeftRight, 7, 2, 1, 3},  // the last column goes on in the next row
        {adTopBottom, 1, 2, 1, 3},
        {adTopBottomInCol, 1, 4, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Direction << " from " << c.FromCol << "," << c.FromRow);
        RuleForm form;
        RuleTableFixture& grid = *form.GridControl;
        grid.Navigation()->SetAdvanceOnEnter(true);
        grid.Navigation()->SetAdvanceAutoEdit(false);
        grid.Navigation()->SetAdvanceDirection(c.Direction);
        grid.FocusCell(c.FromCol, c.FromRow);
        form.Type('x');
        ASSERT_TRUE(grid.EditMode());
        QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
        EXPECT_EQ(grid.Cells(grid.RealColIndex(c.FromCol), c.FromRow), "x");
        EXPECT_EQ(grid.Col(), c.ToCol);
        EXPECT_EQ(grid.Row(), c.ToRow);
    }
}

TEST(GridEditingMainRoadTest, EscPutsTheOriginalTextBackAndCloses) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    bool validated = false;
    grid.OnCellValidate = [&](TObject*, int, int, QString&, bool&) { validated = true; };
    grid.FocusCell(1, 1);
    form.Type('q');
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_W);
    ASSERT_EQ(grid.Cells(1, 1), "qw");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
    EXPECT_FALSE(grid.EditMode());
    EXPECT_FALSE(grid.InplaceEditor()->isVisible());
    EXPECT_EQ(grid.Cells(1, 1), "1,1");
    EXPECT_FALSE(validated);
    EXPECT_EQ(grid.Col(), 1);
}

TEST(GridEditingMainRoadTest, TabCommitsAndWalksOverHiddenAndReadOnlyColumns) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.FocusCell(1, 1);  // "Source"; the hidden "Note" follows
    form.Type('7');
    ASSERT_TRUE(grid.EditMode());
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Tab);
    EXPECT_EQ(grid.Cells(1, 1), "7");
    EXPECT_EQ(grid.RealColIndex(grid.Col()), 3);  // "Length"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(grid.RealColIndex(grid.Col()), 5);  // "Format": the read-only "Device" is no stop
    EXPECT_EQ(grid.Row(), 1);
}

TEST(GridEditingMainRoadTest, SpaceTogglesAYNCellAndEnterMovesOnWithoutAnEditor) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.Navigation()->SetAdvanceOnEnter(true);
    grid.Navigation()->SetAdvanceAutoEdit(false);
    grid.FocusCell(6, 1);  // "Enable", real 7
    form.Key(Qt::Key_Space);
    EXPECT_EQ(grid.Cells(7, 1), "N");
    EXPECT_FALSE(grid.EditMode());
    form.Key(Qt::Key_Return);
    EXPECT_FALSE(grid.EditMode());
    EXPECT_EQ(grid.Cells(7, 1), "N");
    EXPECT_EQ(grid.Col(), 7);
}

TEST(GridEditingMainRoadTest, UndoPutsBackTheEarlierTextAndRedoTheNewOne) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    auto* undo = new TExGridUndoRedo(form.Form.get());
    grid.SetUndoRedo(undo);
    grid.FocusCell(1, 3);
    form.Type('z');
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    ASSERT_EQ(grid.Cells(1, 3), "z");
    undo->Undo();
    EXPECT_EQ(grid.Cells(1, 3), "1,3");
    undo->Redo();
    EXPECT_EQ(grid.Cells(1, 3), "z");
}

// Like the rule editors' Enter_Next_Cell: the handler moves on itself and eats the key.
TEST(GridEditingMainRoadTest, EnterReachesAnOnKeyPressHandlerAfterTheValueWasCommitted) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    grid.Navigation()->SetAdvanceOnEnter(false);
    QString seen;
    grid.OnKeyPress = [&](TObject*, QChar& Key) {
        if (Key.unicode() != 13) return;
        seen = grid.Cells(1, 2);
        grid.SetCol(grid.Col() + 1);
        Key = QChar();
    };
    grid.FocusCell(1, 2);
    form.Type('k');
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(seen, "k");
    EXPECT_EQ(grid.Cells(1, 2), "k");
    EXPECT_EQ(grid.Col(), 2);
}

TEST(GridEditingMainRoadTest, ComboCellsOpenTheComboEditor) {
    RuleForm form;
    RuleTableFixture& grid = *form.GridControl;
    // A combo list: F2 opens it on the cell's item, Down picks the next, Enter stores it.
    grid.FocusCell(grid.DisplColIndex(5), 2);
    form.Key(Qt::Key_F2);
    ASSERT_TRUE(grid.EditMode());
    QWidget* combo = QApplication::focusWidget();
    ASSERT_NE(combo, nullptr);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_FALSE(grid.EditMode());
    EXPECT_EQ(grid.Cells(5, 2), "Swap16");

    // An editable combo keeps the text typed into it.
    grid.FocusCell(grid.DisplColIndex(6), 3);
    form.Key(Qt::Key_F2);
    ASSERT_TRUE(grid.EditMode());
    combo = QApplication::focusWidget();
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(combo, "min");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_FALSE(grid.EditMode());
    EXPECT_EQ(grid.Cells(6, 3), "min");
}

}  // namespace
