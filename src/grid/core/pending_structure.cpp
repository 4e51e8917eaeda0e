// Stands in for the check-box state query of the check-box cells until it lands.
#include "grid/core/string_grid.h"

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
    const int row = NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow;  // a real row while rows are held out
    const TCellGraphic* graphic = GetCellGraphic(ACol, row);
    if (!graphic) return false;
    switch (graphic->CellType()) {
        case ctCheckBox: State = graphic->CellBoolean(); return true;
        case ctDataCheckBox:
        case ctVirtCheckBox: State = Cells(ACol, row) == CheckTrue(); return true;
        default: return false;
    }
}
