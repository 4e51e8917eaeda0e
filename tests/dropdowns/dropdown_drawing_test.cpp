#include "dropdowns/dropdown_drawing.h"
#include "dropdowns/markup_text.h"
#include "painted_image.h"
#include "platform/bitmap.h"
#include "platform/image_list.h"

#include <gtest/gtest.h>

namespace {

TEST(BlendColor, MixesChannelsRoundingHalfToEven) {
    const struct {
        TColor first, second;
        int percent;
        TColor expected;
    } cases[] = {
        {RGBColor(200, 100, 0), RGBColor(0, 0, 255), 50, RGBColor(100, 50, 128)},  // 127.5 rounds to 128
        {RGBColor(1, 3, 0), RGBColor(0, 0, 0), 50, RGBColor(0, 2, 0)},                // 0.5 to 0, 1.5 to 2
        {0x808080, 0xFFFFFF, 20, RGBColor(230, 230, 230)},                            // strip inner frame
        {clBtnFace, clWhite, 100, clBtnFace},                                         // unconverted
        {clBtnFace, clWhite, 150, clBtnFace},
        {clWhite, clBtnShadow, 0, clBtnShadow},
        {clWhite, clBtnShadow, -5, clBtnShadow},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlendColor(c.first, c.second, c.percent), c.expected) << std::hex << c.first << " " << c.percent;
}

TEST(ShadeColor, DarkensByNegativeAndLiftsOnlyZeroChannelsByPositivePercentages) {
    const struct {
        TColor color;
        int red, green, blue;
        TColor expected;
    } cases[] = {
        {clRed, 0, -10, -10, clRed},
        {clRed, 0, 20, 20, RGBColor(255, 20, 20)},
        {0xF5F0E1, -10, -10, 0, 0xF5D8CA},   // 202.5 rounds to 202
        {0xF9D2B2, -10, -10, 0, 0xF9BDA0},
        {0xFFFFFF, -5, -5, -5, 0xF2F2F2},
        {RGBColor(100, 0, 50), 50, -300, 0, RGBColor(100, 0, 50)},  // no channel below 0
        {RGBColor(0, 0, 0), 300, 0, 0, RGBColor(300 & 0xFF, 0, 0)},  // cut to eight bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShadeColor(c.color, c.red, c.green, c.blue), c.expected) << std::hex << c.color;
}

TEST(DrawButtonBackground, GradientOrFillThenBorder) {
    PaintedImage image(30, 20);
    DrawButtonBackground(image.Canvas(), Rect(0, 0, 30, 20), clRed, clNone, clBlue, 1, gdVertical);
    EXPECT_EQ(image.At(0, 0), clBlue);
    EXPECT_EQ(image.At(29, 19), clBlue);
    EXPECT_EQ(image.At(1, 1), clRed);

    PaintedImage gradient(30, 81);
    DrawButtonBackground(gradient.Canvas(), Rect(0, 0, 30, 81), clBlack, RGBColor(0, 0, 160), clNone, 1, gdVertical);
    // 80 bands top to bottom, two blue units apart; no border.
    EXPECT_EQ(gradient.At(15, 0), clBlack);
    EXPECT_EQ(gradient.At(15, 40), RGBColor(0, 0, 80));
    EXPECT_EQ(gradient.At(15, 80), RGBColor(0, 0, 158));

    PaintedImage nothing(10, 10);
    DrawButtonBackground(nothing.Canvas(), Rect(0, 0, 10, 10), clNone, clNone, clBlue, 0, gdVertical);
    EXPECT_FALSE(nothing.Painted(Rect(0, 0, 10, 10)));
}

TEST(DrawGlyphOnColor, ReplacesTheCornerColourAndCutsToTheRectangle) {
    TBitmap glyph(4, 4);
    glyph.Canvas().Brush.Color = clFuchsia;
    glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas().SetPixels(2, 2, clBlack);
    PaintedImage image(10, 10);
    DrawGlyphOnColor(image.Canvas(), glyph, clLime, Rect(1, 1, 4, 4));
    EXPECT_EQ(image.At(1, 1), clLime);
    EXPECT_EQ(image.At(3, 3), clBlack);
    EXPECT_EQ(image.At(4, 4), clWhite);
}

TEST(TextRoutines, MeasureAndShorten) {
    PaintedImage image(10, 10);
    TCanvas& canvas = image.Canvas();
    EXPECT_EQ(GetTextSize(canvas, QString()), (TSize{0, 0}));
    const TSize size = GetTextSize(canvas, QStringLiteral("Hello"));
    EXPECT_EQ(size.cx, canvas.TextWidth(QStringLiteral("Hello")));
    EXPECT_GT(size.cy, 0);

    const QString text = QStringLiteral("Calculator");
    const int full = canvas.TextWidth(text);
    EXPECT_EQ(TruncateText(canvas, text, full, true), text);
    const QString shortened = TruncateText(canvas, text, full - 1, true);
    EXPECT_TRUE(shortened.endsWith(QStringLiteral("...")));
    EXPECT_LT(canvas.TextWidth(shortened), full - 1);
    EXPECT_EQ(TruncateText(canvas, text, canvas.TextWidth(QStringLiteral("...")) + 1, true), QStringLiteral("..."));
    EXPECT_EQ(TruncateText(canvas, text, canvas.TextWidth(QStringLiteral("C")) + 1, false), QStringLiteral("C"));
    // Nothing narrower than 1 pixel: the text itself.
    EXPECT_EQ(TruncateText(canvas, text, 1, true), text);
}

TEST(DrawHTMLText, MeasuresThePlainTextWithLineBreakTagsUntilTheRendererIsInstalled) {
    PaintedImage image(200, 60);
    TCanvas& canvas = image.Canvas();
    TSize size{5, 5};
    DrawHTMLText(canvas, QString(), Rect(0, 0, 200, 60), size, 0, false, nullptr);
    EXPECT_EQ(size, (TSize{0, 0}));

    const int line = canvas.TextHeight(QStringLiteral("Ag"));
    DrawHTMLText(canvas, QStringLiteral("<b>Red</b><BR>Green<hr/>x"), Rect(0, 0, 200, 60), size, 0, false, nullptr);
    EXPECT_EQ(size, (TSize{canvas.TextWidth(QStringLiteral("Green")), 3 * line}));
    EXPECT_FALSE(image.Painted(Rect(0, 0, 200, 60)));

    DrawHTMLText(canvas, QStringLiteral("<b>Red</b>"), Rect(0, 0, 200, 60), size, 0, true, nullptr);
    EXPECT_TRUE(image.Painted(Rect(0, 0, size.cx, line)));
    EXPECT_EQ(MarkupToPlainText(QStringLiteral("<i>a</i><br>b")), QStringLiteral("a\nb"));
}

TEST(DrawImageAndText, PutsTheImageFourPixelsInAndCentresTextOnlyWithoutImage) {
    TCustomImageList images(nullptr, 8, 8);
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    images.Add(red);

    PaintedImage image(60, 20);
    DrawImageAndText(image.Canvas(), Rect(0, 0, 60, 20), QString(), 0, &images);
    EXPECT_EQ(image.At(4, 6), clRed);   // top = (20 - 8) / 2
    EXPECT_EQ(image.At(3, 6), clWhite);
    EXPECT_EQ(image.At(4, 5), clWhite);

    PaintedImage centred(60, 20);
    centred.Canvas().Font.Color = clBlack;
    DrawImageAndText(centred.Canvas(), Rect(0, 0, 60, 20), QStringLiteral("ii"), -1, &images);
    EXPECT_FALSE(centred.Painted(Rect(0, 0, 20, 20)));
    EXPECT_TRUE(centred.Painted(Rect(20, 0, 40, 20)));
}

}  // namespace
