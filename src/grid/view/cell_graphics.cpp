// Cell graphics: size, placement and drawing of a cell's graphic object.
#include "grid/core/string_grid.h"

TCellGraphic* TExStringGrid::GetCellGraphicInfo(int, int, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                                bool& TextShown, int& Height, int& Width) {
    VAlign = vaTop;
    HAlign = haLeft;
    TextShown = true;
    Height = 0;
    Width = 0;
    return nullptr;
}

void TExStringGrid::DrawCellGraphic(TCellDrawWork&, TRect, TCellGraphic*, TCellVAlign) {}
