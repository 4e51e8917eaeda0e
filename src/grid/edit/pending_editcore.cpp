// Stands in for the combo editor's opening and closing until the combo editor lands.
#include "grid/core/string_grid.h"

void TExStringGrid::ShowComboCellEditor(int, int) {}
void TExStringGrid::HideComboCellEditor() {}
