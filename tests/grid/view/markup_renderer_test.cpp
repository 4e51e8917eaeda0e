#include "grid/view/markup_renderer.h"
#include "grid/view/picture_container.h"
#include "markup_canvas_fixture.h"
#include "platform/image_list.h"

#include "picture_fixtures.h"

#include <QFile>
#include <QTemporaryDir>

class MarkupLayoutTest : public MarkupCanvasTest {};

TEST_F(MarkupLayoutTest, MeasuredOutputsOfTheEdgeCases) {
    const int w = TextWidth(QStringLiteral("aaaa bo")) + 3;  // "aaaa bo" fits, "aaaa bold" does not
    const int narrow = TextWidth(QStringLiteral("very")) + 2;
    struct Case {
        QString Text;
        int Width;
        int ExpectedWidth;
        int ExpectedLines;
        QString ExpectedPlain;
    };
    // Runs are measured one by one, so text split by a tag is the sum of its parts.
    const int XY = TextWidth(QStringLiteral("x")) + TextWidth(QStringLiteral("y"));
    const Case cases[] = {
        {QString(), 400, 0, 1, QString()},
        {QStringLiteral("a&amp;b"), 400, TextWidth(QStringLiteral("a&b")), 1, QStringLiteral("a&&b")},
        {QStringLiteral("&x"), 400, TextWidth(QStringLiteral("x")), 1, QStringLiteral("&x")},
        {QStringLiteral("&lt;b&gt;x"), 400, TextWidth(QStringLiteral("<b>x")), 1, QStringLiteral("<b>x")},
        {QStringLiteral("<#AB>c"), 400, TextWidth(QStringLiteral("#ABc")), 1, QStringLiteral("#ABc")},
        {QStringLiteral("&euro;&copy;"), 400, TextWidth(QString::fromUtf8("€©")), 1, QString::fromUtf8("€©")},
        {QStringLiteral("a<br>b"), 400, TextWidth(QStringLiteral("a")), 2, QStringLiteral("a\rb")},
        {QStringLiteral("a\r\nb"), 400, TextWidth(QStringLiteral("a")), 2, QStringLiteral("a\rb")},
        // A word split by a tag stays on the line; the same text with a blank wraps.
        {QStringLiteral("aaaa <u>bo</u>ld"), w, TextWidth(QStringLiteral("aaaa bold")), 1, QStringLiteral("aaaa bold")},
        {QStringLiteral("aaaa bo ld"), w,
         std::max(TextWidth(QStringLiteral("aaaa")), TextWidth(QStringLiteral("bo ")) + TextWidth(QStringLiteral("ld"))),
         2, QStringLiteral("aaaa bo ld")},
        // A run wider than the line gets a line of its own and overflows it.
        {QStringLiteral("a verylongword"), narrow, TextWidth(QStringLiteral("verylongword")), 2,
         QStringLiteral("a verylongword")},
        {QStringLiteral("verylongword"), narrow, TextWidth(QStringLiteral("verylongword")), 1,
         QStringLiteral("verylongword")},
        {QStringLiteral("a<z>hidden</z>b"), 400, TextWidth(QStringLiteral("ab")), 1, QStringLiteral("ahiddenb")},
        // A second list item starts a new line; UL ends its line.
        {QStringLiteral("<ul><li>a<li>b</ul>"), 400, kListIndent + TextWidth(QStringLiteral("b")), 3,
         QStringLiteral("ab")},
        // A CONTROL without WIDTH, or with one that is not a number, takes no space.
        {QStringLiteral("x<control type=\"EDIT\" id=\"e\" value=\"v\">y"), 400, XY, 1,
         QStringLiteral("xy")},
        {QStringLiteral("x<control type=\"EDIT\" id=\"e\" width=\"12a\">y"), 400, XY, 1,
         QStringLiteral("xy")},
        {QStringLiteral("x<control type=\"EDIT\" id=\"e\" width=\"$20\">y"), 400, XY + 32,
         1, QStringLiteral("xy")},
        // Unknown tags and a tag without its ">" are consumed without effect.
        {QStringLiteral("a<qq>b<b"), 400, TextWidth(QStringLiteral("a")) + TextWidth(QStringLiteral("b")), 1,
         QStringLiteral("ab")},
    };
    for (const Case& c : cases) {
        const TMarkupTextParams p = Measure(c.Text, c.Width);
        EXPECT_EQ(p.MaxLineWidth, c.ExpectedWidth) << c.Text.toStdString();
        if (c.Text.contains(QLatin1String("control")) && c.ExpectedWidth > XY)
            EXPECT_EQ(p.TotalHeight, 23) << c.Text.toStdString();  // an edit sets the line height
        else
            EXPECT_EQ(p.TotalHeight, c.ExpectedLines * LineHeight()) << c.Text.toStdString();
        EXPECT_EQ(p.PlainText, c.ExpectedPlain) << c.Text.toStdString();
    }
}

