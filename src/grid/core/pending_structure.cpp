// Stands in for the check-box state query of the check-box cells until it lands.
#include "grid/core/string_grid.h"

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType()) {
        case ctCheckBox: State = graphic->CellBoolean(); return true;
        case ctDataCheckBox:
        case ctVirtCheckBox: State = Cells(ACol, ARow) == CheckTrue(); return true;
        default: return false;
    }
}
