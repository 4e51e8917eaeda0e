// The column order in an ini file: the column grid's SaveColumnPositions /
// LoadColumnPositions, and its choice between the ini and the registry form.

#include "grid/core/column_grid.h"

#include "platform/ini_file.h"
#include "platform/ordered_moves.h"

#include <vector>

namespace {
QString PositionKey(int Position) { return QStringLiteral("CP") + QString::number(Position); }
}  // namespace

bool TExColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section) {
    TIniFile ini(Key);
    for (int i = 0; i < Columns()->Count(); ++i) ini.WriteInteger(Section, PositionKey(i), Columns()->Items(i)->DefIdx());
    return ini.UpdateFile();
}

void TExColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section) {
    const TIniFile ini(Key);
    const int count = Columns()->Count();
    std::vector<int> order(count);
    for (int j = 0; j < count; ++j) order[j] = ini.ReadInteger(Section, PositionKey(j), -1);
    std::vector<int> current(count);
    for (int i = 0; i < count; ++i) current[i] = Columns()->Items(i)->DefIdx();
    // Only a whole order of the columns there are, over columns that can all be moved.
    if (!IsPermutation(order) || !IsPermutation(current) || NumHiddenColumns() > 0) return;
    ArrangeColumns(order);
}

void TExColumnGrid::ArrangeColumns(const std::vector<int>& Order) {
    if (NumHiddenColumns() > 0) return;
    for (int j = 0; j < static_cast<int>(Order.size()) && j < Columns()->Count(); ++j) {
        int k = j;
        while (k < Columns()->Count() && Columns()->Items(k)->DefIdx() != Order[j]) ++k;
        if (k >= Columns()->Count()) return;
        if (k != j) MoveColumn(k, j);
    }
}

void TExColumnGrid::SaveColPositions() {
    if (ColumnSize()->Location() != clIniFile) TExStringGrid::SaveColPositions();
    else if (HasColumnPositionPlace()) SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}

void TExColumnGrid::LoadColPositions() {
    if (ColumnSize()->Location() != clIniFile) TExStringGrid::LoadColPositions();
    else if (HasColumnPositionPlace()) LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}
