// The string grid base control driven as a user drives it: keys, wheel and mouse on the
// real widget, plus the storage and count rules the product's grids rely on.

#include "platform/grid_axis.h"
#include "platform/string_grid.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A grid that records the hooks the product's grids override.
class RecordingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    using TStringGrid::MoveColRow;
    std::vector<TGridCoord> Asked;
    bool Refuse = false;
    int TopLeftChanges = 0;
    std::vector<std::pair<int, int>> Drawn;
    std::vector<std::pair<int, int>> ColumnMoves;

protected:
    bool SelectCell(int ACol, int ARow) override {
        Asked.push_back({ACol, ARow});
        return !Refuse && TStringGrid::SelectCell(ACol, ARow);
    }
    void TopLeftChanged() override {
        ++TopLeftChanges;
        TStringGrid::TopLeftChanged();
    }
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
        Drawn.push_back({ACol, ARow});
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    void ColumnMoved(int FromIndex, int ToIndex) override {
        ColumnMoves.push_back({FromIndex, ToIndex});
        TStringGrid::ColumnMoved(FromIndex, ToIndex);
    }
};

class StringGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = std::make_unique<RecordingGrid>(nullptr);
        Grid->SetColCount(6);
        Grid->SetRowCount(50);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(20);
        Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Grid->resize(300, 205);  // 10 rows of 20 pixels fit fully
        Grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Grid.get()));
    }
    QWidget* Surface() { return Grid->viewport(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(Grid.get(), Qt::Key(key), modifiers); }
    TGridCoord Current() const { return {Grid->Col(), Grid->Row()}; }

    std::unique_ptr<RecordingGrid> Grid;
};

TEST_F(StringGridTest, KeysMoveTheCurrentCellAndAskSelectCellFirst) {
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        TGridCoord expected;
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, {2, 1}}, {Qt::Key_Down, Qt::NoModifier, {2, 2}},
        {Qt::Key_Left, Qt::NoModifier, {1, 2}},  {Qt::Key_Left, Qt::NoModifier, {1, 2}},  // stops at the fixed column
        {Qt::Key_Up, Qt::NoModifier, {1, 1}},    {Qt::Key_Up, Qt::NoModifier, {1, 1}},    // and at the fixed row
        {Qt::Key_End, Qt::NoModifier, {5, 1}},   {Qt::Key_Home, Qt::NoModifier, {1, 1}},
        {Qt::Key_PageDown, Qt::NoModifier, {1, 10}}, {Qt::Key_PageUp, Qt::NoModifier, {1, 1}},
        {Qt::Key_End, Qt::ControlModifier, {5, 49}}, {Qt::Key_Home, Qt::ControlModifier, {1, 1}},
    };
    for (const Step& step : steps) {
        Grid->Asked.clear();
        const TGridCoord before = Current();
        Key(step.key, step.modifiers);
        EXPECT_EQ(Current(), step.expected) << "key " << step.key;
        if (!(before == step.expected)) {
            ASSERT_EQ(Grid->Asked.size(), 1u);
            EXPECT_EQ(Grid->Asked.front(), step.expected);
        }
    }
}

TEST_F(StringGridTest, SelectCellVetoKeepsTheCurrentCell) {
    Grid->Refuse = true;
    Key(Qt::Key_Down);
    Grid->SetCol(3);
    EXPECT_EQ(Current(), (TGridCoord{1, 1}));
    EXPECT_EQ(Grid->Asked.size(), 2u);
}

TEST_F(StringGridTest, ShiftArrowsExtendTheSelectionAndTabWraps) {
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 2}));
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 3, 2, 3}));

    TGridOptions options = Grid->Options();
    Grid->SetOptions(options.Include(goTabs));
    Grid->SetCol(5);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{1, 4}));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), (TGridCoord{5, 3}));
}

