// Markup, control tags and pictures come from cells, files and other programs: bounded
// runs of seeded random input through every entry point, which must neither crash nor
// hang, must leave the canvas as it was and must keep the round-trip properties.

#include "grid/view/gif_frames.h"
#include "grid/view/html_picture.h"
#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_entities.h"
#include "grid/view/markup_text.h"
#include "grid/view/picture_container.h"
#include "markup_canvas_fixture.h"
#include "picture_fixtures.h"
#include "platform/image_list.h"

#include <QBuffer>
#include <random>

namespace {

const char* const kTokens[] = {
    "<", ">", "</", "/", "\"", "=", "&", ";", " ", "  ", "\r", "\n", "\t", "#", "x", "Ab", "é", "€",
    "<A HREF=\"", "<a href=\"http://h\" title=\"t\">", "</A>", "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<S>",
    "</S>", "<BR>", "<br", "<HR>", "<HI>", "</HI>", "<E>", "</E>", "<SH>", "</SH>", "<Z>", "</Z>", "<SUB>", "</SUB>",
    "<SUP>", "</SUP>", "<BLINK>", "</BLINK>", "<BODY BGCOLOR=\"#FF00FF\" BACKGROUND=\"pic\">",
    "<P ALIGN=\"RIGHT\" INDENT=\"", "<P ALIGN=\"CENTER\" BGCOLOR=\"clyellow\">", "</P>", "<IND x=\"", "<UL>",
    "</UL>", "<LI>", "</LI>", "<R A=\"", "</R>", "<FONT FACE=\"DejaVu Serif\" COLOR=\"#00FF00\" SIZE=\"",
    "<font bgcolor=\"clred\" size=\"99999999\">", "</FONT>", "<IMG SRC=\"", "idx:0", "IDX:-7", "pic\">",
    "<img src=\"pic\" alt=\"pic\" width=\"", "\" height=\"", "\" align=\"top\">", "SSYS:12", "LSYS:.txt",
    "<CONTROL TYPE=\"", "CHECK", "RADIO", "EDIT", "COMBO", "BUTTON", "PASSWORD", "\" ID=\"c", "\" VALUE=\"TRUE",
    "\" WIDTH=\"", "\" HEIGHT=\"", "99999999999", "-2147483648", "$7fffffff", "0x", "12", "0", "\">",
    "&amp;", "&amp;amp;", "&lt;", "&gt;", "&quot;", "&nbsp;", "&euro;", "&eacute;", "*amp;", "<#", "<#a>",
};

QString RandomMarkup(std::mt19937& random, int maxTokens) {
    std::uniform_int_distribution<int> count(0, maxTokens);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kTokens) - 1);
    QString text;
    for (int i = count(random); i > 0; --i) text += QString::fromUtf8(kTokens[pick(random)]);
    return text;
}

QString RandomFrom(std::mt19937& random, const QString& alphabet, int maxLength) {
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    QString text;
    for (int i = length(random); i > 0; --i) text += alphabet[pick(random)];
    return text;
}

}  // namespace

class MarkupHostileInputTest : public MarkupCanvasTest {};

TEST_F(MarkupHostileInputTest, RendererHoldsAgainstRandomMarkup) {
    TCustomImageList images(nullptr, 16, 16);
    images.Add(QImage(16, 16, QImage::Format_RGB32));
    TPictureContainer container;
    TPictureItem* item = container.Items()->Add();
    item->Name = QStringLiteral("pic");
    LoadBytes(*item->Picture(), ThreeFrameGif());

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> coordinate(-20, 420);
    for (int round = 0; round < 400; ++round) {
        const QString text = RandomMarkup(random, 60);
        for (int mode = 0; mode < 4; ++mode) {
            TMarkupTextParams p = Params(text, coordinate(random) + 20);
            p.Images = &images;
            p.PictureContainer = &container;
            p.MouseX = coordinate(random);
            p.MouseY = coordinate(random) / 2;
            p.MeasureOnly = mode == 1;
            p.HitTestOnly = mode == 2;
            p.ControlID = QStringLiteral("c");
            p.WordWrap = mode != 3;
            p.FocusAnchorIndex = round % 3 - 1;
            p.HoverAnchorIndex = round % 4;
            p.UnderlineOnHoverOnly = round % 2 == 0;
            p.HoverBrushColor = round % 5 == 0 ? clAqua : clNone;
            p.BlinkOn = round % 7 != 0;
            const TFont font = Canvas->Font;
            const TBrush brush = Canvas->Brush;
            const bool hit = DrawMarkupText(p);
            ASSERT_EQ(Canvas->Font, font) << text.toStdString();
            ASSERT_EQ(Canvas->Brush.Color, brush.Color);
            ASSERT_EQ(Canvas->Brush.Style, brush.Style);
            ASSERT_EQ(Canvas->Pen.Color, clBlack);
            ASSERT_GT(p.TotalHeight, 0);
            ASSERT_GE(p.MaxLineWidth, 0);
            if (p.MeasureOnly) ASSERT_FALSE(hit);
        }
    }
}

