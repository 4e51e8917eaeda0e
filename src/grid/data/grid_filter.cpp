#include "grid/data/grid_filter.h"

void TFilterData::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFilterData*>(Source);
    if (!source || source == this) return;
    Column = source->Column;
    Condition = source->Condition;
    CaseSensitive = source->CaseSensitive;
    Data = source->Data;
    Prefix = source->Prefix;
    Suffix = source->Suffix;
    Operation = source->Operation;
}

TFilterData& TFilter::Add() {
    TFilterData& item = *FItems.emplace_back(std::make_unique<TFilterData>());
    item.Operation = FItems.size() == 1 ? foNONE : foAND;
    return item;
}

TFilterData& TFilter::Insert(int) { return *FItems.emplace_back(std::make_unique<TFilterData>()); }

bool TFilter::HasFilter(int ACol) const {
    for (const auto& item : FItems)
        if (item->Column == ACol && !item->Condition.isEmpty()) return true;
    return false;
}

TFilterData& TFilter::ColumnFilter(int Col) {
    for (const auto& item : FItems)
        if (item->Column == Col) return *item;
    TFilterData& item = Add();
    item.Column = Col;
    return item;
}

void TFilter::RemoveColumnFilter(int Col) {
    std::erase_if(FItems, [Col](const std::unique_ptr<TFilterData>& item) { return item->Column == Col; });
}

const TFilterExpressionMatcher& TFilterMatchers::For(int Index, const TFilterData& Item) {
    if (std::size_t(Index) >= FItems.size()) FItems.resize(std::size_t(Index) + 1);
    TParsed& parsed = FItems[std::size_t(Index)];
    if (!parsed.Matcher || parsed.Condition != Item.Condition || parsed.CaseSensitive != Item.CaseSensitive) {
        parsed.Matcher.emplace(Item.Condition, Item.CaseSensitive);
        parsed.Condition = Item.Condition;
        parsed.CaseSensitive = Item.CaseSensitive;
    }
    return *parsed.Matcher;
}
