// Grouping by one column: header node rows over runs of equal values, optional summary
// rows, the grouped column kept aside and restored by UnGroup.
#include "grid/core/string_grid.h"

#include <utility>
#include <vector>

#include "grid/core/grid_feature_settings.h"
#include "grid/core/node_settings.h"

namespace {
TColor GroupRowColor(TColor Setting) { return ColorToRGB(Setting); }
}  // namespace

void TExStringGrid::SetGroupColumn(int Value) {
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TExStringGrid::ColorGroupRow(int ARow, bool Header) {
    const TColor color = Header ? FGrouping->HeaderColor : FGrouping->SummaryColor;
    const TColor colorTo = Header ? FGrouping->HeaderColorTo : FGrouping->SummaryColorTo;
    const TColor fontColor = Header ? FGrouping->HeaderTextColor : FGrouping->SummaryTextColor;
    if (color != clNone) SetRowColor(ARow, GroupRowColor(color));
    if (colorTo != clNone) SetRowColorTo(ARow, GroupRowColor(colorTo));
    if (fontColor != clNone) SetRowFontColor(ARow, GroupRowColor(fontColor));
}

void TExStringGrid::UncolorGroupRow(int ARow, bool Header) {
    if ((Header ? FGrouping->HeaderColor : FGrouping->SummaryColor) != clNone) SetRowColor(ARow, clNone);
    if ((Header ? FGrouping->HeaderColorTo : FGrouping->SummaryColorTo) != clNone) SetRowColorTo(ARow, clNone);
    if ((Header ? FGrouping->HeaderTextColor : FGrouping->SummaryTextColor) != clNone) SetRowFontColor(ARow, clNone);
}

void TExStringGrid::MergeGroupRow(int ACol, int ARow, bool Header) {
    if (ACol >= ColCount()) return;
    MergeCells(ACol, ARow, ColCount() - ACol, 1);
    const TColor color = Header ? FGrouping->HeaderColor : FGrouping->SummaryColor;
    const TColor colorTo = Header ? FGrouping->HeaderColorTo : FGrouping->SummaryColorTo;
    const TColor fontColor = Header ? FGrouping->HeaderTextColor : FGrouping->SummaryTextColor;
    if (color != clNone) SetColors(ACol, ARow, GroupRowColor(color));
    if (colorTo != clNone) SetColorsTo(ACol, ARow, GroupRowColor(colorTo));
    if (fontColor != clNone) SetFontColors(ACol, ARow, GroupRowColor(fontColor));
}

void TExStringGrid::InsertSummaryRow(int ARow) {
    InsertRows(ARow, 1, true);
    AddSummaryRow(RealRowIndex(ARow));
    if (!(FGrouping->MergeSummary && FGrouping->Summary)) ColorGroupRow(ARow, false);
}

// The keys are read and the column removed before any row is inserted, so a grid without
// fixed columns can group by column 0: the header nodes then live in the column that
// follows it.
void TExStringGrid::Group(int Colindex) {
    if (Colindex < FixedCols() || Colindex >= TotalColCount()) return;
    if (FGroupColumn != -1) UnGroup();
    const int firstRow = FixedRows();
    if (RowCount() - FixedFooters() <= firstRow) return;

    BeginUpdate();
    FIsGrouping = true;
    FGroupColumn = Colindex;
    FGroupWidth = AllColWidths(Colindex);
    FGroupCaption = FixedRows() > 0 ? AllCells(Colindex, 0) : QString();
    FGroupFooter = FixedFooters() > 0 ? AllCells(Colindex, RowCount() - 1) : QString();
    if (FSortSettings->AutoSortForGrouping) {
        FSortSettings->Column = Colindex;
        QSort();
    }

    std::vector<QString> keys;
    keys.reserve(std::size_t(RowCount() - FixedFooters() - firstRow));
    for (int r = firstRow; r < RowCount() - FixedFooters(); ++r) keys.push_back(AllCells(Colindex, r));
    RemoveCols(Colindex, 1);

    const bool summary = FGrouping->Summary;
    FGroupSummaries = summary;
    const int captionCol = Colindex == 0 ? 0 : 1;
    std::vector<std::pair<int, int>> headers;  // row and span of every group
    int r = firstRow;
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t end = i + 1;
        while (end < keys.size() && keys[end] == keys[i]) ++end;
        if (i > 0 && summary) InsertSummaryRow(r++);
        InsertRows(r, 1, true);
        SetAllCells(captionCol, r, keys[i]);
        if (!FGrouping->MergeHeader) ColorGroupRow(r, true);
        const int span = int(end - i) + 1;
        headers.emplace_back(r, span);
        r += span;
        i = end;
    }
    if (summary) InsertSummaryRow(r);
    for (const auto& [row, span] : headers) AddNode(RealRowIndex(row), span);

    const bool mergeSummary = FGrouping->MergeSummary && summary;
    if (FGrouping->MergeHeader || mergeSummary) {
        for (int b = firstRow; b < RowCount() - FixedFooters(); ++b) {
            if (IsNode(b)) {
                if (FGrouping->MergeHeader) MergeGroupRow(1, b, true);
            } else if (mergeSummary && IsSummary(b)) {
                MergeGroupRow(1, b, false);
            }
        }
    }

    if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    SetRow(FixedRows());
    FIsGrouping = false;
    EndUpdate();
}

// Every header and every summary row Group made go in one removal; the values collected
// from the headers then go into the restored column in one pass.
void TExStringGrid::UnGroup() {
    if (FGroupColumn < 0) return;
    const bool expandOne = FCellNode->ExpandOne();
    FCellNode->SetExpandOne(false);
    ExpandAll();
    BeginUpdate();
    FIsGrouping = true;

    const int captionCol = FGroupColumn == 0 ? 0 : 1;
    std::vector<QString> values;
    std::vector<int> groupRows;
    QString value;
    for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
        if (IsNode(r)) {
            value = AllCells(captionCol, r);
            RemoveNode(RealRowIndex(r));
            if (FGrouping->MergeHeader) SplitCells(1, r);
            groupRows.push_back(r);
        } else if (FGroupSummaries && IsSummary(r)) {
            if (FGrouping->MergeSummary) SplitCells(1, r);
            groupRows.push_back(r);
        } else {
            values.push_back(value);
        }
    }
    RemoveRowsFound(groupRows, true, true);

    InsertCols(FGroupColumn, 1);
    SetAllColWidths(FGroupColumn, FGroupWidth);
    if (FixedRows() > 0) SetAllCells(FGroupColumn, 0, FGroupCaption);
    if (FixedFooters() > 0) SetAllCells(FGroupColumn, RowCount() - 1, FGroupFooter);
    for (std::size_t i = 0; i < values.size(); ++i) SetAllCells(FGroupColumn, FixedRows() + int(i), values[i]);

    FIsGrouping = false;
    FGroupColumn = -1;
    FGroupSummaries = false;
    FCellNode->SetExpandOne(expandOne);
    EndUpdate();
    InvalidateGrid();
}
