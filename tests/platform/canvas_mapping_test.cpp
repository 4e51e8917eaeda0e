// The canvas's metric mapping mode on an image of 96 pixels per inch: conversions both
// ways, and drawing placed and sized in tenths of a millimetre with text upright.

#include "image_canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasMapping, ConvertsBetweenTenthsOfMillimetreAndPixels) {
    ImageCanvas c(300, 300);
    EXPECT_EQ(c.canvas->ResolutionX(), 96);
    c.canvas->SetMapMode(mmLoMetric);
    const struct {
        TPoint logical;
        TPoint device;
    } cases[] = {{{0, 0}, {0, 0}}, {{254, -254}, {96, 96}}, {{127, -508}, {48, 192}}, {{-254, 254}, {-96, -96}}};
    for (const auto& c2 : cases) {
        EXPECT_EQ(c.canvas->LogicalToDevice(c2.logical), c2.device) << c2.logical.X << "," << c2.logical.Y;
        EXPECT_EQ(c.canvas->DeviceToLogical(c2.device), c2.logical) << c2.device.X << "," << c2.device.Y;
    }
    // Either order of a logical rectangle's edges gives one device rectangle.
    EXPECT_EQ(c.canvas->LogicalToDevice(Rect(254, -254, 508, -508)), Rect(96, 96, 192, 192));
    EXPECT_EQ(c.canvas->LogicalToDevice(Rect(254, -508, 508, -254)), Rect(96, 96, 192, 192));
    EXPECT_EQ(c.canvas->DeviceToLogical(Rect(96, 96, 192, 192)), Rect(254, -254, 508, -508));
    // The whole image, y downwards being negative.
    EXPECT_EQ(c.canvas->ClipRect(), Rect(0, 0, 794, -794));
    c.canvas->SetMapMode(mmText);
    EXPECT_EQ(c.canvas->LogicalToDevice(TPoint{254, -254}), (TPoint{254, -254}));
    EXPECT_EQ(c.canvas->ClipRect(), Rect(0, 0, 300, 300));
}

TEST(CanvasMapping, DrawsWhereTheLogicalUnitsSay) {
    ImageCanvas c(300, 300);
    c.canvas->SetMapMode(mmLoMetric);
    c.canvas->FillRect(Rect(254, -254, 508, -508));
    EXPECT_EQ(c.At(96, 96), kInk);
    EXPECT_EQ(c.At(191, 191), kInk);
    EXPECT_EQ(c.At(95, 100), clWhite);
    EXPECT_EQ(c.At(192, 100), clWhite);
    // A pen 1 mm wide is about four pixels wide on paper and on the image alike.
    c.canvas->Pen.Width = 10;
    c.canvas->MoveTo(0, -700);
    c.canvas->LineTo(700, -700);
    EXPECT_EQ(c.canvas->PenPos(), (TPoint{700, -700}));
    const int y = 265;  // 700 tenths of a millimetre
    EXPECT_EQ(c.Count(kInk, QRect(50, y - 4, 1, 9)), 4);
    // A clip given in logical units holds drawing in its device pixels.
    c.canvas->IntersectClip(Rect(0, -600, 100, -650));
    c.canvas->Brush.Color = clRed;
    c.canvas->FillRect(Rect(0, 0, 700, -700));
    c.canvas->RestoreClip();
    EXPECT_EQ(c.At(10, 235), clRed);
    EXPECT_EQ(c.At(10, 220), clWhite);
    EXPECT_EQ(c.At(40, 235), clWhite);
}

TEST(CanvasMapping, TextIsUprightAndMeasuredInLogicalUnits) {
    ImageCanvas metric(300, 120);
    ImageCanvas device(300, 120);
    for (ImageCanvas* c : {&metric, &device}) {
        c->UseFixtureFont();
        c->canvas->Font.Size = 14;
        c->canvas->Brush.Style = bsClear;
    }
    const QString text = QStringLiteral("Upright gh");
    const int pixels = device.canvas->TextWidth(text);
    const int height = device.canvas->TextHeight(text);
    metric.canvas->SetMapMode(mmLoMetric);
    EXPECT_EQ(metric.canvas->TextWidth(text), qRound(pixels * 254.0 / 96));
    EXPECT_EQ(metric.canvas->TextHeight(text), qRound(height * 254.0 / 96));
    // The same text drawn at the same place in either unit gives the same image: not
    // mirrored, not turned.
    metric.canvas->TextOut(127, -127, text);
    device.canvas->TextOut(48, 48, text);
    EXPECT_EQ(metric.image, device.image);
    EXPECT_GT(device.CountNot(clWhite, QRect(48, 48, pixels, height)), 20);

    // A laid-out extent grows downwards from its logical top-left corner.
    TRect r = Rect(100, -100, 100 + 2000, -100);
    metric.canvas->DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(r.Left, 100);
    EXPECT_EQ(r.Top, -100);
    EXPECT_NEAR(r.Right - r.Left, qRound(pixels * 254.0 / 96), 3);
    EXPECT_NEAR(r.Top - r.Bottom, qRound(height * 254.0 / 96), 3);
}

}  // namespace
