// Inserting, removing, moving, swapping and clearing rows and columns of the string grid.
// Every operation runs on the shared fixture (a hidden column between displayed ones,
// held-out rows, a merged area, cell objects in shown and hidden columns, modified
// flags, rows of different heights) and on a plain model of real rows; after each step
// the grid must agree with the model and its merged areas must be whole.

#include "grid/core/string_grid.h"
#include "grid_fixture.h"
#include "platform/standard_controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct ModelRow {
    std::vector<QString> Texts;
    std::vector<TObject*> Objects;
    int Height = 0;  // displayed rows only
    bool Held = false;
    bool Modified = false;  // displayed rows only
    friend bool operator==(const ModelRow&, const ModelRow&) = default;
};

// The grid as plain lists, by real row and real column.
struct Model {
    std::vector<ModelRow> Rows;
    std::vector<bool> Hidden;
    std::vector<int> Widths;
    friend bool operator==(const Model&, const Model&) = default;

    // The model index of displayed row d (the end for one past the last shown row).
    std::size_t Shown(int d) const {
        int seen = 0;
        for (std::size_t i = 0; i < Rows.size(); ++i)
            if (!Rows[i].Held && seen++ == d) return i;
        return Rows.size();
    }
    int ShownCount() const {
        int n = 0;
        for (const ModelRow& row : Rows) n += row.Held ? 0 : 1;
        return n;
    }
    ModelRow EmptyRow(int height) const {
        ModelRow row;
        row.Texts.assign(Hidden.size(), QString());
        row.Objects.assign(Hidden.size(), nullptr);
        row.Height = height;
        return row;
    }
    void InsertRows(int d, int n, int height) {
        const std::size_t at = Shown(d);
        Rows.insert(Rows.begin() + std::ptrdiff_t(at), std::size_t(n), EmptyRow(height));
    }
    std::vector<ModelRow> TakeShown(int d, int n) {
        std::vector<ModelRow> taken;
        for (int i = 0; i < n; ++i) {
            const std::size_t at = Shown(d);
            taken.push_back(Rows[at]);
            Rows.erase(Rows.begin() + std::ptrdiff_t(at));
        }
        return taken;
    }
    void MoveRows(int from, int to, int n) {
        std::vector<int> heights;
        for (const ModelRow& row : Rows)
            if (!row.Held) heights.push_back(row.Height);
        if (from + n < to) to -= n;
        std::vector<ModelRow> moved = TakeShown(from, n);
        Rows.insert(Rows.begin() + std::ptrdiff_t(Shown(to)), moved.begin(), moved.end());
        // Every displayed position keeps its height.
        std::size_t k = 0;
        for (ModelRow& row : Rows)
            if (!row.Held) row.Height = heights[k++];
    }
    void SwapRows(int a, int b) { std::swap(Rows[Shown(a)], Rows[Shown(b)]); }
    void InsertCols(int c, int n, int width) {
        for (ModelRow& row : Rows) {
            row.Texts.insert(row.Texts.begin() + c, std::size_t(n), QString());
            row.Objects.insert(row.Objects.begin() + c, std::size_t(n), nullptr);
        }
        Hidden.insert(Hidden.begin() + c, std::size_t(n), false);
        Widths.insert(Widths.begin() + c, std::size_t(n), width);
    }
    void RemoveCols(int c, int n) {
        for (ModelRow& row : Rows) {
            row.Texts.erase(row.Texts.begin() + c, row.Texts.begin() + c + n);
            row.Objects.erase(row.Objects.begin() + c, row.Objects.begin() + c + n);
        }
        Hidden.erase(Hidden.begin() + c, Hidden.begin() + c + n);
        Widths.erase(Widths.begin() + c, Widths.begin() + c + n);
    }
    void SwapCols(int a, int b) {
        for (ModelRow& row : Rows) {
            std::swap(row.Texts[std::size_t(a)], row.Texts[std::size_t(b)]);
            std::swap(row.Objects[std::size_t(a)], row.Objects[std::size_t(b)]);
        }
        std::swap(Widths[std::size_t(a)], Widths[std::size_t(b)]);
    }
    void ClearRect(int c1, int r1, int c2, int r2) {
        for (int r = r1; r <= r2; ++r) {
            ModelRow& row = Rows[Shown(r)];
            for (int c = c1; c <= c2; ++c) {
                row.Texts[std::size_t(c)].clear();
                row.Objects[std::size_t(c)] = nullptr;
            }
        }
    }
};

