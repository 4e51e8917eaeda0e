#pragma once
// A pointer list that names the failed access when an index is past its end.

#include "platform/pointer_list.h"

template <class T>
class TDbgList : public TList<T> {
public:
    // Clears the list, then takes every pointer of ListA in order.
    void AssignList(const TList<T>& ListA) {
        this->Clear();
        for (int i = 0; i < ListA.Count(); ++i) this->Add(ListA.Items(i));
    }
    // An index at or past the end raises Exception; a negative one the list's EListError.
    T* Items(int Index) const {
        if (Index >= this->Count()) throw Exception(QStringLiteral("Index out of bounds in list read access"));
        return TList<T>::Items(Index);
    }
    void SetItems(int Index, T* Value) {
        if (Index >= this->Count()) throw Exception(QStringLiteral("Index out of bounds in list write access"));
        TList<T>::SetItems(Index, Value);
    }
};
