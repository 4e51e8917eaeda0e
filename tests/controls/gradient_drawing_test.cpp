#include "controls/gradient_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

namespace {

// A white image with a canvas on it.
class GradientDrawing : public ::testing::Test {
protected:
    void SetUp() override { Reset(20, 12); }
    void Reset(int width, int height) {
        FCanvas.reset();
        FPainter.reset();
        FImage = QImage(width, height, QImage::Format_RGB32);
        FImage.fill(Qt::white);
        FPainter = std::make_unique<QPainter>(&FImage);
        FCanvas = std::make_unique<TCanvas>(FPainter.get());
    }
    TCanvas& Canvas() { return *FCanvas; }
    TColor At(int x, int y) { return FromQColor(FImage.pixelColor(x, y)); }
    bool Untouched() {
        for (int y = 0; y < FImage.height(); ++y)
            for (int x = 0; x < FImage.width(); ++x)
                if (At(x, y) != clWhite) return false;
        return true;
    }

    QImage FImage;
    std::unique_ptr<QPainter> FPainter;
    std::unique_ptr<TCanvas> FCanvas;
};

TEST_F(GradientDrawing, SixteenStepsOverTenPixelsDrawTenBands) {
    // size 9 caps the steps at 9: pixel x gets band x, red 10 * x.
    FillGradientRect(Canvas(), RGBColor(0, 0, 0), RGBColor(90, 0, 0), 16, Rect(2, 1, 12, 4), true);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(At(2 + x, 2), RGBColor(10 * x, 0, 0)) << x;
    EXPECT_EQ(At(12, 2), clWhite);
    EXPECT_EQ(At(2, 4), clWhite);

    Reset(20, 12);
    FillGradientRect(Canvas(), RGBColor(0, 0, 0), RGBColor(0, 90, 0), 16, Rect(1, 0, 3, 10), false);
    for (int y = 0; y < 10; ++y) EXPECT_EQ(At(1, y), RGBColor(0, 10 * y, 0)) << y;
}

TEST_F(GradientDrawing, WideBandsCoverTheRectangleWithoutGaps) {
    FillGradientRect(Canvas(), RGBColor(0, 0, 0), RGBColor(0, 0, 200), 3, Rect(0, 0, 20, 2), true);
    // size 19, 3 steps: bands start at 0, 6, 12 and 19, each 7 wide.
    const struct {
        int x;
        TColor color;
    } probes[] = {{0, RGBColor(0, 0, 0)}, {5, RGBColor(0, 0, 0)}, {6, RGBColor(0, 0, 67)}, {12, RGBColor(0, 0, 133)},
                  {18, RGBColor(0, 0, 133)}, {19, RGBColor(0, 0, 200)}};
    for (const auto& p : probes) EXPECT_EQ(At(p.x, 0), p.color) << p.x;
}

TEST_F(GradientDrawing, ReversedTopAndBottomAreSwapped) {
    FillGradientRect(Canvas(), RGBColor(0, 0, 0), RGBColor(90, 0, 0), 16, Rect(0, 6, 10, 2), true);
    EXPECT_EQ(At(9, 2), RGBColor(90, 0, 0));
    EXPECT_EQ(At(9, 5), RGBColor(90, 0, 0));
    EXPECT_EQ(At(9, 6), clWhite);
}

TEST_F(GradientDrawing, NoColourMakesAPlainFill) {
    FillGradientRect(Canvas(), clNone, clRed, 16, Rect(0, 0, 10, 2), true);
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(9, 1), clRed);
    FillGradientRect(Canvas(), clBlue, clNone, 16, Rect(0, 0, 10, 2), true);
    EXPECT_EQ(At(5, 0), clBlue);
    Reset(20, 12);
    FillGradientRect(Canvas(), clNone, clNone, 16, Rect(0, 0, 10, 2), true);
    EXPECT_TRUE(Untouched());
}