TEST_F(MarkupLayoutTest, WithoutWordWrapTheLineIsCutUpToTheNextBreak) {
    TMarkupTextParams p = Params(QStringLiteral("one <b>two</b> three<br>five"), TextWidth(QStringLiteral("one")) + 1);
    p.WordWrap = false;
    p.MeasureOnly = true;
    DrawMarkupText(p);
    EXPECT_EQ(p.TotalHeight, 2 * LineHeight());
    EXPECT_EQ(p.PlainText, QStringLiteral("one two\rfive"));
}

TEST_F(MarkupLayoutTest, IndentPositionsAndRaisedOrLoweredText) {
    EXPECT_EQ(Measure(QStringLiteral("a<ind x=\"100\">b")).MaxLineWidth, 100 + TextWidth(QStringLiteral("b")));
    EXPECT_EQ(Measure(QStringLiteral("a<ind x=\"100z\">b")).MaxLineWidth,
              TextWidth(QStringLiteral("a")) + TextWidth(QStringLiteral("b")));  // not a number: ignored
    EXPECT_EQ(Measure(QStringLiteral("a<ind x=\"99999999\">b")).MaxLineWidth,
              kMaxMarkupPosition + TextWidth(QStringLiteral("b")));
    EXPECT_EQ(Measure(QStringLiteral("H<sub>2</sub>O")).TotalHeight, LineHeight() + LineHeight() / 4);
    EXPECT_EQ(Measure(QStringLiteral("x<sup>2</sup><br>y")).TotalHeight, 2 * LineHeight() + LineHeight() / 4);
}

TEST_F(MarkupLayoutTest, FontSizesOneToFiveAreStepsOtherNumbersArePoints) {
    auto heightAt = [&](int points) {
        const int keep = Canvas->Font.Size;
        Canvas->Font.Size = points;
        const int h = LineHeight();
        Canvas->Font.Size = keep;
        return h;
    };
    EXPECT_EQ(Measure(QStringLiteral("<font size=\"3\">gh</font>")).TotalHeight, heightAt(12));
    EXPECT_EQ(Measure(QStringLiteral("<font size=\"9\">gh</font>")).TotalHeight, heightAt(9));
    EXPECT_EQ(Measure(QStringLiteral("<font size=\"99999\">gh</font>")).TotalHeight, heightAt(kMaxMarkupFontSize));
}

TEST_F(MarkupLayoutTest, LinesBelowTheBoundsAreDroppedUnlessOnlyMeasuring) {
    TMarkupTextParams painted = Params(QStringLiteral("1<br>2<br>3<br>4"));
    painted.Bounds.Bottom = 2 * LineHeight() + 1;
    DrawMarkupText(painted);
    EXPECT_EQ(painted.TotalHeight, 2 * LineHeight());
    TMarkupTextParams measured = painted;
    measured.MeasureOnly = true;
    DrawMarkupText(measured);
    EXPECT_EQ(measured.TotalHeight, 4 * LineHeight());
}

class MarkupHitTest : public MarkupCanvasTest {
protected:
    TMarkupTextParams HitTest(const QString& text, int x, int y) {
        TMarkupTextParams p = Params(text);
        p.HitTestOnly = true;
        p.MouseX = x;
        p.MouseY = y;
        p.AnchorHref = QStringLiteral("untouched");
        Hit = DrawMarkupText(p);
        return p;
    }
    bool Hit = false;
};

