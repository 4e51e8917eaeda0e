// Stands in for the filter's write accessor until the filter work lands: keeps the flag.
#include "grid/core/string_grid.h"

void TExStringGrid::SetFilterActive(bool Value) { FFilterActive = Value; }
