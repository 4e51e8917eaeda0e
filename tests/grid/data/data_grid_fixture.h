#pragma once
// The shared string grid fixture with what the data features meet besides: real column 5
// holds "Y" or "N" (Y on odd real rows, held-out rows included) with a data check box on
// each shown row, ticked for Y; displayed row 1 is a node over rows 1 and 2; and a
// display hook shows column 1 with a "#" before its stored text.

#include "grid/core/grid_fixture.h"

class DataGridFixture : public StringGridFixture {
public:
    static constexpr int YesNoCol = 5;

    DataGridFixture() {
        for (int real = 1; real < TotalRowCount(); ++real)
            SetAllCells(YesNoCol, real, real % 2 ? QStringLiteral("Y") : QStringLiteral("N"));
        for (int r = 1; r < RowCount(); ++r) AddCheckBox(YesNoCol, r, Cells(YesNoCol, r) == QLatin1String("Y"), true);
        AddNode(1, 2);
        OnGetDisplText = [](TObject*, int ACol, int, QString& Value) {
            if (ACol == 1) Value.prepend(QLatin1Char('#'));
        };
    }
};
