#include "grid/data/column_order_moves.h"

#include "grid/core/string_grid.h"
#include "platform/ordered_moves.h"

#include <numeric>

namespace {
std::vector<int> ListOf(const TIntList& List) {
    std::vector<int> values(std::size_t(List.Count()));
    for (int i = 0; i < List.Count(); ++i) values[std::size_t(i)] = List.Items(i);
    return values;
}
}  // namespace

std::vector<int> RecordedColumnOrder(const TExStringGrid& Grid) {
    std::vector<int> order = ListOf(*Grid.ColumnOrder());
    if (int(order.size()) == Grid.AllColCount() && IsPermutation(order)) return order;
    order.assign(std::size_t(Grid.AllColCount()), 0);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

void MoveColumnsToOrder(TExStringGrid& Grid, const std::vector<int>& Order) {
    const std::vector<int> current = ListOf(*Grid.ColumnOrder());
    if (int(current.size()) != Grid.ColCount() || !IsPermutation(current)) Grid.SetColumnOrder();
    // Each move carries the column's list entry along, so position j takes the column
    // whose entry Order names there.
    for (int j = 0; j < int(Order.size()) && j < Grid.ColCount(); ++j) {
        int k = j;
        while (k < Grid.ColCount() && Grid.ColumnOrder()->Items(k) != Order[std::size_t(j)]) ++k;
        if (k < Grid.ColCount() && k != j) Grid.MoveColumn(k, j);
    }
}
