#include "core/address_helpers.h"
#include "test_support.h"
#include "platform/locale_settings.h"
#include "platform/serial_ports.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

namespace {

struct KnxCase {
    const char* text;
    bool group;
    bool allow_zero;
    int expected;
};

TEST(AddressHelpers, CheckKnxAddressTable) {
    const KnxCase cases[] = {
        // group, three levels
        {"1/2/3", true, false, 0},
        {"0/0/0", true, false, 1},
        {"0/0/1", true, false, 0},
        {"31/7/255", true, false, 0},
        {"31/8/0", true, false, 1},
        {"3/3/256", true, false, 1},
        {" 3 / 3 / 0 ", true, false, 0},  // each part is trimmed
        {"1/2/3/4", true, false, 1},
        {"1/x/3", true, false, 1},
        {"1//3", true, false, 1},
        // group, two levels
        {"31/2047", true, false, 0},
        {"32/0", true, false, 1},
        {"0/0", true, false, 1},
        {"0/2048", true, false, 1},
        // plain numbers in both modes
        {"65535", true, false, 0},
        {"65535", false, false, 0},
        {"0", true, false, 1},
        {"0", false, true, 1},
        {"65536", true, false, 1},
        {"65536", false, false, 1},
        {"", true, false, 1},
        {"", false, false, 1},
        {"-1", false, false, 1},
        // individual
        {"1.1.1", false, false, 0},
        {"15.15.255", false, false, 0},
        {"16.0.1", false, false, 1},
        {"0.0.0", false, false, 1},
        {"0.0.0", false, true, 0},
        {"1.1.1.1", false, false, 1},
        {"1.1.1.1", false, true, 1},
        {"1.1", false, true, 1},  // two-part form refused
        {"1.1.", false, false, 1},
        // both separators
        {"1.1/1", true, false, 1},
        {"1.1/1", false, false, 1},
        {"1.1.1", true, false, 1},
        {"1/1/1", false, false, 1},
    };
    for (const KnxCase& c : cases)
        EXPECT_EQ(Check_KNX_Address(QString::fromUtf8(c.text), c.group, c.allow_zero), c.expected)
            << c.text << " group=" << c.group << " allow_zero=" << c.allow_zero;
    EXPECT_TRUE(Has_No_Dot(QStringLiteral("1/2/3")));
    EXPECT_FALSE(Has_No_Dot(QStringLiteral("230.240")));
}

TEST(AddressHelpers, SplitIpAddress) {
    QString a, b, c, d;
    EXPECT_TRUE(Split_IP_Address(QStringLiteral("  192.168.2.205  "), a, b, c, d));
    EXPECT_EQ(QStringList({a, b, c, d}), QStringList({"192", "168", "2", "205"}));
    EXPECT_TRUE(Split_IP_Address(QStringLiteral("0. 0 .0.255"), a, b, c, d));
    EXPECT_EQ(b, QStringLiteral("0"));

    for (const char* bad : {"192.168.2", "", "1.2.3.256", "1.2.3.4.5", "1.2.x.4", "1..3.4"}) {
        EXPECT_FALSE(Split_IP_Address(QString::fromUtf8(bad), a, b, c, d)) << bad;
    }
}

TEST(AddressHelpers, ParseIpPort) {
    std::uint8_t b1 = 9, b2 = 9, b3 = 9, b4 = 9;
    std::uint16_t port = 9;
    EXPECT_TRUE(Parse_IP_Port(QStringLiteral("192.168.1.1:502"), b1, b2, b3, b4, port));
    EXPECT_EQ((std::vector<int>{b1, b2, b3, b4, port}), (std::vector<int>{192, 168, 1, 1, 502}));
    EXPECT_TRUE(Parse_IP_Port(QStringLiteral(" 10 . 0 . 0 . 2 : 65535 "), b1, b2, b3, b4, port));
    EXPECT_EQ(port, 65535);

    for (const char* bad : {"192.168.1.1:70000", "", "192.168.1.1", "192.168.1:80", "192.168.1.256:80",
                            "192.168.1.1:", "1.2.3.4:80:81", "1.2.3.4.5:80"}) {
        b1 = b2 = b3 = b4 = 9;
        port = 9;
        EXPECT_FALSE(Parse_IP_Port(QString::fromUtf8(bad), b1, b2, b3, b4, port)) << bad;
        EXPECT_EQ((std::vector<int>{b1, b2, b3, b4, port}), (std::vector<int>{0, 0, 0, 0, 0})) << bad;
    }
}

TEST(AddressHelpers, ParseIpBytesHasTheInvertedSense) {
    std::uint8_t b1 = 7, b2 = 7, b3 = 7, b4 = 7;
    EXPECT_TRUE(Parse_IP_Bytes(QString(), b1, b2, b3, b4));
    EXPECT_EQ((std::vector<int>{b1, b2, b3, b4}), (std::vector<int>{7, 7, 7, 7}));

    EXPECT_FALSE(Parse_IP_Bytes(QStringLiteral("1.2.3.4"), b1, b2, b3, b4));
    EXPECT_EQ((std::vector<int>{b1, b2, b3, b4}), (std::vector<int>{1, 2, 3, 4}));

    EXPECT_TRUE(Parse_IP_Bytes(QStringLiteral("1.2.3"), b1, b2, b3, b4));
    EXPECT_EQ((std::vector<int>{b1, b2, b3, b4}), (std::vector<int>{1, 2, 0, 3}));

    EXPECT_TRUE(Parse_IP_Bytes(QStringLiteral("1.2.3.4.5"), b1, b2, b3, b4));
    EXPECT_EQ((std::vector<int>{b1, b2, b3, b4}), (std::vector<int>{1, 2, 3, 0}));

    EXPECT_TRUE(Parse_IP_Bytes(QStringLiteral("300.2.3.4"), b1, b2, b3, b4));
    EXPECT_EQ(b1, 0);
}

class DecimalSeparatorTest : public ::testing::Test {
protected:
    void TearDown() override { SetDecimalSeparatorSource({}); }
    void UseSeparator(const QString& separator) {
        SetDecimalSeparatorSource([separator] { return separator; });
    }
};

TEST_F(DecimalSeparatorTest, SeparatorComesFromTheLocaleWithCommaAsFallback) {
    const struct { const char* locale; char16_t expected; } cases[] = {
        {".", u'.'}, {",", u','}, {"", u','}, {"\xC2\xB7", u','}, {".,", u'.'}};
    for (const auto& c : cases) {
        UseSeparator(QString::fromUtf8(c.locale));
        EXPECT_EQ(Get_Decimal_Separator(), QChar(c.expected)) << c.locale;
    }
}

TEST_F(DecimalSeparatorTest, StrToFloatSepAcceptsEitherSeparator) {
    for (const char* locale : {".", ","}) {
        UseSeparator(QString::fromUtf8(locale));
        const QChar separator = Get_Decimal_Separator();
        float value = 0;
        EXPECT_TRUE(Str_To_Float_Sep(QStringLiteral("1,5"), separator, value)) << locale;
        EXPECT_FLOAT_EQ(value, 1.5f);
        EXPECT_TRUE(Str_To_Float_Sep(QStringLiteral("-2.25"), separator, value)) << locale;
        EXPECT_FLOAT_EQ(value, -2.25f);
        EXPECT_TRUE(Str_To_Float_Sep(QStringLiteral("7"), separator, value));
        EXPECT_FLOAT_EQ(value, 7.0f);

        for (const char* bad : {"abc", "", "1,5,3", "1e60", "inf"}) {
            value = 0;
            EXPECT_FALSE(Str_To_Float_Sep(QString::fromUtf8(bad), separator, value)) << bad;
            EXPECT_FLOAT_EQ(value, 1.0f) << bad;
        }
    }
    UseSeparator(QStringLiteral("."));
    float value = 0;
    EXPECT_TRUE(Str_To_Float_Sep(QStringLiteral("1,5"), u'.', value));
    EXPECT_FLOAT_EQ(value, 1.5f);
}

// The edges of what a single holds: the largest single's own text passes, a value that
// rounds to infinity or that is not zero but rounds to zero does not.
TEST_F(DecimalSeparatorTest, StrToFloatSepKeepsToWhatASingleHolds) {
    UseSeparator(QStringLiteral("."));
    const struct {
        const char* text;
        bool ok;
        float value;
    } cases[] = {
        {"3.4028235e38", true, std::numeric_limits<float>::max()},
        {"-3,4028235e38", true, -std::numeric_limits<float>::max()},
        {"3.40282356e38", true, std::numeric_limits<float>::max()},  // still rounds to the largest single
        {"3.4028236e38", false, 1.0f},
        {"1e-45", true, std::numeric_limits<float>::denorm_min()},
        {"1e-50", false, 1.0f},
        {"1e-400", false, 1.0f},
        {"0", true, 0.0f},
        {"-0.0", true, 0.0f},
        {" +12.5 ", true, 12.5f},
        {"007", true, 7.0f},
        {"16777217", true, 16777216.0f},
        {"1.5e1", true, 15.0f},
    };
    for (const auto& c : cases) {
        float value = 7;
        EXPECT_EQ(Str_To_Float_Sep(QString::fromUtf8(c.text), u'.', value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(AddressHelpers, KeywordCodes) {
    EXPECT_EQ(KNX_APCI_Code(QStringLiteral("Write")), 128);
    EXPECT_EQ(KNX_APCI_Code(QStringLiteral(" read ")), 0);
    EXPECT_EQ(KNX_APCI_Code(QStringLiteral("64")), 64);
    EXPECT_EQ(KNX_APCI_Code(QStringLiteral("sometimes")), 0);

    const struct { const char* text; int code; } priorities[] = {
        {"SYSTEM", 0}, {"normal", 1}, {" Urgent ", 2}, {"low", 3}, {"", 1}, {"HIGH", 1},
        {"\xC5\xBFystem", 0},  // a long s upper-cases to S
        {"l\xC3\xB3w", 1}};
    for (const auto& p : priorities) EXPECT_EQ(KNX_Priority_Code(QString::fromUtf8(p.text)), p.code) << p.text;

    const struct { const char* text; int code; } conversions[] = {
        {"NONE", 0x0000},
        {"swap16", 0x1000},
        {"SWAP32", 0x2000},
        {"Swap All", 0x3000},
        {"INT TO FLOAT", 0x4000},
        {"FLOAT TO INT", 0x5000},
        {"FLOAT16 TO FLOAT32", 0x6000},
        {"FLOAT16 TO INT", 0x7000},
        {" float16 to int * 10 ", 0x8000},
        {"FLOAT16 TO INT * 100", 0x9000},
        {"FLOAT16 TO INT*10", 0},
        {"\xC5\xBFwap16", 0x1000},
        {"", 0}};
    for (const auto& c : conversions) EXPECT_EQ(Data_Conversion_Code(QString::fromUtf8(c.text)), c.code) << c.text;

    const struct { const char* text; int code; } levels[] = {
        {"  auth priv  ", 3}, {"AUTH NOPRIV", 1}, {"", -1}, {"   ", -1}, {"NOAUTH NOPRIV", 0}};
    for (const auto& l : levels) EXPECT_EQ(SNMP_Security_Level_Code(QString::fromUtf8(l.text)), l.code) << l.text;
}

TEST(AddressHelpers, CheckOidTable) {
    const struct { QString text; int code; } cases[] = {
        {QString(129, u'1'), 1},
        {QString(128, u'1'), 6},
        {QStringLiteral("1.3.6.a"), 2},
        {QStringLiteral("1.3 .6"), 2},
        {QStringLiteral(".1"), 3},
        {QStringLiteral("1.3."), 4},
        {QStringLiteral("1..3"), 5},
        {QStringLiteral("1.3.6.1.4294967296"), 6},
        {QStringLiteral("1.3.6.1.4294967295"), 0},
        {QStringLiteral("1.3.6.1.99999999999999999999999"), 6},
        {QStringLiteral("1.3.6.1.4.1.2680.1.2.7.3.2.0"), 0},
        {QString(), 6},
    };
    for (const auto& c : cases) EXPECT_EQ(Check_OID(c.text), c.code) << c.text.toStdString();
}

TEST(AddressHelpers, ListComPortsListsExistingPortsInOrder) {
    QTemporaryDir devices;
    ASSERT_TRUE(devices.isValid());
    for (const char* name : {"ttyUSB10", "ttyS1", "ttyUSB2", "ttyACM0", "ttyS0", "ttyS", "ttySx", "tty0", "ttyUSB1"}) {
        QFile file(devices.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A port the user may not open (held or protected) still exists.
    QFile::setPermissions(devices.filePath(QStringLiteral("ttyUSB2")), QFileDevice::Permissions());
    // A dangling link is no port.
    QFile::link(devices.filePath(QStringLiteral("gone")), devices.filePath(QStringLiteral("ttyS5")));

    SetSerialDeviceFolderForTesting(devices.path());
    const std::unique_ptr<TStringList> ports = List_COM_Ports();
    SetSerialDeviceFolderForTesting(QString());

    QStringList expected;
    for (const char* name : {"ttyS0", "ttyS1", "ttyUSB1", "ttyUSB2", "ttyUSB10", "ttyACM0"})
        expected << QDir(devices.path()).filePath(QString::fromUtf8(name));
    EXPECT_EQ(ports->ToQStringList(), expected);
}

}  // namespace
