#pragma once
// The working values of one cell's drawing. DrawGridCell fills them; the text layer and
// the graphic layer of the same cell read them and hand back the measured text size.
// Nothing here outlives the cell being drawn.

#include "grid/core/cell_graphic.h"
#include "grid/core/grid_enumerations.h"
#include "platform/alignment.h"
#include "platform/canvas.h"
#include "platform/string_grid.h"

struct TCellDrawWork {
    TCanvas* Canvas = nullptr;
    int ACol = 0;      // displayed column
    int RCol = 0;      // real column
    int ARow = 0;      // displayed row
    int FlagRow = 0;   // the row whose flags (selection, modified, enabled) apply
    TGridDrawState AState;
    TRect Rect;        // the working rectangle, changed by the layers as they go
    bool IsFixed = false;

    // Brush and font colours remembered before any selection colouring.
    TColor NormalBrushColor = clNone;
    TColor NormalFontColor = clNone;

    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;

    // The cell graphic as GetCellGraphicInfo gives it.
    TCellGraphic* Graphic = nullptr;
    int GraphicWidth = 0;
    int GraphicHeight = 0;
    TCellHAlign GraphicHAlign = haLeft;
    TCellVAlign GraphicVAlign = vaTop;
    bool TextShown = true;

    bool FilterGlyph = false;  // the column's filter glyph on the filter drop-down row
    int ScrollOffset = 0;      // position of a cell scroll bar, moves the text up

    // Handed back by the text layer to the graphic layer.
    int TextWidth = 0;
    int TextHeight = 0;
};
