// Pixel rules of the canvas's shapes, clipping, text options and themed parts.

#include "platform/canvas.h"
#include "platform/image_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <memory>

namespace {

// Shapes and text need room and a known font.
struct PartsCanvas : ImageCanvas {
    explicit PartsCanvas(int w = 60, int h = 60) : ImageCanvas(w, h) { UseFixtureFont(); }
};

TEST(CanvasPartsTest, EllipseStaysInsideItsRectangleAndFillsItsMiddle) {
    PartsCanvas c;
    c.canvas->Ellipse(10, 10, 30, 20);
    EXPECT_EQ(c.At(20, 15), kInk);
    EXPECT_EQ(c.At(10, 10), clWhite);  // the corner lies outside the ellipse
    EXPECT_EQ(c.CountNot(clWhite, QRect(30, 0, 30, 60)), 0);
    EXPECT_EQ(c.CountNot(clWhite, QRect(0, 20, 60, 40)), 0);
}

TEST(CanvasPartsTest, PieFillsOnlyItsSector) {
    PartsCanvas c;
    // Counter-clockwise from the right (3 o'clock) to the top (12 o'clock): the upper right quarter.
    c.canvas->Pie(0, 0, 40, 40, 40, 20, 20, 0);
    EXPECT_EQ(c.At(28, 10), kInk);
    EXPECT_EQ(c.At(10, 10), clWhite);
    EXPECT_EQ(c.At(10, 30), clWhite);
    EXPECT_EQ(c.At(30, 30), clWhite);
}

TEST(CanvasPartsTest, ClipsNestAndComeBackAsTheyWere) {
    PartsCanvas c;
    c.canvas->IntersectClip(Rect(0, 0, 30, 30));
    c.canvas->IntersectClip(Rect(20, 20, 60, 60));
    c.canvas->FillRect(Rect(0, 0, 60, 60));
    EXPECT_EQ(c.CountNot(clWhite, QRect(0, 0, 60, 60)), 100);  // only 20..29 by 20..29
    c.canvas->RestoreClip();
    c.canvas->FillRect(Rect(0, 0, 60, 60));  // the outer clip holds again
    EXPECT_EQ(c.At(5, 5), kInk);
    EXPECT_EQ(c.At(40, 40), clWhite);
    c.canvas->RestoreClip();
    c.canvas->FillRect(Rect(50, 50, 60, 60));
    EXPECT_EQ(c.At(55, 55), kInk);
}

TEST(CanvasPartsTest, TransparentTextLeavesTheBackground) {
    PartsCanvas opaque, transparent;
    opaque.canvas->Brush.Color = clLime;
    transparent.canvas->Brush.Color = clLime;
    transparent.canvas->TransparentText = true;
    opaque.canvas->TextOut(2, 2, QStringLiteral("Wg"));
    transparent.canvas->TextOut(2, 2, QStringLiteral("Wg"));
    EXPECT_LT(opaque.CountNot(clLime, QRect(0, 0, 60, 60)), 60 * 60);  // some lime behind the text
    EXPECT_EQ(transparent.CountNot(clLime, QRect(0, 0, 60, 60)), 60 * 60);  // no lime at all
}

TEST(CanvasPartsTest, EscapementOf900TurnsTheTextUpward) {
    PartsCanvas c(80, 80);
    c.canvas->TextOutRotated(40, 70, 900, QStringLiteral("HHHHHH"));
    // The text runs up from (40, 70): ink above, none to the right of its height.
    EXPECT_GT(c.CountNot(clWhite, QRect(40, 20, 16, 50)), 0);
    EXPECT_EQ(c.CountNot(clWhite, QRect(0, 0, 39, 80)), 0);
    EXPECT_EQ(c.CountNot(clWhite, QRect(0, 71, 80, 9)), 0);
}

TEST(CanvasPartsTest, EdgesAreLightOnTheLitSideAndDarkOnTheOther) {
    PartsCanvas c;
    c.canvas->DrawEdge(Rect(10, 10, 30, 30), ekRaised, true);
    const TColor raisedTop = c.At(15, 10), raisedBottom = c.At(15, 29);
    c.canvas->DrawEdge(Rect(10, 10, 30, 30), ekSunken, true);
    EXPECT_EQ(c.At(15, 10), FromQColor(ToQColor(clBtnShadow)));
    EXPECT_EQ(raisedTop, FromQColor(ToQColor(clBtnHighlight)));
    EXPECT_EQ(raisedBottom, FromQColor(ToQColor(cl3DDkShadow)));
    EXPECT_EQ(c.At(20, 20), FromQColor(ToQColor(clBtnFace)));
}

TEST(CanvasPartsTest, TilesContinueAcrossNeighbouringAreasFromOneOrigin) {
    QImage tile(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) tile.setPixelColor(x, y, QColor(x * 30, y * 50, 0));
    PartsCanvas c;
    c.canvas->TileDraw(Rect(3, 4, 20, 30), tile, 1, 2);
    c.canvas->TileDraw(Rect(20, 4, 50, 30), tile, 1, 2);
    for (int y = 4; y < 30; ++y)
        for (int x = 3; x < 50; ++x)
            ASSERT_EQ(c.image.pixelColor(x, y), tile.pixelColor((x - 1) % 7, (y - 2) % 5)) << x << "," << y;
    EXPECT_EQ(c.At(2, 10), clWhite);
    EXPECT_EQ(c.At(10, 30), clWhite);
}

TEST(CanvasPartsTest, StretchDrawFillsTheRectangle) {
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    PartsCanvas c;
    c.canvas->StretchDraw(Rect(5, 5, 25, 15), red);
    EXPECT_EQ(c.CountNot(clRed, QRect(5, 5, 20, 10)), 0);
    EXPECT_EQ(c.At(25, 10), clWhite);
}

TEST(CanvasPartsTest, EditControlTextLeavesOutALastLineThatDoesNotFitWhole) {
    PartsCanvas plain(120, 60), edit(120, 60);
    const QFontMetrics fm(plain.canvas->Font.ToQFont(), &plain.image);
    const int height = fm.lineSpacing() * 2 - 4;  // one whole line and most of a second
    TRect r = Rect(0, 0, 120, height);
    plain.canvas->DrawText(QStringLiteral("Hg\nHg"), r, DT_LEFT | DT_TOP);
    edit.canvas->DrawText(QStringLiteral("Hg\nHg"), r, DT_LEFT | DT_TOP | DT_EDITCONTROL);
    const QRect secondLine(0, fm.lineSpacing(), 120, height - fm.lineSpacing());
    EXPECT_GT(plain.CountNot(clWhite, secondLine), 0);
    EXPECT_EQ(edit.CountNot(clWhite, secondLine), 0);
}

TEST(CanvasPartsTest, TabsExpandOnlyWithTheirFlag) {
    TRect expanded = Rect(0, 0, 400, 40), kept = expanded;
    PartsCanvas c;
    c.canvas->DrawText(QStringLiteral("a\tb"), expanded, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    c.canvas->DrawText(QStringLiteral("ab"), kept, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(expanded.Width(), kept.Width() + 10);
}

TEST(CanvasPartsTest, ThemedAndClassicCheckBoxesShowTheirMark) {
    for (bool themed : {true, false}) {
        PartsCanvas checked, unchecked;
        const TRect box = Rect(5, 5, 20, 20);
        if (themed) {
            checked.canvas->DrawThemedPart(box, tpCheckBox, 0, cmChecked);
            unchecked.canvas->DrawThemedPart(box, tpCheckBox, 0, cmUnchecked);
        } else {
            checked.canvas->DrawFrameControl(box, fcCheckBox, true, false, false, 0);
            unchecked.canvas->DrawFrameControl(box, fcCheckBox, false, false, false, 0);
        }
        EXPECT_NE(checked.image.copy(5, 5, 15, 15), unchecked.image.copy(5, 5, 15, 15)) << themed;
        EXPECT_GT(unchecked.CountNot(clWhite, QRect(5, 5, 15, 15)), 0) << themed;  // the box itself
        EXPECT_EQ(checked.CountNot(clWhite, QRect(21, 0, 39, 60)), 0) << themed;  // nothing outside
    }
}

// The largest difference of one colour channel between two images of one size.
int Largest_Channel_Difference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// Check boxes and radio buttons look as the style draws them, whether drawn first, again
// elsewhere (copied), or under a scaling painter (drawn anew).
TEST(CanvasPartsTest, ThemedIndicatorsLookAsTheStyleDrawsThem) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(fusion);
    const QColor background(200, 230, 160);
    struct Case {
        TThemedPart part;
        int state;
        TCheckMark mark;
        QStyle::State flags;
    };
    const QStyle::State on = QStyle::State_Active | QStyle::State_Enabled;
    const Case cases[] = {
        {tpCheckBox, 0, cmChecked, on | QStyle::State_On},
        {tpCheckBox, 0, cmUnchecked, on | QStyle::State_Off},
        {tpCheckBox, 1, cmMixed, on | QStyle::State_MouseOver | QStyle::State_NoChange},
        {tpCheckBox, 3, cmChecked, QStyle::State_Active | QStyle::State_On},
        {tpRadioButton, 2, cmChecked, on | QStyle::State_Sunken | QStyle::State_On},
        {tpRadioButton, 0, cmUnchecked, on | QStyle::State_Off},
    };
    for (const qreal scale : {1.0, 1.5})
        for (const Case& c : cases) {
            QImage drawn(60, 60, QImage::Format_ARGB32_Premultiplied), expected = drawn;
            drawn.fill(background);
            expected.fill(background);
            {
                QPainter painter(&drawn);
                painter.scale(scale, scale);
                TCanvas canvas(&painter);
                for (int x : {3, 30}) canvas.DrawThemedPart(Rect(x, 7, x + 15, 22), c.part, c.state, c.mark);
            }
            {
                QPainter painter(&expected);
                painter.scale(scale, scale);
                QStyleOptionButton option;
                option.state = c.flags;
                for (int x : {3, 30}) {
                    option.rect = QRect(x, 7, 15, 15);
                    fusion->drawPrimitive(c.part == tpCheckBox ? QStyle::PE_IndicatorCheckBox
                                                               : QStyle::PE_IndicatorRadioButton,
                                          &option, &painter);
                }
            }
            QImage plain(15, 15, drawn.format());
            plain.fill(background);
            // The second one, copied from the first where the painter does not scale.
            const QRect second = QTransform::fromScale(scale, scale).mapRect(QRect(30, 7, 15, 15));
            EXPECT_NE(drawn.copy(second.x(), second.y(), 15, 15), plain) << c.part << " " << c.state;
            EXPECT_LE(Largest_Channel_Difference(drawn, expected), 2) << c.part << " " << c.state << " at " << scale;
        }
}

// One-line texts are drawn from a laid-out line kept from before; they must land on the
// very pixels QPainter::drawText gives them, in every alignment, clipped or not, and the
// height reported must be the same.
TEST(CanvasPartsTest, OneLineTextsLandWhereThePainterPutsThem) {
    struct Case {
        const char* text;
        unsigned format;
        int qtFlags;
        TRect box;
    };
    const int single = Qt::TextSingleLine | Qt::TextHideMnemonic;
    const int wraps = Qt::TextWordWrap | Qt::TextHideMnemonic | Qt::AlignTop;
    const Case cases[] = {
        {"Write", DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, single | Qt::AlignVCenter | Qt::AlignLeft, Rect(3, 4, 70, 26)},
        {"1024", DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX, single | Qt::AlignVCenter | Qt::AlignRight,
         Rect(3, 4, 70, 25)},
        {"Y", DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX, single | Qt::AlignVCenter | Qt::AlignHCenter,
         Rect(10, 30, 33, 51)},
        {"trailing   ", DT_SINGLELINE | DT_RIGHT | DT_BOTTOM | DT_NOPREFIX, single | Qt::AlignBottom | Qt::AlignRight,
         Rect(0, 0, 90, 40)},
        {"  leading", DT_SINGLELINE | DT_CENTER | DT_NOPREFIX, single | Qt::AlignTop | Qt::AlignHCenter, Rect(0, 0, 90, 40)},
        {"Float16 to Int * 100 clipped", DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, single | Qt::AlignVCenter | Qt::AlignLeft,
         Rect(5, 5, 50, 12)},
        {"Ünïcödé ÆØÅ", DT_NOPREFIX, Qt::TextHideMnemonic | Qt::AlignTop | Qt::AlignLeft, Rect(2, 2, 90, 40)},
        {"No clip at all", DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX, single | Qt::AlignTop | Qt::AlignLeft, Rect(60, 2, 70, 8)},
        {"A && B", DT_SINGLELINE, Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignTop | Qt::AlignLeft, Rect(2, 2, 90, 40)},
        // Wrapping texts: one that fits, one that ends in spaces, one that wraps.
        {"Fits well", DT_WORDBREAK | DT_RIGHT | DT_NOPREFIX, wraps | Qt::AlignRight, Rect(2, 2, 90, 40)},
        {"Spaces  ", DT_WORDBREAK | DT_CENTER | DT_NOPREFIX, wraps | Qt::AlignHCenter, Rect(2, 2, 90, 40)},
        {"Wraps onto a second line", DT_WORDBREAK | DT_NOPREFIX, wraps | Qt::AlignLeft, Rect(2, 2, 60, 50)},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        PartsCanvas ours(100, 60), theirs(100, 60);
        TRect box = c.box;
        int height = 0;
        for (int pass = 0; pass < 2; ++pass) {  // laid out, then kept
            ours.image.fill(Qt::white);
            box = c.box;
            height = ours.canvas->DrawText(text, box, c.format);
        }
        theirs.painter.setFont(theirs.canvas->Font.ToQFont());
        theirs.painter.setPen(Qt::black);
        QRect drawn;
        theirs.painter.save();
        if (!(c.format & DT_NOCLIP)) theirs.painter.setClipRect(c.box.ToQRect());
        theirs.painter.drawText(c.box.ToQRect(), c.qtFlags, text, &drawn);
        theirs.painter.restore();
        EXPECT_EQ(ours.image, theirs.image) << c.text;
        EXPECT_EQ(height, drawn.height()) << c.text;
        EXPECT_GT(ours.CountNot(clWhite, QRect(0, 0, 100, 60)), 0) << c.text;
    }
}

}  // namespace
