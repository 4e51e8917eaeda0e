#pragma once
// The small controls and indicators painted inside grid cells: button faces, combo and
// spin buttons in four looks, progress bars, a pie, a range indicator, the red zig-zag
// under wrong characters and the geometric cell shapes.
//
// Look: 0 themed (Fusion), 1 classic (our frame controls), 2 flat, 3 custom colours
// from a TColorTones. State: 0 normal, 1 hot, 2 pressed, 3 disabled; the custom look
// takes the tones Background, Hover, Selected and Disabled for them.

#include "controls/control_styles.h"
#include "platform/canvas.h"

#include <QString>

class QWidget;

enum TCellShape {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond, csLineVert,
    csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp, csArrowDown, csArrowLeft,
    csArrowRight, csHalfStar
};

struct TProgressDrawParams {
    TColor Level0Color = clLime;
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = 0x00A5FF;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = clNone;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    const TFont* Font = nullptr;  // referenced; the canvas font when none
    TColor CompleteFontColor = clBlue;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TColor UnusedColor = clNone;  // kept for the record's order, not read
    TColor UnCompleteColor = clNone;
    bool Vertical = false;
};

// The Window arguments are the control drawn for (themes are looked up per window on the
// desktop this was designed for); the Fusion style needs none, so they may be null.
void DrawCellButtonFace(TCanvas& Canvas, QWidget* Window, TRect R, int Look, int State, const TColorTones& Tones);
// The button takes the right 17 pixels, one less at top and bottom, 2 pixels in from the
// right. The themed look has only a normal and a disabled state.
void DrawComboDropButton(TCanvas& Canvas, QWidget* Window, TRect R, int Look, int State, const TColorTones& Tones);
// Two buttons in the right 15 pixels, moved one pixel left and up.
void DrawSpinButtons(TCanvas& Canvas, QWidget* Window, TRect R, int Look, int State, const TColorTones& Tones);

void DrawProgressBar(TCanvas& Canvas, TRect R, int Percent, const TProgressDrawParams& P);
// The text is Format applied to Value through FormatUserNumber (a format it refuses is
// shown as it stands) or, without a format, the value and "%". With maximum equal to
// minimum the bar shows 0 %.
void DrawProgressCell(TCanvas& Canvas, TRect R, TColor Color, TColor TextColor, TColor Color2, TColor TextColor2,
                      double Value, int MarginX, int MarginY, double Min, double Max, const QString& Format,
                      TColor BorderColor, bool Inverted);
// A gray circle with the sector from the top clockwise to Percent filled in Color. The
// sector is drawn as a pie, never flood-filled, so thin sectors show and nothing leaks.
void DrawProgressPie(TCanvas& Canvas, TRect R, TColor Color, int Percent, bool Raised);
// A bar from the middle to the left (negative) or the right (positive), its length
// Value / Range of the half width. Range 0 fills nothing. With ShowValue the value is
// written centred in the whole rectangle over the bar, in the canvas font: the
// indicator is a number shown as a bar, and the number is what a reader wants first.
void DrawRangeIndicator(TCanvas& Canvas, TRect R, int Value, int Range, bool ShowValue, TColor NegColor,
                        TColor PosColor);
// A red zig-zag under Length characters from First (0-based) of Text as laid out from
// R's top-left in the canvas font; Offset moves it down. Positions come from the font's
// metrics; Owner is not needed for them and may be null.
void DrawErrorUnderline(QWidget* Owner, TCanvas& Canvas, const QString& Text, TRect R, int Offset, int First,
                        int Length);
void DrawCellShape(TCanvas& Canvas, int X, int Y, int W, int H, TCellShape Shape, TColor FillColor,
                   TColor OutlineColor);
void FillRectWithColor(TCanvas& Canvas, const TRect& R, TColor Color);
