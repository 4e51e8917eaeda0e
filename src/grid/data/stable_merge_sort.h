#pragma once
// A stable merge sort for comparisons that may answer inconsistently (a mixed column
// detected pair by pair, the application's compare events): it reads and writes only
// inside the list, ends after O(n log n) comparisons whatever they answer, and uses no
// recursion. The standard library's sorts promise none of this for such a comparison.
// The items are row numbers, or prepared keys that carry their row.

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// Less(a, b) is true when a must stand before b; items it calls equal keep their order.
template <class Item, class LessFunction>
void StableMergeSort(std::vector<Item>& Items, LessFunction&& Less) {
    const std::size_t count = Items.size();
    if (count < 2) return;
    // Short runs by insertion first: fewer comparisons on small and nearly sorted ranges.
    constexpr std::size_t RunLength = 16;
    for (std::size_t start = 0; start < count; start += RunLength) {
        const std::size_t end = std::min(count, start + RunLength);
        for (std::size_t i = start + 1; i < end; ++i) {
            if (!Less(Items[i], Items[i - 1])) continue;
            Item item = std::move(Items[i]);
            std::size_t j = i;
            do {
                Items[j] = std::move(Items[j - 1]);
                --j;
            } while (j > start && Less(item, Items[j - 1]));
            Items[j] = std::move(item);
        }
    }
    std::vector<Item> buffer(count);
    for (std::size_t width = RunLength; width < count; width *= 2) {
        for (std::size_t low = 0; low < count; low += 2 * width) {
            const std::size_t middle = std::min(count, low + width);
            const std::size_t high = std::min(count, low + 2 * width);
            if (middle >= high || !Less(Items[middle], Items[middle - 1])) {
                std::move(Items.begin() + std::ptrdiff_t(low), Items.begin() + std::ptrdiff_t(high),
                          buffer.begin() + std::ptrdiff_t(low));
                continue;
            }
            std::size_t left = low, right = middle, out = low;
            while (left < middle && right < high)
                buffer[out++] = Less(Items[right], Items[left]) ? std::move(Items[right++]) : std::move(Items[left++]);
            while (left < middle) buffer[out++] = std::move(Items[left++]);
            while (right < high) buffer[out++] = std::move(Items[right++]);
        }
        Items.swap(buffer);
    }
}
