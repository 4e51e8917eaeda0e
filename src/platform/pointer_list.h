#pragma once
// An ordered list of pointers the list does not own. Every index is checked: one
// outside the items raises EListError.

#include "platform/types.h"

#include <vector>

template <class T>
class TList {
public:
    virtual ~TList() = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    T* Items(int Index) const {
        CheckIndex(Index, Count());
        return FItems[static_cast<std::size_t>(Index)];
    }
    void SetItems(int Index, T* Value) {
        CheckIndex(Index, Count());
        FItems[static_cast<std::size_t>(Index)] = Value;
    }
    int Add(T* Value) {
        FItems.push_back(Value);
        return Count() - 1;
    }
    void Delete(int Index) {
        CheckIndex(Index, Count());
        FItems.erase(FItems.begin() + Index);
    }
    void Clear() { FItems.clear(); }
    T* Last() const { return Items(Count() - 1); }

private:
    static void CheckIndex(int Index, int Limit) {
        if (Index < 0 || Index >= Limit) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    }

    std::vector<T*> FItems;
};
