#include "dropdowns/selection_painting.h"

#include "controls/gradient_drawing.h"

void ApplySelectionColorStyle(TSelectionColorStyle Style, TColor& SelectionColor, TColor& SelectionColorTo) {
    switch (Style) {
    case scOffice2007:
        SelectionColor = 0xD7FFFD;
        SelectionColorTo = 0x58D4FC;
        break;
    case scWindowsVista:
        SelectionColor = 0xFDF8F1;
        SelectionColorTo = 0xFCEFD5;
        break;
    case scWindows7:
        SelectionColor = 0xFCEBDC;
        SelectionColorTo = 0xFCDBC1;
        break;
    case scCustom: break;
    }
}

void DrawSelectionBackground(TCanvas& Canvas, const TRect& R, int ButtonType, TColor CornerColor,
                             TSelectionColorStyle Style, TColor SelectionColor, TColor SelectionColorTo) {
    struct TFace {
        TColor InnerCorner, Border, InnerBottom, InnerTop, Mirror, MirrorTo;
    };
    TFace face{};
    switch (Style) {
    case scCustom:
        Canvas.Pen.Color = SelectionColor;
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = SelectionColor;
        Canvas.FillRect(R);
        return;
    case scOffice2007: face = {0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC}; break;
    case scWindowsVista: face = {0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone}; break;
    case scWindows7: face = {0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone}; break;
    }
    DrawRoundedGradientButton(Canvas, SelectionColor, SelectionColorTo, face.Mirror, face.MirrorTo, face.InnerTop,
                              face.InnerBottom, face.Border, face.InnerCorner, CornerColor, R, ButtonType);
}
