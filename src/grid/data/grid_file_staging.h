#pragma once
// The cells a file reader has parsed, held apart from the grid. A reader fills the
// staging table from the whole file first; only when that succeeded and the grid's new
// size stays within grid_cell_limit.h does the grid store the cells, so a broken or
// hostile file changes nothing. Free of widget headers, so readers can run without a
// display (the fuzz targets do).

#include <QString>

#include <vector>

struct TStagedCell {
    int Col = 0;
    int Row = 0;
    QString Text;
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
    bool PutWidth(qint64 ACol, qint64 Width);

    // One past the largest column and row staged (0 when nothing is staged).
    int ColExtent() const { return FColExtent; }
    int RowExtent() const { return FRowExtent; }
    const std::vector<TStagedCell>& Cells() const { return FCells; }
    const std::vector<TStagedWidth>& Widths() const { return FWidths; }

private:
    std::vector<TStagedCell> FCells;
    std::vector<TStagedWidth> FWidths;
    int FColExtent = 0;
    int FRowExtent = 0;
};
