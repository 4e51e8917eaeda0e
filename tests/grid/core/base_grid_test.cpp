// Base grid: merged areas, span queries, display hooks, cell properties and their
// ownership, and keyboard moves around merged areas.

#include "grid/core/base_grid.h"
#include "grid/core/cell_graphic.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <QTest>
#include <functional>

namespace {

TEST(BaseGridMerge, WritesGoToTheBaseCellAndSplitRestoresTheCells) {
    FixtureGrid grid;
    grid.SplitCells(2, 2);
    grid.SetRowCount(5);
    grid.SetGridCell(3, 2, "own");
    grid.MergeCells(1, 1, 3, 2);
    grid.Changed.clear();
    grid.SetCells(3, 2, "x");
    EXPECT_EQ(grid.GridCells(1, 1), "x");
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) EXPECT_EQ(grid.Cells(c, r), "x") << c << "," << r;
    EXPECT_EQ(grid.GridCells(3, 2), "own");
    ASSERT_EQ(grid.Changed.size(), 1u);
    EXPECT_EQ(grid.Changed.front(), (TPoint{1, 1}));

    EXPECT_EQ(grid.CellSpan(2, 2), (TPoint{2, 1}));
    EXPECT_EQ(grid.CellExt(2, 2), (TPoint{1, 0}));
    EXPECT_EQ(grid.BaseCell(3, 2), (TPoint{1, 1}));
    EXPECT_FALSE(grid.IsMergedNonBaseCell(1, 1));
    EXPECT_TRUE(grid.IsMergedCell(1, 1));
    EXPECT_EQ(grid.FullCell(3, 2), (TRect{1, 1, 3, 2}));

    grid.SplitCells(2, 2);
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 2; ++r) {
            EXPECT_TRUE(grid.CellProperties(c, r)->IsBaseCell());
            EXPECT_EQ(grid.CellProperties(c, r)->CellSpanX(), -1);
            EXPECT_EQ(grid.CellProperties(c, r)->CellSpanY(), -1);
        }
    }
    EXPECT_EQ(grid.Cells(3, 2), "own");
    EXPECT_EQ(grid.MergeCount(), 0);

    // A cell without properties is written without notice.
    grid.Changed.clear();
    grid.SetCells(1, 4, "plain");
    EXPECT_TRUE(grid.Changed.empty());
}

