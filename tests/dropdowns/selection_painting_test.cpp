#include "dropdowns/selection_painting.h"
#include "painted_image.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectionPainting, ColourStylesSetTheSelectionGradientAndCustomKeepsIt) {
    const struct {
        TSelectionColorStyle style;
        TColor color, colorTo;
    } cases[] = {{scOffice2007, 0xD7FFFD, 0x58D4FC},
                 {scWindowsVista, 0xFDF8F1, 0xFCEFD5},
                 {scWindows7, 0xFCEBDC, 0xFCDBC1},
                 {scCustom, clRed, clBlue}};
    for (const auto& c : cases) {
        TColor color = clRed, colorTo = clBlue;
        ApplySelectionColorStyle(c.style, color, colorTo);
        EXPECT_EQ(color, c.color) << c.style;
        EXPECT_EQ(colorTo, c.colorTo) << c.style;
    }
}

TEST(SelectionPainting, ThePresetsPaintTheirBorderInnerLinesCornersAndFace) {
    // A 20 x 20 face: border rows 0 and 18, inner lines 1 and 17, fill rows 2 to 16
    // (upper half 2 to 8, lower half from 9); the outer corner pixels at x 0 and 18.
    const struct {
        TSelectionColorStyle style;
        TColor border, innerTop, innerBottom, innerCorner, lowerHalfStart;
    } cases[] = {
        {scOffice2007, 0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0x58D4FC},
        {scWindowsVista, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clNone},
        {scWindows7, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, clNone},
    };
    for (const auto& c : cases) {
        TColor color = clNone, colorTo = clNone;
        ApplySelectionColorStyle(c.style, color, colorTo);
        PaintedImage image(20, 20);
        DrawSelectionBackground(image.Canvas(), Rect(0, 0, 20, 20), 0, clLime, c.style, color, colorTo);
        EXPECT_EQ(image.At(0, 0), clLime) << c.style;
        EXPECT_EQ(image.At(18, 18), clLime) << c.style;
        EXPECT_EQ(image.At(1, 0), c.innerCorner) << c.style;
        EXPECT_EQ(image.At(10, 0), c.border) << c.style;
        EXPECT_EQ(image.At(10, 18), c.border) << c.style;
        EXPECT_EQ(image.At(10, 1), c.innerTop) << c.style;
        EXPECT_EQ(image.At(10, 17), c.innerBottom) << c.style;
        EXPECT_EQ(image.At(10, 2), color) << c.style;
        if (c.lowerHalfStart != clNone) EXPECT_EQ(image.At(10, 9), c.lowerHalfStart) << c.style;
        else EXPECT_NE(image.At(10, 16), color) << c.style;  // one gradient down the face
    }
}

TEST(SelectionPainting, CustomFillsTheWholeRectangle) {
    PaintedImage image(10, 10);
    DrawSelectionBackground(image.Canvas(), Rect(1, 1, 9, 9), 0, clLime, scCustom, clRed, clBlue);
    EXPECT_EQ(image.At(1, 1), clRed);
    EXPECT_EQ(image.At(8, 8), clRed);
    EXPECT_EQ(image.At(9, 9), clWhite);
}

}  // namespace
