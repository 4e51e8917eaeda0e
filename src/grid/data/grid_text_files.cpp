// The grid's text format as a file, the cell block as a file and on a stream, and a
// cell's text as a number.

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/data/grid_cell_limit.h"
#include "grid/data/grid_file_staging.h"
#include "grid/data/grid_text_file_encoding.h"
#include "platform/file_errors.h"

#include <QBuffer>

#include <cstdlib>

namespace {

// Leading blanks skipped, digits up to the first other character, 0 for none; large
// values stop growing past any count a grid may have.
qint64 LenientNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    qint64 value = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
        value = std::min<qint64>(value * 10 + (text[i].unicode() - '0'), qint64(1) << 40);
    return value;
}

}  // namespace

void TExStringGrid::SaveToFile(const QString& FileName, bool Unicode) {
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const int last = SaveEndCol() + hidden;
    QString text = QStringLiteral("%1,%2\r\n").arg(hidden + SaveColCount()).arg(SaveRowCount());
    for (int c = SaveStartCol(); c <= last; ++c)
        text += QStringLiteral("cw %1,%2\r\n").arg(c).arg(c < ColCount() ? ColWidths(c) : DefaultColWidth());
    int progress = -1;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = SaveStartCol(); c <= last; ++c) {
            const QString cell = SavedFileText(c, r);
            if (!cell.isEmpty()) text += QStringLiteral("%1,%2,%3\r\n").arg(c).arg(r).arg(LineBreaksToControlChars(cell));
        }
        ReportFileProgress(r, SaveRowCount() - 1, progress);
    }
    ExportNotification(esExportDone, -1);
    WriteWholeFile(FileName, EncodeGridTextFile(text, Unicode ? TGridTextEncoding::Utf16LeWithBom
                                                              : TGridTextEncoding::Ansi));
}

void TExStringGrid::LoadFromFile(const QString& FileName) {
    const QStringList lines = SplitTextLines(DecodeGridTextFile(ReadWholeFile(FileName, kMaxGridTextFileBytes)));
    const QString corrupt = QStringLiteral("File contains no data or corrupt file ") + FileName;
    if (lines.isEmpty()) throw EExGridError(corrupt);
    const bool hiddenIncluded = SaveHiddenCells();
    const int hidden = hiddenIncluded ? NumHiddenColumns() : 0;
    qint64 columns = ColCount() + hidden;
    qint64 rows = RowCount();
    if (!lines.front().isEmpty()) {
        const QString& header = lines.front();
        const qsizetype comma = header.indexOf(QLatin1Char(','));
        columns = (SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols()) + LenientNumber(QStringView(header).left(comma));
        rows = (SaveFixedCells() || SaveFixedRows() ? 0 : FixedRows()) +
               (comma < 0 ? 0 : LenientNumber(QStringView(header).mid(comma + 1)));
    }
    if (columns - hidden <= 0 || rows <= 0) throw EExGridError(corrupt);
    if (!GridSizeWithinLimit(columns - hidden + NumHiddenColumns(), rows))
        throw EExGridError(QStringLiteral("The file holds more cells than a grid can take"));
    TGridFileStaging staging;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1String("cw"))) {
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            const qint64 column = LenientNumber(QStringView(line).mid(3, comma < 0 ? -1 : comma - 3));
            if (comma >= 0 && column < columns - hidden) staging.PutWidth(column, LenientNumber(QStringView(line).mid(comma + 1)));
            continue;
        }
        const qsizetype first = line.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
        const qint64 column = first < 0 ? 0 : LenientNumber(QStringView(line).left(first));
        const qint64 row = first < 0 ? 0 : LenientNumber(QStringView(line).mid(first + 1, second < 0 ? -1 : second - first - 1));
        const QString cell = first < 0 ? line : second < 0 ? QString() : line.mid(second + 1);
        if (column < columns && row < rows) staging.Put(column, row, ControlCharsToLineBreaks(cell, Multilinecells()));
    }
    StoreStagedCells(staging, int(columns), int(rows), hiddenIncluded);
}

void TExStringGrid::SaveToBinStream(QIODevice& Stream) {
    SaveRectToBinStream(Rect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), Stream);
}

void TExStringGrid::LoadFromBinStream(QIODevice& Stream) {
    LoadAtPointFromBinStream(TPoint{0, 0}, Stream);
    int nodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetCellType(0, r) == ctNode) ++nodes;
    FNumNodes = nodes;
    if (nodes > 0) RepaintCol(0);
}

void TExStringGrid::SaveToBinFile(const QString& FileName) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SaveToBinStream(buffer);
    WriteWholeFile(FileName, buffer.data());
}

void TExStringGrid::LoadFromBinFile(const QString& FileName) {
    QByteArray bytes = ReadWholeFile(FileName, kMaxGridTextFileBytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LoadFromBinStream(buffer);
}

double TExStringGrid::CellToReal(int ACol, int ARow) {
    const QString text = Cells(ACol, ARow);
    if (text.isEmpty()) return 0;
    const QByteArray number = NormalizeNumberText(text).toLatin1();
    char* end = nullptr;
    const double value = std::strtod(number.constData(), &end);
    const qsizetype stop = end - number.constData();
    if (number.isEmpty() || stop != number.size())
        throw EExGridError(QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(stop + 1).arg(ACol).arg(ARow));
    return value;
}
