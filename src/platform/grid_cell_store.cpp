#include "platform/grid_cell_store.h"

#include <algorithm>
#include <cassert>

const TGridCell* TGridCellStore::Find(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ARow >= RowSlots()) return nullptr;
    const TRowCells* row = FRows[std::size_t(ARow)].get();
    if (!row || ACol >= int(row->size())) return nullptr;
    return &(*row)[std::size_t(ACol)];
}

TGridCell& TGridCellStore::Cell(int ACol, int ARow) {
    assert(ACol >= 0 && ARow >= 0);
    EnsureRowSlots(ARow + 1);
    auto& row = FRows[std::size_t(ARow)];
    if (!row) row = std::make_unique<TRowCells>();
    if (ACol >= int(row->size())) row->resize(std::size_t(ACol) + 1);
    return (*row)[std::size_t(ACol)];
}

void TGridCellStore::EnsureRowSlots(int count) {
    if (count > RowSlots()) FRows.resize(std::size_t(count));
}

QString TGridCellStore::Text(int ACol, int ARow) const {
    const TGridCell* cell = Find(ACol, ARow);
    return cell ? cell->Text : QString();
}

void TGridCellStore::SetText(int ACol, int ARow, const QString& value) {
    if (value.isEmpty() && !Find(ACol, ARow)) return;  // an empty cell stays unallocated
    Cell(ACol, ARow).Text = value;
}

TObject* TGridCellStore::Object(int ACol, int ARow) const {
    const TGridCell* cell = Find(ACol, ARow);
    return cell ? cell->Object : nullptr;
}

void TGridCellStore::SetObject(int ACol, int ARow, TObject* value) {
    if (!value && !Find(ACol, ARow)) return;
    Cell(ACol, ARow).Object = value;
}

int TGridCellStore::ColumnSlots() const {
    std::size_t widest = 0;
    for (const auto& row : FRows)
        if (row) widest = std::max(widest, row->size());
    return int(widest);
}

void TGridCellStore::InsertRows(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow >= RowSlots()) return;  // nothing stored from there on
    // New empty rows are added at the end and rotated into place: pointer moves only.
    FRows.resize(FRows.size() + std::size_t(ACount));
    std::rotate(FRows.begin() + ARow, FRows.end() - ACount, FRows.end());
}

void TGridCellStore::DeleteRows(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow >= RowSlots()) return;
    const int last = std::min(RowSlots(), ARow + ACount);
    FRows.erase(FRows.begin() + ARow, FRows.begin() + last);
}

void TGridCellStore::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
    EnsureRowSlots(std::max(FromIndex, ToIndex) + 1);
    auto first = FRows.begin();
    if (FromIndex < ToIndex)
        std::rotate(first + FromIndex, first + FromIndex + 1, first + ToIndex + 1);
    else
        std::rotate(first + ToIndex, first + FromIndex, first + FromIndex + 1);
}

void TGridCellStore::SwapRows(int ARow1, int ARow2) {
    if (ARow1 < 0 || ARow2 < 0 || ARow1 == ARow2) return;
    EnsureRowSlots(std::max(ARow1, ARow2) + 1);
    std::swap(FRows[std::size_t(ARow1)], FRows[std::size_t(ARow2)]);
}

void TGridCellStore::InsertColumns(int ACol, int ACount) {
    if (ACount <= 0 || ACol < 0) return;
    for (auto& row : FRows)
        if (row && ACol < int(row->size())) row->insert(row->begin() + ACol, std::size_t(ACount), TGridCell());
}

void TGridCellStore::DeleteColumns(int ACol, int ACount) {
    if (ACount <= 0 || ACol < 0) return;
    for (auto& row : FRows) {
        if (!row || ACol >= int(row->size())) continue;
        const int last = std::min(int(row->size()), ACol + ACount);
        row->erase(row->begin() + ACol, row->begin() + last);
    }
}

void TGridCellStore::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
    const int needed = std::max(FromIndex, ToIndex) + 1;
    for (auto& row : FRows) {
        if (!row || (FromIndex >= int(row->size()) && ToIndex >= int(row->size()))) continue;
        if (int(row->size()) < needed) row->resize(std::size_t(needed));
        auto first = row->begin();
        if (FromIndex < ToIndex)
            std::rotate(first + FromIndex, first + FromIndex + 1, first + ToIndex + 1);
        else
            std::rotate(first + ToIndex, first + FromIndex, first + FromIndex + 1);
    }
}
