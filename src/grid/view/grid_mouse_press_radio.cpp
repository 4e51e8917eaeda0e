// A press on a cell radio group: the item under the point, laid out as the group is
// drawn (side by side, each its text width plus the glyph, or one above the other).

#include "grid/core/radio_items.h"
#include "grid/core/string_grid.h"

#include <QFontMetrics>

void TExStringGrid::RadioGroupClick(int ACol, int ARow, int XOffset, int YOffset) {
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    TStrings* items = GetRadioStrings(base.X, base.Y);
    if (!graphic || !items) return;
    if (!IsFixed(DisplColIndex(base.X), base.Y)) MoveColRow(DisplColIndex(base.X), base.Y, true, true);

    TBrush brush;
    TFont font = Fonts(base.X, base.Y);
    GetCellColor(RealCol(base.X), DisplRow(base.Y), TGridDrawState(), &brush, &font);
    const QFontMetrics metrics(font.ToQFont());
    const bool classicGlyph = FControlLook->ControlStyle == csClassic || FControlLook->ControlStyle == csFlat;
    const int glyphSize = classicGlyph ? FControlLook->RadioSize : 16;
    const bool horizontal = graphic->CellBoolean();
    const int offset = horizontal ? XOffset : YOffset;

    int start = 0;
    for (int i = 0; i < items->Count(); ++i) {
        const int extent = horizontal ? metrics.horizontalAdvance(items->Strings(i)) + glyphSize
                                      : std::max(glyphSize, metrics.height());
        const int end = start + extent;
        if (offset > start && offset < end) {
            if (graphic->CellIndex() == -1) SetCells(base.X, base.Y, items->Strings(i));
            else graphic->SetCellIndex(i);
            // Written back so the change is noticed like any cell change.
            SetCells(base.X, base.Y, Cells(base.X, base.Y));
            SetRadioIdx(base.X, base.Y, i);
            if (OnRadioClick) OnRadioClick(this, ACol, ARow, i);
            return;
        }
        start = end;
    }
}
