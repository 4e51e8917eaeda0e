// Rotated-text cells: a cell graphic of type ctRotated holding the text's angle.

#include "grid/core/string_grid.h"

namespace {
// 0..360 as adding or subtracting 360 gives it (-90 is 270, 450 is 90, 720 is 360),
// computed without looping so any int is safe.
qint16 KeptAngle(int AAngle) {
    if (AAngle < 0) return qint16(((AAngle % 360) + 360) % 360);
    if (AAngle > 360) return qint16((AAngle - 1) % 360 + 1);
    return qint16(AAngle);
}
}  // namespace

void TExStringGrid::AddRotated(int ACol, int ARow, int AAngle, const QString& s) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetAngle(KeptAngle(AAngle));
    SetCells(ACol, ARow, s);
}

void TExStringGrid::SetRotated(int ACol, int ARow, int AAngle) {
    // The cell's own graphic; the shared ones (virtual and row check boxes, answered for
    // many cells) are never turned, the cell gets one of its own instead.
    TCellGraphic* graphic = CellPropsAssigned(ACol, ARow)
                                ? dynamic_cast<TCellGraphic*>(CellProperties(ACol, ARow)->GraphicObject())
                                : nullptr;
    if (!graphic || graphic->CellType() == ctVirtCheckBox || graphic->CellType() == ctRowCheckBox ||
        graphic == SharedCellGraphic())
        graphic = CreateCellGraphic(ACol, ARow);
    if (graphic) graphic->SetAngle(KeptAngle(AAngle));
}

void TExStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

bool TExStringGrid::IsRotated(int ACol, int ARow, int& aAngle) const {
    if (GetCellType(ACol, ARow) != ctRotated) return false;
    aAngle = GetCellGraphic(ACol, ARow)->CellAngle();
    return true;
}
