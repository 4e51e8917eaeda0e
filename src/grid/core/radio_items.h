#pragma once
// The item list of a cell radio group as its cell object holds it: the caller's list,
// which the grid only reads, or a list the grid made and frees with the object.

#include "platform/component.h"
#include "platform/string_list.h"

#include <memory>

class TRadioItems : public TObject {
public:
    explicit TRadioItems(TStringList* Borrowed) : FItems(Borrowed) {}
    TRadioItems() : FOwned(std::make_unique<TStringList>()), FItems(FOwned.get()) {}
    TStringList* Items() const { return FItems; }

private:
    std::unique_ptr<TStringList> FOwned;
    TStringList* FItems;
};
