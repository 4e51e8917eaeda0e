// The cell controls and indicators, probed on an image.

#include "controls/cell_control_drawing.h"
#include "platform/image_canvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

// Room for the indicators, the fixture font and a white brush.
struct ControlCanvas : ImageCanvas {
    explicit ControlCanvas(int w = 120, int h = 120) : ImageCanvas(w, h) {
        UseFixtureFont();
        canvas->Brush.Color = clWhite;
    }
    // The runs of colour along row y from x0 up to x1 (exclusive): {start, length}.
    std::vector<std::pair<int, int>> Runs(int y, int x0, int x1, TColor colour) {
        std::vector<std::pair<int, int>> runs;
        for (int x = x0; x < x1; ++x) {
            if (At(x, y) != colour) continue;
            if (!runs.empty() && runs.back().first + runs.back().second == x) ++runs.back().second;
            else runs.push_back({x, 1});
        }
        return runs;
    }
};

TProgressDrawParams BlockParams() {
    TProgressDrawParams p;
    p.CompletionSmooth = false;
    p.ShowGradient = false;
    p.ShowPercentage = false;
    p.UnCompleteColor = clWhite;
    p.Level0Color = clLime;
    p.Level1Perc = 70;
    return p;
}

TEST(DrawProgressBarTest, BlocksFollowTheLengthTable) {
    // Bar 102 wide: length 100, so t equals the percent.
    struct Case {
        int percent;
        std::vector<std::pair<int, int>> blocks;  // relative to the bar's left + 1
    };
    const Case cases[] = {
        {0, {}},
        {1, {}},                                    // t = 1 draws no block
        {9, {{2, 8}}},                              // one block of t - 1
        {30, {{2, 7}, {11, 7}, {20, 7}, {29, 2}}},  // three blocks of 7, then 30 mod 9 - 1
        {20, {{2, 7}, {11, 7}}},                    // 20 mod 9 = 2: no last block
    };
    for (const Case& c : cases) {
        ControlCanvas img;
        DrawProgressBar(*img.canvas, Rect(10, 10, 112, 30), c.percent, BlockParams());
        std::vector<std::pair<int, int>> expected;
        for (auto [start, length] : c.blocks) expected.push_back({11 + start, length});
        EXPECT_EQ(img.Runs(20, 0, 120, clLime), expected) << c.percent;
    }
}

TEST(DrawProgressBarTest, StackedSegmentsTakeTheirLevelColours) {
    TProgressDrawParams p = BlockParams();
    p.Stacked = true;
    p.Level1Color = clYellow;
    p.Level3Color = clRed;
    p.Level2Perc = 90;
    ControlCanvas img;
    DrawProgressBar(*img.canvas, Rect(10, 10, 112, 30), 100, p);
    EXPECT_EQ(img.Runs(20, 0, 120, clLime), (std::vector<std::pair<int, int>>{{11, 70}}));
    EXPECT_EQ(img.Runs(20, 0, 120, clYellow), (std::vector<std::pair<int, int>>{{81, 20}}));
    EXPECT_EQ(img.Runs(20, 0, 120, clRed), (std::vector<std::pair<int, int>>{{101, 10}}));
}

TEST(DrawProgressCellTest, ValueAndRangeGiveTheFilledShare) {
    struct Case {
        double value, min, max;
        QString format;
        int filled;  // pixels of colour 1 along the middle row of a 100 wide bar
    };
    const Case cases[] = {
        {150, 0, 100, QString(), 100},            // no format: the value is the percent, limited
        {25, 0, 100, QString(), 25},
        {-5, 0, 100, QString(), 0},
        {5, 0, 10, QStringLiteral("%d V"), 50},   // with a format the range decides
        {5, 5, 5, QStringLiteral("%d V"), 0},     // an empty range shows 0 %, no division by zero
        {5, 0, 10, QStringLiteral("%s"), 50},     // a refused format is shown as it stands
    };
    for (const Case& c : cases) {
        ControlCanvas img;
        img.canvas->Font.Size = 1;  // keep the text out of the probed row's way
        DrawProgressCell(*img.canvas, Rect(10, 10, 110, 40), clLime, clBlack, clYellow, clBlack, c.value, 0, 0, c.min,
                         c.max, c.format, clNone, false);
        const int lime = img.Count(clLime, QRect(10, 12, 100, 1)), yellow = img.Count(clYellow, QRect(10, 12, 100, 1));
        EXPECT_EQ(lime, c.filled) << c.value << " " << c.format.toStdString();
        EXPECT_EQ(lime + yellow, 100) << c.value;
    }
}

TEST(DrawProgressCellTest, ShowsTheFormattedText) {
    ControlCanvas withFormat, plain;
    DrawProgressCell(*withFormat.canvas, Rect(0, 0, 120, 30), clWhite, clBlack, clWhite, clBlack, 150, 0, 0, 0, 100,
                     QString(), clNone, false);
    // The text "150%" centred: same ink as TextOut of it at the computed place.
    const QFontMetrics fm(plain.canvas->Font.ToQFont(), &plain.image);
    plain.canvas->Font.Color = clBlack;
    plain.canvas->TextOut((120 - fm.horizontalAdvance(QStringLiteral("150%"))) / 2, (30 - fm.height()) / 2,
                          QStringLiteral("150%"));
    EXPECT_EQ(withFormat.image.copy(0, 0, 120, 30), plain.image.copy(0, 0, 120, 30));
}

