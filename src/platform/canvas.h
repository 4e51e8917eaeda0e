#pragma once
// Drawing surface with the semantics the controls are written against: rectangles
// exclude their right and bottom edges, LineTo does not draw its end point, colours
// are TColor values.

#include "platform/color.h"
#include "platform/types.h"

#include <QFont>
#include <QPainter>
#include <QString>

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
    TPoint PenPos() const { return FPenPos; }
    void TextOut(int x, int y, const QString& text);
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    TSize TextExtent(const QString& text) const;
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

private:
    QPen MakePen() const;
    QFontMetrics Metrics() const;

    QPainter* FPainter;
    TPoint FPenPos;
};
