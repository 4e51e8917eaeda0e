// Workbooks and documents of the grid, read and written as Office Open XML files, since
// no automation server exists here; database files are refused.

#include "grid/core/string_grid.h"
#include "grid/data/docx_table_writer.h"
#include "grid/data/grid_cell_limit.h"
#include "grid/data/grid_file_staging.h"
#include "grid/data/spreadsheet_references.h"
#include "grid/data/xlsx_workbook_reader.h"
#include "grid/data/xlsx_workbook_writer.h"
#include "platform/file_errors.h"
#include "platform/string_list.h"
#include "platform/wait_cursor.h"

#include <QFileInfo>

#include <set>

namespace {

// Larger than any workbook or document a grid can hold; the parts inside are bounded
// again when they are unpacked.
constexpr qint64 kMaxOfficeFileBytes = qint64(1) << 30;

[[noreturn]] void RefuseSize() { throw EExGridError(QStringLiteral("The file holds more cells than a grid can take")); }

// A sheet keeps line breaks as line feeds alone.
QString WithLineFeeds(QString Text) { return Text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace

std::unique_ptr<TStringList> TExStringGrid::GetXLSSheets(const QString& FileName) {
    const TWaitCursor wait;
    const TWorkbookReader workbook(ReadWholeFile(FileName, kMaxOfficeFileBytes));
    auto names = std::make_unique<TStringList>();
    for (const QString& name : workbook.SheetNames()) names->Add(name);
    return names;
}

void TExStringGrid::LoadFromXLS(const QString& Filename) { LoadWorkbookSheet(Filename, QString()); }

void TExStringGrid::LoadFromXLSSheet(const QString& Filename, const QString& SheetName) {
    LoadWorkbookSheet(Filename, SheetName);
}

void TExStringGrid::LoadWorkbookSheet(const QString& Filename, const QString& SheetName) {
    const TWaitCursor wait;
    TWorkbookReader workbook(ReadWholeFile(Filename, kMaxOfficeFileBytes));
    if (!workbook.SelectSheet(SheetName))
        throw EExGridError(QStringLiteral("Excel worksheet ") + SheetName + QStringLiteral(" not found"));
    const TSheetRange range = workbook.UsedRange();
    const int fixedCols = FixedCols();
    const int fixedRows = FixedRows();
    const int colOffset = SaveFixedCells() || SaveFixedCols() ? 0 : fixedCols;
    const int rowOffset = SaveFixedCells() || SaveFixedRows() ? 0 : fixedRows;
    const qint64 columns = range.Columns() + colOffset;
    const qint64 rows = range.Rows() + rowOffset;
    if (!GridSizeWithinLimit(columns + NumHiddenColumns(), rows)) RefuseSize();
    TGridFileStaging staging;
    std::vector<TStagedCell> kept;
    if (!workbook.StageCells(staging, colOffset, rowOffset, kept)) RefuseSize();
    std::set<std::pair<int, int>> keep;
    for (const TStagedCell& cell : kept) keep.insert({cell.Col, cell.Row});
    // Cells of the range that the sheet leaves empty are emptied too, those with an error
    // value kept; the file read whole and within the limit, nothing can fail from here on.
    BeginUpdate();
    SetColCount(int(columns));
    SetRowCount(int(rows));
    for (int r = rowOffset; r < RowCount(); ++r)
        for (int c = colOffset; c < ColCount(); ++c)
            if (!keep.contains({c, r})) LoadCell(RealCol(RealColIndex(c)), DisplRow(r), QString());
    StoreStagedCells(staging, -1, -1, false);
    if (fixedCols < ColCount() && FixedCols() != fixedCols) SetFixedCols(fixedCols);
    if (fixedRows < RowCount() && FixedRows() != fixedRows) SetFixedRows(fixedRows);
    EndUpdate();
}

void TExStringGrid::SaveToXLS(const QString& Filename, bool /*CreateNewSheet*/) {
    SaveWorkbookSheet(Filename, QString());
}

void TExStringGrid::SaveToXLSSheet(const QString& Filename, const QString& SheetName) {
    SaveWorkbookSheet(Filename, SheetName);
}

void TExStringGrid::SaveWorkbookSheet(const QString& Filename, const QString& SheetName) {
    const TWaitCursor wait;
    const int columns = ColCount() - SaveStartCol();
    const int rows = RowCount() - SaveStartRow();
    if (columns > kSheetColumns || rows > kSheetRows)
        throw EExGridError(QStringLiteral("The grid is larger than a workbook sheet"));
    if (!SheetName.isEmpty() && !IsWorksheetName(SheetName))
        throw EExGridError(QStringLiteral("Invalid worksheet name ") + SheetName);
    TSheetTexts texts;
    texts.reserve(std::size_t(std::max(rows, 0)));
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QStringList row;
        row.reserve(columns);
        for (int c = SaveStartCol(); c < ColCount(); ++c) {
            QString text;
            SaveCell(RealCol(RealColIndex(c)), DisplRow(r), text);
            text = WithLineFeeds(text);
            // What a sheet's cell cannot hold would be cut by every program reading it.
            if (text.size() > 32767) throw EExGridError(QStringLiteral("A cell text is longer than a workbook cell holds"));
            row << text;
        }
        texts.push_back(row);
    }
    ExportNotification(esExportDone, -1);
    if (SheetName.isEmpty()) {
        WriteWholeFile(Filename, NewWorkbook(QStringLiteral("Sheet1"), texts));
    } else if (QFileInfo::exists(Filename)) {
        // A file that holds no workbook raises and stays as it was.
        const QByteArray changed = WorkbookWithSheet(ReadWholeFile(Filename, kMaxOfficeFileBytes), SheetName, texts);
        WriteWholeFile(Filename, changed);
    } else {
        WriteWholeFile(Filename, NewWorkbook(SheetName, texts));
    }
}

void TExStringGrid::SaveToDOC(const QString& Filename, bool /*CreateNewDocument*/) {
    SaveDocumentTable(Filename, false, QString());
}

void TExStringGrid::AppendToDoc(const QString& Filename, const QString& Bookmark) {
    SaveDocumentTable(Filename, true, Bookmark);
}

void TExStringGrid::SaveDocumentTable(const QString& Filename, bool Append, const QString& Bookmark) {
    const TWaitCursor wait;
    const QByteArray existing = Append ? ReadWholeFile(Filename, kMaxOfficeFileBytes) : QByteArray();
    TDocTable table;
    ExportNotification(esExportStart, 0);
    for (int r = 0; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r + 1);
        std::vector<TDocTableCell> row;
        for (int c = 0; c < ColCount(); ++c) {
            const int real = RealColIndex(c);
            TDocTableCell cell;
            SaveCell(RealCol(real), DisplRow(r), cell.Text);
            const TAlignment alignment = ResolveCellAlignment(real, r);
            cell.Align = alignment == taRightJustify ? TDocTableCell::Right
                         : alignment == taCenter     ? TDocTableCell::Center
                                                     : TDocTableCell::Left;
            row.push_back(cell);
        }
        table.push_back(std::move(row));
    }
    ExportNotification(esExportDone, -1);
    if (!Append) {
        WriteWholeFile(Filename, NewDocumentWithTable(Caption(), table));
        return;
    }
    const std::optional<QByteArray> changed = DocumentWithTable(existing, Caption(), table, Bookmark);
    if (!changed) throw EExGridError(QStringLiteral("Incorrect DOC file"));
    WriteWholeFile(Filename, *changed);
}

void TExStringGrid::LoadFromMDBTable(const QString& Filename, const QString& Table) {
    LoadFromMDBSQL(Filename, QStringLiteral("SELECT * FROM ") + Table);
}

void TExStringGrid::LoadFromMDBSQL(const QString&, const QString&) {
    throw EExGridError(QStringLiteral("MDB database access is not supported on this platform"));
}
