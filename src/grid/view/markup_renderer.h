#pragma once
// The mini-HTML renderer: measures, paints and hit-tests a short marked-up text in a
// rectangle of a canvas. Cells, headers, hints, footers and drop-down items draw their
// text through it, and the grid's mouse handling asks it what lies under the mouse.
//
// Markup (tag names in any case): B I U S bold/italic/underline/strike-out, FONT FACE
// COLOR BGCOLOR SIZE, A HREF TITLE, BR, HR, HI highlight, E error underline, SH shadow,
// Z hidden, SUB, SUP, BLINK, BODY BGCOLOR BACKGROUND, P ALIGN INDENT BGCOLOR, IND x,
// UL/LI lists, R ANGLE rotation, IMG SRC ALT WIDTH HEIGHT ALIGN, CONTROL. Entities:
// &amp; &quot; &lt; &gt; &nbsp; &sect; &permil; &reg; &copy; &para; &trade; &euro;.
// A single "&" underlines the next character; "&amp;" draws one "&". "<#...>" draws
// its characters as text.
//
// Each line is laid out by a measuring pass, which decides where the line ends, and
// drawn (or, with HitTestOnly, hit-tested) by a second pass over exactly the text the
// first pass took. Reading order is always left to right: BiDiMode is carried for the
// callers but not applied.
//
// Text from cells is untrusted: sizes it asks for are limited to what a cell can show
// (the bounds below), a picture that fails to load is skipped, and any text ends.

#include "platform/canvas.h"
#include "platform/string_grid.h"

#include <QString>

class TCustomImageList;
class THTMLPictureCache;
class TPictureContainer;
class QWidget;

// Limits on the sizes markup may ask for.
constexpr int kMaxMarkupFontSize = 200;      // FONT SIZE, in points
constexpr int kMaxMarkupBoxSize = 4096;      // IMG WIDTH/HEIGHT, CONTROL WIDTH/HEIGHT, in pixels
constexpr int kMaxMarkupPosition = 4096;     // IND x and P INDENT, in pixels
constexpr int kListIndent = 12;              // per list level, also a bullet's width

struct TMarkupTextParams {
    TCanvas* Canvas = nullptr;  // its font, pen and brush are the starting state
    QString Text;
    TRect Bounds;
    const TCustomImageList* Images = nullptr;  // pictures for "IDX:" sources
    int MouseX = -1;  // the point to hit-test, in the coordinates of Bounds
    int MouseY = -1;
    int FocusAnchorIndex = -1;  // 0-based anchor that gets a focus rectangle; -1 none
    int HoverAnchorIndex = 0;   // 1-based anchor under the mouse, for hover colours
    int ShadowOffset = 1;
    bool HitTestOnly = false;  // the second pass measures; ControlID is also an input
    bool MeasureOnly = false;  // only the measuring pass runs; nothing painted, no hit
    bool Printing = false;     // image-list pictures and icons scaled by ResolutionFactor
    bool IgnoreColors = false;
    bool BlinkOn = true;  // false: blinking text is drawn in the background colour
    bool UnderlineOnHoverOnly = false;
    bool WordWrap = true;  // false: a line that does not fit ends with an ellipsis
    bool ControlPressed = false;
    double ResolutionFactor = 1.0;
    TColor AnchorColor = clBlue;
    TColor HoverBrushColor = clNone;
    TColor HoverTextColor = clNone;
    TColor ShadowColor = clGray;
    // Outputs.
    QString AnchorHref;  // "ctrl" over a control; left as passed when nothing is hit
    QString PlainText;   // the runs each pass handled, CR for each BR
    QString FocusAnchorHref;
    QString AnchorTitle;
    int MaxLineWidth = 0;
    int TotalHeight = 0;
    int AnchorCount = 0;
    int HoverAnchor = -1;     // 1-based anchor under the mouse; -1 none
    TRect HoverAnchorRect;    // left as passed when no anchor text is hit
    TRect HitControlRect;
    QString ControlID;        // in/out
    QString ControlValue;
    QString ControlType;
    THTMLPictureCache* PictureCache = nullptr;       // pictures named by URL
    TPictureContainer* PictureContainer = nullptr;   // pictures named by a plain name
    QWidget* WindowHandle = nullptr;                 // whose style draws the controls
    TBiDiMode BiDiMode = bdLeftToRight;
};

// True when the second pass of some line found the mouse on anchor text, on a picture in
// an anchor or on a control (with HitTestOnly: also the control named by ControlID).
// The canvas's pen, brush and font are left as they were.
bool DrawMarkupText(TMarkupTextParams& Params);

// The colours of HI text, shared by every grid and window that renders markup; they
// start as the system highlight colours.
void SetHighlightColors(TColor background, TColor text);