Model Snapshot(StringGridFixture& grid) {
    Model model;
    for (int c = 0; c < grid.TotalColCount(); ++c) {
        model.Hidden.push_back(grid.IsHiddenColumn(c));
        model.Widths.push_back(grid.AllColWidths(c));
    }
    for (int r = 0; r < grid.TotalRowCount(); ++r) {
        ModelRow row;
        row.Held = grid.IsHiddenRow(r);
        for (int c = 0; c < grid.TotalColCount(); ++c) {
            row.Texts.push_back(grid.AllGridCells(c, r));
            row.Objects.push_back(grid.GetAllGridObject(c, r));
        }
        if (!row.Held) {
            const int d = grid.DisplRowIndex(r);
            row.Height = grid.RowHeights(d);
            row.Modified = grid.GetRowModified(d);
        }
        model.Rows.push_back(row);
    }
    return model;
}

std::string Describe(const Model& model) {
    std::string out;
    for (const ModelRow& row : model.Rows) {
        out += row.Held ? "held " : "     ";
        out += std::to_string(row.Height) + (row.Modified ? " M " : "   ");
        for (std::size_t c = 0; c < row.Texts.size(); ++c)
            out += row.Texts[c].toStdString() + (row.Objects[c] ? "* " : "  ");
        out += "\n";
    }
    return out;
}

// The fixture with objects in a shown and a hidden column, different heights and
// modified flags on every third displayed row, and its model.
struct PreparedGrid {
    StringGridFixture grid;
    Model model;

    PreparedGrid() {
        grid.ShowModified()->Enabled = true;
        grid.SetColors(1, 1, clRed);
        grid.SetColors(StringGridFixture::HiddenCol, 5, clBlue);  // hidden column, shown row 5
        grid.SetColors(5, 4, clGreen);
        for (int d = 0; d < grid.RowCount(); ++d) {
            grid.SetRowHeights(d, 20 + d);
            if (d % 3 == 1) grid.SetRowModified(d, true);
        }
        model = Snapshot(grid);
    }

    void ExpectAgrees(const char* step) {
        const Model actual = Snapshot(grid);
        EXPECT_TRUE(actual == model) << step << "\ngrid:\n" << Describe(actual) << "model:\n" << Describe(model);
        EXPECT_TRUE(MergeIndexIsConsistent(grid)) << step;
        EXPECT_EQ(grid.RowCount(), model.ShownCount()) << step;
    }

    // After everything, the held-out rows come back at their place.
    void ExpectHeldRowsComeBack() {
        grid.UnHideRowsAll();
        ASSERT_EQ(grid.RowCount(), int(model.Rows.size()));
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.TotalColCount(); ++c)
                EXPECT_EQ(grid.GridCells(c, r), model.Rows[std::size_t(r)].Texts[std::size_t(c)]) << c << "," << r;
    }
};

struct Step {
    const char* Name;
    std::function<void(TExStringGrid&)> OnGrid;
    std::function<void(Model&, int DefaultHeight, int DefaultWidth)> OnModel;
};

