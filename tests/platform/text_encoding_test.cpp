#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

QByteArray EveryByte() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) bytes += char(b);
    return bytes;
}

TEST(TextEncodingTest, EveryByteOfBothCodePagesComesBackUnchanged) {
    const QByteArray bytes = EveryByte();
    bool lossless = false;
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(bytes), &lossless), bytes);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(EncodeOem850(DecodeOem850(bytes), &lossless), bytes);
    EXPECT_TRUE(lossless);
}

TEST(TextEncodingTest, KnownCharactersAndWhatACodePageLacks) {
    struct Case {
        QString text;
        QByteArray windows1252;
        QByteArray oem850;
        bool oemLossless;
    };
    const Case cases[] = {
        {QString::fromUtf8("Caf\xC3\xA9"), "Caf\xE9", "Caf\x82", true},
        {QString::fromUtf8("\xE2\x82\xAC"), "\x80", "?", false},  // the euro sign: not in 850
        {QString::fromUtf8("\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F"), "\xC4\xD6\xDC\xDF", "\x8E\x99\x9A\xE1", true},
        {QString::fromUtf8("\xE2\x95\x94"), "?", "\xC9", true},  // a box corner: only in 850
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(EncodeWindows1252(c.text), c.windows1252);
        bool lossless = !c.oemLossless;
        EXPECT_EQ(EncodeOem850(c.text, &lossless), c.oem850);
        EXPECT_EQ(lossless, c.oemLossless);
    }
    bool lossless = true;
    EncodeWindows1252(QString(QChar(0x0416)), &lossless);
    EXPECT_FALSE(lossless);
}

TEST(TextEncodingTest, AFileIsReadByItsBomElseAsUtf8ElseAsWindows1252) {
    const QString cafe = QString::fromUtf8("Caf\xC3\xA9");
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF" "Caf\xC3\xA9", cafe},
        {QByteArray("\xFF\xFE" "C\0a\0f\0\xE9\0", 10), cafe},
        {QByteArray("\xFE\xFF" "\0C\0a\0f\0\xE9", 10), cafe},
        {"Caf\xC3\xA9", cafe},
        {"Caf\xE9", cafe},
        {"\xC3", QString(QChar(0xC3))},  // a cut UTF-8 sequence is no UTF-8
        {"", QString()},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeTextFile(c.bytes), c.text) << c.bytes.toHex().toStdString();
}

}  // namespace