TEST(BaseGridMerge, SpanQueriesOnTheFixture) {
    FixtureGrid grid;
    struct Case {
        int c, r;
        TPoint base;
        bool isBase, merged, mergedNonBase, xMerged, yMerged;
        TPoint span, ext;
    };
    const Case cases[] = {
        {2, 2, {2, 2}, true, true, false, true, true, {1, 1}, {1, 1}},
        {3, 3, {2, 2}, false, true, true, true, true, {1, 1}, {0, 0}},
        {3, 2, {2, 2}, false, true, true, true, true, {1, 1}, {0, 1}},
        {1, 1, {1, 1}, true, false, false, false, false, {0, 0}, {0, 0}},
        {FixtureGrid::HiddenCol, 2, {4, 2}, true, false, false, false, false, {0, 0}, {0, 0}},
        {-1, 2, {-1, 2}, true, false, false, false, false, {0, 0}, {0, 0}},
        {5, 2, {5, 2}, true, false, false, false, false, {0, 0}, {0, 0}},
        {2, 4, {2, 4}, true, false, false, false, false, {0, 0}, {0, 0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << k.c << "," << k.r);
        EXPECT_EQ(grid.BaseCell(k.c, k.r), k.base);
        EXPECT_EQ(grid.IsBaseCell(k.c, k.r), k.isBase);
        EXPECT_EQ(grid.IsMergedCell(k.c, k.r), k.merged);
        EXPECT_EQ(grid.IsMergedNonBaseCell(k.c, k.r), k.mergedNonBase);
        EXPECT_EQ(grid.IsXMergedCell(k.c, k.r), k.xMerged);
        EXPECT_EQ(grid.IsYMergedCell(k.c, k.r), k.yMerged);
        EXPECT_EQ(grid.CellSpan(k.c, k.r), k.span);
        EXPECT_EQ(grid.CellExt(k.c, k.r), k.ext);
    }
    EXPECT_EQ(grid.Cells(3, 3), "2,2");
    EXPECT_EQ(grid.GridCells(3, 3), "3,3");
    EXPECT_EQ(grid.Cells(FixtureGrid::HiddenCol, 3), "4,3");
    EXPECT_EQ(grid.MinRowSpan(2), 1);
    EXPECT_EQ(grid.MinRowSpan(1), grid.RowCount());
    EXPECT_EQ(grid.MaxRowSpan(3), 1);
    EXPECT_EQ(grid.MaxRowSpan(1), 0);
}

TEST(BaseGridMerge, OverlapsSplitTheOldAreaAndTheCountStaysTrue) {
    FixtureGrid grid;
    ASSERT_EQ(grid.MergeCount(), 1);
    // Splitting a cell that is not merged changes nothing.
    grid.SplitCells(1, 1);
    EXPECT_EQ(grid.MergeCount(), 1);
    EXPECT_EQ(grid.GridObjects(1, 1), nullptr);
    // An empty area is no area.
    grid.MergeCells(1, 1, 0, 2);
    EXPECT_EQ(grid.MergeCount(), 1);
    EXPECT_FALSE(grid.IsMergedCell(1, 1));

    EXPECT_TRUE(MergeIndexIsConsistent(grid));

    // (1, 1)-(2, 2) overlaps the fixture's area at (2, 2): that area goes first.
    grid.MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid.MergeCount(), 1);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
    EXPECT_EQ(grid.BaseCell(2, 2), (TPoint{1, 1}));
    for (const TPoint p : {TPoint{3, 2}, TPoint{2, 3}, TPoint{3, 3}}) {
        EXPECT_FALSE(grid.IsMergedCell(p.X, p.Y)) << p.X << "," << p.Y;
        EXPECT_EQ(grid.BaseCell(p.X, p.Y), p);
    }
    EXPECT_EQ(grid.Cells(3, 3), "3,3");
    // One area reaching into the hidden column, and a one-cell area inside the first one.
    grid.MergeCells(3, 2, 2, 2);
    grid.MergeCells(1, 1, 1, 1);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
    EXPECT_EQ(grid.MergeCount(), 2);
    grid.SplitCells(2, 1);  // not merged any more: nothing
    grid.SplitCells(4, 3);
    grid.SplitCells(1, 1);
    EXPECT_EQ(grid.MergeCount(), 0);
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

// Rows and columns that move or go: an area moved whole keeps its shape, one the change
// cuts through or removes is split, so no cell points at a base that is not its own.
TEST(BaseGridMerge, StructureChangesKeepAreasWholeOrSplitThem) {
    struct Case {
        const char* name;
        std::function<void(FixtureGrid&)> change;
        int mergeCount;
        TPoint probe, base;
        const char* text;
    };
    const Case cases[] = {
        {"insert inside", [](FixtureGrid& g) { g.InsertRowsAt(3, 1); }, 0, {3, 4}, {3, 4}, "3,3"},
        {"insert above", [](FixtureGrid& g) { g.InsertRowsAt(2, 1); }, 1, {3, 4}, {2, 3}, "2,2"},
        {"delete inside", [](FixtureGrid& g) { g.DeleteRowsAt(3, 1); }, 0, {3, 2}, {3, 2}, "3,2"},
        {"delete above", [](FixtureGrid& g) { g.DeleteRowsAt(1, 1); }, 1, {3, 2}, {2, 1}, "2,2"},
        {"move a row out", [](FixtureGrid& g) { g.MoveRow(3, 1); }, 0, {3, 3}, {3, 3}, "3,2"},
        {"move a row past", [](FixtureGrid& g) { g.MoveRow(1, 3); }, 1, {3, 2}, {2, 1}, "2,2"},
        {"swap rows", [](FixtureGrid& g) { g.SwapRows(1, 2); }, 0, {3, 1}, {3, 1}, "3,2"},
        {"delete a column left", [](FixtureGrid& g) { g.DeleteColumn(1); }, 1, {2, 3}, {1, 2}, "2,2"},
        {"delete a column inside", [](FixtureGrid& g) { g.DeleteColumn(3); }, 0, {2, 3}, {2, 3}, "2,3"},
        {"move a column out", [](FixtureGrid& g) { g.MoveColumn(3, 1); }, 0, {3, 3}, {3, 3}, "2,3"},
        {"move a column past", [](FixtureGrid& g) { g.MoveColumn(1, 3); }, 1, {2, 3}, {1, 2}, "2,2"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        FixtureGrid grid;
        k.change(grid);
        EXPECT_EQ(grid.MergeCount(), k.mergeCount);
        EXPECT_TRUE(MergeIndexIsConsistent(grid));
        EXPECT_EQ(grid.BaseCell(k.probe.X, k.probe.Y), k.base);
        EXPECT_EQ(grid.Cells(k.probe.X, k.probe.Y), k.text);
    }
}

TEST(BaseGridMerge, SpanIdentityOfRowsAndColumns) {
    FixtureGrid grid;
    grid.SetRowCount(6);
    EXPECT_TRUE(grid.RowSpanIdentical(2, 3));
    EXPECT_FALSE(grid.RowSpanIdentical(1, 2));  // row 1 is not merged anywhere
    EXPECT_TRUE(grid.ColSpanIdentical(2, 3));
    EXPECT_FALSE(grid.ColSpanIdentical(1, 2));  // spans differ in row 2
    EXPECT_FALSE(grid.ColSpanIdentical(0, 1));  // never merged together
    grid.MergeCells(2, 4, 1, 2);                // rows 4-5 of column 2 only
    EXPECT_FALSE(grid.RowSpanIdentical(3, 4));
}

TEST(BaseGridCells, DisplayHooksRunForNormalRowsOnly) {
    FixtureGrid grid;
    grid.FNormalRowCount = 2;
    grid.OnGetDisplText = [](TObject*, int ACol, int ARow, QString& value) { value = QString("[%1 %2]").arg(ACol).arg(ARow); };
    EXPECT_EQ(grid.Cells(1, 1), "[1 1]");
    EXPECT_EQ(grid.Cells(3, 3), "2,2");  // base row 2 is not a normal row
    grid.FNormalRowCount = 4;
    EXPECT_EQ(grid.Cells(3, 3), "[2 2]");

    grid.OnGetDisplText = nullptr;
    QString seen;
    grid.OnGetDisplWideText = [&](TObject*, int, int, QString& value) {
        seen = value;
        value = QStringLiteral("\u0416");
    };
    EXPECT_EQ(grid.Cells(1, 1), QString("|\\") + QChar(0x04) + QChar(0x16));
    EXPECT_EQ(seen, "1,1");
}

TEST(BaseGridCells, PropertiesHandedInFromOutsideTakePartInReadsAndWrites) {
    // Properties made without this grid as their owner, then given to it: the cells still
    // read their area's base and report their writes.
    struct RecordingGrid : TBaseGrid {
        RecordingGrid() : TBaseGrid(nullptr) {}
        void CellChanged(int ACol, int ARow) override { Changed.push_back({ACol, ARow}); }
        std::vector<TPoint> Changed;
    } grid;
    auto* base = new TCellProperties(nullptr, 1, 1);
    base->SetCellSpanX(1);
    base->SetCellSpanY(0);
    auto* member = new TCellProperties(nullptr, 2, 1);
    member->SetIsBaseCell(false);
    member->SetCellSpanX(1);
    member->SetCellSpanY(0);
    grid.SetCellProperties(1, 1, base);
    grid.SetCellProperties(2, 1, member);
    grid.SetGridCell(1, 1, "base");
    EXPECT_EQ(grid.Cells(2, 1), "base");
    grid.SetCells(2, 1, "written");
    EXPECT_EQ(grid.GridCells(1, 1), "written");
    ASSERT_EQ(grid.Changed.size(), 1u);
    EXPECT_EQ(grid.Changed[0], (TPoint{1, 1}));
}

TEST(BaseGridCells, ObjectsLiveInTheCellProperties) {
    FixtureGrid grid;
    grid.SetGridCell(1, 3, "");
    TObject user;
    grid.SetObjects(1, 3, &user);
    EXPECT_EQ(grid.GridCells(1, 3), "");
    EXPECT_EQ(grid.Objects(1, 3), &user);
    ASSERT_NE(grid.GridObjects(1, 3), nullptr);
    EXPECT_EQ(grid.CellProperties(1, 3)->CellObject(), &user);
    EXPECT_EQ(grid.Objects(1, 1), nullptr);  // no properties, no object
    EXPECT_EQ(grid.GridObjects(1, 1), nullptr);
    // The hidden column keeps its own properties.
    grid.SetObjects(FixtureGrid::HiddenCol, 1, &user);
    EXPECT_EQ(grid.Objects(FixtureGrid::HiddenCol, 1), &user);
}

TEST(BaseGridCells, NewPropertiesTakeTheGridDefaults) {
    FixtureGrid grid;
    grid.SetWordWrap(false);
    TCellProperties* props = grid.CellProperties(1, 1);
    EXPECT_EQ(props->OwnerCol(), 1);
    EXPECT_EQ(props->OwnerRow(), 1);
    EXPECT_EQ(props->BrushColor(), clWhite);
    EXPECT_EQ(props->BrushColorTo(), clNone);
    EXPECT_FALSE(props->WordWrap());
    EXPECT_EQ(props->Alignment(), taLeftJustify);
    EXPECT_EQ(props->VAlignment(), vtaTop);
    EXPECT_EQ(props->FontName(), grid.font().family());
    EXPECT_EQ(grid.CellProperties(1, 1), props);  // created once
}

// Objects whose destruction a test can see.
struct Tracked : TObject {
    explicit Tracked(bool* destroyed) : Destroyed(destroyed) {}
    ~Tracked() override { *Destroyed = true; }
    bool* Destroyed;
};

TEST(BaseGridOwnership, PropertiesAndTheirGraphicsAreFreedOnEveryPath) {
    bool foreignDestroyed = false;
    Tracked foreign(&foreignDestroyed);
    {
        FixtureGrid grid;
        // A graphic of another class is its owner's; a TCellGraphic goes with its cell.
        grid.SetGraphicObjects(1, 1, &foreign);
        grid.SetGraphicObjects(1, 2, new TCellGraphic());
        grid.FreeCellPropsRange(1, 1, 1, 2);
        EXPECT_FALSE(foreignDestroyed);
        EXPECT_EQ(grid.GridObjects(1, 2), nullptr);

        // Replacing properties frees the old ones; the new ones become the grid's.
        grid.CellProperties(1, 3);
        grid.SetCellProperties(1, 3, new TCellProperties(&grid, 1, 3));
        // Slots emptied without freeing, cells beyond the counts and a graphic in the
        // hidden column are all released with the grid (checked under the sanitizer).
        grid.SetGraphicObjects(FixtureGrid::HiddenCol, 3, new TCellGraphic());
        grid.CellProperties(3, 1);
        grid.ClearColCells(3);
        grid.CellProperties(2, 3);
        grid.SetRowCount(3);
        grid.FreeCellProps(1, 1);  // an empty slot: nothing to free
    }
    EXPECT_FALSE(foreignDestroyed);
}

TEST(BaseGridOwnership, ClearingANonBaseCellKeepsTheBaseText) {
    FixtureGrid grid;
    grid.ClearCellAndObject(3, 3);
    EXPECT_EQ(grid.GridCells(2, 2), "2,2");
    EXPECT_EQ(grid.GridCells(3, 3), "");
    EXPECT_EQ(grid.GridObjects(3, 3), nullptr);
}

TEST(CellProperties, BaseCellAssignAndOwnerCell) {
    FixtureGrid grid;
    TCellProperties props(&grid, 5, 7);
    props.SetIsBaseCell(false);
    props.SetCellSpanX(2);
    props.SetCellSpanY(1);
    EXPECT_EQ(props.GetBaseCell(5, 7), (TPoint{3, 6}));
    props.SetCellSpanX(-1);
    props.SetCellSpanY(-1);
    EXPECT_EQ(props.GetBaseCell(5, 7), (TPoint{5, 7}));

    props.SetCellSpanX(2);
    props.SetCellSpanY(1);
    props.SetFontName("Mono");
    props.SetBrushColorTo(clRed);
    TCellProperties copy(&grid, 1, 1);
    copy.Assign(props);
    EXPECT_EQ(copy.OwnerCol(), 1);  // a copy repaints its own cell
    EXPECT_EQ(copy.OwnerRow(), 1);
    EXPECT_EQ(copy.CellSpanX(), 2);
    EXPECT_FALSE(copy.IsBaseCell());
    EXPECT_EQ(copy.FontName(), "Mono");
    EXPECT_EQ(copy.BrushColorTo(), clNone);
}

// Keys on a grid wide enough to tell the neighbour of an area from the cell two away.
TEST(BaseGridKeys, MovesAroundMergedAreasLandOnNeighbours) {
    TBaseGrid grid(nullptr);
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.resize(600, 400);
    grid.MergeCells(4, 4, 2, 2);  // (4, 4)-(5, 5)
    struct Case {
        TPoint from;
        Qt::Key key;
        TPoint to;
    };
    const Case cases[] = {
        {{5, 5}, Qt::Key_Left, {3, 5}}, {{5, 5}, Qt::Key_Up, {5, 3}},   {{4, 4}, Qt::Key_Right, {6, 4}},
        {{4, 4}, Qt::Key_Down, {4, 6}}, {{3, 4}, Qt::Key_Right, {4, 4}}, {{4, 3}, Qt::Key_Down, {4, 4}},
        {{6, 5}, Qt::Key_Left, {4, 4}}, {{5, 4}, Qt::Key_Left, {3, 4}},
    };
    for (const Case& k : cases) {
        grid.SetCol(k.from.X);
        grid.SetRow(k.from.Y);
        QTest::keyClick(&grid, k.key);
        EXPECT_EQ((TPoint{grid.Col(), grid.Row()}), k.to) << "from " << k.from.X << "," << k.from.Y << " key " << k.key;
    }
}

TEST(BaseGridKeys, TheWheelStepsOverMergedAreas) {
    TBaseGrid grid(nullptr);
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.resize(600, 400);
    grid.show();
    grid.MergeCells(4, 4, 2, 2);  // (4, 4)-(5, 5)
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(50, 50), grid.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.viewport(), &event);
    };
    grid.SetCol(4);
    grid.SetRow(3);
    wheel(-120);
    EXPECT_EQ(grid.Row(), 4);  // into the area: its base cell
    wheel(-120);
    EXPECT_EQ(grid.Row(), 6);  // out of it below, not stuck on its base
    wheel(120);
    EXPECT_EQ(grid.Row(), 4);
    wheel(120);
    EXPECT_EQ(grid.Row(), 3);
}

TEST(BaseGridKeys, TheCurrentRowStaysOffAHiddenLastRow) {
    FixtureGrid grid;
    grid.resize(300, 300);
    grid.FHideLastRow = true;
    grid.SetCol(1);
    grid.SetRow(2);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 2);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.Row(), 2);
}

}  // namespace