// Displayed rows of the fixture: real 0 1 2 3 5 7 (4 and 6 held out); merged area at
// real column 3, real rows 2..3. Real columns 0..5 with 2 hidden.
const std::vector<std::vector<Step>> Sequences = {
    {{"insert 2 rows at 3", [](TExStringGrid& g) { g.InsertRows(3, 2); },
      [](Model& m, int h, int) { m.InsertRows(3, 2, h); }},
     {"remove 2 rows at 4 (just inserted one and real 3)", [](TExStringGrid& g) { g.RemoveRows(4, 2); },
      [](Model& m, int, int) { m.TakeShown(4, 2); }}},
    {{"remove the block around held-out row 4", [](TExStringGrid& g) { g.RemoveRows(3, 2); },
      [](Model& m, int, int) { m.TakeShown(3, 2); }}},
    {{"remove beyond the end cuts the count", [](TExStringGrid& g) { g.RemoveRows(4, 50); },
      [](Model& m, int, int) { m.TakeShown(4, 2); }}},
    {{"ClearRowObjects around the held-out row", [](TExStringGrid& g) { g.ClearRowObjects(3, 2); },
      [](Model& m, int, int) { m.TakeShown(3, 2); }}},
    {{"RemoveRowsEx leaves every position its height", [](TExStringGrid& g) { g.RemoveRowsEx(1, 2); },
      [](Model& m, int, int) {
          std::vector<int> heights;
          for (const ModelRow& row : m.Rows)
              if (!row.Held) heights.push_back(row.Height);
          m.TakeShown(1, 2);
          std::size_t k = 0;
          for (ModelRow& row : m.Rows)
              if (!row.Held) row.Height = heights[k++];
      }}},
    {{"remove rows through the merged area", [](TExStringGrid& g) { g.RemoveRows(3, 1); },
      [](Model& m, int, int) { m.TakeShown(3, 1); }}},
    {{"move rows 1..2 down past the held-out rows", [](TExStringGrid& g) { g.MoveRows(1, 6, 2); },
      [](Model& m, int, int) { m.MoveRows(1, 6, 2); }}},
    {{"move row 5 up to 1", [](TExStringGrid& g) { g.MoveRows(5, 1, 1); },
      [](Model& m, int, int) { m.MoveRows(5, 1, 1); }}},
    {{"move the merged rows", [](TExStringGrid& g) { g.MoveRows(2, 5, 2); },
      [](Model& m, int, int) { m.MoveRows(2, 5, 2); }}},
    {{"swap rows 1 and 4", [](TExStringGrid& g) { g.SwapRows(1, 4); },
      [](Model& m, int, int) { m.SwapRows(1, 4); }}},
    {{"swap rows through the merged area", [](TExStringGrid& g) { g.SwapRows(2, 5); },
      [](Model& m, int, int) { m.SwapRows(2, 5); }}},
    {{"insert a column before the hidden one", [](TExStringGrid& g) { g.InsertCols(1, 1); },
      [](Model& m, int, int w) { m.InsertCols(1, 1, w); }},
     {"insert two columns after it", [](TExStringGrid& g) { g.InsertCols(4, 2); },
      [](Model& m, int, int w) { m.InsertCols(4, 2, w); }}},
    {{"remove a shown column", [](TExStringGrid& g) { g.RemoveCols(1, 1); },
      [](Model& m, int, int) { m.RemoveCols(1, 1); }}},
    {{"remove columns over the hidden one and the merged area", [](TExStringGrid& g) { g.RemoveCols(2, 2); },
      [](Model& m, int, int) { m.RemoveCols(2, 2); }}},
    {{"remove columns beyond the end cuts the count", [](TExStringGrid& g) { g.RemoveCols(4, 10); },
      [](Model& m, int, int) { m.RemoveCols(4, 2); }}},
    {{"swap a shown and the hidden column", [](TExStringGrid& g) { g.SwapColumns(1, 2); },
      [](Model& m, int, int) { m.SwapCols(1, 2); }}},
    {{"clear a rectangle over the merged area and the hidden column", [](TExStringGrid& g) { g.ClearRect(1, 1, 3, 2); },
      [](Model& m, int, int) { m.ClearRect(1, 1, 3, 2); }}},
    {{"clear rows", [](TExStringGrid& g) { g.ClearRows(4, 2); },
      [](Model& m, int, int) { m.ClearRect(0, 4, 5, 5); }}},
    {{"clear everything shown, hidden column included", [](TExStringGrid& g) { g.Clear(); },
      [](Model& m, int, int) { m.ClearRect(0, 0, 5, m.ShownCount() - 1); }}},
};

