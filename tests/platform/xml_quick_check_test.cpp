// The quick pass vouches for the documents the program writes and for nothing the
// conforming parser would refuse; whatever it leaves undecided gets the parser's verdict.

#include "platform/xml_quick_check.h"
#include "platform/xml_well_formedness.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

bool Full_Verdict(const QByteArray& text, TXmlTextEncoding encoding) {
    return Full_Parser_Finds_Well_Formed(text.constData(), std::size_t(text.size()), encoding);
}

TXmlQuickVerdict Quick_Verdict(const QByteArray& text) { return Quick_Xml_Check(text.constData(), std::size_t(text.size())); }

}  // namespace

TEST(XmlQuickCheck, VouchesForTheShapesTheProgramWritesAndReads) {
    const QByteArray documents[] = {
        "<BACnet_to_KNX>\n  <KNX_in_Write>\n    <row Enable=\"Y\" Source_Address=\"1.1.1\" Mnemonic=\"K\xC3\xBC"
        "che &lt;1&gt; &amp; &quot;2&quot; &apos;\" />\n  </KNX_in_Write>\n</BACnet_to_KNX>\n"
        "<!--SW_VERSION = 1.709-->\n",
        "<r/>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r a='1' b = \"2\"\t/>",
        "<?xml version='1.0'?><!-- before --><r><a>1.1<![CDATA[.2<&]]>0</a>&#233;&#x1F600;\xF0\x9F\x98\x80</r>",
        "<r>a > b ] ]] c</r>  \r\n",
        "<a:b x.y-z=\"\"><c></c ></a:b>",
        "<r>\xE2\x82\xAC\xEF\xBF\xBD\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF</r>",  // edges of the allowed ranges
        "<r xAAy=\"1\" xBAy=\"2\" xCAy=\"3\" xAAz=\"4\"/>",  // names alike in length, ends and middle
    };
    for (const QByteArray& text : documents) {
        EXPECT_EQ(Quick_Verdict(text), TXmlQuickVerdict::Well_Formed) << text.toStdString();
        EXPECT_TRUE(Full_Verdict(text, TXmlTextEncoding::Declared)) << text.toStdString();
    }
}

// Faults and unusual forms alike are left to the parser, and the answer is the parser's.
TEST(XmlQuickCheck, LeavesAnythingElseToTheParser) {
    const QByteArray attributes_65 = [] {
        QByteArray tag = "<r";
        for (int i = 0; i < 65; ++i) tag += " a" + QByteArray::number(i) + "=\"\"";
        return tag + "/>";
    }();
    const QByteArray texts[] = {
        "",
        "   ",
        "<r>",
        "<r></s>",
        "<r/><r/>",
        "<r/>text",
        "text<r/>",
        "<r>1 & 2</r>",
        "<r>&nbsp;</r>",
        "<r>&#1;</r>",
        "<r>&#xD800;</r>",
        "<r>&#X41;</r>",
        "<r>&#;</r>",
        "<r>&#x110000;</r>",
        "<r>]]></r>",
        "<r a=\"1\" a=\"2\"/>",
        "<r a=\"1\"b=\"2\"/>",
        "<r a=\"<\"/>",
        "<r a=1/>",
        "<r>\x01</r>",
        "<r>\x7F</r>",
        "<r>\xC2\x85</r>",                       // a C1 control: allowed, but left to the parser
        "<r>\xE8t\xE9</r>",                      // Latin-1, not UTF-8
        "<r>\xC0\xBC</r>",                       // overlong
        "<r>\xED\xA0\x80</r>",                   // a surrogate
        "<r>\xEF\xBF\xBE</r>",                   // U+FFFE
        "<r>\xF4\x90\x80\x80</r>",               // beyond U+10FFFF
        "<r>\xC3</r>",                           // cut short
        "<\xC3\xA8/>",                           // a name beyond ASCII
        "\xEF\xBB\xBF<r/>",                      // a byte order mark
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\xE8</r>",
        "<?xml version=\"1.0\" standalone=\"yes\"?><r/>",
        "<?xml version=\"1.1\"?><r/>",
        " <?xml version=\"1.0\"?><r/>",
        "<?xml-stylesheet href=\"a\"?><r/>",
        "<r><?pi x?></r>",
        "<!DOCTYPE r><r/>",
        "<!DOCTYPE r [<!ENTITY a \"b\">]><r>&a;</r>",
        "<r><!-- a -- b --></r>",
        "<r><!-- a ---></r>",
        "<r><!-- open</r>",
        "<r><![CDATA[open</r>",
        attributes_65,
        "<r xAAy=\"1\" xBAy=\"2\" xAAy=\"3\"/>",
        "<row Enable=\"Y\" Source=\"1\" Target=\"2\" Size=\"3\" Mode=\"4\" Comment=\"\" Source=\"5\"/>",
    };
    for (const QByteArray& text : texts) {
        EXPECT_EQ(Quick_Verdict(text), TXmlQuickVerdict::Undecided) << text.toStdString();
        for (TXmlTextEncoding encoding : {TXmlTextEncoding::Declared, TXmlTextEncoding::Utf8})
            EXPECT_EQ(Is_Well_Formed_Xml(text.constData(), std::size_t(text.size()), encoding), Full_Verdict(text, encoding))
                << text.toStdString();
    }
}
