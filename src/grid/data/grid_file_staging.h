#pragma once
// The cells a file reader has parsed, held apart from the grid. A reader fills the
// staging table from the whole file first; only when that succeeded and the grid's new
// size stays within grid_cell_limit.h does the grid store the cells, so a broken or
// hostile file changes nothing. Free of widget headers, so readers can run without a
// display (the fuzz targets do).

#include "grid/data/csv_format.h"

#include <QString>

#include <vector>

struct TStagedCell {
    int Col = 0;
    int Row = 0;
    QString Text;
};

// Parsed records from record First on, record i going to row Row + i - First from column
// Col on: a reader of records stages them whole, and a field becomes a text of its own
// only when it is stored.
struct TStagedRecords {
    int Col = 0;
    int Row = 0;
    qsizetype First = 0;
    TCsvRecords Records;
};

struct TStagedWidth {
    int Col = 0;
    int Width = 0;
};

class TGridFileStaging {
public:
    // False, keeping nothing, for a cell no grid may hold (a negative index, a column
    // past the column limit, or the cells so far passing the cell limit); the reader
    // then stops: reading on would only use memory for a file that cannot load.
    bool Put(qint64 ACol, qint64 ARow, const QString& Text);
    // As Put for each field of the records from First on; false (keeping nothing of
    // them) under the same conditions.
    bool PutRecords(qint64 ACol, qint64 ARow, TCsvRecords Records, qsizetype First);
    bool PutWidth(qint64 ACol, qint64 Width);

    // One past the largest column and row staged (0 when nothing is staged).
    int ColExtent() const { return FColExtent; }
    int RowExtent() const { return FRowExtent; }
    const std::vector<TStagedCell>& Cells() const { return FCells; }
    const std::vector<TStagedRecords>& Records() const { return FRecords; }
    // Every staged text, single cells and fields of records.
    qint64 TextCount() const { return FTextCount; }
    const std::vector<TStagedWidth>& Widths() const { return FWidths; }

private:
    bool Reserve(qint64 Columns, qint64 Rows, qint64 Texts);

    std::vector<TStagedCell> FCells;
    std::vector<TStagedRecords> FRecords;
    qint64 FTextCount = 0;
    std::vector<TStagedWidth> FWidths;
    int FColExtent = 0;
    int FRowExtent = 0;
};
