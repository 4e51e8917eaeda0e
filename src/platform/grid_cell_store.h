#pragma once
// Cell storage of the string grid: one text and one object reference per cell, kept
// row-major. Each row is allocated on its first write and only as wide as its last
// written cell, so empty cells cost nothing; rows are held by pointer, so inserting,
// removing, swapping and moving rows moves one pointer per row and never copies cells.
// Cells are addressed by any column index (also beyond the grid's column count) and
// kept when the grid's counts shrink. Objects are referenced, never owned.

#include "platform/component.h"

#include <QString>
#include <memory>
#include <vector>

struct TGridCell {
    QString Text;
    TObject* Object = nullptr;
};

class TGridCellStore {
public:
    QString Text(int ACol, int ARow) const;
    void SetText(int ACol, int ARow, const QString& value);
    TObject* Object(int ACol, int ARow) const;
    void SetObject(int ACol, int ARow, TObject* value);

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
    // Every object reference of the store, for owners that must release them.
    template <class Visitor>
    void ForEachObject(Visitor visit) const {
        for (const auto& row : FRows)
            if (row)
                for (const TGridCell& cell : *row)
                    if (cell.Object) visit(cell.Object);
    }
    void Clear() { FRows.clear(); }

private:
    using TRowCells = std::vector<TGridCell>;
    const TGridCell* Find(int ACol, int ARow) const;
    TGridCell& Cell(int ACol, int ARow);
    void EnsureRowSlots(int count);

    std::vector<std::unique_ptr<TRowCells>> FRows;
};
