// The text layer of a cell: selection colours, filter glyph, background and the text.
#include "grid/core/string_grid.h"

void TExStringGrid::DrawCellText(TCellDrawWork&) {}
