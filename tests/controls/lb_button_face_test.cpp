// The button face, probed pixel by pixel: edges and face of every style in every
// state, the hot-track blend, the gradient bands, glyph choice and placement.

#include "controls/lb_button_face.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int W = 60;
constexpr int H = 24;
constexpr TColor kFace = RGBColor(200, 200, 200);
constexpr TColor kLight = RGBColor(250, 250, 250);
constexpr TColor kShadow = RGBColor(90, 90, 90);
constexpr TColor kHot = RGBColor(255, 255, 0);
constexpr TColor kDown = RGBColor(255, 128, 0);
constexpr TColor kMagenta = RGBColor(255, 0, 255);
constexpr TColor kGlyphInk = RGBColor(0, 0, 255);
constexpr TColor kGlyphInk2 = RGBColor(255, 0, 0);

TLbButtonFace PlainFace(TLbButtonStyle style) {
    TLbButtonFace face;
    face.Width = W;
    face.Height = H;
    face.Style = style;
    face.Color = kFace;
    face.LightColor = kLight;
    face.ShadowColor = kShadow;
    face.HotTrackColor = kHot;
    face.ColorWhenDown = kDown;
    face.Font.Name = QStringLiteral("DejaVu Sans");
    return face;
}

// Paints on a magenta background, as the button does for its transparent styles.
TBitmap Paint(const TLbButtonFace& face) {
    TBitmap bitmap(face.Width, face.Height);
    bitmap.Canvas().Brush.Color = kMagenta;
    bitmap.Canvas().FillRect(Rect(0, 0, face.Width, face.Height));
    DrawLbButtonFace(bitmap.Canvas(), face);
    return bitmap;
}

TColor Pixel(const TBitmap& bitmap, int x, int y) { return FromQColor(bitmap.Image().pixelColor(x, y)); }

struct EdgeCase {
    const char* name;
    TLbButtonStyle style;
    bool enabled, hot, down, flat;
    int step;
    TColor face, left, top, right, bottom;
};

TEST(LbButtonFaceTest, EdgesAndFaceOfEachStyleAndState) {
    const TColor dark = ColorToRGB(cl3DDkShadow);
    const TColor mean = RGBColor((200 + 255) / 2, (200 + 255) / 2, 200 / 2);
    const EdgeCase cases[] = {
        {"normal", bsNormal, true, false, false, false, 0, kFace, kLight, kLight, kShadow, kShadow},
        {"normal hot", bsNormal, true, true, false, false, 8, kHot, kLight, kLight, kShadow, kShadow},
        {"normal half faded", bsNormal, true, false, false, false, 4, mean, kLight, kLight, kShadow, kShadow},
        {"normal pressed", bsNormal, true, true, true, false, 8, kDown, kShadow, kShadow, kLight, kLight},
        {"normal disabled pressed", bsNormal, false, true, true, false, 8, kFace, kLight, kLight, kShadow, kShadow},
        {"normal flat", bsNormal, true, false, false, true, 0, kFace, kFace, kFace, kFace, kFace},
        {"normal flat hot", bsNormal, true, true, false, true, 8, kHot, kLight, kLight, kShadow, kShadow},
        {"normal flat disabled", bsNormal, false, false, false, true, 0, kFace, kFace, kFace, kFace, kFace},
        {"encarta", bsEncarta, true, false, false, false, 0, kFace, kLight, kLight, kShadow, kShadow},
        {"encarta flat", bsEncarta, true, false, false, true, 0, kFace, kFace, kFace, kFace, kFace},
        {"encarta flat focused", bsEncarta, true, true, false, true, 0, kFace, kLight, kLight, kShadow, kShadow},
        {"encarta pressed", bsEncarta, true, true, true, false, 8, kDown, kShadow, kShadow, kLight, kLight},
        {"old", bsOld, true, false, false, false, 0, kFace, kLight, kLight, dark, dark},
        {"old pressed", bsOld, true, false, true, false, 0, kDown, dark, dark, kLight, kLight},
        // bsModern's face is a gradient, probed in StylesShapeTheirOutlines.
        {"modern", bsModern, true, false, false, false, 0, clNone, kShadow, kShadow, kShadow, kShadow},
        {"modern pressed", bsModern, true, false, true, false, 0, clNone, kShadow, kShadow, kShadow, kShadow},
        {"quicken", bsQuicken, true, false, false, false, 0, kFace, kFace, kShadow, kFace, kShadow},
        {"shape", bsShape, true, true, true, false, 8, kMagenta, kMagenta, kMagenta, kMagenta, kMagenta},
    };
    for (const EdgeCase& k : cases) {
        SCOPED_TRACE(k.name);
        TLbButtonFace face = PlainFace(k.style);
        face.Enabled = k.enabled;
        face.Hot = k.hot;
        face.Down = k.down;
        face.Flat = k.flat;
        face.HotTrackStep = k.step;
        const TBitmap bitmap = Paint(face);
        if (k.face != clNone) EXPECT_EQ(Pixel(bitmap, W / 2, H / 2), k.face);
        EXPECT_EQ(Pixel(bitmap, 0, H / 2), k.left);
        EXPECT_EQ(Pixel(bitmap, W / 2, 0), k.top);
        EXPECT_EQ(Pixel(bitmap, W - 1, H / 2), k.right);
        EXPECT_EQ(Pixel(bitmap, W / 2, H - 1), k.bottom);
    }
}

