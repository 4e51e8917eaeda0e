#include "platform/grid_cell_store.h"

#include "platform/ordered_moves.h"

#include <algorithm>
#include <cassert>

namespace {

// Moves one element of a row from one index to another, growing the row as needed.
template <class T>
void MoveWithin(std::vector<T>& cells, int fromIndex, int toIndex) {
    if (fromIndex >= int(cells.size()) && toIndex >= int(cells.size())) return;
    const int needed = std::max(fromIndex, toIndex) + 1;
    if (int(cells.size()) < needed) cells.resize(std::size_t(needed));
    auto first = cells.begin();
    if (fromIndex < toIndex)
        std::rotate(first + fromIndex, first + fromIndex + 1, first + toIndex + 1);
    else
        std::rotate(first + toIndex, first + fromIndex, first + fromIndex + 1);
}

template <class T>
void EraseWithin(std::vector<T>& cells, int from, int count) {
    if (from >= int(cells.size())) return;
    const int last = std::min(int(cells.size()), from + count);
    cells.erase(cells.begin() + from, cells.begin() + last);
}

}  // namespace

const TGridCellStore::TRowCells* TGridCellStore::FindRow(int ARow) const {
    if (ARow < 0 || ARow >= RowSlots()) return nullptr;
    return FRows[std::size_t(ARow)].get();
}

TGridCellStore::TRowCells& TGridCellStore::Row(int ARow) {
    assert(ARow >= 0);
    if (ARow >= RowSlots()) FRows.resize(std::size_t(ARow) + 1);
    auto& row = FRows[std::size_t(ARow)];
    if (!row) {
        row = std::make_unique<TRowCells>();
        row->Texts.reserve(std::size_t(FWidthHint));
    }
    return *row;
}

QString TGridCellStore::TRowCells::Text(int ACol) const {
    if (ACol < 0 || ACol >= int(Texts.size())) return QString();
    return Texts[std::size_t(ACol)];
}

void TGridCellStore::TRowCells::SetText(int ACol, const QString& value) {
    if (ACol < 0) return;
    if (ACol >= int(Texts.size())) {
        if (value.isEmpty()) return;
        Texts.resize(std::size_t(ACol) + 1);
    }
    Texts[std::size_t(ACol)] = value;
}

TObject* TGridCellStore::TRowCells::Object(int ACol) const {
    if (ACol < 0 || ACol >= int(Objects.size())) return nullptr;
    return Objects[std::size_t(ACol)];
}

void TGridCellStore::TRowCells::SetObject(int ACol, TObject* value) {
    if (ACol < 0) return;
    if (ACol >= int(Objects.size())) {
        if (!value) return;
        Objects.resize(std::size_t(ACol) + 1, nullptr);
    }
    Objects[std::size_t(ACol)] = value;
}

QString TGridCellStore::Text(int ACol, int ARow) const {
    const TRowCells* row = FindRow(ARow);
    return row ? row->Text(ACol) : QString();
}

void TGridCellStore::SetText(int ACol, int ARow, const QString& value) {
    if (ACol < 0 || ARow < 0) return;
    const TRowCells* existing = FindRow(ARow);
    if (value.isEmpty() && (!existing || ACol >= int(existing->Texts.size()))) return;  // stays unallocated
    Row(ARow).SetText(ACol, value);
    ++FTextVersion;
}

TObject* TGridCellStore::Object(int ACol, int ARow) const {
    const TRowCells* row = FindRow(ARow);
    return row ? row->Object(ACol) : nullptr;
}

void TGridCellStore::SetObject(int ACol, int ARow, TObject* value) {
    if (ACol < 0 || ARow < 0) return;
    const TRowCells* existing = FindRow(ARow);
    if (!value && (!existing || ACol >= int(existing->Objects.size()))) return;
    Row(ARow).SetObject(ACol, value);
}

int TGridCellStore::ColumnSlots() const {
    std::size_t widest = 0;
    for (const auto& row : FRows)
        if (row) widest = std::max({widest, row->Texts.size(), row->Objects.size()});
    return int(widest);
}

void TGridCellStore::InsertRows(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow >= RowSlots()) return;  // nothing stored from there on
    ++FTextVersion;
    // New empty rows are added at the end and rotated into place: pointer moves only.
    FRows.resize(FRows.size() + std::size_t(ACount));
    std::rotate(FRows.begin() + ARow, FRows.end() - ACount, FRows.end());
}

void TGridCellStore::DeleteRows(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow >= RowSlots()) return;
    const int last = std::min(RowSlots(), ARow + ACount);
    ++FTextVersion;
    FRows.erase(FRows.begin() + ARow, FRows.begin() + last);
}

void TGridCellStore::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
    const int needed = std::max(FromIndex, ToIndex) + 1;
    if (needed > RowSlots()) FRows.resize(std::size_t(needed));
    MoveWithin(FRows, FromIndex, ToIndex);
}

void TGridCellStore::SwapRows(int ARow1, int ARow2) {
    if (ARow1 < 0 || ARow2 < 0 || ARow1 == ARow2) return;
    const int needed = std::max(ARow1, ARow2) + 1;
    if (needed > RowSlots()) FRows.resize(std::size_t(needed));
    std::swap(FRows[std::size_t(ARow1)], FRows[std::size_t(ARow2)]);
}

void TGridCellStore::InsertColumns(int ACol, int ACount) {
    if (ACount <= 0 || ACol < 0) return;
    ++FTextVersion;
    for (auto& row : FRows) {
        if (!row) continue;
        if (ACol < int(row->Texts.size())) row->Texts.insert(row->Texts.begin() + ACol, std::size_t(ACount), QString());
        if (ACol < int(row->Objects.size()))
            row->Objects.insert(row->Objects.begin() + ACol, std::size_t(ACount), nullptr);
    }
}

void TGridCellStore::DeleteColumns(int ACol, int ACount) {
    if (ACount <= 0 || ACol < 0) return;
    ++FTextVersion;
    for (auto& row : FRows) {
        if (!row) continue;
        EraseWithin(row->Texts, ACol, ACount);
        EraseWithin(row->Objects, ACol, ACount);
    }
}

void TGridCellStore::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
    ++FTextVersion;
    for (auto& row : FRows) {
        if (!row) continue;
        MoveWithin(row->Texts, FromIndex, ToIndex);
        MoveWithin(row->Objects, FromIndex, ToIndex);
    }
}

std::vector<TGridCellStore::TRowHandle> TGridCellStore::TakeRows(const std::vector<int>& ascendingRows) {
    ++FTextVersion;
    return TakeAtAscending(FRows, ascendingRows);
}

void TGridCellStore::PutRows(const std::vector<int>& ascendingPositions, std::vector<TRowHandle> rows) {
    ++FTextVersion;
    PutAtAscending(FRows, ascendingPositions, std::move(rows));
}
