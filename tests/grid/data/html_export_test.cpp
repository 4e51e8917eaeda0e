// The grid as an HTML document: every cell text escaped, mini-HTML reduced to the
// renderer's tags, links only to safe schemes, merged areas as spans and a well-formed
// XHTML form.

#include "grid/core/string_grid.h"
#include "grid/data/html_markup_sanitizer.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

TEST(HtmlMarkupSanitizer, KeepsOnlyTheRenderersTagsAndSafeLinks) {
    struct Case {
        QString Markup;
        QString Html;
    };
    const Case cases[] = {
        {"<b>bold</b> & <I>it</I>", "<b>bold</b> &amp; <i>it</i>"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"<b onclick=\"x()\">t</b>", "<b>t</b>"},
        {"<a href=javascript:alert(1)>x</a>", "<a>x</a>"},
        {"<a href=\"http://h/?a=1&b='2'\">x</a>", "<a href=\"http://h/?a=1&amp;b='2'\">x</a>"},
        {"<font color=\"red\" face='Arial'>f</font>", "<font color=\"red\" face=\"Arial\">f</font>"},
        {"a<br>b", "a<br />b"},
        {"1 < 2 &amp; 3 > 2", "1 &lt; 2 &amp; 3 &gt; 2"},
        {"<<<<", "&lt;&lt;&lt;&lt;"},
    };
    for (const Case& c : cases) EXPECT_EQ(SanitizeMiniHtml(c.Markup, true), c.Html) << c.Markup.toStdString();
}

TEST(HtmlExport, CellsAreEscapedLinkedAndSpannedAndXhtmlIsWellFormed) {
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetURLShow(true);
    g.SetCells(0, 0, QStringLiteral("A&B <head>"));
    g.SetCells(1, 1, QStringLiteral("a < b & c"));
    g.SetCells(2, 1, QStringLiteral("<b>x</b><img src=\"javascript:1\" onerror=\"y\">"));
    g.SetCells(1, 2, QStringLiteral("http://example.org/?q=\"x\"&y=<z>"));
    g.SetCells(2, 2, QStringLiteral("javascript://alert(1)"));
    g.SetCells(0, 2, QStringLiteral("x\r\ny"));
    g.MergeCells(0, 1, 1, 1);
    const QString html = g.SaveToHTMLString(QString());
    EXPECT_TRUE(html.contains(QStringLiteral("A&amp;B &lt;head&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("a &lt; b &amp; c")));
    EXPECT_TRUE(html.contains(QStringLiteral("<b>x</b><img>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"http://example.org/?q=&quot;x&quot;&amp;y=&lt;z&gt;\">")));
    EXPECT_FALSE(html.contains(QStringLiteral("href=\"javascript")));
    EXPECT_TRUE(html.contains(QStringLiteral("x<br>\ny")));

    g.MergeCells(1, 1, 2, 2);
    g.HTMLSettings()->XHTML = true;
    const QString xhtml = g.SaveToHTMLString(QString());
    EXPECT_TRUE(xhtml.contains(QStringLiteral("colspan=\"2\" rowspan=\"2\"")));
    EXPECT_TRUE(xhtml.contains(QStringLiteral("<br />")));
    QXmlStreamReader reader(xhtml);
    while (!reader.atEnd()) reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

}  // namespace
