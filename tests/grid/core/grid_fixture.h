#pragma once
// The shared small grid that exposes most index mistakes: one fixed row and column,
// 3 x 3 normal cells, a hidden column (real column 4, kept beyond ColCount) and one
// merged area of 2 x 2 cells with its base at (2, 2). Every cell holds "c,r".

#include "grid/core/base_grid.h"
#include "grid/core/string_grid.h"

#include <QString>
#include <vector>

// True when the merged areas of a grid are whole and agree with its merge count: every
// cell of an area points at a base cell whose spans cover it, and every base cell's
// area consists of cells that point back at it. Call it after every merge, split,
// insert, remove and move.
inline bool MergeIndexIsConsistent(TBaseGrid& grid) {
    int areas = 0;
    for (int c = 0; c < grid.TotalColCount(); ++c) {
        for (int r = 0; r < grid.RowCount(); ++r) {
            if (!grid.CellPropsAssigned(c, r)) continue;
            TCellProperties* props = grid.CellProperties(c, r);
            if (props->CellSpanX() == -1 && props->CellSpanY() == -1) {
                if (!props->IsBaseCell()) return false;
                continue;
            }
            const TPoint base = grid.BaseCell(c, r);
            if (!grid.CellPropsAssigned(base.X, base.Y)) return false;
            TCellProperties* baseProps = grid.CellProperties(base.X, base.Y);
            if (!baseProps->IsBaseCell()) return false;
            if (c > base.X + baseProps->CellSpanX() || r > base.Y + baseProps->CellSpanY()) return false;
            if (props->IsBaseCell()) {
                ++areas;
                for (int i = c; i <= c + props->CellSpanX(); ++i)
                    for (int j = r; j <= r + props->CellSpanY(); ++j)
                        if (!(grid.BaseCell(i, j) == TPoint{c, r})) return false;
            }
        }
    }
    return areas == grid.MergeCount();
}

class FixtureGrid : public TBaseGrid {
public:
    static constexpr int HiddenCol = 4;

    FixtureGrid() : TBaseGrid(nullptr) {
        SetColCount(4);
        SetRowCount(4);
        SetDefaultColWidth(40);
        SetDefaultRowHeight(20);
        SetColor(clWhite);
        for (int c = 0; c <= HiddenCol; ++c)
            for (int r = 0; r < 4; ++r) SetGridCell(c, r, QString("%1,%2").arg(c).arg(r));
        MergeCells(2, 2, 2, 2);
        Changed.clear();
    }

    int TotalColCount() const override { return ColCount() + 1; }
    void CellChanged(int ACol, int ARow) override { Changed.push_back({ACol, ARow}); }

    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FNormalRowCount;

    std::vector<TPoint> Changed;
};

// The string grid form of the fixture: one fixed row and column, real columns 0..5 with
// real column 2 hidden between displayed ones, real rows 0..7 with rows 4 and 6 held out,
// and a merged area of 2 x 2 cells with its base at real column 3 (displayed 2), row 2.
// Every cell holds "c,r" of its real column and real row. Displayed: 5 x 6 cells.
class StringGridFixture : public TExStringGrid {
public:
    static constexpr int HiddenCol = 2;
    static constexpr int HeldOutRows[2] = {4, 6};

    StringGridFixture() : TExStringGrid(nullptr) {
        SetColCount(6);
        SetRowCount(8);
        SetDefaultColWidth(40);
        SetDefaultRowHeight(20);
        SetColor(clWhite);
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 8; ++r) SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        MergeCells(3, 2, 2, 2);
        HideColumn(HiddenCol);
        HideRow(6);
        HideRow(4);
    }
};
