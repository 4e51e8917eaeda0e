// Real mouse input on the DALI-like column grid, shown offscreen: moving a header across
// the hidden column, sizing the column right of it, and the header menus that go by
// displayed position.

#include "grid/core/column_grid.h"
#include "grid/core/grid_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class ColumnGridMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        Window = std::make_unique<QWidget>();
        Window->resize(520, 260);
        Window->move(0, 0);
        Grid = new ColumnGridFixture(Window.get());
        Grid->setGeometry(0, 0, 500, 240);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }
    void TearDown() override {
        for (TPopupMenu* menu : {Grid->DimmingMenu, Grid->MinMaxMenu, Grid->RecallMenu}) menu->hide();
    }

    QWidget* Surface() const { return Grid->viewport(); }
    QPoint Centre(int col, int row) const {
        const TRect r = Grid->CellRect(col, row);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Surface(), to);
        QTest::mouseRelease(Surface(), Qt::LeftButton, {}, to);
    }

    std::unique_ptr<QWidget> Window;
    ColumnGridFixture* Grid = nullptr;  // a child of Window
};

TEST_F(ColumnGridMouseTest, DraggingAHeaderAcrossTheHiddenColumnMovesItsItem) {
    std::vector<std::pair<int, int>> moves;
    Grid->OnAfterColumnMoved = [&](TObject*, int from, int to) { moves.push_back({from, to}); };
    // Displayed 1 ("Enable", real 1) onto displayed 3 ("MinMax", real 4), over the
    // hidden Address column (real 2).
    Drag(Centre(1, 0), Centre(3, 0));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(1, 4));
    EXPECT_TRUE(Grid->ItemsMatchColumns());
    EXPECT_EQ(Grid->Columns()->Items(4)->Name(), "Enable");
    EXPECT_EQ(Grid->Columns()->Items(4)->Editor(), edDataCheckBox);
    EXPECT_EQ(Grid->Cells(4, 1), "Y");
    EXPECT_TRUE(Grid->IsHiddenColumn(1));
    EXPECT_EQ(Grid->Columns()->Items(1)->Name(), "Address");
    EXPECT_EQ(Grid->GetCellType(4, 2), ctDataCheckBox);

    // And back the other way: displayed 3 (real 4) onto displayed 0 (real 0).
    Drag(Centre(3, 0), Centre(0, 0));
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1], std::make_pair(4, 0));
    EXPECT_TRUE(Grid->ItemsMatchColumns());
    EXPECT_EQ(Grid->Columns()->Items(0)->Name(), "Enable");
    EXPECT_EQ(Grid->Cells(0, 1), "Y");
}

TEST_F(ColumnGridMouseTest, SizingTheColumnRightOfTheHiddenOneObeysItsOwnLimits) {
    // Displayed 2 is real 3 ("Dimming", MinSize 30, MaxSize 200); the hidden item 2 has none.
    struct Case {
        int dx;
        int expected;
    };
    for (const Case& c : {Case{-70, 30}, Case{+250, 200}, Case{+20, 100}}) {
        SCOPED_TRACE(c.dx);
        Grid->SetColWidths(2, 80);
        const TRect cell = Grid->CellRect(2, 0);
        const QPoint border(cell.Right - 1, 8);
        Drag(border, border + QPoint(c.dx, 0));
        EXPECT_EQ(Grid->ColWidths(2), c.expected);
        EXPECT_EQ(Grid->Columns()->Items(3)->Width(), c.expected);
    }
}

TEST_F(ColumnGridMouseTest, RightClickOnAHeaderPopsThatPositionsMenuAtTheCellsLeftBottom) {
    std::vector<std::pair<int, int>> fired;
    Grid->OnColumnPopup = [&](TObject*, int col, int row, TPopupMenu*) { fired.push_back({col, row}); };
    struct Case {
        int col;
        TPopupMenu* menu;
    };
    for (const Case& c : {Case{2, Grid->DimmingMenu}, Case{3, Grid->MinMaxMenu}, Case{4, Grid->RecallMenu}}) {
        SCOPED_TRACE(c.col);
        QTest::mouseClick(Surface(), Qt::RightButton, {}, Centre(c.col, 0));
        ASSERT_TRUE(c.menu->isVisible());  // popped up, the click returned at once
        const TRect cell = Grid->CellRect(c.col, 0);
        EXPECT_EQ(c.menu->pos(), Surface()->mapToGlobal(QPoint(cell.Left, cell.Bottom)));
        c.menu->hide();
    }
    EXPECT_EQ(fired.size(), 3u);

    // A normal cell: the event fires for the matching button, no menu shows.
    QTest::mouseClick(Surface(), Qt::RightButton, {}, Centre(2, 3));
    EXPECT_EQ(fired.size(), 4u);
    EXPECT_FALSE(Grid->DimmingMenu->isVisible());
    // A left click on a header: the type is for right clicks only.
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, Centre(3, 0));
    EXPECT_FALSE(Grid->MinMaxMenu->isVisible());
    // A header without a menu.
    QTest::mouseClick(Surface(), Qt::RightButton, {}, Centre(0, 0));
    EXPECT_EQ(fired.size(), 4u);
}

}  // namespace