TEST(DrawProgressPieTest, FillsItsSectorOnlyEvenWhenThin) {
    for (bool raised : {false, true}) {
        ControlCanvas img;
        DrawProgressPie(*img.canvas, Rect(10, 10, 110, 110), clRed, 25, raised);
        EXPECT_EQ(img.At(80, 40), clRed) << raised;     // upper right quarter
        EXPECT_NE(img.At(40, 40), clRed) << raised;     // upper left stays empty
        EXPECT_NE(img.At(80, 80), clRed) << raised;
        EXPECT_EQ(img.At(2, 2), clWhite) << raised;     // nothing outside the circle
        EXPECT_EQ(img.At(115, 115), clWhite) << raised;
    }
    ControlCanvas thin;
    DrawProgressPie(*thin.canvas, Rect(10, 10, 110, 110), clRed, 2, false);
    EXPECT_GT(thin.Count(clRed, QRect(10, 10, 100, 100)), 10);
    EXPECT_EQ(thin.Count(clRed, QRect(10, 10, 50, 100)), 0);  // all right of the top radius
}

TEST(DrawRangeIndicatorTest, FillsFromTheMiddleByTheValuesShare) {
    struct Case {
        int value, range;
        int negative, positive;  // pixels along the middle row
    };
    const Case cases[] = {{10, 10, 0, 48}, {20, 10, 0, 48}, {-5, 10, 24, 0}, {5, 0, 0, 0}, {0, 10, 0, 0}};
    for (const Case& c : cases) {
        ControlCanvas img;
        // Inner rectangle 2..98: mid 48.
        DrawRangeIndicator(*img.canvas, Rect(0, 0, 100, 20), c.value, c.range, false, clRed, clLime);
        EXPECT_EQ(img.Count(clRed, QRect(0, 10, 100, 1)), c.negative) << c.value << "/" << c.range;
        EXPECT_EQ(img.Count(clLime, QRect(0, 10, 100, 1)), c.positive) << c.value << "/" << c.range;
    }
}

TEST(DrawRangeIndicatorTest, ShowsTheValueCentredWhenAsked) {
    ControlCanvas shown, hidden;
    DrawRangeIndicator(*shown.canvas, Rect(0, 0, 100, 30), 3, 10, true, clRed, clLime);
    DrawRangeIndicator(*hidden.canvas, Rect(0, 0, 100, 30), 3, 10, false, clRed, clLime);
    EXPECT_NE(shown.image, hidden.image);
    EXPECT_EQ(shown.image.copy(0, 0, 30, 30), hidden.image.copy(0, 0, 30, 30));  // the text sits in the middle
}

TEST(DrawErrorUnderlineTest, ZigZagRunsUnderTheMarkedCharacters) {
    ControlCanvas img(200, 40);
    const QString text = QStringLiteral("abc wrong def");
    DrawErrorUnderline(nullptr, *img.canvas, text, Rect(10, 0, 200, 40), 14, 4, 5);
    const QFontMetrics fm(img.canvas->Font.ToQFont(), &img.image);
    const int x0 = 10 + fm.horizontalAdvance(QStringLiteral("abc ")), x1 = 10 + fm.horizontalAdvance(QStringLiteral("abc wron"));
    int first = 200, last = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (img.At(x, y) == clRed) first = qMin(first, x), last = qMax(last, x);
    EXPECT_GE(first, x0 - 1);
    EXPECT_LE(first, x0 + 1);
    EXPECT_GE(last, x1);
    EXPECT_LE(last, x1 + 7);
    ControlCanvas none;
    DrawErrorUnderline(nullptr, *none.canvas, text, Rect(10, 0, 200, 40), 14, 4, 0);
    EXPECT_EQ(none.Count(clRed, QRect(0, 0, 120, 120)), 0);
}

TEST(DrawCellShapeTest, CircleOfAWideAreaTakesTheSmallerSide) {
    ControlCanvas img;
    DrawCellShape(*img.canvas, 10, 10, 20, 10, csCircle, clRed, clRed);
    EXPECT_EQ(img.At(15, 15), clRed);
    EXPECT_EQ(img.Count(clRed, QRect(20, 0, 100, 120)), 0);
    ControlCanvas beyond;
    DrawCellShape(*beyond.canvas, 10, 10, 20, 10, static_cast<TCellShape>(19), clRed, clRed);
    EXPECT_EQ(beyond.Count(clRed, QRect(0, 0, 120, 120)), 0);
}

TEST(CellButtonsTest, ThemedComboShowsOnlyNormalOrDisabled) {
    auto draw = [](int state) {
        ControlCanvas img(60, 30);
        DrawComboDropButton(*img.canvas, nullptr, Rect(0, 0, 60, 30), 0, state, TColorTones{});
        return img.image.copy();
    };
    EXPECT_EQ(draw(1), draw(0));
    EXPECT_EQ(draw(2), draw(0));
    EXPECT_NE(draw(3), draw(0));
}

TEST(CellButtonsTest, CustomLookUsesTheToneOfTheState) {
    TColorTones tones;
    tones.Background = {clLime, clBlack, clBlack};
    tones.Hover = {clYellow, clBlack, clBlack};
    tones.Selected = {clRed, clBlack, clBlack};
    tones.Disabled = {clGray, clBlack, clBlack};
    const TColor expected[] = {clLime, clYellow, clRed, clGray};
    for (int state = 0; state < 4; ++state) {
        ControlCanvas img(60, 30);
        DrawCellButtonFace(*img.canvas, nullptr, Rect(0, 0, 60, 30), 3, state, tones);
        EXPECT_EQ(img.At(30, 15), expected[state]) << state;
        EXPECT_EQ(img.At(0, 0), clBlack) << state;
    }
}

}  // namespace
