#include "grid/data/grid_filter.h"

TFilterData& TFilter::Add() { return FItems.emplace_back(); }

bool TFilter::HasFilter(int ACol) const {
    for (const TFilterData& item : FItems)
        if (item.Column == ACol && !item.Condition.isEmpty()) return true;
    return false;
}

TFilterData& TFilter::GetColFilter(int Col) {
    for (TFilterData& item : FItems)
        if (item.Column == Col) return item;
    TFilterData& item = Add();
    item.Column = Col;
    return item;
}
