#pragma once
// The grid's column order list as the stored column layouts read and write it.

#include <vector>

class TExStringGrid;

// The list when it orders every column, hidden ones included, else 0, 1, .. (no column
// moved since the list was last recorded).
std::vector<int> RecordedColumnOrder(const TExStringGrid& Grid);
// Moves the columns of a grid that hides none until its list equals Order, an order of
// all its columns; a list that orders no columns is first recorded as it stands.
void MoveColumnsToOrder(TExStringGrid& Grid, const std::vector<int>& Order);