TEST_F(MarkupHitTest, AnchorUnderTheMouse) {
    const QString text = QStringLiteral("go <a href=\"https://x.org\" title=\"Tip\">link</a> on<br>next line");
    const int linkLeft = 1 + TextWidth(QStringLiteral("go "));
    TMarkupTextParams p = HitTest(text, linkLeft + 3, LineHeight() / 2);
    EXPECT_TRUE(Hit);
    EXPECT_EQ(p.AnchorHref, QStringLiteral("https://x.org"));
    EXPECT_EQ(p.AnchorTitle, QStringLiteral("Tip"));
    EXPECT_EQ(p.AnchorCount, 1);
    EXPECT_EQ(p.HoverAnchor, 1);
    EXPECT_EQ(p.HoverAnchorRect.Left, linkLeft);
    EXPECT_EQ(p.HoverAnchorRect.Right, linkLeft + TextWidth(QStringLiteral("link")));

    p = HitTest(text, 2, LineHeight() / 2);  // over "go"
    EXPECT_FALSE(Hit);
    EXPECT_EQ(p.AnchorHref, QStringLiteral("untouched"));
    EXPECT_EQ(p.HoverAnchor, -1);

    p = HitTest(text, linkLeft + 3, LineHeight() + LineHeight() / 2);  // the line below
    EXPECT_FALSE(Hit);
}

TEST_F(MarkupHitTest, AStrayClosingTagBeforeTheHoveredAnchorIsNotItsEnd) {
    // The anchor under the mouse goes on to the next line, where it closes.
    const QString text = QStringLiteral("x</a> <a href=\"h\">link<br>more</a>");
    const int linkLeft = 1 + TextWidth(QStringLiteral("x ")) + 3;
    for (const bool hitTestOnly : {false, true}) {
        TMarkupTextParams p = Params(text);
        p.HitTestOnly = hitTestOnly;
        p.MouseX = linkLeft;
        p.MouseY = LineHeight() / 2;
        // Only a measuring second pass hit-tests text; a painting one reports no hit.
        EXPECT_EQ(DrawMarkupText(p), hitTestOnly);
        EXPECT_EQ(p.HoverAnchor, 1) << hitTestOnly;
    }
}

TEST_F(MarkupHitTest, PictureInAnAnchorShowsItsAltPictureUnderTheMouse) {
    TPictureContainer container;
    TPictureItem* normal = container.Items()->Add();
    normal->Name = QStringLiteral("Normal");
    LoadBytes(*normal->Picture(), ImageFileBytes(Qt::blue));
    TPictureItem* hot = container.Items()->Add();
    hot->Name = QStringLiteral("hot");
    LoadBytes(*hot->Picture(), ImageFileBytes(Qt::red));
    TMarkupTextParams p = Params(QStringLiteral("<a href=\"pic\"><img src=\"normal\" alt=\"HOT\"></a>"));
    p.PictureContainer = &container;
    p.MouseX = 5;
    p.MouseY = 5;
    EXPECT_TRUE(DrawMarkupText(p));
    EXPECT_EQ(p.AnchorHref, QStringLiteral("pic"));
    EXPECT_EQ(PixelAt(5, 5), clRed);

    TMarkupTextParams away = p;
    away.MouseX = 300;
    Image.fill(Qt::white);
    EXPECT_FALSE(DrawMarkupText(away));
    EXPECT_EQ(PixelAt(5, 5), clBlue);
}

TEST_F(MarkupHitTest, ControlsAreFoundByPositionOrById) {
    const QString text = QStringLiteral(
        "a <control type=\"CHECK\" id=\"c1\" value=\"TRUE\" width=\"16\"> b "
        "<control type=\"EDIT\" id=\"e2\" value=\"x &amp; y\" width=\"50\">");
    const int checkLeft = 1 + TextWidth(QStringLiteral("a "));
    TMarkupTextParams p = HitTest(text, checkLeft + 5, 5);
    EXPECT_TRUE(Hit);
    EXPECT_EQ(p.AnchorHref, QStringLiteral("ctrl"));
    EXPECT_EQ(p.ControlID, QStringLiteral("c1"));
    EXPECT_EQ(p.ControlType, QStringLiteral("CHECK"));
    EXPECT_EQ(p.ControlValue, QStringLiteral("TRUE"));
    EXPECT_EQ(p.HitControlRect, Rect(checkLeft, 0, checkLeft + 16, 16));

    TMarkupTextParams byId = Params(text);
    byId.HitTestOnly = true;
    byId.ControlID = QStringLiteral("e2");
    EXPECT_TRUE(DrawMarkupText(byId));
    EXPECT_EQ(byId.ControlType, QStringLiteral("EDIT"));
    EXPECT_EQ(byId.ControlValue, QStringLiteral("x & y"));
    const int editLeft = checkLeft + 16 + TextWidth(QStringLiteral(" ")) + TextWidth(QStringLiteral("b "));
    EXPECT_EQ(byId.HitControlRect, Rect(editLeft, 0, editLeft + 50, LineHeight() + 10));
}

