#include "platform/grid_axis.h"

#include "platform/ordered_moves.h"

#include <algorithm>
#include <cassert>

TGridAxis::TGridAxis(int count, int fixed, int defaultSize)
    : FCount(count), FFixed(fixed), FDefaultSize(defaultSize), FFirst(fixed),
      FSizes(std::size_t(count), defaultSize) {}

void TGridAxis::SetCount(int value) {
    FCount = std::max(0, value);
    FSizes.resize(std::size_t(FCount), FDefaultSize);
}

void TGridAxis::SetDefaultSize(int value) {
    FDefaultSize = value;
    std::fill(FSizes.begin(), FSizes.end(), value);
}

int TGridAxis::Size(int index) const {
    if (index < 0 || index >= FCount) return FDefaultSize;
    return FSizes[std::size_t(index)];
}

void TGridAxis::SetSize(int index, int value) {
    if (index < 0 || index >= FCount) return;
    FSizes[std::size_t(index)] = std::max(0, value);
}

int TGridAxis::Extent(int from, int to) const {
    from = std::max(0, from);
    to = std::min(FCount, to);
    int sum = 0;
    for (int i = from; i < to; ++i) sum += FSizes[std::size_t(i)];
    return sum;
}

int TGridAxis::VisibleCount(int clientExtent) const {
    int room = clientExtent - FixedExtent();
    int n = 0;
    for (int i = FFirst; i < FCount; ++i) {
        room -= FSizes[std::size_t(i)];
        if (room < 0) break;
        ++n;
    }
    return (n == 0 && FFirst < FCount) ? 1 : n;
}

int TGridAxis::MaxFirst(int clientExtent) const {
    int room = clientExtent - FixedExtent();
    int first = FCount;
    while (first > FFixed && room - FSizes[std::size_t(first - 1)] >= 0) {
        room -= FSizes[std::size_t(first - 1)];
        --first;
    }
    return std::max(FFixed, std::min(first, FCount - 1));
}

int TGridAxis::FirstShowing(int index, int clientExtent) const {
    index = std::min(index, FCount - 1);  // a current cell set outside the grid shows the last line
    if (index <= FFirst) return index;
    const int room = clientExtent - FixedExtent();
    int first = index;
    int extent = Size(index);
    while (first > FFirst && extent + FSizes[std::size_t(first - 1)] <= room) {
        --first;
        extent += FSizes[std::size_t(first)];
    }
    return first;
}

bool TGridAxis::ScreenSpan(int from, int to, int clientExtent, int& start, int& end) const {
    bool found = false;
    int edge = 0;
    auto take = [&](int i) {
        const int size = FSizes[std::size_t(i)];
        if (i >= from && i <= to) {
            if (!found) start = edge;
            found = true;
            end = edge + size;
        }
        edge += size;
    };
    for (int i = 0; i < FFixed && i < FCount && edge < clientExtent; ++i) take(i);
    for (int i = FFirst; i < FCount && i <= to && edge < clientExtent; ++i) take(i);
    return found;
}

int TGridAxis::LinePosition(int index, int clientExtent) const {
    if (index < 0 || index >= FCount) return -1;
    if (index < FFixed) return Extent(0, index);
    if (index < FFirst) return -1;
    // Walks only the visible lines, so asking for a line far below costs nothing.
    int position = FixedExtent();
    for (int i = FFirst; i < index; ++i) {
        position += FSizes[std::size_t(i)];
        if (position >= clientExtent) return -1;
    }
    return position < clientExtent ? position : -1;
}

int TGridAxis::LineAt(int position, int clientExtent) const {
    if (position < 0 || position >= clientExtent) return -1;
    int edge = 0;
    for (int i = 0; i < FFixed && i < FCount; ++i) {
        edge += FSizes[std::size_t(i)];
        if (position < edge) return i;
    }
    for (int i = FFirst; i < FCount && edge < clientExtent; ++i) {
        edge += FSizes[std::size_t(i)];
        if (position < edge) return i;
    }
    return -1;
}

void TGridAxis::InsertLines(int index, int count) {
    if (count <= 0) return;
    index = std::clamp(index, 0, FCount);
    FSizes.insert(FSizes.begin() + index, std::size_t(count), FDefaultSize);
    FCount += count;
}

void TGridAxis::DeleteLines(int index, int count) {
    if (count <= 0 || index < 0 || index >= FCount) return;
    const int last = std::min(FCount, index + count);
    FSizes.erase(FSizes.begin() + index, FSizes.begin() + last);
    FCount -= last - index;
}

void TGridAxis::MoveLine(int fromIndex, int toIndex) {
    if (fromIndex == toIndex || fromIndex < 0 || toIndex < 0 || fromIndex >= FCount || toIndex >= FCount) return;
    auto first = FSizes.begin();
    if (fromIndex < toIndex)
        std::rotate(first + fromIndex, first + fromIndex + 1, first + toIndex + 1);
    else
        std::rotate(first + toIndex, first + fromIndex, first + fromIndex + 1);
}

std::vector<int> TGridAxis::TakeLines(const std::vector<int>& ascendingIndexes) {
    assert(ascendingIndexes.empty() || (ascendingIndexes.front() >= 0 && ascendingIndexes.back() < FCount));
    std::vector<int> taken = TakeAtAscending(FSizes, ascendingIndexes);
    FCount = int(FSizes.size());
    return taken;
}

void TGridAxis::PutLines(const std::vector<int>& ascendingPositions, std::vector<int> sizes) {
    assert(ascendingPositions.empty() || ascendingPositions.back() < FCount + int(ascendingPositions.size()));
    PutAtAscending(FSizes, ascendingPositions, std::move(sizes));
    FCount = int(FSizes.size());
}
