// The string grid's column order saved at the place ColumnSize names: the ini file Key,
// section Section (Location clIniFile), or the registry key Key\Section of the current
// user. Value "Pos<i>" holds the column order list's entry at storage position i (the
// index the column there had when the order was recorded), so loading moves every
// column back to the position it was saved at; hidden columns move too and stay hidden.

#include "grid/core/string_grid.h"
#include "grid/data/column_order_moves.h"
#include "grid/data/column_settings_store.h"
#include "platform/ordered_moves.h"

#include <algorithm>
#include <vector>

namespace {
QString PositionKey(int Position) { return QStringLiteral("Pos") + QString::number(Position); }
}  // namespace

bool TExStringGrid::HasColumnPositionPlace() const {
    return !InDesignMode() && !FColumnSize->Key().isEmpty() && !FColumnSize->Section().isEmpty();
}

void TExStringGrid::SaveColPositions() {
    if (!HasColumnPositionPlace()) return;
    TColumnSettingsStore store(*FColumnSize);
    const std::vector<int> order = RecordedColumnOrder(*this);
    for (int i = 0; i < int(order.size()); ++i)
        // An unwritable store keeps the order it had; the grid works on without it.
        if (!store.WriteInteger(PositionKey(i), order[std::size_t(i)])) return;
    store.Flush();
}

void TExStringGrid::LoadColPositions() {
    if (!HasColumnPositionPlace()) return;
    std::vector<int> saved(std::size_t(AllColCount()), -1);
    {
        TColumnSettingsStore store(*FColumnSize);
        if (!store.ValueExists(PositionKey(0))) return;
        for (int i = 0; i < AllColCount(); ++i) saved[std::size_t(i)] = store.ReadInteger(PositionKey(i), -1);
        // Written back so that a missing ini file exists afterwards; a file that cannot be
        // written changes nothing here.
        store.Flush();
    }
    // Only a whole order of the columns there are is applied; anything else changes nothing.
    if (!IsPermutation(saved)) return;

    // The hidden columns, by their list entry, which travels with them.
    const std::vector<int> recorded = RecordedColumnOrder(*this);
    std::vector<int> hidden;
    for (int c = 0; c < AllColCount(); ++c)
        if (IsHiddenColumn(c)) hidden.push_back(recorded[std::size_t(c)]);
    UnHideColumnsAll();
    if (!hidden.empty()) {
        // The list was recorded over every column; shown now, the grid takes it as it is.
        FColumnOrder->Clear();
        for (int entry : recorded) FColumnOrder->Add(entry);
    }
    MoveColumnsToOrder(*this, saved);
    for (int c = AllColCount() - 1; c >= 0; --c)
        if (std::find(hidden.begin(), hidden.end(), FColumnOrder->Items(c)) != hidden.end()) HideColumn(c);
}
