#include "grid/view/markup_colors.h"
#include "grid/view/markup_entities.h"
#include "grid/view/markup_text.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* Input;
    const char* Expected;
};

QString U(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TEST(MarkupToPlainText, DropsTagsAndBreaksLines) {
    const TextCase cases[] = {
        {"<b>bold</b> word", "bold word"},
        {"one<br>two<BR>three", "one\r\ntwo\r\nthree"},
        {"above<hr>below", "above\r\nbelow"},
        {"a &amp; b", "a &amp; b"},                   // entities stay
        {"a <b>c</b> < d", "a c < d"},               // a "<" without ">" keeps the rest
        {"x > y <b>z</b>", "x > y <b>z</b>"},        // a ">" first stops tag removal
        {"<font color=\"clred\">red</font>", "red"},
        {"", ""},
    };
    for (const TextCase& c : cases) EXPECT_EQ(MarkupToPlainText(U(c.Input)), U(c.Expected)) << c.Input;
}

TEST(WrapMatchesInTag, MarksEveryOccurrenceInTheVisibleText) {
    struct Case {
        const char* Text;
        const char* Search;
        bool CaseSensitive;
        const char* Expected;
    };
    const Case cases[] = {
        {"abcabc", "bc", true, "a<hi>bc</hi>a<hi>bc</hi>"},
        {"aaaa", "aa", true, "<hi>aa</hi><hi>aa</hi>"},               // adjacent occurrences
        {"ABC", "b", false, "A<hi>B</hi>C"},
        {"ABC", "b", true, "ABC"},
        {"<b>bo</b>ld", "old", true, "<b>b<hi>o</b>ld</hi>"},        // spans a tag
        {"x<b>ab</b>", "ab", true, "x<hi><b>ab</b></hi>"},            // the last character closes at the end
        {"<i>ab</i>y", "ab", true, "<hi><i>ab</hi></i>y"},
        {"a > b", "b", true, "a &gt; <hi>b</hi>"},                    // visible ">" is escaped
        {"abc", "", true, "abc"},                                     // empty search: unchanged
        {"", "a", true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapMatchesInTag(U(c.Text), U(c.Search), QStringLiteral("hi"), c.CaseSensitive), U(c.Expected))
            << c.Text << " / " << c.Search;
}

TEST(RemoveMatchTags, RemovesMarksInAnyCaseAndDecodesAngles) {
    EXPECT_EQ(RemoveMatchTags(QStringLiteral("a<HI>b</hi>c &lt;d&gt;"), QStringLiteral("hi")), QStringLiteral("abc <d>"));
    EXPECT_EQ(RemoveMatchTags(QStringLiteral("<<hi>hi>x"), QStringLiteral("hi")), QStringLiteral("x"));
    EXPECT_EQ(RemoveMatchTags(QStringLiteral("<b>x</b>"), QStringLiteral("hi")), QStringLiteral("<b>x</b>"));
}

TEST(MarkupEntities, DecodeEachEntityOnceAndEncodeWithTheTable) {
    const TextCase decoded[] = {
        {"&amp;lt;", "&lt;"},  // each entity decoded once
        {"&amp;amp;", "&amp;"},
        {"&amp;quot;x", "&quot;x"},
        {"&amp;eacute;", "&eacute;"},
        {"a & b &", "a & b &"},
        {"&lt;b&gt; &quot;x&quot;", "<b> \"x\""},
        {"caf&eacute; &euro;5 &laquo;&raquo; &Aring;", "café €5 «» Å"},
        {"&nbsp;", "&nbsp;"},
    };
    for (const TextCase& c : decoded) EXPECT_EQ(EntitiesToChars(U(c.Input), true), U(c.Expected)) << c.Input;
    EXPECT_EQ(EntitiesToChars(U("&eacute;"), false), U("&eacute;"));

    const TextCase encoded[] = {
        {"a<b & c>", "a&lt;b &amp; c&gt;"},
        {"*amp;", "&amp;"},
        {"\"é€\"", "&quot;&eacute;&euro;&quot;"},
    };
    for (const TextCase& c : encoded) EXPECT_EQ(CharsToEntities(U(c.Input), true), U(c.Expected)) << c.Input;
    EXPECT_EQ(CharsToEntities(U("é"), false), U("é"));
    EXPECT_EQ(SpacesToNbsp(QStringLiteral(" a b ")), QStringLiteral("&nbsp;a&nbsp;b&nbsp;"));
}

TEST(MarkupColors, NamesAndHexadecimalColours) {
    EXPECT_EQ(ColorFromName(QStringLiteral("clred")), clRed);
    EXPECT_EQ(ColorFromName(QStringLiteral("clblack")), clBlack);
    EXPECT_EQ(ColorFromName(QStringLiteral("CLRED")), clBlack);  // names are lower case
    EXPECT_EQ(ColorFromName(QStringLiteral("cl3ddkshadow")), SystemColor(21));
    EXPECT_EQ(ColorFromName(QStringLiteral("clinfobk")), clInfoBk);
    EXPECT_EQ(ColorFromName(QStringLiteral("nonsense")), clBlack);
    EXPECT_EQ(ColorFromHex(QStringLiteral("#FF0000")), clRed);
    EXPECT_EQ(ColorFromHex(QStringLiteral("#0000FF")), clBlue);
    EXPECT_EQ(ColorFromHex(QStringLiteral("#12345")), TColor(0x003412));  // the missing pair reads 0
    EXPECT_EQ(ColorFromHex(QStringLiteral("#")), clBlack);
    EXPECT_EQ(MarkupColorValue(QStringLiteral("#00ff00")), clLime);
    EXPECT_EQ(MarkupColorValue(QStringLiteral("ClNavy")), clNavy);
}
