#pragma once
// Drawing surface with the semantics the controls are written against: rectangles
// exclude their right and bottom edges, LineTo does not draw its end point, colours
// are TColor values, bitmaps may have a transparent colour key.

#include "platform/color.h"
#include "platform/types.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <vector>

class TBitmap;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

class TFont {
public:
    QString Name = QStringLiteral("Verdana");
    int Size = 8;  // points
    TColor Color = clWindowText;
    TFontStyles Style;

    QFont ToQFont() const;
    void Assign(const TFont& source) { *this = source; }
    friend bool operator==(const TFont&, const TFont&) = default;
};

class TPen {
public:
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
};

class TBrush {
public:
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// DrawText format flags (same values as the platform the windows were designed on).
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_EXTERNALLEADING = 0x0200;
constexpr unsigned DT_EDITCONTROL = 0x2000;

// Edge kinds of DrawEdge: raised or sunken, each two pixels deep.
enum TEdgeKind { ekRaised, ekSunken };
// Themed parts drawn through the Fusion style; states 0 normal, 1 hot, 2 pressed, 3 disabled.
enum TThemedPart { tpCheckBox, tpRadioButton, tpPushButton, tpComboArrow, tpSpinUp, tpSpinDown, tpHeaderSection,
                   tpProgressBar, tpProgressChunk, tpSpinLeft, tpSpinRight };
// Check marks of a themed or classic check box.
enum TCheckMark { cmUnchecked, cmChecked, cmMixed };
// The classic frame controls, drawn in our own 3D look.
enum TFrameControl { fcCheckBox, fcRadioButton, fcPushButton, fcComboArrow, fcSpinUp, fcSpinDown, fcScrollLeft,
                     fcScrollRight };

// Mapping modes: device pixels, or tenths of a millimetre with y growing upwards (so
// points below the origin have negative y).
enum TMapMode { mmText, mmLoMetric };

class TCanvas {
public:
    // Draws through a painter the caller keeps alive for the canvas's lifetime.
    explicit TCanvas(QPainter* painter);

    TFont Font;
    TPen Pen;
    TBrush Brush;

    QPainter* Painter() const { return FPainter; }

    void FillRect(const TRect& r);
    // Outline with the pen, inside with the brush; the pen is drawn inside the rectangle.
    void Rectangle(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(Rect(left, top, right, bottom)); }
    void FrameRect(const TRect& r);
    void MoveTo(int x, int y) { FPenPos = {x, y}; }
    void LineTo(int x, int y);
    // Connected lines from the first point; the last point itself is not drawn.
    void Polyline(const std::vector<TPoint>& points);
    // A closed figure filled with the brush and outlined with the pen.
    void Polygon(const std::vector<TPoint>& points);
    // A rectangle whose corners are quarter ellipses of width by height pixels.
    void RoundRect(int left, int top, int right, int bottom, int width, int height);
    TPoint PenPos() const { return FPenPos; }
    void TextOut(int x, int y, const QString& text);
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    TSize TextExtent(const QString& text) const;
    // Draws text in r with the DT_ flags: word breaks, alignment, "&" marks the next
    // character unless DT_NOPREFIX, DT_END_ELLIPSIS ends a line too wide with "...".
    // With DT_CALCRECT nothing is drawn and r becomes the laid-out text's extent (an
    // empty text measures 0 by 0). Returns the height.
    int DrawText(const QString& text, TRect& r, unsigned format);
    // Pixels read back only from an image; elsewhere they read clNone.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);
    // A transparent bitmap leaves its key colour out; any other bitmap replaces the
    // pixels it covers, alpha included.
    void Draw(int x, int y, const TBitmap& bitmap);
    // The dotted frame of a focused control, inverted, so drawing it twice removes it.
    void DrawFocusRect(const TRect& r);

    // ---- shapes (canvas_shapes.cpp) ----
    // The ellipse inscribed in (left, top, right, bottom), outlined with the pen and filled
    // with the brush; like Rectangle it stays inside right - 1 and bottom - 1.
    void Ellipse(int left, int top, int right, int bottom);
    // The sector of that ellipse running counter-clockwise from the ray through (x1, y1)
    // to the ray through (x2, y2), both rays from the centre.
    void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    // Two-pixel 3D edge: raised is light top-left and dark bottom-right, sunken the reverse.
    void DrawEdge(const TRect& r, TEdgeKind kind, bool fill);
    // The bitmap scaled into r.
    void StretchDraw(const TRect& r, const QImage& image);
    // The picture repeated from (originX, originY) across r, cut at r's edges; the origin
    // lets neighbouring areas continue one pattern without seams.
    void TileDraw(const TRect& r, const QImage& image, int originX, int originY);

    // ---- clipping and text options (canvas_text.cpp) ----
    // Narrows the clip to r until the matching RestoreClip, which puts back the clip
    // exactly as it was (nested calls unwind in order).
    void IntersectClip(const TRect& r);
    void RestoreClip();
    // Transparent: text output leaves the background as it is (the brush is not painted).
    bool TransparentText = false;
    // Text turned counter-clockwise by escapement tenths of a degree, starting at (x, y)
    // with the text's top-left corner there, as a rotated font draws it.
    void TextOutRotated(int x, int y, int escapement, const QString& text);

    // ---- themed and classic parts (canvas_themed.cpp) ----
    void DrawThemedPart(const TRect& r, TThemedPart part, int state, TCheckMark mark = cmUnchecked,
                        int percent = 0);
    void DrawFrameControl(const TRect& r, TFrameControl kind, bool checked, bool grayed, bool flat, int state);
    // Narrow the clip to the ellipse or rounded rectangle within r (right and bottom
    // excluded) until the matching RestoreClip (canvas_clips.cpp).
    void IntersectClipEllipse(const TRect& r);
    void IntersectClipRoundRect(const TRect& r, int cornerWidth, int cornerHeight);

    // ---- mapping modes (canvas_mapping.cpp) ----
    // In mmLoMetric every position, length, pen width, clip and text measure is in
    // logical units; the canvas converts them itself, so text stays upright.
    void SetMapMode(TMapMode mode) { FMapMode = mode; }
    TMapMode MapMode() const { return FMapMode; }
    // Pixels per inch of the device drawn on.
    int ResolutionX() const;
    int ResolutionY() const;
    TPoint LogicalToDevice(TPoint p) const;
    TPoint DeviceToLogical(TPoint p) const;
    // A logical rectangle becomes a device rectangle with top above bottom, whichever way
    // round its logical edges were; the device form converts back to y growing upwards.
    TRect LogicalToDevice(const TRect& r) const;
    TRect DeviceToLogical(const TRect& r) const;
    // The area drawing reaches (the clip, else the whole device), in logical units.
    TRect ClipRect() const;

private:
    // Runs a drawing step in device units and puts the mapping mode back.
    class DeviceUnits {
    public:
        explicit DeviceUnits(TCanvas& canvas) : FCanvas(canvas), FKeep(canvas.FMapMode) {
            canvas.FMapMode = mmText;
        }
        ~DeviceUnits() { FCanvas.FMapMode = FKeep; }
        DeviceUnits(const DeviceUnits&) = delete;
        DeviceUnits& operator=(const DeviceUnits&) = delete;

    private:
        TCanvas& FCanvas;
        TMapMode FKeep;
    };
    int DeviceLengthX(int length) const;
    int LogicalLengthX(int pixels) const;
    int LogicalLengthY(int pixels) const;

    QPen MakePen() const;
    QFontMetrics Metrics() const;

    QPainter* FPainter;
    TPoint FPenPos;
    int FClipDepth = 0;
    TMapMode FMapMode = mmText;
};
