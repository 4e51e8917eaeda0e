// Stands in for the cell alignment and text measure of cell drawing and painting until
// they land.
#include "grid/core/string_grid.h"

#include <QFontMetrics>

TAlignment TExStringGrid::ResolveCellAlignment(int ACol, int ARow) {
    TAlignment alignment = FDefaultAlignment;
    if (const TCellProperties* props = PropsOf(ACol, ARow)) alignment = props->Alignment();
    TVAlignment vertical = FVAlignment;
    GetCellAlignment(RealCol(ACol), DisplRow(ARow), alignment, vertical);
    return alignment;
}

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow, bool, bool) {
    const QFontMetrics metrics(font());
    const QString text = Cells(ACol, ARow);
    return {metrics.horizontalAdvance(text), metrics.height()};
}