TEST(StringGridStructure, EveryOperationAgreesWithThePlainModel) {
    for (const std::vector<Step>& sequence : Sequences) {
        SCOPED_TRACE(sequence.front().Name);
        PreparedGrid p;
        ASSERT_TRUE(MergeIndexIsConsistent(p.grid));
        for (const Step& step : sequence) {
            step.OnGrid(p.grid);
            step.OnModel(p.model, p.grid.DefaultRowHeight(), p.grid.DefaultColWidth());
            p.ExpectAgrees(step.Name);
        }
        p.ExpectHeldRowsComeBack();
    }
}

TEST(StringGridStructure, InsertRowsShiftsRowsWithHeightsAndProperties) {
    TExStringGrid g(nullptr);
    g.SetRowCount(10);
    g.SetDefaultRowHeight(20);
    for (int r = 0; r < 10; ++r) g.SetRowHeights(r, 20);
    g.SetRowHeights(2, 40);
    g.SetCells(1, 2, "old 2");
    g.SetColors(1, 2, clRed);
    TObject* props = g.GridObjects(1, 2);
    g.InsertRows(2, 3);
    EXPECT_EQ(g.RowCount(), 13);
    for (int r = 2; r <= 4; ++r) {
        EXPECT_EQ(g.Cells(1, r), "");
        EXPECT_EQ(g.GridObjects(1, r), nullptr);
        EXPECT_EQ(g.RowHeights(r), 20);
    }
    EXPECT_EQ(g.Cells(1, 5), "old 2");
    EXPECT_EQ(g.RowHeights(5), 40);
    EXPECT_EQ(g.GridObjects(1, 5), props);
}

TEST(StringGridStructure, RemoveRowsRenumbersHeldOutRowsAndModifiedFlags) {
    TExStringGrid g(nullptr);
    g.SetRowCount(12);
    for (int r = 0; r < 12; ++r) g.SetCells(0, r, QString::number(r));
    g.ShowModified()->Enabled = true;
    for (int r = 0; r < 10; ++r) g.SetRowModified(r, r == 3 || r == 5);
    g.HideRow(9);
    g.HideRow(7);
    g.RemoveRows(3, 2);
    EXPECT_TRUE(g.IsHiddenRow(5));
    EXPECT_TRUE(g.IsHiddenRow(7));
    EXPECT_EQ(g.AllCells(0, 5), "7");
    EXPECT_EQ(g.AllCells(0, 7), "9");
    EXPECT_TRUE(g.GetRowModified(3));  // rows 3 and 4 and their entries went; old row 5 is row 3
    EXPECT_EQ(g.ModifiedRowCount(), 1);
}

TEST(StringGridStructure, RemovingTheCurrentLastRowMovesToTheNewLastRow) {
    TExStringGrid g(nullptr);
    g.SetRowCount(6);
    g.SetRow(5);
    g.RemoveRows(5, 1);
    EXPECT_EQ(g.Row(), 4);
    g.RemoveRows(1, 4);  // cut to what exists; the fixed row stays
    EXPECT_EQ(g.RowCount(), 1);
}

TEST(StringGridStructure, InsertColsKeepsAHiddenColumnHiddenWithItsWidth) {
    TExStringGrid g(nullptr);
    g.SetColCount(6);
    g.SetColWidths(3, 77);
    g.SetCells(3, 1, "three");
    g.HideColumn(3);
    g.InsertCols(1, 1);
    EXPECT_TRUE(g.IsHiddenColumn(4));
    EXPECT_FALSE(g.IsHiddenColumn(3));
    EXPECT_EQ(g.Cells(4, 1), "three");
    EXPECT_EQ(g.ColCount(), 6);
    g.UnHideColumn(4);
    EXPECT_EQ(g.ColWidths(g.DisplColIndex(4)), 77);
}

TEST(StringGridStructure, RemoveColsOverAHiddenColumnLowersBothCounts) {
    TExStringGrid g(nullptr);
    g.SetColCount(6);
    g.HideColumn(3);
    g.RemoveCols(2, 3);  // shown 2, hidden 3, shown 4
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
}

