#include "grid/core/string_grid.h"

// Stands in for the filter switch of the mouse movement and filter list work: it only records the state.
void TExStringGrid::SetFilterActive(bool Value) { FFilterActive = Value; }

// Stands in for the removal of every node row of the node rows work; a grid without node rows has none.
void TExStringGrid::RemoveAllNodes() {}