class MarkupPaintTest : public MarkupCanvasTest {
protected:
    void SetUp() override {
        MarkupCanvasTest::SetUp();
        Canvas->Font.Size = 14;
        Canvas->Font.Style.Include(fsBold);
    }
    // Draws and checks that the canvas comes back as it went in.
    bool Paint(TMarkupTextParams& p) {
        const TFont font = Canvas->Font;
        Canvas->Pen.Color = clFuchsia;
        Canvas->Pen.Width = 3;
        Canvas->Brush.Color = clCream;
        Canvas->Brush.Style = bsSolid;
        const bool hit = DrawMarkupText(p);
        EXPECT_EQ(Canvas->Font, font);
        EXPECT_EQ(Canvas->Pen.Color, clFuchsia);
        EXPECT_EQ(Canvas->Pen.Width, 3);
        EXPECT_EQ(Canvas->Brush.Color, clCream);
        EXPECT_EQ(Canvas->Brush.Style, bsSolid);
        return hit;
    }
    // The longest stretch of the colour in a row; a single blended pixel where two runs
    // meet does not break it.
    int LongestRun(int y, TColor color) const {
        int best = 0, start = -1, last = -2;
        for (int x = 0; x < Image.width(); ++x) {
            if (PixelAt(x, y) != color) continue;
            if (x - last > 2) start = x;
            last = x;
            best = std::max(best, x - start + 1);
        }
        return best;
    }
    int LongestRunInRows(int top, int bottom, TColor color) const {
        int best = 0;
        for (int y = top; y < bottom; ++y) best = std::max(best, LongestRun(y, color));
        return best;
    }
};

TEST_F(MarkupPaintTest, AnchorsTakeTheAnchorColourAndAnUnderline) {
    TMarkupTextParams p = Params(QStringLiteral("<a href=\"x\">link text</a>"));
    p.AnchorColor = clRed;
    Paint(p);
    const int width = TextWidth(QStringLiteral("link text"));
    EXPECT_GE(LongestRunInRows(0, LineHeight() + 2, clRed), width - 2);

    Image.fill(Qt::white);
    TMarkupTextParams hoverOnly = p;
    hoverOnly.UnderlineOnHoverOnly = true;
    hoverOnly.HoverAnchorIndex = 0;
    Paint(hoverOnly);
    EXPECT_TRUE(HasColor(Rect(0, 0, width, LineHeight()), clRed));
    EXPECT_LT(LongestRunInRows(0, LineHeight() + 2, clRed), width / 2);
}

TEST_F(MarkupPaintTest, HighlightBodyColourAndErrorUnderline) {
    SetHighlightColors(clYellow, clBlue);
    TMarkupTextParams p = Params(QStringLiteral("x <hi>found</hi> y"));
    Paint(p);
    SetHighlightColors(clHighlight, clHighlightText);
    EXPECT_TRUE(HasColor(Rect(0, 0, 200, LineHeight()), clYellow));
    EXPECT_TRUE(HasColor(Rect(0, 0, 200, LineHeight()), clBlue));

    Image.fill(Qt::white);
    TMarkupTextParams body = Params(QStringLiteral("<body bgcolor=\"#00FF00\">text"), 300);
    Paint(body);
    EXPECT_EQ(PixelAt(299, 199), clLime);
    EXPECT_EQ(PixelAt(0, 0), clLime);

    Image.fill(Qt::white);
    TMarkupTextParams error = Params(QStringLiteral("<e>mistake</e>"));
    Paint(error);
    EXPECT_TRUE(HasColor(Rect(0, LineHeight() - 3, TextWidth(QStringLiteral("mistake")), LineHeight() + 2), clRed));
}

