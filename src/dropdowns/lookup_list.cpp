#include "dropdowns/lookup_list.h"

#include <algorithm>
#include <numeric>

void TLookupList::Assign(QStringList Texts) {
    FTexts = std::move(Texts);
    FFolded = {};
    FAsWritten = {};
    FFolded.Build(FTexts, true);
}

const TLookupList::TIndex& TLookupList::IndexFor(bool CaseSensitive) const {
    if (!CaseSensitive) return FFolded;
    if (!FAsWritten.Built) FAsWritten.Build(FTexts, false);
    return FAsWritten;
}

int TLookupList::FindPrefix(const QString& Prefix, bool CaseSensitive) const {
    if (Prefix.isEmpty()) return -1;
    return IndexFor(CaseSensitive).FindPrefix(CaseSensitive ? Prefix : Fold(Prefix));
}

int TLookupList::FindText(const QString& Value, bool CaseSensitive) const {
    return IndexFor(CaseSensitive).FindEqual(CaseSensitive ? Value : Fold(Value));
}

void TLookupList::TIndex::Build(const QStringList& Texts, bool Folded) {
    const std::size_t n = Texts.size();
    std::vector<QString> keys(n);
    for (std::size_t i = 0; i < n; ++i) keys[i] = Folded ? Fold(Texts[i]) : Texts[i];
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    // Stable, so equal keys keep list order (the run's minimum does not rely on it, but
    // the table then starts sorted within runs).
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    Keys.resize(n);
    Positions.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        Keys[i] = std::move(keys[order[i]]);
        Positions[i] = order[i];
    }
    Minimum.assign(1, Positions);
    for (std::size_t width = 2; width <= n; width *= 2) {
        const std::vector<int>& previous = Minimum.back();
        std::vector<int> level(n - width + 1);
        for (std::size_t i = 0; i < level.size(); ++i)
            level[i] = std::min(previous[i], previous[i + width / 2]);
        Minimum.push_back(std::move(level));
    }
    Built = true;
}

int TLookupList::TIndex::FirstPosition(std::size_t From, std::size_t To) const {
    if (From >= To) return -1;
    std::size_t level = 0;
    while ((std::size_t{2} << level) <= To - From) ++level;
    return std::min(Minimum[level][From], Minimum[level][To - (std::size_t{1} << level)]);
}

int TLookupList::TIndex::FindPrefix(const QString& Key) const {
    // Keys starting with Key form the run whose first Key.size() characters equal Key.
    const auto head = [&](const QString& s) { return QStringView(s).left(Key.size()); };
    const auto from = std::lower_bound(Keys.begin(), Keys.end(), Key,
                                       [&](const QString& s, const QString& k) { return head(s) < QStringView(k); });
    const auto to = std::upper_bound(from, Keys.end(), Key,
                                     [&](const QString& k, const QString& s) { return QStringView(k) < head(s); });
    return FirstPosition(from - Keys.begin(), to - Keys.begin());
}

int TLookupList::TIndex::FindEqual(const QString& Key) const {
    const auto [from, to] = std::equal_range(Keys.begin(), Keys.end(), Key);
    return FirstPosition(from - Keys.begin(), to - Keys.begin());
}