TEST(LbButtonFaceTest, StylesShapeTheirOutlines) {
    TLbButtonFace old = PlainFace(bsOld);
    TBitmap bitmap = Paint(old);
    EXPECT_EQ(Pixel(bitmap, W - 2, H / 2), kShadow);  // inner shadow line
    EXPECT_EQ(Pixel(bitmap, W / 2, H - 2), kShadow);
    old.Down = true;
    bitmap = Paint(old);
    EXPECT_EQ(Pixel(bitmap, 1, H / 2), kShadow);
    EXPECT_EQ(Pixel(bitmap, W / 2, 1), kShadow);

    TLbButtonFace modern = PlainFace(bsModern);
    bitmap = Paint(modern);
    EXPECT_EQ(Pixel(bitmap, 0, 0), kMagenta);  // rounded corner shows the parent
    EXPECT_EQ(Pixel(bitmap, 1, H / 2), kFace);  // inner outline in the face colour
    // Rows 2..5 hold bands 0..31 of light to face, each 1 high, 4 * i div 31 down:
    // row 2 ends with band 7, 250 - 7 * 50 / 31 truncated.
    EXPECT_EQ(Pixel(bitmap, W / 2, 2), RGBColor(238, 238, 238));
    modern.Down = true;
    bitmap = Paint(modern);
    EXPECT_EQ(Pixel(bitmap, 1, H / 2), kShadow);
    // Pressed, the lower gradient from the pressed colour starts one row lower, at 7,
    // where band 1 lies last: the pressed colour one step toward light.
    EXPECT_EQ(Pixel(bitmap, W / 2, 7), RGBColor(254, 131, 8));

    bitmap = Paint(PlainFace(bsQuicken));
    EXPECT_EQ(Pixel(bitmap, 0, 1), kMagenta);  // cut corner
    EXPECT_EQ(Pixel(bitmap, 2, 0), kMagenta);  // the top line starts at x = 4
    EXPECT_EQ(Pixel(bitmap, 4, 0), kShadow);
}

TEST(LbButtonFaceTest, HotTrackBlendTruncatesEachChannel) {
    const TColor from = RGBColor(255, 0, 1), to = RGBColor(0, 255, 0);
    EXPECT_EQ(BlendHotTrackColor(from, to, 0), from);
    EXPECT_EQ(BlendHotTrackColor(from, to, 8), to);
    EXPECT_EQ(BlendHotTrackColor(from, to, 4), RGBColor(127, 127, 0));
    EXPECT_EQ(BlendHotTrackColor(from, to, 1), RGBColor(223, 31, 0));
    EXPECT_EQ(BlendHotTrackColor(clWhite, clWhite, 3), clWhite);
}

