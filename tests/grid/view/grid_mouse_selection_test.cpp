// Selection by mouse on grids shown offscreen: disjunct rows with Ctrl, header check
// boxes that check a whole column, editing on a double click only, fixed-column sizing
// by its border, merged areas, and every button on every kind of cell of the shared
// fixture without a crash or a lost cell.

#include "grid/core/grid_fixture.h"
#include "grid/view/grid_mouse_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

namespace {

TEST(GridMouseSelection, CtrlClicksAddAndRemoveDisjunctRows) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.MouseActions()->SetDisjunctRowSelect(true);
    f.Click(f.Centre(1, 1));
    QTest::mouseClick(f.Surface(), Qt::LeftButton, Qt::ControlModifier, f.Centre(1, 3));
    EXPECT_TRUE(g.RowSelect(1));
    EXPECT_TRUE(g.RowSelect(3));
    EXPECT_FALSE(g.RowSelect(2));
    QTest::mouseClick(f.Surface(), Qt::LeftButton, Qt::ControlModifier, f.Centre(1, 1));
    EXPECT_FALSE(g.RowSelect(1));
    EXPECT_TRUE(g.RowSelect(3));
    // A plain click starts over.
    f.Click(f.Centre(1, 2));
    EXPECT_EQ(g.RowSelectCount(), 1);
    EXPECT_TRUE(g.RowSelect(2));
}

TEST(GridMouseSelection, HeaderCheckBoxChecksTheColumn) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.MouseActions()->SetCheckAllCheck(true);
    g.AddCheckBox(MouseGridFixture::EnableReal, 0, false, false);
    // A hidden row makes displayed and real rows differ below it.
    g.HideRow(2);
    f.Click(f.Centre(MouseGridFixture::EnableShown, 0));
    for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Cells(MouseGridFixture::EnableReal, r), "Y") << r;
    f.Click(f.Centre(MouseGridFixture::EnableShown, 0));
    for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Cells(MouseGridFixture::EnableReal, r), "N") << r;
}

TEST(GridMouseSelection, EditOnDoubleClickOnly) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.MouseActions()->SetEditOnDblClickOnly(true);
    f.Click(f.Centre(1, 2));
    f.Click(f.Centre(1, 2));
    EXPECT_EQ(g.Row(), 2);
    QTest::mouseDClick(f.Surface(), Qt::LeftButton, {}, f.Centre(3, 3));
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_TRUE(g.EditorMode());
}

// Sets the flag the mouse-move handling raises over a fixed column's border.
class SizingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    void ArmFixedSizing() { FSizeFixed = true; }
};

TEST(GridMouseSelection, FixedColumnSizedByItsBorder) {
    QWidget window;
    window.resize(400, 200);
    auto* g = new SizingGrid(nullptr, &window);
    g->setGeometry(0, 0, 380, 180);
    g->SetFixedCols(2);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<int> ended;
    g->OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
    g->OnUpdateColumnSize = [](TObject*, int, int& AWidth) { AWidth = std::min(AWidth, 90); };
    const int border = g->ColWidths(0) + 1 + g->ColWidths(1) + 1;
    g->ArmFixedSizing();
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, QPoint(border, 30));
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, QPoint(border + 60, 30));
    EXPECT_EQ(ended, std::vector<int>{1});
    // The handler's limit holds.
    EXPECT_EQ(g->ColWidths(1), 90);
}

TEST(GridMouseSelection, EveryButtonOnEveryCellKeepsTheCells) {
    QWidget window;
    window.resize(400, 300);
    auto* g = new StringGridFixture();
    g->setParent(&window);
    g->setGeometry(0, 0, 380, 280);
    g->SetOptions(g->Options() + TGridOptions{goEditing, goColSizing, goRowSizing, goColMoving});
    g->SortSettings()->Show = true;
    g->SetURLShow(true);
    g->MouseActions()->SetSelectOnRightClick(true);
    g->MouseActions()->SetDirectEdit(true);
    g->MouseActions()->SetFixedRowsEdit(fceDblClick);
    g->SetCells(1, 1, "CELL://R9C9");
    int cellClicks = 0;
    g->OnClickCell = [&](TObject*, int, int) { ++cellClicks; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int x = 1; x < 380; x += 13) {
        for (int y = 1; y < 280; y += 11) {
            const QPoint at(x, y);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseClick(g->viewport(), Qt::RightButton, {}, at);
            QTest::mouseClick(g->viewport(), Qt::MiddleButton, {}, at);
        }
    }
    EXPECT_GT(cellClicks, 100);
    EXPECT_TRUE(MergeIndexIsConsistent(*g));
    // Header clicks sorted and unsorted; the data are all still there.
    QStringList texts;
    for (int r = 1; r < g->RowCount(); ++r) texts << g->Cells(0, r);
    texts.sort();
    EXPECT_EQ(texts, QStringList({"0,1", "0,2", "0,3", "0,5", "0,7"}));
}

}  // namespace

