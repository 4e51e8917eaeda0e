// The grid's own text format on a stream: a line "columns,rows", one line "cw index,width"
// per column, then one line "column,row,text" per non-empty cell of the save range
// (coordinates relative to the range), each line in UTF-16 little-endian code units
// ended by CR LF. Loading stops, and leaves the stream there, at the first line that
// does not start with a number, so other data may follow a grid in the same stream.

#include "grid/core/string_grid.h"

#include "controls/text_utilities.h"
#include "grid/data/grid_cell_limit.h"
#include "grid/data/grid_file_staging.h"

#include <QtEndian>

namespace {

struct TSaveRange {
    int StartCol, EndCol, StartRow, EndRow;
};

void WriteLine(QIODevice& Stream, const QString& line) {
    const QString text = line + QStringLiteral("\r\n");
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i) qToLittleEndian<quint16>(text[i].unicode(), bytes.data() + 2 * i);
    Stream.write(bytes);
}

// One line up to a CR; the LF after it is skipped.
QString ReadLine(QIODevice& Stream) {
    QString line;
    char unit[2];
    while (Stream.read(unit, 2) == 2) {
        const QChar ch(qFromLittleEndian<quint16>(unit));
        if (ch == QLatin1Char('\r')) {
            Stream.read(unit, 2);
            break;
        }
        line += ch;
    }
    return line;
}

int StrictNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

TSaveRange SaveRangeOf(const TExStringGrid& grid) {
    const bool cols = grid.SaveFixedCells() || grid.SaveFixedCols();
    const bool rows = grid.SaveFixedCells() || grid.SaveFixedRows();
    return {cols ? 0 : grid.TStringGrid::FixedCols(), grid.ColCount() - 1 - (cols ? 0 : grid.FixedRightCols()),
            rows ? 0 : grid.TStringGrid::FixedRows(), grid.RowCount() - 1 - (rows ? 0 : grid.FixedFooters())};
}

}  // namespace

void TExStringGrid::SaveToStream(QIODevice& Stream) {
    const TSaveRange range = SaveRangeOf(*this);
    WriteLine(Stream, QStringLiteral("%1,%2")
                          .arg(range.EndCol - range.StartCol + 1)
                          .arg(range.EndRow - range.StartRow + 1));
    for (int c = 0; c < ColCount(); ++c) WriteLine(Stream, QStringLiteral("cw %1,%2").arg(c).arg(ColWidths(c)));
    ExportNotification(esExportStart, range.StartRow);
    for (int r = range.StartRow; r <= range.EndRow; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = range.StartCol; c <= range.EndCol; ++c) {
            QString text;
            SaveCell(RealColIndex(DisplCol(c)), DisplRow(r), text);
            if (text.isEmpty()) continue;
            WriteLine(Stream, QStringLiteral("%1,%2,%3")
                                  .arg(c - range.StartCol)
                                  .arg(r - range.StartRow)
                                  .arg(LineBreaksToControlChars(text)));
        }
    }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::LoadFromStream(QIODevice& Stream) {
    // Everything is read and checked before the grid changes: a stream that does not
    // convert, or counts past the cell limit, leave the grid as it was.
    const TSaveRange range = SaveRangeOf(*this);
    qint64 columns = ColCount();
    qint64 rows = RowCount();
    if (!Stream.atEnd()) {
        const QString header = ReadLine(Stream);
        if (!header.isEmpty()) {
            columns = qint64(StrictNumber(header.section(QLatin1Char(','), 0, 0))) + range.StartCol;
            rows = qint64(StrictNumber(header.section(QLatin1Char(','), 1, 1))) + range.StartRow;
            if (!GridSizeWithinLimit(columns + NumHiddenColumns(), rows) || columns < 1 || rows < 0)
                throw EExGridError(QStringLiteral("The stream holds more cells than a grid can take"));
        }
    }
    TGridFileStaging staging;
    while (!Stream.atEnd()) {
        const qint64 position = Stream.pos();
        QString line = ReadLine(Stream);
        if (line.startsWith(QLatin1String("cw"))) {
            const int comma = line.indexOf(QLatin1Char(','));
            const int column = StrictNumber(line.mid(3, comma - 3));
            const int width = StrictNumber(line.mid(comma + 1));
            if (column < columns) staging.PutWidth(column, width);
            continue;
        }
        const QString first = CutFirstField(line, QLatin1Char(','));
        const QString second = first.isEmpty() ? QString() : CutFirstField(line, QLatin1Char(','));
        if (first.isEmpty() || second.isEmpty()) {
            Stream.seek(position);
            break;
        }
        const qint64 column = qint64(StrictNumber(first)) + range.StartCol;
        const qint64 row = qint64(StrictNumber(second)) + range.StartRow;
        if (column < columns && row < rows) staging.Put(column, row, ControlCharsToLineBreaks(line, FMultilinecells));
    }
    StoreStagedCells(staging, int(columns), int(rows), false);
}
