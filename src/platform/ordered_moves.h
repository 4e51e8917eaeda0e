#pragma once
// Taking many elements out of a sequence, and putting many in, in one pass each: the
// elements between move once, however many are taken or put. Used for rows that leave
// a grid and come back as blocks (their cells and their heights alike).

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <utility>
#include <vector>

// Moves the elements at the given ascending, distinct indexes out of items (in that
// order) and closes the gaps. An index at or beyond the end takes a default element.
template <class T>
std::vector<T> TakeAtAscending(std::vector<T>& items, const std::vector<int>& indexes) {
    std::vector<T> taken;
    taken.reserve(indexes.size());
    const std::size_t size = items.size();
    std::size_t next = 0;
    std::size_t write = size;
    if (!indexes.empty() && std::size_t(indexes.front()) < size) write = std::size_t(indexes.front());
    for (std::size_t read = write; read < size; ++read) {
        if (next < indexes.size() && std::size_t(indexes[next]) == read) {
            taken.push_back(std::move(items[read]));
            ++next;
        } else {
            items[write++] = std::move(items[read]);
        }
    }
    for (; next < indexes.size(); ++next) taken.push_back(T());
    items.resize(write);
    return taken;
}

// Puts values[i] at index positions[i] of the result (ascending, distinct); the items
// keep their order in the other places. A position beyond the items and the values
// before it is reached through default elements.
template <class T>
void PutAtAscending(std::vector<T>& items, const std::vector<int>& positions, std::vector<T> values) {
    assert(positions.size() == values.size());
    if (positions.empty()) return;
    const std::size_t count = positions.size();
    const std::size_t oldSize = items.size();
    const std::size_t finalSize = std::max(oldSize + count, std::size_t(positions.back()) + 1);
    items.resize(finalSize);
    // Walking from the back, an old element is read before its slot is written.
    std::ptrdiff_t source = std::ptrdiff_t(finalSize - count) - 1;
    std::ptrdiff_t next = std::ptrdiff_t(count) - 1;
    for (std::ptrdiff_t k = std::ptrdiff_t(finalSize) - 1; k >= 0 && next >= 0; --k) {
        if (positions[std::size_t(next)] == k) {
            items[std::size_t(k)] = std::move(values[std::size_t(next--)]);
        } else {
            if (source != k) items[std::size_t(k)] = std::size_t(source) < oldSize ? std::move(items[std::size_t(source)]) : T();
            --source;
        }
    }
}

// True when the values are an order of 0 .. n-1 for their count n: each exactly once.
inline bool IsPermutation(const std::vector<int>& values) {
    std::vector<bool> seen(values.size(), false);
    for (int v : values) {
        if (v < 0 || std::size_t(v) >= values.size() || seen[std::size_t(v)]) return false;
        seen[std::size_t(v)] = true;
    }
    return true;
}