TEST(StringGridStructure, RemoveRowsHidesAndDropsControlsOfRemovedRows) {
    TExStringGrid g(nullptr);
    g.SetRowCount(8);
    TPanel inRemoved(nullptr);
    TPanel below(nullptr);
    g.SetCellControls(1, 3, &inRemoved);
    g.SetCellControls(1, 6, &below);
    g.RemoveRows(2, 2);
    ASSERT_EQ(g.ControlList()->Count(), 1);
    EXPECT_EQ(g.ControlList()->Control(0)->Control(), &below);
    EXPECT_EQ(g.ControlList()->Control(0)->Y(), 4);
    EXPECT_FALSE(inRemoved.Visible());
}

TEST(StringGridStructure, ClearRectTakesRealColumnsAndNotesNoPropertiesOnlyWhenFreed) {
    PreparedGrid p;
    StringGridFixture& grid = p.grid;
    grid.SetClearTextOnly(true);
    grid.ClearRect(0, 0, grid.TotalColCount() - 1, grid.RowCount() - 1);
    EXPECT_NE(grid.GridObjects(1, 1), nullptr);  // text only: the properties stay
    EXPECT_EQ(grid.GridCells(1, 1), "");
    grid.SetColors(1, 2, clRed);
    EXPECT_EQ(grid.Colors(1, 2), clRed);  // still known to have properties
    grid.SetClearTextOnly(false);
    grid.ClearRect(StringGridFixture::HiddenCol, 5, StringGridFixture::HiddenCol, 5);
    EXPECT_EQ(grid.GridObjects(StringGridFixture::HiddenCol, 5), nullptr);  // the real column, not remapped
    EXPECT_NE(grid.GridObjects(1, 1), nullptr);
}

TEST(StringGridStructure, ClearSelectionClearsTheRealColumnsShownThere) {
    StringGridFixture grid;
    grid.SetSelection({2, 1, 2, 1});  // displayed column 2 is real column 3
    grid.ClearSelection();
    EXPECT_EQ(grid.GridCells(3, 1), "");
    EXPECT_EQ(grid.GridCells(StringGridFixture::HiddenCol, 1), "2,1");
}

TEST(StringGridStructure, RemovalsByContentAndSelection) {
    TExStringGrid g(nullptr);
    g.SetRowCount(6);
    const QStringList texts = {"h", "a", "A", "b", "a", "c"};
    for (int r = 0; r < 6; ++r) g.SetCells(1, r, texts[r]);
    g.HideRow(5);
    g.RemoveDuplicates(1, true);
    ASSERT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(1, 1), "a");
    EXPECT_EQ(g.Cells(1, 2), "b");
    g.UnHideRowsAll();
    EXPECT_EQ(g.Cells(1, 3), "c");  // the held-out row comes back after its neighbour

    TExStringGrid checks(nullptr);
    checks.SetRowCount(7);
    for (int r = 1; r < 7; ++r) {
        checks.CreateCellGraphic(1, r)->SetCellType(ctDataCheckBox);
        checks.SetCells(1, r, r % 2 ? "Y" : "N");
        checks.SetCells(2, r, QString::number(r));
    }
    checks.HideRow(4);
    checks.RemoveCheckedRows(1, true);
    ASSERT_EQ(checks.RowCount(), 3);
    EXPECT_EQ(checks.Cells(2, 1), "2");
    EXPECT_EQ(checks.Cells(2, 2), "6");
    checks.UnHideRowsAll();  // the held-out row comes back between its neighbours
    for (int r = 1; r < 4; ++r) EXPECT_EQ(checks.Cells(2, r), QString::number(2 * r));
}

TEST(StringGridStructure, MoveRowsKeepsObjectsAndLandsAtTheTarget) {
    TExStringGrid g(nullptr);
    g.SetRowCount(10);
    for (int r = 0; r < 10; ++r) g.SetCells(1, r, QString::number(r));
    g.SetColors(1, 2, clRed);
    TObject* props = g.GridObjects(1, 2);
    g.MoveRows(2, 8, 2);
    EXPECT_EQ(g.Cells(1, 6), "2");
    EXPECT_EQ(g.Cells(1, 7), "3");
    EXPECT_EQ(g.GridObjects(1, 6), props);
    EXPECT_EQ(g.Cells(1, 2), "4");
}

