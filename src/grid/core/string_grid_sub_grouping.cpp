// Sub-grouping: header rows inside the existing groups for runs of equal values of a
// second column; the column stays, its values move into the sub-headers.
#include "grid/core/string_grid.h"

#include "grid/core/grid_feature_settings.h"

// The grouped column and what Group kept aside stay untouched, so UnGroup still restores
// the column Group removed.
void TExStringGrid::SubGroup(int Colindex) {
    const int k = Colindex + 1;
    if (Colindex < FixedCols() || k >= TotalColCount()) return;
    ExpandAll();
    BeginUpdate();
    auto isGroupRow = [this](int r) { return IsNode(r) || IsSummary(r); };
    auto colorHeader = [&](int r) {
        if (FGrouping->MergeHeader)
            MergeGroupRow(k, r, true);
        else
            ColorGroupRow(r, true);
    };
    auto close = [&](int header, int span) {
        AddNode(RealRowIndex(header), span);
        if (TCellGraphic* node = NodeObject(header)) node->SetCellVar(Colindex);
    };

    bool startsGroup = true;  // the next data row begins a sub-group
    QString last;
    int prev = -1;
    int r = FixedRows();
    while (r < RowCount() - FixedFooters()) {
        const QString cur = AllCells(Colindex, r);
        const bool groupRow = isGroupRow(r);
        if (startsGroup || cur != last || groupRow) {
            if (prev != -1 && !isGroupRow(prev)) close(prev, r - prev);
            if (!groupRow) {
                InsertChildRow(RealRowIndex(r), 0);
                SetAllCells(k, r, cur);
                colorHeader(r);
            }
            prev = r;
            ++r;
        }
        if (r < RowCount() - FixedFooters() && !isGroupRow(r - 1)) {
            last = AllCells(Colindex, r);
            SetAllCells(Colindex, r, QString());
            startsGroup = false;
            ++r;
        } else {
            startsGroup = true;
        }
    }
    if (prev != -1 && !isGroupRow(prev)) close(prev, r - prev);
    SetRow(FixedRows());
    EndUpdate();
}

void TExStringGrid::SubUnGroup(int Colindex) {
    ExpandAll();
    BeginUpdate();
    QString value;
    for (int r = FixedRows(); r < RowCount() - FixedFooters();) {
        if (TCellGraphic* node = NodeObject(r)) {
            if (node->CellVar().toInt() != Colindex) {
                ++r;
                continue;
            }
            value = AllCells(Colindex + 1, r);
            RemoveNode(RealRowIndex(r));
            if (FGrouping->MergeHeader)
                SplitCells(Colindex + 1, r);
            else
                UncolorGroupRow(r, true);
            RemoveChildRow(RealRowIndex(r));
        } else {
            // Summary rows never gave up a value.
            if (!IsSummary(r)) SetAllCells(Colindex, r, value);
            ++r;
        }
    }
    EndUpdate();
}
