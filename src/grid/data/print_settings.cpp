#include "grid/data/print_settings.h"

void TPrintSettings::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TPrintSettings*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    const bool fixedCellsAlways = FixedCellsAlways;
    TExStringGrid* owner = FOwner;
    *this = *source;
    FixedCellsAlways = fixedCellsAlways;
    FOwner = owner;
}
