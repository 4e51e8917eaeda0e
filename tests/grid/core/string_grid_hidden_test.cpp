// Hidden columns and held-out rows of the string grid. Random sequences of hiding and
// showing (single lines, ranges, lists, by selection) are checked after every step
// against a plain model that knows, per real row and column, whether it is shown, what
// its cells hold and how high or wide it is.

#include "grid/core/string_grid.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int RealRows = 40;
constexpr int RealCols = 9;
constexpr int NotFiltered = -1;

// What the grid must show: one entry per real row and column.
struct HidingModel {
    std::vector<int> RowLevel = std::vector<int>(RealRows, -2);  // -2 shown, -1 hidden, else filter level
    std::vector<bool> ColHidden = std::vector<bool>(RealCols, false);
    std::vector<bool> Selected = std::vector<bool>(RealRows, false);
    std::map<std::pair<int, int>, TObject*> Objects;  // (real column, real row)
    int FilterLevel = 0;

    bool RowShown(int r) const { return RowLevel[std::size_t(r)] == -2; }
    std::vector<int> ShownRows() const {
        std::vector<int> rows;
        for (int r = 0; r < RealRows; ++r)
            if (RowShown(r)) rows.push_back(r);
        return rows;
    }
    std::vector<int> ShownCols() const {
        std::vector<int> cols;
        for (int c = 0; c < RealCols; ++c)
            if (!ColHidden[std::size_t(c)]) cols.push_back(c);
        return cols;
    }
    // Holds out the given displayed rows; the grid keeps one displayed row.
    void HoldOut(std::vector<int> displayed, int level) {
        const std::vector<int> shown = ShownRows();
        if (displayed.size() >= shown.size()) displayed.resize(shown.size() - 1);
        for (int d : displayed) RowLevel[std::size_t(shown[std::size_t(d)])] = level;
    }
    void Show(int r) { RowLevel[std::size_t(r)] = -2; }
};

int HeightOf(int realRow) { return 16 + realRow % 7; }
int WidthOf(int realCol) { return 30 + 5 * realCol; }
QString TextOf(int c, int r) { return QString("%1:%2").arg(c).arg(r); }

class StringGridHiddenTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = std::make_unique<TExStringGrid>(nullptr);
        Grid->SetColCount(RealCols);
        Grid->SetRowCount(RealRows);
        Grid->MouseActions()->SetDisjunctRowSelect(true);
        Grid->MouseActions()->SetRowSelectPersistent(true);
        for (int c = 0; c < RealCols; ++c) Grid->SetColWidths(c, WidthOf(c));
        for (int r = 0; r < RealRows; ++r) {
            Grid->SetRowHeights(r, HeightOf(r));
            for (int c = 0; c < RealCols; ++c) Grid->SetGridCell(c, r, TextOf(c, r));
        }
        // Cells with properties (the grid's own objects), among them a merged area.
        Grid->MergeCells(2, 5, 2, 3);
        for (int r = 0; r < RealRows; r += 3) Grid->CellProperties(7, r)->SetBrushColor(0x102030);
        for (int r = 0; r < RealRows; ++r)
            for (int c = 0; c < RealCols; ++c)
                if (TObject* object = Grid->GridObjects(c, r)) Model.Objects[{c, r}] = object;
    }

    void ExpectAgrees(const std::string& step) {
        SCOPED_TRACE(step);
        const std::vector<int> rows = Model.ShownRows();
        const std::vector<int> cols = Model.ShownCols();
        ASSERT_EQ(Grid->RowCount(), int(rows.size()));
        ASSERT_EQ(Grid->NumHiddenRows(), RealRows - int(rows.size()));
        ASSERT_EQ(Grid->TotalRowCount(), RealRows);
        ASSERT_EQ(Grid->ColCount(), int(cols.size()));
        ASSERT_EQ(Grid->NumHiddenColumns(), RealCols - int(cols.size()));
        ASSERT_EQ(Grid->TotalColCount(), RealCols);
        for (int d = 0; d < int(cols.size()); ++d) {
            ASSERT_EQ(Grid->RealColIndex(d), cols[std::size_t(d)]) << "displayed column " << d;
            ASSERT_EQ(Grid->ColWidths(d), WidthOf(cols[std::size_t(d)])) << "displayed column " << d;
        }
        for (int c = 0; c < RealCols; ++c) {
            ASSERT_EQ(Grid->IsHiddenColumn(c), bool(Model.ColHidden[std::size_t(c)])) << "column " << c;
            ASSERT_EQ(Grid->AllColWidths(c), WidthOf(c)) << "column " << c;
            if (!Model.ColHidden[std::size_t(c)])
                ASSERT_EQ(Grid->RealColIndex(Grid->DisplColIndex(c)), c) << "column " << c;
        }
        for (int d = 0; d < int(rows.size()); ++d) {
            const int r = rows[std::size_t(d)];
            ASSERT_EQ(Grid->RealRowIndex(d), r) << "displayed row " << d;
            ASSERT_EQ(Grid->DisplRowIndex(r), d) << "row " << r;
            ASSERT_EQ(Grid->RowHeights(d), HeightOf(r)) << "row " << r;
        }
        for (int r = 0; r < RealRows; ++r) {
            ASSERT_EQ(Grid->IsHiddenRow(r), !Model.RowShown(r)) << "row " << r;
            for (int c = 0; c < RealCols; ++c) {
                ASSERT_EQ(Grid->AllGridCells(c, r), TextOf(c, r)) << c << "," << r;
                const auto object = Model.Objects.find({c, r});
                ASSERT_EQ(Grid->GetAllGridObject(c, r), object == Model.Objects.end() ? nullptr : object->second)
                    << c << "," << r;
                if (Model.RowShown(r)) ASSERT_EQ(Grid->GridCells(c, Grid->DisplRowIndex(r)), TextOf(c, r));
            }
        }
        ASSERT_TRUE(MergeIndexIsConsistent(*Grid));
    }

    std::unique_ptr<TExStringGrid> Grid;
    HidingModel Model;
};