TEST_F(StringGridTest, MovingDownScrollsByWholeRows) {
    EXPECT_EQ(Grid->VisibleRowCount(), 9);  // 205 pixels: the fixed row and 9 full rows
    for (int i = 0; i < 9; ++i) Key(Qt::Key_Down);
    EXPECT_EQ(Grid->Row(), 10);
    EXPECT_EQ(Grid->TopRow(), 2);
    EXPECT_EQ(Grid->TopLeftChanges, 1);
    // The current row is fully visible and rows start on whole-row boundaries.
    const TRect r = Grid->CellRect(1, 10);
    EXPECT_EQ(r.Top, 20 + 8 * 20);
    EXPECT_LE(r.Bottom, Surface()->height());
    EXPECT_TRUE(Grid->CellRect(1, 1).IsEmpty());  // scrolled away
    EXPECT_EQ(Grid->verticalScrollBar()->value(), 2);

    // Jumps show the target row at the edge it was approached from; a row taller than
    // the view goes to the top.
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid->Row(), 49);
    EXPECT_EQ(Grid->TopRow(), 49 - 8);
    Grid->SetRowHeights(30, 400);
    Grid->SetRow(30);
    EXPECT_EQ(Grid->TopRow(), 30);
    Grid->SetRow(32);
    EXPECT_EQ(Grid->TopRow(), 31);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->TopRow(), 1);
}

TEST_F(StringGridTest, WheelMovesOneRowPerNotch) {
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(50, 50), Surface()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Surface(), &event);
    };
    wheel(-120);
    wheel(-240);
    EXPECT_EQ(Grid->Row(), 4);
    wheel(120);
    EXPECT_EQ(Grid->Row(), 3);
    for (int i = 0; i < 20; ++i) wheel(-120);
    EXPECT_EQ(Grid->Row(), 23);
    EXPECT_EQ(Grid->TopRow(), 23 - 8);
    // A touchpad's small steps move a row once they add up to a notch.
    wheel(-60);
    EXPECT_EQ(Grid->Row(), 23);
    wheel(-60);
    EXPECT_EQ(Grid->Row(), 24);
}

TEST_F(StringGridTest, MouseSelectsCellsAndMapsPoints) {
    int c = -1, r = -1;
    Grid->MouseToCell(130, 45, c, r);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 2);
    Grid->MouseToCell(299, 5, c, r);
    EXPECT_EQ(c, 4);
    EXPECT_EQ(r, 0);
    QTest::mouseClick(Surface(), Qt::LeftButton, {}, QPoint(130, 45));
    EXPECT_EQ(Current(), (TGridCoord{2, 2}));
    QTest::mousePress(Surface(), Qt::LeftButton, {}, QPoint(70, 25));
    QTest::mouseMove(Surface(), QPoint(200, 65));
    QTest::mouseRelease(Surface(), Qt::LeftButton, {}, QPoint(200, 65));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 3}));
}

TEST_F(StringGridTest, ColumnsAreSizedAndMovedByMouse) {
    TGridOptions options = Grid->Options();
    Grid->SetOptions(options.Include(goColSizing).Include(goColMoving));
    // The border between columns 1 and 2 is at x = 120; drag it 25 pixels right.
    QTest::mousePress(Surface(), Qt::LeftButton, {}, QPoint(119, 10));
    EXPECT_EQ(Grid->GridState(), gsColSizing);
    QTest::mouseMove(Surface(), QPoint(144, 10));
    QTest::mouseRelease(Surface(), Qt::LeftButton, {}, QPoint(144, 10));
    EXPECT_EQ(Grid->ColWidths(1), 85);
    EXPECT_EQ(Grid->GridState(), gsNormal);

    Grid->SetCells(2, 5, "two");
    Grid->SetCells(4, 5, "four");
    // Column 2 now spans 145..205; drop it on column 4 (265..).
    QTest::mousePress(Surface(), Qt::LeftButton, {}, QPoint(170, 10));
    EXPECT_EQ(Grid->GridState(), gsColMoving);
    QTest::mouseMove(Surface(), QPoint(280, 10));
    QTest::mouseRelease(Surface(), Qt::LeftButton, {}, QPoint(280, 10));
    ASSERT_EQ(Grid->ColumnMoves.size(), 1u);
    EXPECT_EQ(Grid->ColumnMoves.front(), std::make_pair(2, 4));
    EXPECT_EQ(Grid->Cells(4, 5), "two");
    EXPECT_EQ(Grid->Cells(3, 5), "four");
}

