#pragma once
// Paints the form controls that CONTROL tags put into mini-HTML text, in the window's
// style (themed: Fusion through QStyle).

#include "grid/view/markup_control_tags.h"
#include "platform/canvas.h"

class QWidget;

struct TMarkupControlPlace {
    int X = 0;              // left edge of the control's box
    int Bottom = 0;         // the text bottom of the line
    int LineHeight = 0;     // the line height the control sets
    int ControlHeight = 0;  // HEIGHT, 25 by default
    int Width = 0;          // WIDTH
    int BoxHeight = 0;      // the box height before drawing
};

// Pen, brush and font of the canvas are left as they were.
void DrawMarkupControl(TCanvas& Canvas, QWidget* Window, const TControlTag& Tag, const TMarkupControlPlace& Place,
                       int MouseX, int MouseY, bool ControlPressed);