TEST(LbButtonFaceTest, GradientBandsOverlapAndTheLastBandStartsAtTheBottom) {
    TBitmap bitmap(4, 70);
    bitmap.Canvas().Brush.Color = kMagenta;
    bitmap.Canvas().FillRect(Rect(0, 0, 4, 70));
    // Channels grow by 2, 3 and 4 per band.
    FillButtonGradient(bitmap.Canvas(), RGBColor(0, 0, 0), RGBColor(62, 93, 124), 1, 0, 3, 62);
    for (int y : {0, 1, 2, 3, 31, 60, 61}) {
        const int band = y / 2;  // bands 3 high start every 2 rows, the later one on top
        EXPECT_EQ(Pixel(bitmap, 1, y), RGBColor(2 * band, 3 * band, 4 * band)) << y;
    }
    EXPECT_EQ(Pixel(bitmap, 1, 62), kMagenta);
    EXPECT_EQ(Pixel(bitmap, 0, 10), kMagenta);
    EXPECT_EQ(Pixel(bitmap, 3, 10), kMagenta);
}

// A strip of two 10 by 10 images on olive: the first blue, the second red.
TBitmap TwoImageStrip() {
    TBitmap strip(20, 10);
    TCanvas& c = strip.Canvas();
    c.Brush.Color = clOlive;
    c.FillRect(Rect(0, 0, 20, 10));
    c.Brush.Color = kGlyphInk;
    c.FillRect(Rect(2, 2, 8, 8));
    c.Brush.Color = kGlyphInk2;
    c.FillRect(Rect(12, 2, 18, 8));
    return strip;
}

// Leftmost column holding the colour, or -1.
int FirstColumnOf(const TBitmap& bitmap, TColor color) {
    for (int x = 0; x < bitmap.Width(); ++x)
        for (int y = 0; y < bitmap.Height(); ++y)
            if (Pixel(bitmap, x, y) == color) return x;
    return -1;
}

TEST(LbButtonFaceTest, GlyphImageFollowsTheStateAndItsBackgroundIsLeftOut) {
    const TBitmap strip = TwoImageStrip();
    TLbButtonFace face = PlainFace(bsNormal);
    face.Alignment = taLeftJustify;
    face.Glyph = &strip;
    face.NumGlyphs = 2;

    TBitmap bitmap = Paint(face);
    // Glyph at (4, (24 - 10) div 2): its ink from (6, 9), its olive keyed out.
    EXPECT_EQ(Pixel(bitmap, 6, 9), kGlyphInk);
    EXPECT_EQ(Pixel(bitmap, 4, 7), kFace);

    face.Enabled = false;
    bitmap = Paint(face);
    EXPECT_EQ(Pixel(bitmap, 6, 9), kGlyphInk2);

    face.NumGlyphs = 1;  // one image of 20 by 10: the disabled index lies beyond it
    face.Glyph = &strip;
    bitmap = Paint(face);
    EXPECT_EQ(Pixel(bitmap, 6, 9), kGlyphInk);

    face.Enabled = true;
    face.NumGlyphs = 0;
    bitmap = Paint(face);
    EXPECT_EQ(FirstColumnOf(bitmap, kGlyphInk), -1);
    EXPECT_EQ(FirstColumnOf(bitmap, kGlyphInk2), -1);
}

