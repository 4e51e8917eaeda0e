#pragma once
// The shared small grid that exposes most index mistakes: one fixed row and column,
// 3 x 3 normal cells, a hidden column (real column 4, kept beyond ColCount) and one
// merged area of 2 x 2 cells with its base at (2, 2). Every cell holds "c,r".

#include "grid/core/base_grid.h"

#include <QString>
#include <vector>

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
