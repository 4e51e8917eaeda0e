#include "platform/collection.h"

#include <algorithm>

int TCollectionItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int Value) {
    if (!FCollection) return;
    const int current = Index();
    const int target = std::clamp(Value, 0, FCollection->Count() - 1);
    if (current >= 0 && target != current) FCollection->Move(current, target);
}

TCollection::~TCollection() = default;

void TCollection::CheckIndex(int Index, int Limit) const {
    if (Index < 0 || Index >= Limit) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

TCollectionItem* TCollection::Items(int Index) const {
    CheckIndex(Index, Count());
    return FItems[static_cast<std::size_t>(Index)].get();
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int Index) {
    CheckIndex(Index, Count() + 1);
    auto item = FItemFactory(this);
    TCollectionItem* result = item.get();
    FItems.insert(FItems.begin() + Index, std::move(item));
    return result;
}

void TCollection::Delete(int Index) {
    CheckIndex(Index, Count());
    // Out of the list first, so the item's destructor never sees itself listed.
    auto item = std::move(FItems[static_cast<std::size_t>(Index)]);
    FItems.erase(FItems.begin() + Index);
}

void TCollection::Clear() {
    auto items = std::move(FItems);
    FItems.clear();
}

int TCollection::IndexOf(const TCollectionItem* Item) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item) return static_cast<int>(i);
    return -1;
}

void TCollection::Move(int FromIndex, int ToIndex) {
    CheckIndex(FromIndex, Count());
    CheckIndex(ToIndex, Count());
    auto item = std::move(FItems[static_cast<std::size_t>(FromIndex)]);
    FItems.erase(FItems.begin() + FromIndex);
    FItems.insert(FItems.begin() + ToIndex, std::move(item));
}

void TCollection::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TCollection*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    Clear();
    for (int i = 0; i < source->Count(); ++i) Add()->Assign(source->Items(i));
}
