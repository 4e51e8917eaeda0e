// Mini-HTML cells and headers in a shown grid, driven by real mouse clicks: what is
// drawn, what a click on an anchor opens, what a click on a check box or radio button
// control writes back into the cell, and how large such a cell measures.

#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_renderer.h"
#include "grid_mouse_fixture.h"
#include "platform/url_opener.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

class GridMarkupCellsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUrlOpener([this](const QString& url) { Opened << url; });
        f.Grid->SetDefaultRowHeight(40);
        f.Grid->SetOptions(f.Grid->Options().Include(goEditing));
    }
    void TearDown() override { SetUrlOpener({}); }

    QImage Render() const { return f.Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    bool HasColor(const TRect& r, TColor color) const {
        const QImage image = Render();
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if ((FromQColor(image.pixelColor(x, y)) & 0xFFFFFF) == color) return true;
        return false;
    }
    // The first line's text sits at the bottom of a line the height of "gh" at the top of
    // the cell's text area.
    QPoint OnFirstLine(int col, int row, int x) const {
        const TRect r = f.Grid->CellRect(col, row);
        return {r.Left + x, r.Top + 2 + LineHeight() / 2};
    }
    int LineHeight() const { return QFontMetrics(f.Grid->Fonts(4, 1).ToQFont()).height(); }
    QString ControlValue(const QString& id) const {
        QString value;
        GetControlTagValue(f.Grid->Cells(4, 1), id, value);
        return value;
    }

    MouseGridFixture f;
    QStringList Opened;
};

TEST_F(GridMarkupCellsTest, OnlyAWebAnchorUnderTheClickOpens) {
    const struct {
        const char* Href;
        bool Opens;
    } cases[] = {{"https://example.com/rules", true},
                 {"mailto:support@example.com", true},
                 {"/usr/bin/xterm", false},
                 {"C:\\Windows\\system32\\calc.exe", false},
                 {"file:///etc/passwd", false},
                 {"xterm -e sh", false}};
    for (const auto& c : cases) {
        Opened.clear();
        f.Grid->SetCells(4, 1, QStringLiteral("<A HREF=\"%1\">open it</A>").arg(QString::fromLatin1(c.Href)));
        f.Click(OnFirstLine(3, 1, 12));
        EXPECT_EQ(Opened, c.Opens ? QStringList{QString::fromLatin1(c.Href)} : QStringList()) << c.Href;
    }
    // The line below an anchor, and the blank right of it, open nothing.
    Opened.clear();
    f.Grid->SetCells(4, 1, "<A HREF=\"https://example.com\">go</A>");
    const TRect r = f.Grid->CellRect(3, 1);
    f.Click({r.Left + 6, r.Top + 2 + LineHeight() + 6});
    f.Click(OnFirstLine(3, 1, 70));
    EXPECT_TRUE(Opened.isEmpty());
}

