// The one way a file reader changes the grid: after the whole file was read, checked
// against the cell limit, in a single step.

#include "grid/core/string_grid.h"
#include "grid/data/grid_file_staging.h"

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
    const int columnsInFile = ColCount() + hidden;
    const qint64 total = Staging.TextCount();
    qint64 done = 0;
    int progress = -1;
    auto store = [&](int Col, int Row, const QString& Text) {
        if (Col < columnsInFile && Row < RowCount())
            LoadCell(RealCol(FileColumnToReal(Col, HiddenIncluded)), DisplRow(Row), Text);
        ReportFileProgress(++done, total, progress);
    };
    for (const TStagedCell& cell : Staging.Cells()) store(cell.Col, cell.Row, cell.Text);
    for (const TStagedRecords& staged : Staging.Records()) {
        const TCsvRecords& records = staged.Records;
        for (qsizetype r = staged.First; r < records.Count(); ++r) {
            const qsizetype first = records.RecordStart(r);
            for (qsizetype f = first; f < records.RecordEnds[std::size_t(r)]; ++f)
                store(staged.Col + int(f - first), staged.Row + int(r - staged.First), records.FieldText(f));
        }
    }
    EndUpdate();
    DoCellsChanged(Rect(0, 0, ColCount(), RowCount()));
    UpdateFooterAll();
}

void TExStringGrid::ReportFileProgress(qint64 Done, qint64 Total, int& Last) {
    if (!OnFileProgress) return;
    // Whole numbers, rounded half up: this runs once per cell of a file.
    const qint64 total = std::max<qint64>(1, Total);
    const int now = int((Done * 200 + total) / (2 * total));
    if (now != Last) OnFileProgress(this, short(Last = now));
}