TEST_F(StringGridTest, RowsAreSizedAndMovedByMouse) {
    TGridOptions options = Grid->Options();
    Grid->SetOptions(options.Include(goRowSizing).Include(goRowMoving));
    std::vector<std::pair<int, int>> moves;
    Grid->OnRowMoved = [&](TObject*, int from, int to) { moves.push_back({from, to}); };
    // The border below row 1 is at y = 40; drag it 10 pixels up.
    QTest::mousePress(Surface(), Qt::LeftButton, {}, QPoint(30, 39));
    EXPECT_EQ(Grid->GridState(), gsRowSizing);
    QTest::mouseRelease(Surface(), Qt::LeftButton, {}, QPoint(30, 29));
    EXPECT_EQ(Grid->RowHeights(1), 10);

    Grid->SetCells(3, 2, "row two");
    // Row 2 is now at y 30..49; drop it on row 5 (y 90..109).
    QTest::mousePress(Surface(), Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(Grid->GridState(), gsRowMoving);
    QTest::mouseRelease(Surface(), Qt::LeftButton, {}, QPoint(30, 100));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves.front(), std::make_pair(2, 5));
    EXPECT_EQ(Grid->Cells(3, 5), "row two");
}

TEST_F(StringGridTest, EditorShowsLoadsAndStoresThroughTheHooks) {
    TGridOptions options = Grid->Options();
    Grid->SetOptions(options.Include(goEditing));
    Grid->SetCells(1, 1, "old");
    std::vector<QString> stored;
    Grid->OnSetEditText = [&](TObject*, int, int, const QString& value) { stored.push_back(value); };
    Key(Qt::Key_F2);
    ASSERT_TRUE(Grid->EditorMode());
    TInplaceEdit* editor = Grid->InplaceEditor();
    EXPECT_EQ(editor->Text(), "old");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry().topLeft(), QPoint(60, 20));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(Grid->EditorMode());
    // Every hide stores the edit's text: what Esc restored reaches the cell too.
    EXPECT_EQ(stored, std::vector<QString>{"old"});

    QTest::keyClicks(Grid.get(), "n");  // a typed character opens the editor with it
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "n");
    QTest::keyClicks(Grid->InplaceEditor(), "ew");
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Down);  // moving on stores the text
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "new");
    EXPECT_EQ(Grid->Row(), 2);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored.back(), "new");

    Key(Qt::Key_Return);
    EXPECT_TRUE(Grid->EditorMode());
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Return);
    EXPECT_FALSE(Grid->EditorMode());
}

// The editor hooks in their order: CanEditShow may refuse, CreateEditor runs once.
class EditingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    using TStringGrid::HideEditor;
    using TStringGrid::ShowEditor;
    bool Allow = true;
    int Created = 0;

protected:
    bool CanEditShow() override { return Allow && TStringGrid::CanEditShow(); }
    TInplaceEdit* CreateEditor() override {
        ++Created;
        return TStringGrid::CreateEditor();
    }
    QString GetEditText(int ACol, int ARow) override { return "edit " + TStringGrid::GetEditText(ACol, ARow); }
};

TEST(StringGridEditor, HooksRunInOrderAndTheEditorIsMadeOnce) {
    EditingGrid grid(nullptr);
    grid.resize(300, 200);
    grid.show();
    TGridOptions options = grid.Options();
    grid.SetOptions(options.Include(goEditing));
    grid.Allow = false;
    grid.ShowEditor();
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Created, 0);
    grid.Allow = true;
    grid.SetCells(1, 1, "a");
    grid.ShowEditor();
    ASSERT_TRUE(grid.EditorMode());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "edit a");
    grid.HideEditor();
    EXPECT_EQ(grid.Cells(1, 1), "edit a");  // the edit's text is stored on every hide
    grid.SetRow(2);
    grid.ShowEditor();
    grid.SetCol(2);  // a move closes the editor first
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(grid.Created, 1);
    // Row selection never edits.
    grid.SetOptions(grid.Options().Include(goRowSelect));
    grid.ShowEditor();
    EXPECT_FALSE(grid.EditorMode());
}

