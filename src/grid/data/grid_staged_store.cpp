// The one way a file reader changes the grid: after the whole file was read, checked
// against the cell limit, in a single step.

#include "grid/core/string_grid.h"
#include "grid/data/grid_file_staging.h"

#include <cmath>

int TExStringGrid::FileColumnToReal(int Column, bool HiddenIncluded) const {
    return HiddenIncluded ? Column : RealColIndex(Column);
}

void TExStringGrid::StoreStagedCells(const TGridFileStaging& Staging, int Columns, int Rows, bool HiddenIncluded) {
    const int hidden = HiddenIncluded ? NumHiddenColumns() : 0;
    const int visibleColumns = Columns < 0 ? ColCount() : std::max(Columns - hidden, 1);
    const int rows = Rows < 0 ? RowCount() : Rows;
    CheckGrowthWithinLimit(qint64(visibleColumns) + NumHiddenColumns(), rows);
    BeginUpdate();
    if (visibleColumns != ColCount()) SetColCount(visibleColumns);
    if (rows != RowCount()) SetRowCount(rows);
    for (const TStagedWidth& width : Staging.Widths())
        if (width.Col < ColCount()) SetColWidths(width.Col, width.Width);
    const auto& cells = Staging.Cells();
    const int columnsInFile = ColCount() + hidden;
    int progress = -1;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TStagedCell& cell = cells[i];
        if (cell.Col < columnsInFile && cell.Row < RowCount())
            LoadCell(RealCol(FileColumnToReal(cell.Col, HiddenIncluded)), DisplRow(cell.Row), cell.Text);
        ReportFileProgress(qint64(i) + 1, qint64(cells.size()), progress);
    }
    EndUpdate();
    DoCellsChanged(Rect(0, 0, ColCount(), RowCount()));
    UpdateFooterAll();
}

void TExStringGrid::ReportFileProgress(qint64 Done, qint64 Total, int& Last) {
    if (!OnFileProgress) return;
    const int now = int(std::lround(double(Done) * 100.0 / double(std::max<qint64>(1, Total))));
    if (now != Last) OnFileProgress(this, short(Last = now));
}