TEST(LbButtonFaceTest, PressOffsetMovesEveryStyleButEncarta) {
    const TBitmap strip = TwoImageStrip();
    for (TLbButtonStyle style : {bsNormal, bsEncarta, bsOld}) {
        TLbButtonFace face = PlainFace(style);
        face.ColorWhenDown = clNone;
        face.Alignment = taLeftJustify;
        face.Glyph = &strip;
        face.NumGlyphs = 2;
        const int up = FirstColumnOf(Paint(face), kGlyphInk);
        face.Down = true;
        const int down = FirstColumnOf(Paint(face), kGlyphInk);
        EXPECT_EQ(down - up, style == bsEncarta ? 0 : 1) << style;
    }
}

TEST(LbButtonFaceTest, LongCaptionIsCutSoTheGlyphBesideItStaysInside) {
    const TBitmap strip = TwoImageStrip();
    TLbButtonFace face = PlainFace(bsNormal);
    face.Width = 90;
    face.Alignment = taLeftJustify;
    face.Layout = blGlyphRight;
    face.Glyph = &strip;
    face.NumGlyphs = 2;
    face.Caption = QStringLiteral("A much too long caption for this button");
    const int glyphX = FirstColumnOf(Paint(face), kGlyphInk) - 2;
    EXPECT_GT(glyphX, 4);
    EXPECT_LE(glyphX + 10, face.Width - 4);

    face.Caption.clear();  // nothing to leave room for: the glyph follows textLeft + 0
    EXPECT_EQ(FirstColumnOf(Paint(face), kGlyphInk) - 2, 4);
}

TEST(LbButtonFaceTest, CaptionIsGreyWhenDisabledAndBoldWhenAnEncartaButtonIsPressed) {
    auto inkColumns = [](const TBitmap& bitmap, TColor ink) {
        int count = 0;
        for (int x = 0; x < bitmap.Width(); ++x)
            for (int y = 0; y < bitmap.Height(); ++y)
                if (Pixel(bitmap, x, y) == ink) {
                    ++count;
                    break;
                }
        return count;
    };
    TLbButtonFace face = PlainFace(bsEncarta);
    face.Width = 120;
    face.Caption = QStringLiteral("Wide Caption");
    face.Font.Color = clBlack;
    face.ColorWhenDown = clNone;
    const int normal = inkColumns(Paint(face), clBlack);
    EXPECT_GT(normal, 0);
    face.Down = true;
    EXPECT_GT(inkColumns(Paint(face), clBlack), normal);
    face.Down = false;
    face.Enabled = false;
    EXPECT_EQ(inkColumns(Paint(face), clBlack), 0);
    EXPECT_GT(inkColumns(Paint(face), clGray), 0);
}

TEST(LbButtonFaceTest, PopupArrowPointsDownBesideTheRightEdge) {
    TLbButtonFace face = PlainFace(bsNormal);
    face.HasPopup = true;
    const TBitmap bitmap = Paint(face);
    const int x = W - 11, y = H / 2 - 1;
    EXPECT_EQ(Pixel(bitmap, x, y), clBlack);
    EXPECT_EQ(Pixel(bitmap, x + 4, y), clBlack);
    EXPECT_EQ(Pixel(bitmap, x + 2, y + 2), clBlack);
    EXPECT_EQ(Pixel(bitmap, x, y + 2), kFace);  // the white background is keyed out
}

TEST(LbButtonFaceTest, ColorStylePresetsCarryTheirRows) {
    EXPECT_EQ(LbColorStylePreset(lcsGold).Color, RGBColor(192, 192, 0));
    EXPECT_EQ(LbColorStylePreset(lcsGold).HotTrackColor, RGBColor(223, 223, 0));
    EXPECT_EQ(LbColorStylePreset(lcsGold).Style, bsModern);
    EXPECT_EQ(LbColorStylePreset(lcsUltraFlatXP).ShadowColor, RGBColor(133, 146, 181));
    EXPECT_TRUE(LbColorStylePreset(lcsUltraFlat2).Flat);
    EXPECT_EQ(LbColorStylePreset(lcsQuicken).FontColor, clWhite);
    EXPECT_EQ(LbColorStylePreset(lcsQuicken).Style, bsQuicken);
}

}  // namespace
