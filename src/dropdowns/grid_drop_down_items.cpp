#include "dropdowns/grid_drop_down_items.h"

namespace grid_drop_down {

void TDropDownItem::Changed() {
    if (auto* items = dynamic_cast<TDropDownItems*>(Collection())) items->CountChange();
}

QStringList& TDropDownItem::EditText() {
    Changed();
    return FText;
}

void TDropDownItem::SetText(const QStringList& Value) {
    FText = Value;
    Changed();
}

void TDropDownItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDropDownItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    FImageIndex = source->FImageIndex;
    FText = source->FText;
    Changed();
}

TDropDownItem* TDropDownItems::Add() {
    CountChange();
    return TCollectionOf<TDropDownItem>::Add();
}

TDropDownItem* TDropDownItems::Insert(int Index) {
    CountChange();
    return TCollectionOf<TDropDownItem>::Insert(Index);
}

void TDropDownItems::Delete(int Index) {
    CountChange();
    TCollection::Delete(Index);
}

void TDropDownItems::Clear() {
    CountChange();
    TCollection::Clear();
}

void TDropDownItems::Move(int FromIndex, int ToIndex) {
    CountChange();
    TCollection::Move(FromIndex, ToIndex);
}

void TDropDownItems::Assign(const TPersistent* Source) {
    CountChange();
    TCollectionOf<TDropDownItem>::Assign(Source);
}

}  // namespace grid_drop_down
