#include "grid/edit/rtf_codec.h"

#include "editors/golden_files.h"
#include "rtf_notation.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QString Source_Folder() { return QFileInfo(QStringLiteral(__FILE__)).absolutePath(); }

QString Notation(const char* Text) { return QString::fromUtf8(Text); }

// Documents that together use every format, non-ASCII text and the separators.
const char* const kDocuments[] = {
    "",
    "|plain text\n",
    "b|bold\n|, \ni|italic\n|, \nu|underlined\n",
    "color=#123456|coloured\n|auto\n",
    "size=17|odd half points\nsize=144|big\n",
    "face=Courier New|mono\nface=Arial|the default's name as a face of its own\n|default\n",
    "|H\nsub|2\n|O\nsuper|n+1\n",
    "b,i,u,sub,color=#ff00ff,size=16,face=Times New Roman|everything\n",
    "|a\\pb\\lc\\td\\p\\p\n",
    "|\\p\n",
    "|Ł€ Ω 漢 😀 ẞ\n",
    "super|😀\nsub|𝄞\n|{\\\\}\n",
    "|trailing blanks   \n|   leading blanks\n",
};

}  // namespace

// Each folder holds a document in the run notation and the RTF written for it.
TEST(RtfCodec, GoldenFolders) {
    const QDir root(Source_Folder() + QStringLiteral("/golden/rtf"));
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const TRtfRuns document =
            ParseRunNotation(QString::fromUtf8(Read_Whole_File(root.filePath(name + QStringLiteral("/document.txt")))));
        const QString expected = QString::fromLatin1(Read_Whole_File(root.filePath(name + QStringLiteral("/expected.rtf"))));
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(WriteRtf(document), expected);
        EXPECT_EQ(RunNotation(ReadRtf(expected)), RunNotation(document));
    }
}

TEST(RtfCodec, ReadingWhatWasWrittenGivesTheDocumentBack) {
    for (const char* text : kDocuments) {
        SCOPED_TRACE(text);
        const TRtfRuns document = ParseRunNotation(Notation(text));
        const QString rtf = WriteRtf(document);
        for (QChar c : rtf) ASSERT_LT(c.unicode(), 0x80) << "not 7-bit: " << rtf.toStdString();
        EXPECT_EQ(RunNotation(ReadRtf(rtf)), RunNotation(document)) << rtf.toStdString();

        // The same through a text document, the way the rich edits hold it.
        QTextDocument textDocument;
        RtfToDocument(rtf, textDocument);
        EXPECT_EQ(RunNotation(DocumentRuns(textDocument)), RunNotation(document));
        EXPECT_EQ(RunNotation(ReadRtf(DocumentToRtf(textDocument))), RunNotation(document));
    }
}

// RTF as other writers produce it: code pages, Unicode with fallbacks, the other forms of
// sub- and superscript, tables of fonts and colours in their several layouts, and the
// destinations a reader skips.
TEST(RtfCodec, ReadsWhatOtherWritersProduce) {
    struct Case {
        const char* rtf;
        const char* runs;
    } const cases[] = {
        {R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80 \'93q\'94\par})", "|café € “q”\n"},
        {R"({\rtf1\ansi\ansicpg1250 \'b3\'f3d\'9f\par})", "|łódź\n"},
        {R"({\rtf1\ansi\ansicpg1251 \'cc\'e8\'f0})", "|Мир\n"},
        {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1 \'b3\f0 \'b3})",
         "face=Arial CE|ł\n|³\n"},
        {R"({\rtf1\ansi\ansicpg932 \'93\'fa\'96\'7b})", "|日本\n"},
        {R"({\rtf1 \uc1\u8364?\u-10179?\u-8704? \uc2\u322 XX\uc0\u322 Y})", "|€😀 łłY\n"},
        {R"({\rtf1 {\uc3\u8364\'80\'80\'80}z})", "|€z\n"},
        {R"({\rtf1 x{\up6 2}{\dn4 i}{\up0 n}{\super s\nosupersub n}{\sub u}})",
         "|x\nsuper|2\nsub|i\n|n\nsuper|s\n|n\nsub|u\n"},
        {R"({\rtf1{\fonttbl\f0\fswiss Helv;\f1\froman Tms Rmn;}\deff0 a\f1 b\f0 c})", "|a\nface=Tms Rmn|b\n|c\n"},
        {R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}\cf2 blue\cf1 red\cf0 auto\cf9 none})",
         "color=#0000ff|blue\ncolor=#ff0000|red\n|autonone\n"},
        {R"({\rtf1 \b bold\b0 normal \ul u\ulnone n \uldb d\ul0 n \i i\plain p})",
         "b|bold\n|normal \nu|u\n|n \nu|d\n|n \ni|i\n|p\n"},
        {R"({\rtf1 {\*\generator Writer;}{\stylesheet{\s0 Normal;}}{\info{\title T}}{\pict\pngblip 0a0b}{\*\unknown x}text})",
         "|text\n"},
        {R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}} after})", "|link after\n"},
        {R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\~\_})", "|—–•‘’“”\u00a0\u2011\n"},
        {R"({\rtf1 a\bin3 }}}b\tab c\cell d\row e\line f})", "|ab\\tc\\td\\pe\\lf\n"},
        {"{\\rtf1 line\r\nbreaks\nare\rignored\\\nbut not escaped}", "|linebreaksareignored\\pbut not escaped\n"},
        {R"({\rtf1 \fs0 zero\fs-4 negative\fs99999999999999999 huge})", "|zeronegative\nsize=3276|huge\n"},
        {R"(  {\rtf1 blank before} text after the document)", "|blank before\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        EXPECT_EQ(RunNotation(ReadRtf(QString::fromUtf8(c.rtf))), Notation(c.runs));
    }
}

