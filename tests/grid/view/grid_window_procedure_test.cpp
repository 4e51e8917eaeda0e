// The notices the grid's window procedure turned into behaviour: the posted
// "GridEditDone", the combo editor's changes, the owner form's resize, and middle-button
// panning on an injected timer and cursor.

#include "../../fake_timer.h"
#include "grid/core/string_grid.h"
#include "grid/view/grid_edit_done_event.h"
#include "platform/form.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(GridEditDone, APostedNoticeFiresOnEditCellDoneOnceWhenDelivered) {
    TExStringGrid grid(nullptr);
    std::vector<std::pair<int, int>> done;
    grid.OnEditCellDone = [&](TObject*, int ACol, int ARow) { done.push_back({ACol, ARow}); };
    grid.SetOptions(grid.Options().Include(goEditing));
    PostGridEditDone(&grid, 3, 2);
    EXPECT_TRUE(done.empty());  // posted: not before the queue runs
    QApplication::processEvents();
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0], std::make_pair(3, 2));
    EXPECT_TRUE(grid.Options().Contains(goEditing));

    grid.MouseActions()->SetEditOnDblClickOnly(true);
    PostGridEditDone(&grid, 1, 1);
    QApplication::processEvents();
    EXPECT_EQ(done.size(), 2u);
    EXPECT_FALSE(grid.Options().Contains(goEditing));
}

TEST(GridComboEditor, OneChangeFiresOnComboChangeOnceWithTheRealColumn) {
    QWidget form;
    auto* grid = new TExStringGrid(nullptr, &form);
    grid->SetColCount(5);
    grid->HideColumn(1);
    form.show();
    grid->SetCol(2);  // real column 3
    grid->SetRow(1);
    std::vector<QString> changes;
    grid->OnComboChange = [&](TObject*, int ACol, int ARow, int AItemIndex, const QString& ASelection) {
        changes.push_back(QString("%1,%2 %3 %4").arg(ACol).arg(ARow).arg(AItemIndex).arg(ASelection));
    };
    // The grid's combo editor, shown here as the editing code shows it.
    auto* combo = grid->findChild<QComboBox*>("EditCombo");
    ASSERT_NE(combo, nullptr);
    combo->setEnabled(true);
    combo->setEditable(true);
    combo->addItems({"Read", "Write"});
    combo->setCurrentIndex(0);
    EXPECT_TRUE(changes.empty());  // not shown, and set by code: nothing reported
    combo->show();
    QTest::keyClick(combo->lineEdit(), Qt::Key_X);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], "3,1 -1 Readx");
    emit combo->activated(1);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1], "3,1 1 Write");
}

TEST(GridOwnerForm, TheGridFollowsTheFormButIsNeverShrunkAway) {
    TForm form(nullptr);
    form.resize(300, 200);
    auto* grid = new TExStringGrid(&form, &form);
    grid->setGeometry(10, 10, 200, 100);
    grid->SetSizeWithForm(true);
    // Called as the form calls it after a resize (the form is not shown here).
    form.resize(340, 230);
    grid->OwnerFormResize(&form);
    EXPECT_EQ(grid->width(), 240);
    EXPECT_EQ(grid->height(), 130);
    EXPECT_EQ(grid->PrevSizeX(), 340);
    EXPECT_EQ(grid->PrevSizeY(), 230);

    form.resize(60, 230);  // the grid would be 240 - 280 wide
    grid->OwnerFormResize(&form);
    EXPECT_EQ(grid->width(), 240);
    EXPECT_EQ(grid->PrevSizeX(), 340);
    EXPECT_EQ(grid->PrevSizeY(), 230);
}

TEST(GridOwnerForm, TheFormsOwnHandlerStillRunsAndMayThrow) {
    TForm form(nullptr);
    int calls = 0;
    form.OnResize = [&](TObject*) {
        ++calls;
        throw std::runtime_error("form handler");
    };
    form.resize(300, 200);
    auto* grid = new TExStringGrid(&form, &form);
    grid->setGeometry(0, 0, 100, 100);
    grid->SetSizeWithForm(true);
    form.show();
    calls = 0;
    form.resize(340, 230);
    QApplication::processEvents();
    EXPECT_GE(calls, 1);
    EXPECT_EQ(grid->width(), 140);
    EXPECT_EQ(grid->height(), 130);
}

class GridPanning : public ::testing::Test {
protected:
    void SetUp() override {
        Form.resize(400, 300);
        Grid = new TExStringGrid(nullptr, &Form);
        Grid->setGeometry(0, 0, 400, 300);
        Grid->SetColCount(20);
        Grid->SetRowCount(50);
        Grid->CursorPosition = [this] { return Mouse; };
        Form.show();
        Grid->SetCol(5);
        Grid->SetRow(10);
    }
    void MiddlePress() {
        QTest::mousePress(Grid->viewport(), Qt::MiddleButton, {}, QPoint(100, 100));
        QTest::mouseRelease(Grid->viewport(), Qt::MiddleButton, {}, QPoint(100, 100));
    }
    FakeTimer* PanTimer() {
        for (FakeTimer* t : Timers.Timers)
            if (t->running && t->interval == 10) return t;
        return nullptr;
    }
    FakeTimersScope Timers;
    QWidget Form;
    TExStringGrid* Grid = nullptr;
    QPoint Mouse{100, 100};
};

TEST_F(GridPanning, OffByDefault) {
    MiddlePress();
    EXPECT_FALSE(Grid->Panning());
}

TEST_F(GridPanning, OneCellPerTickOutsideTheDeadZone) {
    Grid->SetIntelliPan(ipBoth);
    MiddlePress();
    ASSERT_TRUE(Grid->Panning());
    FakeTimer* timer = PanTimer();
    ASSERT_NE(timer, nullptr);
    struct Case {
        QPoint Mouse;
        int Cursor;
        int ColChange, RowChange;
    } cases[] = {
        {{104, 95}, 8000, 0, 0},  {{106, 100}, 8003, 1, 0}, {{94, 100}, 8002, -1, 0},
        {{100, 106}, 8001, 0, 1}, {{100, 94}, 8004, 0, -1}, {{110, 90}, 8005, 1, -1},
        {{90, 90}, 8006, -1, -1}, {{110, 110}, 8007, 1, 1}, {{90, 110}, 8008, -1, 1},
    };
    for (const Case& c : cases) {
        Mouse = c.Mouse;
        const int col = Grid->Col();
        const int row = Grid->Row();
        timer->Fire();
        EXPECT_EQ(Grid->PanCursorId(), c.Cursor) << c.Mouse.x() << "," << c.Mouse.y();
        EXPECT_EQ(Grid->Col() - col, c.ColChange) << c.Cursor;
        EXPECT_EQ(Grid->Row() - row, c.RowChange) << c.Cursor;
    }
    // Any press ends it, and the timer with it.
    QTest::mousePress(Grid->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(Grid->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(Grid->Panning());
}

TEST_F(GridPanning, VerticalPanningNeverChangesTheColumnAndAKeyEndsIt) {
    Grid->SetIntelliPan(ipVertical);
    MiddlePress();
    Mouse = {160, 160};
    for (int i = 0; i < 3; ++i) PanTimer()->Fire();
    EXPECT_EQ(Grid->Col(), 5);
    EXPECT_EQ(Grid->Row(), 13);
    EXPECT_EQ(Grid->PanCursorId(), 8001);
    QTest::keyClick(Grid, Qt::Key_Shift);
    EXPECT_FALSE(Grid->Panning());
}

}  // namespace
