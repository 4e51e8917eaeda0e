// Stands in for the cell alignment and text measure of cell drawing and painting until
// they land.
#include "grid/core/string_grid.h"

#include <QFontMetrics>

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow, bool, bool) {
    const QFontMetrics metrics(font());
    const QString text = Cells(ACol, ARow);
    return {metrics.horizontalAdvance(text), metrics.height()};
}
