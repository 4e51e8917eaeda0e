#include "grid/core/hidden_row_store.h"

#include <algorithm>
#include <cassert>
#include <iterator>

TGridItem::TGridItem(RealRow AIdx, int AHeight, int ALevel, TGridCellStore::TRowHandle ACells)
    : FIdx(AIdx.v), FHeight(AHeight), FLevel(ALevel), FCells(std::move(ACells)) {}

QString TGridItem::Cells(RealCol ACol) const { return FCells ? FCells->Text(ACol.v) : QString(); }

void TGridItem::SetCells(RealCol ACol, const QString& value) {
    if (!FCells) {
        if (value.isEmpty()) return;
        FCells = std::make_unique<TGridCellStore::TRowCells>();
    }
    FCells->SetText(ACol.v, value);
}

TObject* TGridItem::Objects(RealCol ACol) const { return FCells ? FCells->Object(ACol.v) : nullptr; }

void TGridItem::SetObjects(RealCol ACol, TObject* value) {
    if (!FCells) {
        if (!value) return;
        FCells = std::make_unique<TGridCellStore::TRowCells>();
    }
    FCells->SetObject(ACol.v, value);
}

void TGridItem::ClearTexts() {
    if (FCells) FCells->Texts.clear();
}

std::vector<TGridItem>::const_iterator THiddenRowStore::LowerBound(RealRow ARow) const {
    return std::partition_point(FItems.begin(), FItems.end(), [&](const TGridItem& item) { return item.FIdx < ARow.v; });
}

bool THiddenRowStore::Contains(RealRow ARow) const { return Find(ARow) != nullptr; }

const TGridItem* THiddenRowStore::Find(RealRow ARow) const {
    const auto it = LowerBound(ARow);
    return it != FItems.end() && it->FIdx == ARow.v ? &*it : nullptr;
}

TGridItem* THiddenRowStore::Find(RealRow ARow) {
    return const_cast<TGridItem*>(std::as_const(*this).Find(ARow));
}

int THiddenRowStore::CountBelow(RealRow ARow) const { return int(LowerBound(ARow) - FItems.begin()); }

int THiddenRowStore::CountAtOrBelow(RealRow ARow) const {
    return int(std::partition_point(FItems.begin(), FItems.end(), [&](const TGridItem& item) { return item.FIdx <= ARow.v; }) -
               FItems.begin());
}

int THiddenRowStore::CountIn(RealRow From, RealRow To) const {
    if (To < From) return 0;
    return CountAtOrBelow(To) - CountBelow(From);
}

namespace {

// Questions after a change before the tables are built: a build costs about as much as
// this many binary searches over a large store.
constexpr int TableThreshold = 2048;

}  // namespace

void THiddenRowStore::Changed() {
    FTablesValid = false;
    FQuestionsSinceChange = 0;
}

bool THiddenRowStore::TablesReady() const {
    if (FTablesValid) return true;
    if (FItems.empty() || ++FQuestionsSinceChange < TableThreshold) return false;
    const int last = FItems.back().FIdx;
    FRealToDispl.resize(std::size_t(last) + 1);
    FDisplToReal.clear();
    FDisplToReal.reserve(std::size_t(last) + 1 - FItems.size());
    std::size_t next = 0;
    for (int r = 0; r <= last; ++r) {
        FRealToDispl[std::size_t(r)] = r - int(next);
        if (next < FItems.size() && FItems[next].FIdx == r)
            ++next;
        else
            FDisplToReal.push_back(r);
    }
    FTablesValid = true;
    return true;
}

DisplRow THiddenRowStore::DisplIndex(RealRow ARow) const {
    if (ARow.v >= 0 && TablesReady()) {
        if (ARow.v < int(FRealToDispl.size())) return DisplRow(FRealToDispl[std::size_t(ARow.v)]);
        return DisplRow(ARow.v - Count());
    }
    return DisplRow(ARow.v - CountBelow(ARow));
}