TEST(StringGridStructure, ColumnOrderAndHeaders) {
    TExStringGrid g(nullptr);
    g.SetColCount(5);
    for (int c = 0; c < 5; ++c) g.SetCells(c, 0, QString("h%1").arg(c));
    g.SetCells(3, 0, "Mnemonic");
    g.HideColumn(3);
    EXPECT_EQ(g.ColumnByHeader("Mnemonic"), 3);
    EXPECT_EQ(g.ColumnByHeader("mnemonic"), -1);
    g.UnHideColumnsAll();
    g.MoveColumn(1, 3);
    EXPECT_EQ(g.Cells(3, 0), "h1");
    EXPECT_EQ(g.ColumnPosition(1), 3);
    g.ResetColumnOrder();
    for (int c = 0; c < 5; ++c) EXPECT_EQ(g.Cells(c, 0), c == 3 ? "Mnemonic" : QString("h%1").arg(c));
}

TEST(StringGridStructure, TrimIsCellAndWideCells) {
    TExStringGrid g(nullptr);
    g.SetCells(1, 1, "  12 ");
    g.SetCells(2, 0, "Enabled");
    g.SetCells(3, 0, "Enable");
    g.TrimAll();
    EXPECT_EQ(g.Cells(1, 1), "12");
    int c = -1, r = -1;
    ASSERT_TRUE(g.IsCell("Enable", c, r));
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 0);
    g.SetWideCells(1, 2, QString::fromUtf8("\xe2\x82\xac"));
    EXPECT_EQ(g.Cells(1, 2), QString::fromUtf8("\xe2\x82\xac"));
}

}  // namespace

namespace {

TEST(StringGridStructure, RowChangesReportOnceAndTopRowIgnoresRowsOutside) {
    TExStringGrid g(nullptr);
    g.SetRowCount(20);
    std::vector<std::pair<int, int>> reported;
    g.OnRowUpdate = [&](TObject*, int OldRow, int NewRow) { reported.push_back({OldRow, NewRow}); };
    g.SetRow(g.Row());
    EXPECT_TRUE(reported.empty());
    g.SetRow(5);
    g.SetRow(5);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], std::make_pair(1, 5));
    // Removing the current last row moves to the new last row and reports it.
    g.SetRow(19);
    g.RemoveRows(19, 1);
    EXPECT_EQ(g.Row(), 18);
    EXPECT_EQ(reported.back(), std::make_pair(19, 18));

    const int top = g.TopRow();
    g.SetTopRow(g.RowCount());
    EXPECT_EQ(g.TopRow(), top);
    g.SetTopRow(g.FixedRows() - 1);
    EXPECT_EQ(g.TopRow(), top);
}

TEST(StringGridStructure, HideAndUnHideSelection) {
    TExStringGrid g(nullptr);
    g.SetSelection({1, 2, 3, 3});
    g.HideSelection();
    EXPECT_TRUE(g.SelectionHidden());
    EXPECT_EQ(g.Selection().Left, g.ColCount());
    g.UnHideSelection();
    EXPECT_FALSE(g.SelectionHidden());
    EXPECT_EQ(g.Selection(), (TGridRect{1, 2, 3, 3}));
}

}  // namespace

namespace {

TEST(StringGridStructure, MoveColumnRecordsTheOrderAndRenumbersControls) {
    TExStringGrid g(nullptr);
    g.SetColCount(5);
    TPanel inTwo(nullptr);
    TPanel inOne(nullptr);
    g.SetCellControls(2, 1, &inTwo);
    g.SetCellControls(1, 2, &inOne);
    g.MoveColumn(1, 3);
    ASSERT_EQ(g.ColumnOrder()->Count(), 5);
    EXPECT_EQ(g.ColumnOrder()->Items(3), 1);
    for (int i = 0; i < g.ControlList()->Count(); ++i) {
        const TControlItem* item = g.ControlList()->Control(i);
        EXPECT_EQ(item->X(), item->Control() == &inTwo ? 1 : 3);
    }
}

}  // namespace
