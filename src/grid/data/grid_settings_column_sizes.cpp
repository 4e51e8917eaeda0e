// Column widths at the place ColumnSize names, values "Col<i>" with the width in pixels.

#include "grid/core/string_grid.h"
#include "grid/data/column_settings_store.h"

namespace {
QString WidthKey(int Column) { return QStringLiteral("Col") + QString::number(Column); }

// Wider than any screen; a stored value beyond it is no width this grid has saved.
constexpr int kMaxStoredWidth = 32767;
}  // namespace

void TExStringGrid::SaveColSizes() {
    if (!HasColumnPositionPlace()) return;
    TColumnSettingsStore store(*FColumnSize);
    for (int c = 0; c < ColCount(); ++c) store.WriteInteger(WidthKey(c), ColWidths(c));
    // Saving runs as the grid goes away: a store that cannot be written keeps what it had.
    store.Flush();
}

void TExStringGrid::LoadColSizes() {
    if (!HasColumnPositionPlace()) return;
    TColumnSettingsStore store(*FColumnSize);
    for (int c = 0; c < ColCount(); ++c) {
        const int width = store.ReadInteger(WidthKey(c), ColWidths(c));
        if (width != ColWidths(c) && width >= 0 && width <= kMaxStoredWidth) SetColWidths(c, width);
    }
    // Written back so that a missing ini file exists afterwards; loading runs as the
    // window is made, so a file that cannot be written changes nothing here.
    store.Flush();
}