TEST_F(StringGridHiddenTest, RandomHidingAndShowingAgreesWithTheModel) {
    std::mt19937 random(2024);
    auto pick = [&](int limit) { return int(random() % unsigned(limit)); };
    ExpectAgrees("start");
    for (int step = 0; step < 600; ++step) {
        const int a = pick(RealRows);
        const int b = std::min(RealRows - 1, a + pick(6));
        std::string name;
        switch (pick(11)) {
        case 0: {
            name = "HideRows";
            Grid->HideRows(a, b);
            std::vector<int> displayed;
            const std::vector<int> shown = Model.ShownRows();
            for (std::size_t d = 0; d < shown.size(); ++d)
                if (shown[d] >= a && shown[d] <= b) displayed.push_back(int(d));
            Model.HoldOut(displayed, NotFiltered);
            break;
        }
        case 1: {
            name = "HideRowsEx";
            Grid->HideRowsEx(a, b);
            if (!Model.RowShown(a)) break;
            const std::vector<int> shown = Model.ShownRows();
            const int first = int(std::find(shown.begin(), shown.end(), a) - shown.begin());
            std::vector<int> displayed;
            for (int d = first; d < int(shown.size()) && d <= first + (b - a); ++d) displayed.push_back(d);
            Model.HoldOut(displayed, NotFiltered);
            break;
        }
        case 2: {
            name = "UnHideRows";
            Grid->UnHideRows(a, b);
            if (Model.RowShown(a)) break;
            for (int r = a; r <= b; ++r) Model.Show(r);
            break;
        }
        case 3: {
            name = "HideRowList";
            TIntList list(0, 0);
            std::vector<int> displayed;
            for (int d = 0; d < Grid->RowCount(); ++d)
                if (pick(4) == 0) {
                    list.Add(d);
                    displayed.push_back(d);
                }
            Grid->HideRowList(list);
            Model.HoldOut(displayed, Model.FilterLevel++);
            break;
        }
        case 4: {
            name = "UnHideRowList";
            Grid->UnHideRowList();
            for (int r = 0; r < RealRows; ++r)
                if (Model.FilterLevel > 0 && Model.RowLevel[std::size_t(r)] == Model.FilterLevel - 1) Model.Show(r);
            break;
        }
        case 5: {
            name = "select and HideSelectedRows or HideUnSelectedRows";
            for (int r = 0; r < RealRows; ++r)
                if (pick(3) == 0) {
                    const bool value = pick(2) == 0;
                    Grid->SetRowSelect(r, value);
                    Model.Selected[std::size_t(r)] = value;
                }
            const bool selected = pick(2) == 0;
            if (selected)
                Grid->HideSelectedRows();
            else
                Grid->HideUnSelectedRows();
            std::vector<int> displayed;
            const std::vector<int> shown = Model.ShownRows();
            for (std::size_t d = std::size_t(Grid->FixedRows()); d < shown.size(); ++d)
                if (Model.Selected[std::size_t(shown[d])] == selected) displayed.push_back(int(d));
            Model.HoldOut(displayed, NotFiltered);
            break;
        }
        case 6:
            name = "UnHideRowsAll";
            if (pick(3) != 0) continue;
            Grid->UnHideRowsAll();
            for (int r = 0; r < RealRows; ++r) Model.Show(r);
            break;
        case 7: {
            name = "HideColumns";
            const int from = pick(RealCols + 1) - 1;
            const int to = from + pick(3);
            Grid->HideColumns(from, to);
            for (int c = std::max(0, from); c <= std::min(to, RealCols - 1); ++c)
                if (int(Model.ShownCols().size()) > 1) Model.ColHidden[std::size_t(c)] = true;
            break;
        }
        case 8: {
            name = "UnHideColumns";
            const int from = pick(RealCols);
            const int to = from + pick(3);
            Grid->UnHideColumns(from, to);
            for (int c = from; c <= std::min(to, RealCols - 1); ++c) Model.ColHidden[std::size_t(c)] = false;
            break;
        }
        case 9:
            name = "UnHideColumnsAll";
            if (pick(4) != 0) continue;
            Grid->UnHideColumnsAll();
            std::fill(Model.ColHidden.begin(), Model.ColHidden.end(), false);
            break;
        default:
            name = "HideRow / UnHideRow";
            if (Model.RowShown(a)) {
                Grid->HideRow(a);
                const std::vector<int> shown = Model.ShownRows();
                Model.HoldOut({int(std::find(shown.begin(), shown.end(), a) - shown.begin())}, NotFiltered);
            } else {
                Grid->UnHideRow(a);
                Model.Show(a);
            }
        }
        ExpectAgrees("step " + std::to_string(step) + " " + name + " " + std::to_string(a) + ".." + std::to_string(b));
        if (HasFatalFailure()) return;
    }
}

