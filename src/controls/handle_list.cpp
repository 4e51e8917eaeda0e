#include "controls/handle_list.h"

#include <algorithm>

void THandleList::CheckIndex(int Index, int limit) const {
    if (Index < 0 || Index >= limit) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

HWND THandleList::Items(int Index) const {
    CheckIndex(Index, Count());
    return FItems[std::size_t(Index)];
}

void THandleList::SetItems(int Index, HWND Value) {
    CheckIndex(Index, Count());
    FItems[std::size_t(Index)] = Value;
}

void THandleList::Insert(int Index, HWND Value) {
    CheckIndex(Index, Count() + 1);
    FItems.insert(FItems.begin() + Index, Value);
}

void THandleList::Delete(int Index) {
    CheckIndex(Index, Count());
    FItems.erase(FItems.begin() + Index);
}

void THandleList::DeleteValue(HWND Value) {
    const auto it = std::find(FItems.begin(), FItems.end(), Value);
    if (it != FItems.end()) FItems.erase(it);
}

bool THandleList::HasValue(HWND Value) const { return std::find(FItems.begin(), FItems.end(), Value) != FItems.end(); }
