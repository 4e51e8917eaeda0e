#pragma once
// An owned, ordered list of items of one class (button rows, selector items). Items
// know their collection and their index; the collection deletes them. Adding,
// deleting and moving items report nothing: collections whose owners must hear of an
// item's change say so from that item's setters (ItemChanged).

#include "platform/persistent.h"

#include <functional>
#include <memory>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* Collection) : FCollection(Collection) {}

    TCollection* Collection() const { return FCollection; }
    // The item's position in its collection.
    int Index() const;
    // Moves the item to another position (clamped to the collection).
    void SetIndex(int Value);

private:
    TCollection* FCollection;
};

class TCollection : public TPersistent {
public:
    using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;

    explicit TCollection(TItemFactory ItemFactory) : FItemFactory(std::move(ItemFactory)) {}
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    // An index outside 0 .. Count - 1 raises EListError.
    TCollectionItem* Items(int Index) const;
    TCollectionItem* Add();
    // Index may be Count (appends); outside that EListError.
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int IndexOf(const TCollectionItem* Item) const;
    void Move(int FromIndex, int ToIndex);

    // Replaces the items by copies of Source's (each through its item's Assign).
    void Assign(const TPersistent* Source) override;

    // Raised by item setters whose change the owner must hear of.
    TNotifyEvent OnChange;
    void ItemChanged() {
        if (OnChange) OnChange(this);
    }

private:
    void CheckIndex(int Index, int Limit) const;

    TItemFactory FItemFactory;
    std::vector<std::unique_ptr<TCollectionItem>> FItems;
};

// A collection that belongs to an object (GetOwner answers it).
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TObject* AOwner, TItemFactory ItemFactory)
        : TCollection(std::move(ItemFactory)), FOwner(AOwner) {}
    TObject* GetOwner() const override { return FOwner; }

private:
    TObject* FOwner;
};

// Typed access for a collection of Item: Add, Insert and Items give Item pointers.
template <class Item, class Base = TOwnedCollection>
class TCollectionOf : public Base {
public:
    explicit TCollectionOf(TObject* AOwner)
        : Base(AOwner, [](TCollection* c) { return std::make_unique<Item>(c); }) {}
    Item* Add() { return static_cast<Item*>(TCollection::Add()); }
    Item* Insert(int Index) { return static_cast<Item*>(TCollection::Insert(Index)); }
    Item* Items(int Index) const { return static_cast<Item*>(TCollection::Items(Index)); }
    void SetItems(int Index, const Item* Value) { Items(Index)->Assign(Value); }
};
