#pragma once
// Cell storage of the string grid: one text and one object reference per cell, kept
// row-major. Each row is allocated on its first write and only as wide as its last
// written cell, so empty cells cost nothing; object references take room only in rows
// that hold one. Rows are held by pointer, so inserting, removing, swapping and moving
// rows moves one pointer per row and never copies cells. Cells are addressed by any
// column index (also beyond the grid's column count) and kept when the grid's counts
// shrink. Objects are referenced, never owned.
//
// Rows can leave the store and come back as units (TakeRows / PutRows): the grid holds
// rows out of view that way, one pointer move per row and one pass over the store for
// a whole list of rows.

#include "platform/component.h"

#include <QString>
#include <memory>
#include <vector>

class TGridCellStore {
public:
    // One stored row: its texts and objects, as wide as its last written cell.
    struct TRowCells {
        std::vector<QString> Texts;
        std::vector<TObject*> Objects;  // empty until the row holds an object

        QString Text(int ACol) const;
        void SetText(int ACol, const QString& value);
        TObject* Object(int ACol) const;
        void SetObject(int ACol, TObject* value);
    };
    // A row taken out of the store; null stands for an empty row.
    using TRowHandle = std::unique_ptr<TRowCells>;

    QString Text(int ACol, int ARow) const;
    void SetText(int ACol, int ARow, const QString& value);
    TObject* Object(int ACol, int ARow) const;
    void SetObject(int ACol, int ARow, TObject* value);

    // The width a new row is given room for (the grid's column count).
    void SetWidthHint(int value) { FWidthHint = value; }
    // Number of row slots in use (rows beyond it are empty).
    int RowSlots() const { return static_cast<int>(FRows.size()); }
    // Width of the widest stored row.
    int ColumnSlots() const;

    void InsertRows(int ARow, int ACount);
    void DeleteRows(int ARow, int ACount);
    void MoveRow(int FromIndex, int ToIndex);
    void SwapRows(int ARow1, int ARow2);
    void InsertColumns(int ACol, int ACount);
    void DeleteColumns(int ACol, int ACount);
    void MoveColumn(int FromIndex, int ToIndex);

    // Takes the rows at the ascending, distinct indexes out (in that order) and closes
    // the gaps, in one pass.
    std::vector<TRowHandle> TakeRows(const std::vector<int>& ascendingRows);
    // Puts rows[i] at index positions[i] (ascending, distinct) of the result, in one
    // pass; the other rows keep their order around them.
    void PutRows(const std::vector<int>& ascendingPositions, std::vector<TRowHandle> rows);

    // Counts the changes that can change which texts a column holds (texts written,
    // rows or columns added, removed, moved across columns, taken out or put back); row
    // order alone does not count. Lets a reader keep what it derived from the texts.
    unsigned long long TextVersion() const { return FTextVersion; }

private:
    const TRowCells* FindRow(int ARow) const;
    TRowCells& Row(int ARow);

    std::vector<std::unique_ptr<TRowCells>> FRows;
    int FWidthHint = 0;
    unsigned long long FTextVersion = 0;
};
