// CSV files of the grid: the save range written field by field, and files read whole
// into a staging table before the grid changes.

#include "grid/core/string_grid.h"
#include "grid/data/csv_format.h"
#include "grid/data/grid_cell_limit.h"
#include "grid/data/grid_file_staging.h"
#include "grid/data/grid_text_file_encoding.h"
#include "platform/file_errors.h"
#include "platform/file_system.h"

QString TExStringGrid::SavedFileText(int Column, int Row) {
    QString text;
    SaveCell(RealCol(SaveHiddenCells() ? Column : RealColIndex(Column)), DisplRow(Row), text);
    return text;
}

void TExStringGrid::SaveCSVRange(const QString& FileName, bool Append, bool Unicode) {
    TCsvWriteOptions options;
    options.Delimiter = Delimiter().isNull() ? QLatin1Char(',') : Delimiter();
    options.QuoteEmptyCells = QuoteEmptyCells();
    options.AlwaysQuotes = AlwaysQuotes();
    options.JavaCSV = JavaCSV();
    QString text;
    if (Append) {
        text = DecodeGridTextFile(ReadWholeFile(FileName, kMaxGridTextFileBytes), OemConvert());
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
            text += QStringLiteral("\r\n");
    }
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const TGridTextEncoding encoding = Unicode       ? TGridTextEncoding::Utf8WithBom
                                       : OemConvert() ? TGridTextEncoding::Oem
                                                      : TGridTextEncoding::Ansi;
    // The text goes to the encoder in pieces of whole records, so it never stands whole
    // beside its bytes and each piece is encoded while it is fresh in the cache.
    constexpr qsizetype kPieceChars = 1 << 16;
    TGridTextFileEncoder file(encoding, text.size() + qsizetype(SaveRowCount()) * (SaveColCount() + hidden) * 16);
    const auto encode = [&file](QStringView piece) { file.Add(piece); };
    TCsvTextWriter writer(std::move(text), 2 * kPieceChars, options);
    int progress = -1;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        const int firstCol = SaveStartCol(), lastCol = SaveEndCol() + hidden;
        for (int c = firstCol; c <= lastCol; ++c) writer.Field(SavedFileText(c, r));
        writer.EndRecord();
        if (writer.Written() >= kPieceChars) writer.Drain(encode);
        ReportFileProgress(r, RowCount() - 1, progress);
    }
    ExportNotification(esExportDone, -1);
    writer.Drain(encode);
    WriteWholeFile(FileName, std::move(file).Finish());
}

void TExStringGrid::SaveToCSV(const QString& FileName, bool Unicode) { SaveCSVRange(FileName, false, Unicode); }

void TExStringGrid::AppendToCSV(const QString& FileName, bool Unicode) { SaveCSVRange(FileName, true, Unicode); }

void TExStringGrid::LoadCSVLines(const QString& Text, bool Insert, int MaxRows) {
    TCsvReadOptions options;
    options.Delimiter = Delimiter().isNull() ? DetectCsvDelimiter(Text) : Delimiter();
    options.JavaCSV = JavaCSV();
    const int skipped = LoadFirstRow() ? 0 : 1;
    options.MaxRecords = MaxRows > 0 ? qint64(MaxRows) + skipped : 0;
    TCsvRecords parsed = ParseCsv(Text, options, kMaxGridCells);
    if (parsed.Truncated) throw EExGridError(QStringLiteral("The file holds more cells than a grid can take"));
    if (parsed.Count() == 0) throw Exception(QStringLiteral("File is empty"));
    // The footer stays below the records, inserted or loaded: the fixed footer rows, or
    // the last row while the floating footer shows it; those rows move whole.
    const int footerRows = FixedFooters() > 0                                   ? FixedFooters()
                           : FloatingFooter()->Visible && RowCount() > 1 ? 1
                                                                                 : 0;
    const int startRow = Insert ? std::max(0, RowCount() - footerRows) : SaveStartRow();
    const int startCol = SaveStartCol();
    TGridFileStaging staging;
    const qint64 records = qint64(parsed.Count()) - skipped;
    if (!staging.PutRecords(startCol, startRow, std::move(parsed), skipped))
        throw EExGridError(QStringLiteral("The file holds more cells than a grid can take"));
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const int oldFooter = RowCount() - footerRows;
    const bool footerMoves = footerRows > 0 && oldFooter >= startRow;
    const qint64 rows = Insert ? RowCount() + records : startRow + records + (footerMoves ? footerRows : FixedFooters());
    if (rows > kMaxGridCells) throw EExGridError(QStringLiteral("The file holds more cells than a grid can take"));
    const int columns = std::max(ColCount() + hidden, staging.ColExtent());
    CheckGrowthWithinLimit(qint64(std::max(columns - hidden, 1)) + NumHiddenColumns(), rows);
    if (Insert || footerMoves) {
        const qint64 newFooter = startRow + records;
        if (newFooter > oldFooter) InsertRows(oldFooter, int(newFooter - oldFooter));
        if (newFooter < oldFooter) RemoveRows(int(newFooter), int(oldFooter - newFooter));
    }
    StoreStagedCells(staging, columns, int(rows), SaveHiddenCells());
}

void TExStringGrid::LoadFromCSV(const QString& FileName, int MaxRows) {
    const QByteArray bytes = ReadWholeFile(FileName, kMaxGridTextFileBytes);
    if (bytes.isEmpty()) return;
    LoadCSVLines(DecodeGridTextFile(bytes, OemConvert()), false, MaxRows);
}

void TExStringGrid::InsertFromCSV(const QString& FileName, int MaxRows) {
    const QByteArray bytes = ReadWholeFile(FileName, kMaxGridTextFileBytes);
    if (bytes.isEmpty()) return;
    LoadCSVLines(DecodeGridTextFile(bytes, OemConvert()), true, MaxRows);
}

void TExStringGrid::LoadFromCSVStream(QIODevice& AStream, int MaxRows) {
    LoadCSVLines(DecodeGridTextFile(ReadStreamBounded(AStream, kMaxGridTextFileBytes), OemConvert()), false, MaxRows);
}