TEST_F(StringGridHiddenTest, StrayIndexesAnswerQuietly) {
    const int largest = std::numeric_limits<int>::max();
    Grid->HideRows(3, 4);
    Grid->HideRows(-5, -1);
    Grid->HideRowsEx(-2, 3);
    Grid->UnHideRows(largest, 0);
    Grid->HideColumns(-3, -1);
    Grid->UnHideColumns(600, largest);
    EXPECT_TRUE(Grid->AllCells(-1, 3).isEmpty());
    EXPECT_EQ(Grid->AllObjects(2, -1), nullptr);
    Grid->SetAllCells(-1, -1, "x");
    Grid->SetAllGridCells(2, -7, "x");
    EXPECT_EQ(Grid->AllColWidths(-1), 0);
    Grid->SetAllColWidths(-1, 10);
    EXPECT_EQ(Grid->AllGridCells(2, 3), TextOf(2, 3));
    Grid->UnHideRows(3, largest);  // puts back what the first call held out
    ExpectAgrees("stray indexes");
}

TEST(StringGridHiddenFixture, HeldOutCellsAreReadByRealRowAndComeBackInPlace) {
    StringGridFixture grid;
    EXPECT_EQ(grid.AllCells(2, 4), "2,4");  // a hidden column of a held-out row
    EXPECT_EQ(grid.AllCells(5, 6), "5,6");
    EXPECT_EQ(grid.AllCells(4, 3), "3,2");  // inside the merged area: its base cell's text
    grid.UnHideRowsAll();
    grid.UnHideColumnsAll();
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 8; ++r) EXPECT_EQ(grid.GridCells(c, r), QString("%1,%2").arg(c).arg(r));
    EXPECT_TRUE(MergeIndexIsConsistent(grid));
}

}  // namespace
