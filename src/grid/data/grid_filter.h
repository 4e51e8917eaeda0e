#pragma once
// The grid's active filter conditions, one item per condition on a real column. Filtering
// itself is built with the data features; painting asks whether a column is filtered.

#include "platform/component.h"

#include <QString>
#include <vector>

class TFilterData : public TObject {
public:
    int Column = -1;  // real column
    QString Condition;
    bool CaseSensitive = false;
};

class TFilter : public TObject {
public:
    TFilterData& Add();
    int Count() const { return int(FItems.size()); }
    TFilterData& Items(int Index) { return FItems.at(std::size_t(Index)); }
    void Clear() { FItems.clear(); }
    // True when an item with a condition filters the real column ACol.
    bool HasFilter(int ACol) const;
    // The item of the real column Col, added when there is none. The reference holds
    // until the next Add or Clear.
    TFilterData& GetColFilter(int Col);

private:
    std::vector<TFilterData> FItems;
};