RealRow THiddenRowStore::RealIndex(DisplRow ARow) const {
    if (ARow.v >= 0 && TablesReady()) {
        if (ARow.v < int(FDisplToReal.size())) return RealRow(FDisplToReal[std::size_t(ARow.v)]);
        return RealRow(ARow.v + Count());
    }
    // The i-th held-out row has i held-out rows below it, so it would be shown at
    // Idx - i; every held-out row whose would-be place is at or before ARow pushes the
    // displayed row one real row further.
    const auto it = std::partition_point(FItems.begin(), FItems.end(), [&](const TGridItem& item) {
        return item.FIdx - int(&item - FItems.data()) <= ARow.v;
    });
    return RealRow(ARow.v + int(it - FItems.begin()));
}

void THiddenRowStore::Add(std::vector<TGridItem> items) {
    if (items.empty()) return;
    Changed();
    assert(std::is_sorted(items.begin(), items.end(), [](const TGridItem& a, const TGridItem& b) { return a.FIdx < b.FIdx; }));
    auto byIdx = [](const TGridItem& a, const TGridItem& b) { return a.FIdx < b.FIdx; };
    if (FItems.empty()) {
        FItems = std::move(items);
        return;
    }
    if (FItems.back().FIdx < items.front().FIdx) {
        FItems.insert(FItems.end(), std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
        return;
    }
    std::vector<TGridItem> merged;
    merged.reserve(FItems.size() + items.size());
    std::merge(std::make_move_iterator(FItems.begin()), std::make_move_iterator(FItems.end()),
               std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()), std::back_inserter(merged),
               byIdx);
    FItems = std::move(merged);
    assert(std::adjacent_find(FItems.begin(), FItems.end(), [](const TGridItem& a, const TGridItem& b) {
               return a.FIdx == b.FIdx;
           }) == FItems.end());
}

std::vector<TGridItem> THiddenRowStore::TakeWhere(auto&& predicate) {
    Changed();
    std::vector<TGridItem> taken;
    auto write = FItems.begin();
    for (auto read = FItems.begin(); read != FItems.end(); ++read) {
        if (predicate(*read))
            taken.push_back(std::move(*read));
        else
            *write++ = std::move(*read);
    }
    FItems.erase(write, FItems.end());
    return taken;
}

std::vector<TGridItem> THiddenRowStore::Take(RealRow From, RealRow To) {
    if (To < From) return {};
    const auto first = FItems.begin() + CountBelow(From);
    const auto last = FItems.begin() + CountAtOrBelow(To);
    Changed();
    std::vector<TGridItem> taken(std::make_move_iterator(first), std::make_move_iterator(last));
    FItems.erase(first, last);
    return taken;
}

std::vector<TGridItem> THiddenRowStore::TakeLevel(int ALevel) {
    return TakeWhere([&](const TGridItem& item) { return item.FLevel == ALevel; });
}

std::vector<TGridItem> THiddenRowStore::TakeRanges(const std::vector<std::pair<RealRow, RealRow>>& AscendingRanges) {
    std::size_t range = 0;
    return TakeWhere([&](const TGridItem& item) {
        while (range < AscendingRanges.size() && AscendingRanges[range].second.v < item.FIdx) ++range;
        return range < AscendingRanges.size() && AscendingRanges[range].first.v <= item.FIdx;
    });
}

std::vector<TGridItem> THiddenRowStore::TakeAll() {
    Changed();
    return std::exchange(FItems, {});
}

void THiddenRowStore::ShiftIndexes(RealRow ARow, int Delta) {
    Changed();
    auto it = FItems.begin() + CountBelow(ARow);
    assert(Delta >= 0 || it == FItems.begin() || std::prev(it)->FIdx < ARow.v + Delta);
    for (; it != FItems.end(); ++it) it->FIdx += Delta;
}

int THiddenRowStore::CountOfLevel(int ALevel) const {
    return int(std::count_if(FItems.begin(), FItems.end(), [&](const TGridItem& item) { return item.FLevel == ALevel; }));
}