namespace {

TEST(GridMouseSelection, DraggingTheSelectionHandleReportsBothSelections) {
    MouseGridFixture f;
    TExStringGrid& g = *f.Grid;
    g.SetSelectionResizer(true);
    g.SetSelectionRectangle(true);
    std::vector<std::pair<TGridRect, TGridRect>> resized;
    g.OnSelectionResized = [&](TObject*, TGridRect From, TGridRect To) { resized.emplace_back(From, To); };
    const TRect handleCell = g.CellRect(1, 1);
    const QPoint handle(handleCell.Right - 2, handleCell.Bottom - 2);
    QApplication::clipboard()->clear();
    QTest::mousePress(f.Surface(), Qt::LeftButton, {}, handle);
    // The gesture carries the cells it started from on the clipboard.
    EXPECT_EQ(QApplication::clipboard()->text().trimmed(), "name1");
    QTest::mouseMove(f.Surface(), f.Centre(1, 3));
    QTest::mouseRelease(f.Surface(), Qt::LeftButton, {}, f.Centre(1, 3));
    EXPECT_EQ(g.Cells(1, 1), "name1");
    ASSERT_EQ(resized.size(), 1u);
    EXPECT_EQ(resized[0].first, (TGridRect{1, 1, 1, 1}));
    EXPECT_EQ(resized[0].second, (TGridRect{1, 1, 1, 3}));
}

// The handle's drag extends the selection and continues the series whatever the
// editing switches say; with editing on, no editor is left open over the filled cells.
TEST(GridMouseSelection, DraggingTheHandleFillsWithAndWithoutEditing) {
    const struct {
        bool Editing;
        bool RangeSelectAndEdit;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "editing " << c.Editing << ", range select and edit " << c.RangeSelectAndEdit);
        MouseGridFixture f(6);
        TExStringGrid& g = *f.Grid;
        if (c.Editing) g.SetOptions(g.Options() + TGridOptions{goEditing});
        g.MouseActions()->SetRangeSelectAndEdit(c.RangeSelectAndEdit);
        g.Navigation()->SetAllowClipboardAlways(true);
        g.Navigation()->SetAllowSmartClipboard(true);
        g.SetSelectionResizer(true);
        g.SetSelectionRectangle(true);
        // "Mnemonic": real column 4, displayed 3 (the address column is hidden).
        const int real = 4, shown = 3;
        g.SetCells(real, 1, "1");
        g.SetCells(real, 2, "3");
        g.SetSelection({shown, 1, shown, 2});
        const TRect seedEnd = g.CellRect(shown, 2);
        QTest::mousePress(f.Surface(), Qt::LeftButton, {}, QPoint(seedEnd.Right - 2, seedEnd.Bottom - 2));
        for (int row = 3; row <= 5; ++row) QTest::mouseMove(f.Surface(), f.Centre(shown, row));
        QTest::mouseRelease(f.Surface(), Qt::LeftButton, {}, f.Centre(shown, 5));
        EXPECT_EQ(g.Selection(), (TGridRect{shown, 1, shown, 5}));
        QStringList column;
        for (int r = 1; r <= 6; ++r) column << g.Cells(real, r);
        EXPECT_EQ(column, QStringList({"1", "3", "5", "7", "9", "rule6"}));
        EXPECT_FALSE(g.EditorMode());
    }
}

TEST(GridMouseSelection, RightClickInsideDisjunctRowsWithAMenuKeepsThem) {
    const struct {
        bool Menu;
        int ClickedRow;
        int SelectedAfter;
    } cases[] = {{true, 3, 2}, {true, 2, 1}, {false, 3, 1}};
    for (const auto& c : cases) {
        MouseGridFixture f;
        TExStringGrid& g = *f.Grid;
        g.MouseActions()->SetDisjunctRowSelect(true);
        g.MouseActions()->SetSelectOnRightClick(true);
        if (c.Menu) g.setContextMenuPolicy(Qt::CustomContextMenu);
        g.SetRowSelect(1, true);
        g.SetRowSelect(3, true);
        f.Click(f.Centre(1, c.ClickedRow), Qt::RightButton);
        EXPECT_EQ(g.RowSelectCount(), c.SelectedAfter) << c.Menu << " " << c.ClickedRow;
        EXPECT_TRUE(g.RowSelect(c.ClickedRow));
    }
}

TEST(GridMouseSelection, RatingTakesHalfAStarPerNinePixels) {
    const struct {
        int Offset;
        double Rate;
    } cases[] = {{5, 0.0}, {9, 0.5}, {40, 2.0}};
    for (const auto& c : cases) {
        MouseGridFixture f;
        TExStringGrid& g = *f.Grid;
        g.SetOptions(g.Options() + TGridOptions{goEditing});
        g.CreateCellGraphic(1, 2)->SetCellType(ctRating);
        double reported = -1;
        g.OnRatingChange = [&](TObject*, int, int, double& NewRate, bool&) { reported = NewRate; };
        const TRect r = g.CellRect(1, 2);
        f.Click({r.Left + c.Offset, (r.Top + r.Bottom) / 2});
        EXPECT_DOUBLE_EQ(reported, c.Rate) << c.Offset;
        EXPECT_DOUBLE_EQ(g.Floats(1, 2), c.Rate) << c.Offset;
    }
}

}  // namespace
