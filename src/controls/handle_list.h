#pragma once
// A list of window handles, for the windows that want to hear of theme changes.

#include "platform/messages.h"
#include "platform/types.h"

#include <vector>

class THandleList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raise EListError for an index outside 0 .. Count - 1.
    HWND Items(int Index) const;
    void SetItems(int Index, HWND Value);
    void Add(HWND Value) { FItems.push_back(Value); }
    // Index may be Count, which appends.
    void Insert(int Index, HWND Value);
    void Delete(int Index);
    // Removes the first occurrence; nothing when the value is absent.
    void DeleteValue(HWND Value);
    bool HasValue(HWND Value) const;
    const std::vector<HWND>& ToVector() const { return FItems; }

private:
    void CheckIndex(int Index, int limit) const;
    std::vector<HWND> FItems;
};
