// Group calculations: a column's sum, average, extremes, count and the like per group.
#include "grid/core/string_grid.h"

#include "grid/core/grid_feature_settings.h"

void TExStringGrid::GroupCalc(int Colindex, int Method) {
    for (int r = FixedRows(); r < RowCount();) {
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        int span = GetNodeSpan(r);
        if (span <= 0) span = NextNodeRow(r) - r;
        const int target = FGrouping->Summary ? r + span : r;
        const int fromRow = r + 1;
        const int toRow = r + span - 1;
        r += span;
        if (target >= RowCount()) continue;
        if (Method == 5) {
            SetInts(Colindex, target, span - 1);
            continue;
        }
        // An empty group has no value to average or compare.
        if (toRow < fromRow) continue;
        double result = 0;
        switch (Method) {
        case 1: result = ColumnSum(Colindex, fromRow, toRow); break;
        case 2: result = ColumnAvg(Colindex, fromRow, toRow); break;
        case 3: result = ColumnMin(Colindex, fromRow, toRow); break;
        case 4: result = ColumnMax(Colindex, fromRow, toRow); break;
        case 6:
            if (OnGroupCalc) OnGroupCalc(this, Colindex, fromRow, toRow, result);
            break;
        case 7: result = ColumnDistinct(Colindex, fromRow, toRow); break;
        case 8: result = ColumnStdDev(Colindex, fromRow, toRow); break;
        default: continue;
        }
        SetFloats(Colindex, target, result);
    }
}