// Broken input gives the text up to the fault and nothing else goes wrong.
TEST(RtfCodec, MalformedInputGivesItsText) {
    const QString deep = QStringLiteral("{\\rtf1 a") + QString(100000, QLatin1Char('{')) + QStringLiteral("b") +
                         QString(100000, QLatin1Char('}')) + QStringLiteral("c}");
    const QString deepUnclosed = QStringLiteral("{\\rtf1 a") + QString(50000, QLatin1Char('{')) + QStringLiteral("\\b b");
    struct Case {
        QString rtf;
        QString text;
    } const cases[] = {
        {QStringLiteral("{\\rtf1 unclosed {\\b group"), QStringLiteral("unclosed group")},
        {QStringLiteral("{\\rtf1 text}}}} more}"), QStringLiteral("text")},
        {deep, QStringLiteral("abc")},
        {deepUnclosed, QStringLiteral("ab")},
        {QStringLiteral("{\\rtf1 \\bin999999999999 hidden}"), QString()},
        {QStringLiteral("{\\rtf1 a\\bin-5 b}"), QStringLiteral("ab")},
        {QStringLiteral("{\\rtf1 a\\'4"), QStringLiteral("a")},
        {QStringLiteral("{\\rtf1 a\\'"), QStringLiteral("a")},
        {QStringLiteral("{\\rtf1 a\\'zzb}"), QStringLiteral("azzb")},
        {QStringLiteral("{\\rtf1 a\\"), QStringLiteral("a")},
        {QStringLiteral("{\\rtf1 \\u99999999999999 \\u-99999999 x}"), QStringLiteral("\uffff\u8000")},
        {QStringLiteral("{\\rtf1 \\uc999999\\u65 abc}"), QStringLiteral("A")},
        {QStringLiteral("{\\rtf1 \\cf99999999 \\f-3 \\uc-4 x}"), QStringLiteral("x")},
        {QStringLiteral("{\\rtf1{\\fonttbl{\\f0 unclosed font"), QString()},
        {QStringLiteral("{\\rtf1{\\colortbl\\red999\\green-9;}\\cf1 x}"), QStringLiteral("x")},
        {QStringLiteral("{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop123456789012345 x}"), QStringLiteral("x")},
        {QStringLiteral("{\\rtf1 \x01\x02 ctl}"), QStringLiteral(" ctl")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf.left(80).toStdString());
        QTextDocument document;
        RtfToDocument(c.rtf, document);
        EXPECT_EQ(document.toPlainText(), c.text);
    }
    // Colours beyond their range are clamped, not wrapped.
    const TRtfRuns clamped = ReadRtf(QStringLiteral("{\\rtf1{\\colortbl;\\red999\\green-9\\blue7;}\\cf1 x}"));
    ASSERT_EQ(clamped.size(), 1u);
    EXPECT_EQ(clamped[0].Format.Color, QColor(255, 0, 7));
}

TEST(RtfCodec, TextThatIsNotRtfLoadsAsPlainText) {
    const struct {
        const char* text;
        const char* runs;
    } cases[] = {
        {"", ""},
        {"just text", "|just text\n"},
        {"{\\b looks like rtf}", "|{\\\\b looks like rtf}\n"},
        {"one\r\ntwo\nthree\rfour", "|one\\ptwo\\pthree\\pfour\n"},
        {"\\rtf1 no brace", "|\\\\rtf1 no brace\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_FALSE(IsRtfText(QString::fromUtf8(c.text)));
        EXPECT_EQ(RunNotation(ReadRtf(QString::fromUtf8(c.text))), Notation(c.runs));
    }
}