TEST_F(GradientDrawing, EmptyAndInvertedSizesDrawNothing) {
    const TRect rects[] = {Rect(5, 5, 5, 10), Rect(5, 5, 10, 5), Rect(8, 2, 3, 9), Rect(0, 0, -4, -4)};
    for (const TRect& r : rects) {
        for (bool horizontal : {true, false}) FillGradientRect(Canvas(), clBlack, clRed, 16, r, horizontal);
        DrawGradientMirrorRect(Canvas(), r, clBlack, clRed, clBlue, clGreen, true, clBlack, false, true);
        DrawGradientMirrorRect(Canvas(), r, clBlack, clNone, clNone, clNone, false, clBlack, true, true);
        for (int kind = 0; kind <= 3; ++kind)
            DrawRoundedGradientButton(Canvas(), clBlack, clRed, clBlue, clGreen, clBlack, clBlack, clBlack, clBlack,
                                      clBlack, r, kind);
    }
    // A button face too small for its cut corners is not drawn; the smallest one drawn
    // stays inside its rectangle.
    DrawRoundedGradientButton(Canvas(), clBlack, clRed, clBlue, clGreen, clBlack, clBlack, clBlack, clBlack, clBlack,
                              Rect(10, 5, 12, 7), 0);
    EXPECT_TRUE(Untouched());
    DrawRoundedGradientButton(Canvas(), clBlack, clRed, clBlue, clGreen, clBlack, clBlack, clBlack, clBlack, clBlack,
                              Rect(10, 5, 13, 8), 0);
    for (int y = 0; y < FImage.height(); ++y)
        for (int x = 0; x < FImage.width(); ++x)
            if (!Rect(10, 5, 13, 8).Contains(Point(x, y))) EXPECT_EQ(At(x, y), clWhite) << x << "," << y;
}

TEST_F(GradientDrawing, MirrorRectHalvesAndBorder) {
    // Vertical: the top half from red, the bottom half from blue; gradients of one colour each.
    DrawGradientMirrorRect(Canvas(), Rect(0, 0, 10, 10), clRed, clRed, clBlue, clBlue, true, clNone, false, true);
    EXPECT_EQ(At(0, 0), clRed);  // no border was drawn
    EXPECT_EQ(At(5, 4), clRed);
    EXPECT_EQ(At(5, 5), clBlue);
    EXPECT_EQ(At(9, 9), clBlue);

    DrawGradientMirrorRect(Canvas(), Rect(0, 0, 10, 10), clRed, clNone, clNone, clNone, false, clGreen, false, true);
    EXPECT_EQ(At(0, 0), clGreen);
    EXPECT_EQ(At(9, 9), clGreen);
    EXPECT_EQ(At(5, 5), clRed);
    EXPECT_EQ(At(5, 10), clRed);  // the solid fill reaches one pixel below

    Reset(20, 12);
    DrawGradientMirrorRect(Canvas(), Rect(2, 2, 8, 8), clRed, clNone, clNone, clNone, false, clGreen, true, false);
    EXPECT_EQ(At(2, 2), clGreen);
    EXPECT_EQ(At(7, 7), clGreen);
    EXPECT_EQ(At(5, 2), clWhite);  // sides only, and no fill
    EXPECT_EQ(At(2, 8), clWhite);
}

TEST_F(GradientDrawing, RoundedButtonCorners) {
    const TColor face = RGBColor(10, 20, 30), border = RGBColor(1, 1, 1), corner = RGBColor(2, 2, 2),
                 background = RGBColor(3, 3, 3), upper = RGBColor(4, 4, 4), lower = RGBColor(5, 5, 5);
    DrawRoundedGradientButton(Canvas(), face, clNone, clNone, clNone, upper, lower, border, corner, background,
                              Rect(0, 0, 20, 12), 0);
    // bottom = 10, right = 19, middle = 5
    const struct {
        int x, y;
        TColor color;
    } probes[] = {
        {0, 0, background}, {0, 10, background}, {18, 0, background}, {1, 0, corner},    {0, 1, corner},
        {1, 9, corner},     {17, 1, corner},     {5, 0, border},      {5, 10, border},   {0, 5, border},
        {18, 5, border},    {5, 1, upper},       {1, 3, upper},       {5, 9, lower},     {1, 7, lower},
        {17, 7, lower},     {8, 5, face},        {2, 2, face},        {16, 8, face},     {19, 5, clWhite},
        {5, 11, clWhite},
    };
    for (const auto& p : probes) EXPECT_EQ(At(p.x, p.y), p.color) << p.x << "," << p.y;

    Reset(20, 12);
    DrawRoundedGradientButton(Canvas(), face, clNone, clNone, clNone, upper, lower, border, corner, background,
                              Rect(0, 0, 20, 12), 3);
    // A middle segment has no side edges and no cut corners.
    EXPECT_EQ(At(0, 0), border);
    EXPECT_EQ(At(0, 5), face);
    EXPECT_EQ(At(18, 5), face);
}

