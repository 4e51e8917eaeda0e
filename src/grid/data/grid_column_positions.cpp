// The string grid's column order saved at the place ColumnSize names: the ini file Key,
// section Section (Location clIniFile), or the registry key Key\Section of the current
// user. Value "Pos<i>" holds the index the column at displayed position i had when the
// order was recorded (the ColumnOrder entry), so loading moves every column back to the
// position it was saved at.

#include "grid/core/string_grid.h"
#include "platform/ini_file.h"
#include "platform/ordered_moves.h"
#include "platform/registry.h"

#include <vector>

namespace {
QString PositionKey(int Position) { return QStringLiteral("Pos") + QString::number(Position); }

QString RegistryKey(const TColumnSize& Place) { return Place.Key() + QLatin1Char('\\') + Place.Section(); }

// The order saved for Count positions, -1 where a position has no readable value.
std::vector<int> ReadSavedOrder(const TColumnSize& Place, int Count) {
    std::vector<int> order(std::size_t(Count), -1);
    if (Place.Location() == clIniFile) {
        const TIniFile ini(Place.Key());
        for (int i = 0; i < Count; ++i) order[std::size_t(i)] = ini.ReadInteger(Place.Section(), PositionKey(i), -1);
        return order;
    }
    TRegistry registry;
    if (!registry.OpenKeyReadOnly(RegistryKey(Place))) return order;
    for (int i = 0; i < Count; ++i) {
        try {
            order[std::size_t(i)] = registry.ReadInteger(PositionKey(i));
        } catch (const ERegistryException&) {
        }
    }
    return order;
}
}  // namespace

bool TExStringGrid::HasColumnPositionPlace() const {
    return !InDesignMode() && !FColumnSize->Key().isEmpty() && !FColumnSize->Section().isEmpty();
}

void TExStringGrid::SaveColPositions() {
    if (!HasColumnPositionPlace()) return;
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    const int count = std::min(FColumnOrder->Count(), ColCount());
    if (FColumnSize->Location() == clIniFile) {
        TIniFile ini(FColumnSize->Key());
        for (int i = 0; i < count; ++i) ini.WriteInteger(FColumnSize->Section(), PositionKey(i), FColumnOrder->Items(i));
        ini.UpdateFile();
        return;
    }
    TRegistry registry;
    if (!registry.OpenKey(RegistryKey(*FColumnSize), true)) return;
    try {
        for (int i = 0; i < count; ++i) registry.WriteInteger(PositionKey(i), FColumnOrder->Items(i));
    } catch (const ERegistryException&) {
        // An unwritable store keeps the order it had; the grid works on without it.
    }
}

void TExStringGrid::LoadColPositions() {
    if (!HasColumnPositionPlace() || NumHiddenColumns() > 0) return;
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    const int count = ColCount();
    const std::vector<int> saved = ReadSavedOrder(*FColumnSize, count);
    std::vector<int> current(std::size_t(FColumnOrder->Count()));
    for (int i = 0; i < FColumnOrder->Count(); ++i) current[std::size_t(i)] = FColumnOrder->Items(i);
    // Only a whole order of the columns there are is applied; anything else changes nothing.
    if (int(current.size()) != count || !IsPermutation(saved) || !IsPermutation(current)) return;
    for (int j = 0; j < count; ++j) {
        int k = j;
        while (FColumnOrder->Items(k) != saved[std::size_t(j)]) ++k;
        if (k != j) MoveColumn(k, j);
    }
}