TEST_F(MarkupPaintTest, ParagraphAlignmentPlacesTheLine) {
    auto inkColumns = [&](int left, int right) {
        int columns = 0;
        for (int x = left; x < right; ++x)
            for (int y = 0; y < LineHeight(); ++y)
                if (PixelAt(x, y) != clWhite) {
                    ++columns;
                    break;
                }
        return columns;
    };
    TMarkupTextParams right = Params(QStringLiteral("<p align=\"right\">word</p>"), 300);
    Paint(right);
    EXPECT_EQ(inkColumns(0, 200), 0);
    EXPECT_GT(inkColumns(250, 300), 0);

    Image.fill(Qt::white);
    TMarkupTextParams center = Params(QStringLiteral("<p align=\"center\">word</p>"), 300);
    Paint(center);
    EXPECT_EQ(inkColumns(0, 100), 0);
    EXPECT_EQ(inkColumns(200, 300), 0);
    EXPECT_GT(inkColumns(100, 200), 0);
}

TEST_F(MarkupPaintTest, EveryControlTypeIsDrawnInItsBox) {
    struct Case {
        const char* Type;
        bool Framed;
    };
    for (const Case c : {Case{"EDIT", true}, Case{"PASSWORD", true}, Case{"MASK", true}, Case{"COMBO", true},
                         Case{"CHECK", false}, Case{"RADIO", false}, Case{"BUTTON", false}}) {
        Image.fill(Qt::white);
        TMarkupTextParams p =
            Params(QStringLiteral("<control type=\"%1\" id=\"c\" value=\"TRUE\" width=\"60\">").arg(QLatin1String(c.Type)));
        Paint(p);
        const TRect box = Rect(1, 0, 61, 30);
        bool drawn = false;
        for (int y = box.Top; y < box.Bottom && !drawn; ++y)
            for (int x = box.Left; x < box.Right && !drawn; ++x) drawn = PixelAt(x, y) != clWhite;
        EXPECT_TRUE(drawn) << c.Type;
        EXPECT_EQ(HasColor(box, 0xB99D7F), c.Framed) << c.Type;
    }
}

TEST_F(MarkupPaintTest, PicturesFromTheListTheContainerAndTheCache) {
    TCustomImageList images(nullptr, 16, 16);
    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(Qt::green);
    images.Add(green);
    TPictureContainer container;
    TPictureItem* item = container.Items()->Add();
    item->Name = QStringLiteral("Logo");
    LoadBytes(*item->Picture(), ImageFileBytes(Qt::blue));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Red.png")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ImageFileBytes(Qt::red));
    file.close();
    THTMLPictureCache cache;

    const QString text = QStringLiteral("<img src=\"idx:0\"><img src=\"LOGO\"><img src=\"file://%1\">").arg(file.fileName());
    for (int round = 0; round < 2; ++round) {
        Image.fill(Qt::white);
        TMarkupTextParams p = Params(text);
        p.Images = &images;
        p.PictureContainer = &container;
        p.PictureCache = &cache;
        Paint(p);
        EXPECT_EQ(PixelAt(1 + 8, 8), clLime);
        EXPECT_EQ(PixelAt(1 + 16 + 5, 5), clBlue);
        EXPECT_EQ(PixelAt(1 + 26 + 5, 5), clRed);
        EXPECT_EQ(p.MaxLineWidth, 36);
    }
    EXPECT_EQ(cache.Count(), 1);  // the second paint found the picture in the cache
}

TEST_F(MarkupPaintTest, MeasuringNeverPaintsAndFocusGoesToTheFirstAnchor) {
    TMarkupTextParams measure = Params(QStringLiteral("<body bgcolor=\"clred\"><a href=\"a\">a</a>"));
    measure.MeasureOnly = true;
    measure.MouseX = 3;
    measure.MouseY = 3;
    EXPECT_FALSE(Paint(measure));
    EXPECT_TRUE(AllWhite());

    TMarkupTextParams focus = Params(QStringLiteral("<a href=\"first\">one</a> <a href=\"second\">two</a>"));
    focus.FocusAnchorIndex = 0;
    Paint(focus);
    EXPECT_EQ(focus.FocusAnchorHref, QStringLiteral("first"));
}