TEST_F(GradientDrawing, TransparentBitmapReplacesTheCornerColour) {
    QImage bitmap(3, 3, QImage::Format_RGB32);
    bitmap.fill(QColor(255, 0, 0));
    bitmap.setPixelColor(1, 1, QColor(0, 0, 255));
    DrawTransparentBitmap(Canvas(), bitmap, clLime, Rect(4, 4, 5, 5));
    EXPECT_EQ(At(4, 4), clLime);
    EXPECT_EQ(At(6, 6), clLime);
    EXPECT_EQ(At(5, 5), clBlue);
    EXPECT_EQ(At(7, 7), clWhite);  // drawn at its own size, not the rectangle's
    DrawTransparentBitmap(Canvas(), QImage(), clLime, Rect(0, 0, 5, 5));
    DrawTransparentBitmapResource(Canvas(), clLime, Rect(0, 0, 5, 5), QStringLiteral("no such picture"));
    EXPECT_EQ(At(0, 0), clWhite);
}

TEST_F(GradientDrawing, SmallDownArrow) {
    DrawSmallDownArrow(Canvas(), 10, 4, clBlack);
    for (TPoint p : {Point(7, 4), Point(13, 4), Point(8, 5), Point(12, 5), Point(9, 6), Point(10, 7)})
        EXPECT_EQ(At(p.X, p.Y), clBlack) << p.X << "," << p.Y;
    for (TPoint p : {Point(6, 4), Point(14, 4), Point(7, 5), Point(9, 7), Point(11, 7), Point(10, 8), Point(10, 3)})
        EXPECT_EQ(At(p.X, p.Y), clWhite) << p.X << "," << p.Y;
}

}  // namespace

TEST_F(GradientDrawing, DrawGradientPaintsOverlappingBandsThatStopOneStepShortOfTheEndColour) {
    // Band size comes from the width less one: 8 / 4 = 2, each band 3 wide.
    DrawGradient(Canvas(), RGBColor(0, 0, 0), RGBColor(0, 0, 80), 4, Rect(0, 0, 9, 2), true);
    const TColor expected[] = {0, 0, 20, 20, 40, 40, 60, 60, 60};
    for (int x = 0; x < 9; ++x) EXPECT_EQ(At(x, 1), RGBColor(0, 0, expected[x])) << x;
    EXPECT_EQ(At(9, 1), clWhite);
    EXPECT_EQ(At(0, 2), clWhite);

    Reset(20, 12);
    DrawGradient(Canvas(), RGBColor(0, 0, 0), RGBColor(0, 80, 0), 4, Rect(1, 0, 3, 9), false);
    for (int y = 0; y < 9; ++y) EXPECT_EQ(At(1, y), RGBColor(0, expected[y], 0)) << y;
    EXPECT_EQ(At(3, 4), clWhite);
}

TEST_F(GradientDrawing, DrawGradientRoundsHalfToEvenAndTakesZeroStepsAsOne) {
    // 2.5 per step rounds to 2, 7.5 to 8.
    DrawGradient(Canvas(), RGBColor(0, 0, 0), RGBColor(10, 0, 0), 4, Rect(0, 0, 13, 1), true);
    EXPECT_EQ(At(3, 0), RGBColor(2, 0, 0));
    EXPECT_EQ(At(12, 0), RGBColor(8, 0, 0));

    Reset(20, 12);
    DrawGradient(Canvas(), clRed, clBlue, 0, Rect(0, 0, 10, 10), true);
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(9, 9), clRed);
    EXPECT_EQ(At(10, 0), clWhite);
}