TEST_F(GridMarkupCellsTest, AnAnchorIsUnderlinedOnlyWhileTheMouseIsOverIt) {
    f.Grid->SetURLUnderlineOnHover(true);
    f.Grid->SetURLColor(TColor(0xC00000));
    f.Grid->SetColWidths(3, 200);
    f.Grid->SetCells(4, 1, "<A HREF=\"https://example.com\">a wide anchor text</A>");
    const TRect cell = f.Grid->CellRect(3, 1);
    // The underline is a row of the anchor colour through the text's width.
    const auto longestAnchorRow = [&] {
        const QImage image = Render();
        int longest = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y) {
            int run = 0;
            for (int x = cell.Left; x < cell.Right; ++x) {
                run = (FromQColor(image.pixelColor(x, y)) & 0xFFFFFF) == TColor(0xC00000) ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    };
    const int textWidth = QFontMetrics(f.Grid->Fonts(4, 1).ToQFont()).horizontalAdvance("a wide anchor text");
    EXPECT_LT(longestAnchorRow(), textWidth / 2);
    QTest::mouseMove(f.Surface(), OnFirstLine(3, 1, 20));
    EXPECT_GT(longestAnchorRow(), textWidth * 3 / 4);
    QTest::mouseMove(f.Surface(), f.Centre(1, 2));
    EXPECT_LT(longestAnchorRow(), textWidth / 2);
}

TEST_F(GridMarkupCellsTest, CheckAndRadioControlsWriteTheirValueBack) {
    f.Grid->SetCells(4, 1,
                     "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"15\">"
                     "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"15\">"
                     "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"15\">");
    std::vector<QString> clicked;
    f.Grid->OnControlClick = [&](TObject*, int, int, const QString& id, const QString&, const QString&) {
        clicked.push_back(id);
    };
    // Each control's 16-pixel box follows the one before it on the line.
    const TRect r = f.Grid->CellRect(3, 1);
    const auto box = [&](int index) { return QPoint(r.Left + 2 + 16 * index + 8, r.Top + 2 + 8); };
    f.Click(box(0));
    EXPECT_EQ(ControlValue("c"), "TRUE");
    f.Click(box(0));
    EXPECT_EQ(ControlValue("c"), "FALSE");
    f.Click(box(2));
    EXPECT_EQ(ControlValue("r1"), "FALSE");
    EXPECT_EQ(ControlValue("r2"), "TRUE");
    EXPECT_EQ(clicked, (std::vector<QString>{"c", "c", "r2"}));

    // A read-only grid leaves the values alone.
    f.Grid->SetOptions(f.Grid->Options().Exclude(goEditing));
    f.Click(box(0));
    EXPECT_EQ(ControlValue("c"), "FALSE");
}

TEST_F(GridMarkupCellsTest, CellsAndHeadersDrawTheirMarkup) {
    f.Grid->SetCells(4, 0, "<FONT COLOR=\"#FF0000\">Mnemonic</FONT>");
    f.Grid->SetCells(4, 1, "<FONT BGCOLOR=\"#00C000\">green</FONT> <HI>marked</HI>");
    f.Grid->SetHighlightColor(TColor(0xFF8000));
    f.Grid->SetHighlightTextColor(clWhite);
    const TRect header = f.Grid->CellRect(3, 0);
    const TRect cell = f.Grid->CellRect(3, 1);
    EXPECT_TRUE(HasColor(header, clRed));
    EXPECT_TRUE(HasColor(cell, TColor(0x00C000)));
    // HI takes the grid's highlight colours.
    EXPECT_TRUE(HasColor(cell, TColor(0xFF8000)));
    f.Grid->SetHighlightColor(clHighlight);
    f.Grid->SetHighlightTextColor(clHighlightText);
}

TEST_F(GridMarkupCellsTest, MarkupCellsMeasureAsTheyAreDrawn) {
    const QString plain = "some words";
    f.Grid->SetCells(4, 1, plain);
    const TSize plainSize = f.Grid->GetCellTextSize(4, 1, false, false);
    // The same words in bold are wider; the tags themselves take no room.
    f.Grid->SetCells(4, 1, "<B>" + plain + "</B>");
    const TSize bold = f.Grid->GetCellTextSize(4, 1, false, false);
    EXPECT_GT(bold.cx, plainSize.cx);
    EXPECT_LT(bold.cx, plainSize.cx * 3 / 2);
    // A line break and a large font make the text taller.
    f.Grid->SetCells(4, 1, "one<BR><FONT SIZE=\"5\">two</FONT>");
    const TSize tall = f.Grid->GetCellTextSize(4, 1, false, false);
    EXPECT_GT(tall.cy, 2 * plainSize.cy);
    // Wrapped to the cell's width, a long text needs several lines.
    f.Grid->SetCells(4, 1, "<I>" + QString("word ").repeated(30) + "</I>");
    const TSize wrapped = f.Grid->GetCellTextSize(4, 1, true, false);
    EXPECT_GE(wrapped.cy, 3 * LineHeight());
    EXPECT_LE(wrapped.cx, f.Grid->ColWidths(3) + 2);
}

}  // namespace
