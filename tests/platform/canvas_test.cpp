// Pixel rules of the canvas: what a rectangle, a line, a polygon, text and a bitmap
// cover, probed on an image.

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/image_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {


TEST(CanvasTest, RectanglesHoldTheirLeftAndTopEdgeButNotTheirRightAndBottomEdge) {
    ImageCanvas c;
    c.canvas->FillRect(Rect(2, 3, 6, 7));
    EXPECT_EQ(c.At(2, 3), kInk);
    EXPECT_EQ(c.At(5, 6), kInk);
    EXPECT_EQ(c.At(6, 6), clWhite);
    EXPECT_EQ(c.At(5, 7), clWhite);
    EXPECT_EQ(c.At(1, 3), clWhite);

    c.canvas->Pen.Color = clBlack;
    c.canvas->Brush.Style = bsClear;
    c.canvas->Rectangle(10, 10, 15, 14);
    EXPECT_EQ(c.At(10, 12), clBlack);
    EXPECT_EQ(c.At(14, 12), clBlack);  // the outline lies inside: right - 1
    EXPECT_EQ(c.At(12, 13), clBlack);
    EXPECT_EQ(c.At(15, 12), clWhite);
    EXPECT_EQ(c.At(12, 12), clWhite);  // no fill with a clear brush
}

TEST(CanvasTest, LinesLeaveOutTheirEndPointInEveryDirection) {
    struct Case {
        TPoint from, to, lastDrawn;
    };
    const Case cases[] = {
        {{2, 5}, {8, 5}, {7, 5}}, {{8, 5}, {2, 5}, {3, 5}}, {{5, 2}, {5, 8}, {5, 7}},
        {{5, 8}, {5, 2}, {5, 3}}, {{2, 2}, {8, 8}, {7, 7}}, {{8, 2}, {2, 5}, {3, 5}},
    };
    for (const Case& k : cases) {
        ImageCanvas c;
        c.canvas->MoveTo(k.from.X, k.from.Y);
        c.canvas->LineTo(k.to.X, k.to.Y);
        SCOPED_TRACE(QStringLiteral("(%1,%2)->(%3,%4)").arg(k.from.X).arg(k.from.Y).arg(k.to.X).arg(k.to.Y).toStdString());
        EXPECT_EQ(c.At(k.from.X, k.from.Y), kInk);
        EXPECT_EQ(c.At(k.lastDrawn.X, k.lastDrawn.Y), kInk);
        EXPECT_EQ(c.At(k.to.X, k.to.Y), clWhite);
        EXPECT_EQ(c.canvas->PenPos(), k.to);
    }
}

TEST(CanvasTest, WidePensAreCentredOnTheLine) {
    // Width 3 covers the line's own row and one on each side; width 2 takes the extra
    // pixel before the line.
    struct Case {
        int width, firstCovered, lastCovered;
    };
    for (const Case& k : {Case{3, 9, 11}, Case{2, 9, 10}, Case{4, 8, 11}}) {
        SCOPED_TRACE(k.width);
        ImageCanvas horizontal;
        horizontal.canvas->Pen.Width = k.width;
        horizontal.canvas->MoveTo(2, 10);
        horizontal.canvas->LineTo(15, 10);
        ImageCanvas vertical;
        vertical.canvas->Pen.Width = k.width;
        vertical.canvas->MoveTo(10, 2);
        vertical.canvas->LineTo(10, 15);
        for (int i = k.firstCovered - 1; i <= k.lastCovered + 1; ++i) {
            const TColor expected = i >= k.firstCovered && i <= k.lastCovered ? kInk : clWhite;
            EXPECT_EQ(horizontal.At(5, i), expected) << i;
            EXPECT_EQ(vertical.At(i, 5), expected) << i;
        }
    }
}

TEST(CanvasTest, PolylineConnectsItsPointsAndPolygonClosesAndFills) {
    ImageCanvas c;
    c.canvas->Polyline({{1, 10}, {1, 1}, {10, 1}});
    EXPECT_EQ(c.At(1, 10), kInk);
    EXPECT_EQ(c.At(1, 1), kInk);
    EXPECT_EQ(c.At(9, 1), kInk);
    EXPECT_EQ(c.At(10, 1), clWhite);

    ImageCanvas p;
    p.canvas->Brush.Color = clRed;
    p.canvas->Polygon({{2, 2}, {16, 2}, {16, 16}, {2, 16}});
    EXPECT_EQ(p.At(9, 9), clRed);
    EXPECT_EQ(p.At(2, 9), kInk);
    EXPECT_EQ(p.At(9, 16), kInk);
    EXPECT_EQ(p.At(2, 2), kInk);
    EXPECT_EQ(p.At(18, 9), clWhite);
}

TEST(CanvasTest, RoundRectCutsItsCornersAndKeepsStraightEdgesInside) {
    ImageCanvas c;
    c.canvas->Brush.Style = bsClear;
    c.canvas->RoundRect(0, 0, 20, 12, 6, 6);
    EXPECT_EQ(c.At(0, 6), kInk);
    EXPECT_EQ(c.At(19, 6), kInk);
    EXPECT_EQ(c.At(10, 0), kInk);
    EXPECT_EQ(c.At(10, 11), kInk);
    EXPECT_EQ(c.At(0, 0), clWhite);
    EXPECT_EQ(c.At(19, 11), clWhite);
    EXPECT_EQ(c.At(10, 6), clWhite);
}

TEST(CanvasTest, PixelsReadWhatWasWritten) {
    ImageCanvas c;
    c.canvas->SetPixels(3, 4, clLime);
    EXPECT_EQ(c.At(3, 4), clLime);
    EXPECT_EQ(c.At(4, 4), clWhite);
    EXPECT_EQ(c.At(-1, 0), clNone);
}

// Leftmost column holding ink, or -1.
int FirstInkColumn(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

TEST(CanvasTest, DrawTextMeasuresWordBreaksAndAligns) {
    ImageCanvas c(200, 60);
    c.canvas->Font.Name = QStringLiteral("DejaVu Sans");
    const int lineHeight = c.canvas->TextHeight(QStringLiteral("X"));

    TRect oneLine = Rect(0, 0, 200, 0);
    EXPECT_EQ(c.canvas->DrawText(QStringLiteral("Open Configuration"), oneLine, DT_WORDBREAK | DT_CALCRECT), lineHeight);
    EXPECT_NEAR(oneLine.Width(), c.canvas->TextWidth(QStringLiteral("Open Configuration")), 1);

    TRect narrow = Rect(0, 0, c.canvas->TextWidth(QStringLiteral("Configuration")) + 2, 0);
    const int available = narrow.Width();
    c.canvas->DrawText(QStringLiteral("Open Configuration"), narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(narrow.Height(), 2 * lineHeight);
    EXPECT_LE(narrow.Width(), available);

    TRect empty = Rect(5, 5, 100, 5);
    EXPECT_EQ(c.canvas->DrawText(QString(), empty, DT_WORDBREAK | DT_CALCRECT), 0);
    EXPECT_EQ(empty, Rect(5, 5, 5, 5));

    // "&" marks an accelerator and takes no room.
    TRect marked = Rect(0, 0, 200, 0), plain = Rect(0, 0, 200, 0);
    c.canvas->DrawText(QStringLiteral("&Open"), marked, DT_CALCRECT);
    c.canvas->DrawText(QStringLiteral("Open"), plain, DT_CALCRECT);
    EXPECT_EQ(marked.Width(), plain.Width());

    int previous = -1;
    for (unsigned alignment : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
        ImageCanvas t(200, 30);
        t.canvas->Font.Name = QStringLiteral("DejaVu Sans");
        t.canvas->Font.Color = clBlack;
        TRect r = Rect(0, 0, 200, 30);
        t.canvas->DrawText(QStringLiteral("OK"), r, alignment | DT_WORDBREAK);
        t.painter.end();
        const int first = FirstInkColumn(t.image);
        EXPECT_GT(first, previous) << alignment;
        previous = first;
    }
}

TEST(CanvasTest, TransparentBitmapsLeaveOutTheirKeyColour) {
    TBitmap picture(4, 4);
    picture.Canvas().Brush.Color = clOlive;
    picture.Canvas().FillRect(Rect(0, 0, 4, 4));
    picture.Canvas().SetPixels(1, 1, clRed);

    ImageCanvas opaque;
    opaque.canvas->Draw(2, 2, picture);
    EXPECT_EQ(opaque.At(2, 2), clOlive);
    EXPECT_EQ(opaque.At(3, 3), clRed);

    picture.SetTransparent(true);  // the lower-left pixel's colour is the key
    ImageCanvas keyed;
    keyed.canvas->Draw(2, 2, picture);
    EXPECT_EQ(keyed.At(2, 2), clWhite);
    EXPECT_EQ(keyed.At(3, 3), clRed);

    picture.SetTransparentColor(clRed);
    ImageCanvas fixed;
    fixed.canvas->Draw(2, 2, picture);
    EXPECT_EQ(fixed.At(2, 2), clOlive);
    EXPECT_EQ(fixed.At(3, 3), clWhite);
}

TEST(CanvasTest, BitmapResizeKeepsTheTopLeftPictureAndTheCanvas) {
    TBitmap picture(3, 3);
    TCanvas& canvas = picture.Canvas();
    canvas.SetPixels(0, 0, clRed);
    picture.SetSize(6, 2);
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_EQ(FromQColor(picture.Image().pixelColor(0, 0)), clRed);
    EXPECT_EQ(FromQColor(picture.Image().pixelColor(5, 1)), clWhite);
    EXPECT_EQ(&picture.Canvas(), &canvas);
    picture.Canvas().SetPixels(5, 1, clBlue);
    EXPECT_EQ(FromQColor(picture.Image().pixelColor(5, 1)), clBlue);
}

TEST(CanvasTest, FocusRectangleIsDottedAndDrawingItTwiceRemovesIt) {
    ImageCanvas c;
    c.canvas->DrawFocusRect(Rect(4, 4, 16, 16));
    EXPECT_EQ(c.At(4, 4), clBlack);
    EXPECT_EQ(c.At(5, 4), clWhite);
    EXPECT_EQ(c.At(6, 4), clBlack);
    EXPECT_EQ(c.At(4, 6), clBlack);
    EXPECT_EQ(c.At(15, 15), clBlack);
    EXPECT_EQ(c.At(16, 4), clWhite);
    EXPECT_EQ(c.At(10, 10), clWhite);
    c.canvas->DrawFocusRect(Rect(4, 4, 16, 16));
    for (int i = 4; i < 16; ++i) {
        EXPECT_EQ(c.At(i, 4), clWhite);
        EXPECT_EQ(c.At(4, i), clWhite);
    }
}

}  // namespace
