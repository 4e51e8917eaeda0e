#pragma once
// Cell storage of the string grid: one text and one object reference per cell, kept
// row-major. Each row is allocated on its first write and only as wide as its last
// written cell, so empty cells cost nothing; object references take room only in rows
// that hold one. Rows are held by pointer, so inserting, removing, swapping and moving
// rows moves one pointer per row and never copies cells. Cells are addressed by any
// column index (also beyond the grid's column count) and kept when the grid's counts
// shrink. Objects are referenced, never owned.

#include "platform/component.h"

#include <QString>
#include <memory>
#include <vector>

class TGridCellStore {
public:
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
    void DeleteColumns(int ACol, int ACount);
    void MoveColumn(int FromIndex, int ToIndex);

private:
    struct TRowCells {
        std::vector<QString> Texts;
        std::vector<TObject*> Objects;  // empty until the row holds an object
    };
    const TRowCells* FindRow(int ARow) const;
    TRowCells& Row(int ARow);

    std::vector<std::unique_ptr<TRowCells>> FRows;
    int FWidthHint = 0;
};
