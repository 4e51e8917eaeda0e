#include "grid/core/string_grid.h"

void TExStringGrid::SetFilterActive(bool Value) { FFilterActive = Value; }
