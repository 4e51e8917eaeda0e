#include "grid/core/column_size_settings.h"

#include "platform/control.h"

void TColumnSize::SetStretch(bool Value) {
    FStretch = Value;
    if (Value && Owner) Owner->Invalidate();
}

void TColumnSize::Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TColumnSize*>(Source);
    if (!s) return;
    FSave = s->FSave;
    FKey = s->FKey;
    FSection = s->FSection;
    FStretch = s->FStretch;
    FStretchColumn = s->FStretchColumn;
    FSynchWithGrid = s->FSynchWithGrid;
    FSynchNormalCellsOnly = s->FSynchNormalCellsOnly;
    FLocation = s->FLocation;
    FRows = s->FRows;
}