TEST_F(StringGridTest, SelectionMayLieOutsideTheGrid) {
    Grid->SetSelection({-1, 3, 9, 60});
    EXPECT_EQ(Grid->Selection(), (TGridRect{-1, 3, 9, 60}));
    TGridOptions options = Grid->Options();
    // The current cell lies outside the grid: no editor, and the view goes no further
    // than the last row.
    Grid->SetOptions(TGridOptions(options).Include(goEditing));
    Key(Qt::Key_F2);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->TopRow(), 49 - 8);
    Grid->SetOptions(options.Include(goRowSelect));
    EXPECT_EQ(Grid->Selection().Left, 1);
    EXPECT_EQ(Grid->Selection().Right, 5);
}

TEST_F(StringGridTest, PaintDrawsEachVisibleCellOnce) {
    Grid->Drawn.clear();
    QImage image(Surface()->size(), QImage::Format_ARGB32);
    Surface()->render(&image);
    // 5 columns fit (the sixth starts at x = 300) and 11 rows reach into 205 pixels.
    EXPECT_EQ(Grid->Drawn.size(), std::size_t(5 * 11));
    std::sort(Grid->Drawn.begin(), Grid->Drawn.end());
    EXPECT_EQ(std::adjacent_find(Grid->Drawn.begin(), Grid->Drawn.end()), Grid->Drawn.end());
}

// Storage rules: cells beyond the counts, kept cells, rows moved as units.
TEST_F(StringGridTest, CellsLiveBeyondTheCountsAndRowsMoveAsUnits) {
    Grid->SetCells(9, 3, "beyond");
    EXPECT_EQ(Grid->Cells(9, 3), "beyond");
    Grid->SetCells(2, 40, "kept");
    Grid->SetRowCount(10);
    Grid->SetRowCount(50);
    EXPECT_EQ(Grid->Cells(2, 40), "kept");

    for (int r = 0; r < 6; ++r) Grid->SetCells(1, r, QString::number(r));
    TObject marker;
    Grid->SetObjects(1, 2, &marker);
    Grid->MoveRow(2, 4);
    EXPECT_EQ(Grid->Cells(1, 4), "2");
    EXPECT_EQ(Grid->Objects(1, 4), &marker);
    EXPECT_EQ(Grid->Cells(1, 2), "3");
    Grid->InsertRowsAt(1, 2);
    EXPECT_EQ(Grid->RowCount(), 52);
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Grid->Cells(1, 3), "1");
    Grid->DeleteRowsAt(1, 3);
    EXPECT_EQ(Grid->Cells(1, 1), "3");
    Grid->SwapRows(1, 2);
    EXPECT_EQ(Grid->Cells(1, 1), "4");
    EXPECT_EQ(Grid->Cells(1, 2), "3");
}

// A grid class that redeclares the count setter: operations of the base class do not
// run it, only calls through the derived class do.
class CountingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    int Calls = 0;
    void SetRowCount(int value) {
        ++Calls;
        SetRowCountRaw(value);
    }
};

