#include "grid/core/column_display_map.h"

#include <algorithm>
#include <limits>

namespace {

bool Stored(int ACol) { return ACol >= 0 && ACol < TColumnDisplayMap::StoredColumns; }
bool Hideable(int ACol) { return ACol >= 0 && ACol < TColumnDisplayMap::HideableColumns; }

}  // namespace

TColumnDisplayMap::TColumnDisplayMap() {
    FVisibleCol.fill(true);
    Rebuild();
}

void TColumnDisplayMap::Rebuild() {
    FDisplayedToReal.clear();
    int hiddenBelow = 0;
    for (int c = 0; c < StoredColumns; ++c) {
        FRealToDisplayed[std::size_t(c)] = c - hiddenBelow;
        if (!FVisibleCol[std::size_t(c)])
            ++hiddenBelow;
        else if (Hideable(c))
            FDisplayedToReal.push_back(c);
    }
    FNumHidden = hiddenBelow;
}

bool TColumnDisplayMap::IsHidden(RealCol ACol) const { return Hideable(ACol.v) && !FVisibleCol[std::size_t(ACol.v)]; }

DisplCol TColumnDisplayMap::DisplIndex(RealCol ACol) const {
    if (FNumHidden == 0 || !Hideable(ACol.v)) return DisplCol(ACol.v);
    return DisplCol(FRealToDisplayed[std::size_t(ACol.v)]);
}

RealCol TColumnDisplayMap::RealIndex(DisplCol ACol) const {
    if (FNumHidden == 0 || ACol.v >= HideableColumns) return RealCol(ACol.v);
    if (ACol.v < 0 || ACol.v >= int(FDisplayedToReal.size())) return RealCol(0);
    return RealCol(FDisplayedToReal[std::size_t(ACol.v)]);
}

int TColumnDisplayMap::KeptWidth(RealCol ACol) const { return Stored(ACol.v) ? FAllColWidths[std::size_t(ACol.v)] : 0; }

void TColumnDisplayMap::SetKeptWidth(RealCol ACol, int Width) {
    if (!Stored(ACol.v)) return;
    using Limits = std::numeric_limits<std::int16_t>;
    FAllColWidths[std::size_t(ACol.v)] = std::int16_t(std::clamp<int>(Width, Limits::min(), Limits::max()));
}

bool TColumnDisplayMap::Hide(RealCol ACol, int Width) {
    if (!Hideable(ACol.v) || !FVisibleCol[std::size_t(ACol.v)]) return false;
    SetKeptWidth(ACol, Width);
    FVisibleCol[std::size_t(ACol.v)] = false;
    Rebuild();
    return true;
}

bool TColumnDisplayMap::Show(RealCol ACol) {
    if (!IsHidden(ACol)) return false;
    FVisibleCol[std::size_t(ACol.v)] = true;
    Rebuild();
    return true;
}

int TColumnDisplayMap::InsertColumns(RealCol ACol, int Count) {
    if (Count <= 0 || !Stored(ACol.v)) return 0;
    Count = std::min(Count, StoredColumns);
    const int hiddenBefore = FNumHidden;
    for (int c = StoredColumns - 1; c >= ACol.v; --c) {
        const int from = c - Count;
        const bool moves = from >= ACol.v;
        FVisibleCol[std::size_t(c)] = moves ? FVisibleCol[std::size_t(from)] : true;
        FAllColWidths[std::size_t(c)] = moves ? FAllColWidths[std::size_t(from)] : std::int16_t(0);
    }
    FVisibleCol[HideableColumns] = true;
    Rebuild();
    return hiddenBefore - FNumHidden;
}

int TColumnDisplayMap::RemoveColumns(RealCol ACol, int Count) {
    if (Count <= 0 || !Stored(ACol.v)) return 0;
    Count = std::min(Count, StoredColumns);
    const int hiddenBefore = FNumHidden;
    for (int c = ACol.v; c < StoredColumns; ++c) {
        const int from = c + Count;
        const bool moves = Stored(from);
        FVisibleCol[std::size_t(c)] = moves ? FVisibleCol[std::size_t(from)] : true;
        FAllColWidths[std::size_t(c)] = moves ? FAllColWidths[std::size_t(from)] : std::int16_t(0);
    }
    Rebuild();
    return hiddenBefore - FNumHidden;
}
