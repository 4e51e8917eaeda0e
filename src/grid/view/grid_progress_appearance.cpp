#include "grid/view/grid_progress_appearance.h"

void TGridProgressAppearance::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TGridProgressAppearance*>(Source);
    if (!source) return;
#define GRID_PROGRESS_COPY(Type, Name, Default) F##Name = source->F##Name;
    GRID_PROGRESS_APPEARANCE_PROPERTIES(GRID_PROGRESS_COPY)
#undef GRID_PROGRESS_COPY
    Changed();
}

void TGridProgressAppearance::Changed() {
    if (OnChange) OnChange(this);
}