// Ten lines of 20 pixels, one fixed, scrolled to line 3, in 100 pixels: lines 0 and 3 to
// 6 are on the screen.
TEST(GridAxis, ViewQueries) {
    TGridAxis axis(10, 1, 20);
    axis.SetFirst(3);
    // The pixels a range of lines takes on the screen: only its lines in view count.
    const struct {
        int from, to;
        bool inView;
        int start, end;
    } ranges[] = {{0, 0, true, 0, 20},   {1, 2, false, 0, 0},   {1, 3, true, 20, 40}, {6, 9, true, 80, 100},
                  {7, 9, false, 0, 0},   {-5, -1, false, 0, 0}, {5, 3, false, 0, 0},  {2, 40, true, 20, 100},
                  {0, 4, true, 0, 60},   {-3, 100000, true, 0, 100}};
    for (const auto& k : ranges) {
        int start = 0, end = 0;
        EXPECT_EQ(axis.ScreenSpan(k.from, k.to, 100, start, end), k.inView) << k.from << ".." << k.to;
        if (k.inView) EXPECT_EQ(std::pair(start, end), std::pair(k.start, k.end)) << k.from << ".." << k.to;
    }

    // The first line to scroll to so that a line shows in full, moving as little as possible.
    const struct {
        int line, first;
    } targets[] = {{2, 2}, {5, 3}, {6, 3}, {9, 6}, {12, 6}};
    for (const auto& k : targets) EXPECT_EQ(axis.FirstShowing(k.line, 100), k.first) << k.line;
    axis.SetSize(8, 200);  // taller than the view: shown from its top
    EXPECT_EQ(axis.FirstShowing(8, 100), 8);
    EXPECT_EQ(axis.FirstShowing(9, 100), 9);
}

TEST(StringGridCounts, CountSettersBindStatically) {
    CountingGrid grid(nullptr);
    grid.SetRowCount(8);
    EXPECT_EQ(grid.Calls, 1);
    grid.DeleteRow(3);
    static_cast<TStringGrid&>(grid).SetRowCount(20);
    EXPECT_EQ(grid.Calls, 1);
    EXPECT_EQ(grid.RowCount(), 20);
}

// Rows held out of view and put back as units, and columns leaving the view while their
// cells stay: the current cell and the scrolled rows follow their lines.
class HoldingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    using TStringGrid::PutColumnLine;
    using TStringGrid::PutRowsBack;
    using TStringGrid::TakeColumnLine;
    using TStringGrid::TakeRowsOut;
    using TStringGrid::TRowBlock;
};

TEST(StringGridHolding, RowsLeaveAndComeBackWithCellsHeightsAndCurrentRow) {
    HoldingGrid grid(nullptr);
    grid.SetRowCount(10);
    TObject object;
    for (int r = 0; r < 10; ++r) {
        grid.SetCells(1, r, QString("row %1").arg(r));
        grid.SetRowHeights(r, 20 + r);
    }
    grid.SetObjects(9, 4, &object);  // beyond ColCount, as a hidden column's cell
    grid.SetRow(5);

    HoldingGrid::TRowBlock block = grid.TakeRowsOut({2, 4, 5});
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(block.Heights, (std::vector<int>{22, 24, 25}));
    EXPECT_EQ(grid.Row(), 3);  // row 5 went: the row that took its place, old row 6
    EXPECT_EQ(grid.Cells(1, 3), "row 6");
    EXPECT_EQ(grid.RowHeights(3), 26);
    EXPECT_EQ(grid.Objects(9, 2), nullptr);

    grid.PutRowsBack({2, 4, 5}, std::move(block));
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.Row(), 6);  // still on old row 6
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(grid.Cells(1, r), QString("row %1").arg(r));
        EXPECT_EQ(grid.RowHeights(r), 20 + r);
    }
    EXPECT_EQ(grid.Objects(9, 4), &object);
}

TEST(StringGridHolding, ColumnLineLeavesWithItsWidthAndTheCellsStay) {
    HoldingGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetColWidths(2, 80);
    grid.SetColWidths(3, 30);
    grid.SetCells(2, 1, "kept");
    grid.SetCol(3);
    EXPECT_EQ(grid.TakeColumnLine(2), 80);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.ColWidths(2), 30);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Cells(2, 1), "kept");
    grid.PutColumnLine(2, 80);
    EXPECT_EQ(grid.ColWidths(2), 80);
    EXPECT_EQ(grid.ColWidths(3), 30);
    EXPECT_EQ(grid.Col(), 3);
}

}  // namespace