TEST_F(MarkupHostileInputTest, MarkupRoutinesHoldAgainstRandomText) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        const QString text = RandomMarkup(random, 40);
        const QString search = RandomFrom(random, QStringLiteral("ab<>&; "), 3);
        MarkupToPlainText(text);
        RemoveMatchTags(WrapMatchesInTag(text, search, QStringLiteral("hi"), round % 2 == 0), QStringLiteral("hi"));
        EntitiesToChars(text, true);
        CharsToEntities(text, true);
        SpacesToNbsp(text);
        ParseControlTag(text);
        QString edited = text;
        SetControlTagValue(edited, QStringLiteral("c"), text);
        ResetRadioControls(text);
        NextEditableControlId(text, QStringLiteral("c"));
        GetControlTagMaxLen(text, QStringLiteral("c"));
    }
}

TEST(MarkupRoundTrips, EncodingAndMarkingComeBackToTheText) {
    std::mt19937 random(42);
    // Without letters no entity name can appear in the text itself.
    const QString entityAlphabet = QString::fromUtf8("&<>\"é€Üø«» 1;#*");
    const QString plainAlphabet = QStringLiteral("abcAB ;#*1");
    for (int round = 0; round < 2000; ++round) {
        const QString s = RandomFrom(random, entityAlphabet, 12);
        ASSERT_EQ(EntitiesToChars(CharsToEntities(s, true), true), s) << s.toStdString();

        const QString t = RandomFrom(random, plainAlphabet, 16);
        const QString search = RandomFrom(random, plainAlphabet, 3);
        ASSERT_EQ(RemoveMatchTags(WrapMatchesInTag(t, search, QStringLiteral("mark"), round % 2 == 0),
                                  QStringLiteral("mark")),
                  t)
            << t.toStdString() << " / " << search.toStdString();

        const QString value = RandomFrom(random, QString::fromUtf8("ab<>\"& é€1"), 10);
        const QString id = RandomFrom(random, QStringLiteral("abc123"), 4) + QLatin1Char('x');
        QString form = QStringLiteral("a <CONTROL TYPE=\"EDIT\" ID=\"%1\" VALUE=\"\" WIDTH=\"40\"> b").arg(id);
        ASSERT_TRUE(SetControlTagValue(form, id, value));
        QString read;
        ASSERT_TRUE(GetControlTagValue(form, id, read));
        ASSERT_EQ(read, value) << value.toStdString();
    }
}

TEST(GifHostileInput, MutatedGifsAreWalkedAndLoadedSafely) {
    const QByteArray gif = ThreeFrameGif();
    std::mt19937 random(99);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 500; ++round) {
        QByteArray data = gif.left(std::uniform_int_distribution<qsizetype>(0, gif.size())(random));
        for (int flips = round % 8; flips > 0 && !data.isEmpty(); --flips)
            data[std::uniform_int_distribution<qsizetype>(0, data.size() - 1)(random)] = char(byte(random));
        const int frames = CountGifFrames(data);
        for (int frame = 0; frame <= frames + 1; ++frame) SelectGifFrame(data, frame);
        THTMLPicture picture;
        try {
            LoadBytes(picture, data);
            for (int tick = 0; tick < 6; ++tick) picture.Step();
        } catch (const Exception&) {
        }
    }
}
