#include "config/configuration_compiler.h"

#include "core/program_state.h"
#include "config/general_parameters_file.h"
#include "platform/file_system.h"
#include "platform/locale_settings.h"

#include "test_support.h"

#include <QFile>
#include <QDir>
#include <cstring>
#include <numeric>

namespace {

// Bytes expected at a file offset of the image.
struct ByteRun {
    int offset;
    std::vector<std::uint8_t> bytes;
};

constexpr int P = 32768;  // parameter block
constexpr int D = 34816;  // DALI block
constexpr int KNX = 0;
constexpr int IN = 24576;  // DALI-2 input rules
constexpr int FN = 29696;  // DALI-2 functions

// The parameter block of an image compiled without a general parameters file,
// checksum left out (it is part of each case).
const std::vector<ByteRun> Default_Parameter_Block = {
    {P + 0, {0x48, 0xE8, 0x01, 0x00}},     // 125000
    {P + 4, {0x48, 0xE8, 0x01, 0x00}},     // 125000
    {P + 12, {0x80, 0x25, 0x00, 0x00}},    // 9600
    {P + 16, {0x08, 0x00}},                // 8
    {P + 40, {192, 168, 2, 205}},          // IP address
    {P + 44, {255, 255, 255, 0}},          // subnet mask
    {P + 48, {255, 255, 255, 255}},        // gateway
    {P + 52, {0x10, 0x27}},                // 10000
    {P + 54, {0x11, 0x27}},                // 10001
    {P + 56, {0x11, 0x27}},                // DALI console port 10001
    {P + 404, {0x00, 0x96, 0x00, 0x00}},   // 38400
    {P + 431, {0x01}},                     //
    {P + 436, {8, 8, 8, 8, 8, 8, 8, 8}},   //
    {P + 444, {0x00, 0x00, 0x06, 0x00}},   // 0x60000, KNX table
    {P + 448, {0x00, 0x00, 0x06, 0x00}},   // 0x60000
    {P + 460, {0x57, 0x0E}},               // 3671
    {P + 462, {0x01, 0x90}},               // 9.0.1
    {P + 464, {0xA0, 0x90}},               // 9.0.160
    {P + 466, {0xA1, 0x90}},               // 9.0.161
    {P + 468, {0x50, 0xC3}},               // 50000
    {P + 470, {0x51, 0xC3}},               // 50001
    {P + 472, {0x52, 0xC3}},               // 50002
    {P + 478, {0x00, 0x02}},               // 512
    {P + 1532, {0x00, 0x88, 0x06, 0x00}},  // 0x68800, DALI block
    {P + 1580, {0x00, 0x60, 0x06, 0x00}},  // 0x66000, DALI-2 inputs
    {P + 1600, {0x00, 0x74, 0x06, 0x00}},  // 0x67400, DALI-2 functions
    {P + 1804, {0x00, 0x00, 0x0C, 0x00}},  // 0xC0000
    {P + 1896, {0x70, 0x17, 0x00, 0x00}},  // 6000
    {P + 1900, {0x64, 0x00, 0x00, 0x00}},  // 100
};

// Every byte of the image: zeros, the factor 1.0 of each KNX record from the first
// unused one on, the runs in order (later runs overwrite earlier ones).
std::vector<std::uint8_t> Expected_Image(int used_knx_records, const std::vector<std::vector<ByteRun>>& tables) {
    std::vector<std::uint8_t> image(Bank_Image_Size, 0);
    for (int r = used_knx_records; r < 1024; ++r) {
        const std::uint8_t one[4] = {0x00, 0x00, 0x80, 0x3F};
        std::memcpy(&image[std::size_t(r * 24 + 20)], one, 4);
    }
    for (const auto& table : tables)
        for (const ByteRun& run : table)
            for (std::size_t i = 0; i < run.bytes.size(); ++i) image[std::size_t(run.offset) + i] = run.bytes[i];
    return image;
}

std::vector<std::uint8_t> Compiled_Image() { return {Bank_Buffer.begin(), Bank_Buffer.begin() + Bank_Length}; }

// Names the first offsets that differ, so a failure reads as a place in the layout.
::testing::AssertionResult Same_Bytes(const std::vector<std::uint8_t>& actual, const std::vector<std::uint8_t>& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.size() << ", expected " << expected.size();
    std::string differences;
    int count = 0;
    for (std::size_t i = 0; i < actual.size() && count < 12; ++i)
        if (actual[i] != expected[i]) {
            ++count;
            differences += QStringLiteral("  offset %1: %2, expected %3\n")
                               .arg(i)
                               .arg(actual[i], 2, 16, QLatin1Char('0'))
                               .arg(expected[i], 2, 16, QLatin1Char('0'))
                               .toStdString();
        }
    if (count == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "bytes differ:\n" << differences;
}

std::uint32_t U32_At(int offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | Bank_Buffer[std::size_t(offset + i)];
    return value;
}
std::uint16_t U16_At(int offset) { return std::uint16_t(Bank_Buffer[std::size_t(offset)] | Bank_Buffer[std::size_t(offset + 1)] << 8); }
float F32_At(int offset) {
    const std::uint32_t bits = U32_At(offset);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

class CompilerTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Set_Program_Folders(ProgramDir());
        Project_Name = QStringLiteral("Plant");
        Project_Folder = PathIn(QStringLiteral("PROJECTS/Plant"));
        ForceDirectories(Project_Folder);
        Build_Configuration_Paths();
        SetDecimalSeparatorSource([] { return QStringLiteral("."); });
    }
    void TearDown() override {
        SetDecimalSeparatorSource({});
        ProgramFolderTest::TearDown();
    }
    void Write(const char* name, const QByteArray& xml) { WriteFile(QStringLiteral("PROJECTS/Plant/") + name, xml); }
    void Compile_Ok() {
        const TCompileResult result = Compile_Bank();
        ASSERT_TRUE(result.Ok) << result.Message.toStdString();
        ASSERT_EQ(Bank_Length, Bank_Image_Size);
    }
};

QByteArray KNX_File(const QList<QByteArray>& rows) {
    QByteArray xml = "<BACnet_to_KNX><KNX_in_Write>";
    for (const QByteArray& row : rows) xml += "<row " + row + "/>";
    return xml + "</KNX_in_Write></BACnet_to_KNX><!--SW_VERSION = 1.709-->";
}

// A KNX rule as the editor writes it, with attributes replaced or added by the case.
QByteArray KNX_Row(const QByteArray& changes = {}, const QByteArray& source = "1.1.1") {
    QList<QPair<QByteArray, QByteArray>> attributes = {
        {"Enable", "Y"},   {"Source_Address", source}, {"Destination_Address", "1/2/3"}, {"APCI", "Write"},
        {"Priority", "Low"}, {"Format", "None"},       {"MultiplicationFactor", ""},     {"Extended", "N"},
        {"ReTest", "N"},   {"On_Command", "N"},        {"On_Change", "N"},              {"On_Timer", "N"},
        {"Poll_Time", ""}, {"Position", "0"},          {"Bit_Mode", "No"},              {"Length", "1"},
        {"TimeOut", "0"},  {"Mnemonic", "m"}};
    for (const QByteArray& change : changes.split(' ')) {
        if (change.isEmpty()) continue;
        const qsizetype equals = change.indexOf('=');
        const QByteArray name = change.left(equals), value = change.mid(equals + 1).replace('_', ' ');
        bool found = false;
        for (auto& attribute : attributes)
            if (attribute.first == name) {
                attribute.second = value;
                found = true;
            }
        if (!found) attributes.append({name, value});
    }
    QByteArray row;
    for (const auto& [name, value] : attributes)
        if (value != "<none>") row += name + "=\"" + value + "\" ";
    return row;
}

QByteArray DALI2_File(const QList<QByteArray>& functions, const QList<QByteArray>& inputs) {
    QByteArray xml = "<DALI2_Access><DALI2_Functions_Rules>";
    for (const QByteArray& row : functions) xml += "<row " + row + "/>";
    xml += "</DALI2_Functions_Rules><DALI2_SetAccess_Rules>";
    for (const QByteArray& row : inputs) xml += "<row " + row + "/>";
    return xml + "</DALI2_SetAccess_Rules></DALI2_Access><!--SW_VERSION = 1.709-->";
}

QByteArray Input_Row(const QByteArray& enable, const QByteArray& device_sensor, const QByteArray& type,
                     const QByteArray& function = "0 - None", const QByteArray& position = "0") {
    return "Enable=\"" + enable + "\" DeviceSensor=\"" + device_sensor + "\" Type=\"" + type +
           "\" ChannelNumber=\"1\" Instance=\"0\" Command=\"0\" TimeSend=\"0\" TimeOut=\"0\" Function=\"" + function +
           "\" Position=\"" + position + "\" NumBytes=\"1\" Mnemonic=\"\"";
}

QByteArray Function_Row(const QByteArray& function, const QByteArray& value = "0") {
    return "Function=\"" + function + "\" Condition=\"No Condition\" Value=\"" + value +
           "\" Channel=\"DALI Channel 0\" Val=\"0\" Next_Function=\"0\" Mnemonic=\"\"";
}

TEST_F(CompilerTest, NoConfigurationFiles) {
    Compile_Ok();
    const std::vector<ByteRun> checksum = {{P + 2044, {0xC3, 0x16, 0x00, 0x00}}};  // 5827
    EXPECT_TRUE(Same_Bytes(Compiled_Image(), Expected_Image(0, {Default_Parameter_Block, checksum})));
}

TEST_F(CompilerTest, DefaultGeneralParametersFile) {
    TXMLDocument document;
    ASSERT_TRUE(Save_General_Parameters(document, TGeneralParameters{}, File_ParGen));
    Compile_Ok();
    const std::vector<ByteRun> from_file = {
        {P + 40, {192, 168, 0, 10}},                          // MTCPs_IP1 ... 4
        {P + 48, {255, 255, 255, 255}},                       // MTCPs_EN_GAT "0": no gateway
        {P + 462, {0xC8, 0x11}},                              // 1.1.200
        {P + 464, {0xC9, 0x11}},                              // 1.1.201
        {P + 466, {0xCA, 0x11}},                              // 1.1.202
        {P + 474, {0x00, 0x1B}},                              // 3/3/0
        {P + 1144, {0x01, 0x1B}},                             // 3/3/1
        {P + 1146, {0x02, 0x1B}},                             // 3/3/2
        {P + 1428, {0x03, 0x1B}},                             // 3/3/3
        {P + 1430, {0x05, 0x1B}},                             // 3/3/5, the dim point before the switch
        {P + 1432, {0x04, 0x1B}},                             // 3/3/4
        {P + 1644, {0x31, 0x2E, 0x37, 0x30, 0x39, 0, 0, 0}},  // "1.709"
        {P + 2044, {0x4A, 0x17, 0x00, 0x00}},                 // 5962
    };
    EXPECT_TRUE(Same_Bytes(Compiled_Image(), Expected_Image(0, {Default_Parameter_Block, from_file})));
}

TEST_F(CompilerTest, OneKNXRule) {
    Write("KNX_SetAccess.xml",
          KNX_File({KNX_Row("Source_Address=1.1.20 Destination_Address=1/2/3 APCI=Write Priority=Low Format=Swap16 "
                            "MultiplicationFactor=2,5 ReTest=Y On_Command=Y On_Timer=Y Poll_Time=500 Position=10 "
                            "Bit_Mode=3 Length=16 TimeOut=2000")}));
    Compile_Ok();
    const std::vector<ByteRun> rule = {
        {KNX + 0, {0xF4, 0x01, 0x00, 0x00}},   // poll time 500
        {KNX + 4, {0xD0, 0x07, 0x00, 0x00}},   // time-out 2000
        {KNX + 8, {0x03}},                     // Low
        {KNX + 9, {0x10}},                     // 16 bits
        {KNX + 10, {0x6A, 0x10}},              // swap 16 | bit mode | group | on command | re-test
        {KNX + 12, {0x80, 0x00}},              // write
        {KNX + 14, {0x14, 0x11}},              // 1.1.20
        {KNX + 16, {0x03, 0x0A}},              // 1/2/3
        {KNX + 18, {0x53, 0x00}},              // 10 * 8 + 3
        {KNX + 20, {0x00, 0x00, 0x20, 0x40}},  // 2.5
        {P + 456, {0x01, 0x00, 0x00, 0x00}},   // one rule
        {P + 2044, {0xC4, 0x16, 0x00, 0x00}},  // 5828
    };
    EXPECT_TRUE(Same_Bytes(Compiled_Image(), Expected_Image(1, {Default_Parameter_Block, rule})));
}

// One field of the first KNX record for a rule that differs from the editor's default
// row (destination 1/2/3, Write, Low, None, Bit_Mode "No", Position 0, Length 1).
TEST_F(CompilerTest, KNXRuleFields) {
    struct Case {
        const char* changes;
        int offset;  // in the record
        int size;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"Destination_Address=1.2.3", 16, 2, 0x1203},
        {"Destination_Address=1.2.3", 10, 2, 0x0000},  // an individual destination: no group flag
        {"Destination_Address=1234", 10, 2, 0x0020},
        {"Extended=y On_Change=Y", 10, 2, 0x0031},
        {"Format=float16_to_int_*_100", 10, 2, 0x9020},
        {"Position=10", 18, 2, 10},
        {"Position=x", 18, 2, 0},
        {"Position=2147483647 Bit_Mode=7", 18, 2, 0xFFFF},  // 16 bits kept
        {"Position=2147483647 Bit_Mode=7", 10, 2, 0x0060},
        {"", 20, 4, 0x3F800000},  // no factor: 1.0
        {"MultiplicationFactor=abc", 20, 4, 0x3F800000},
        {"APCI=read", 12, 2, 0},
        {"APCI=100", 12, 2, 100},
        {"Priority=System", 8, 1, 0},
        {"Priority=Urgent", 8, 1, 2},
        {"Priority=bogus", 8, 1, 1},
        {"Priority=urgent", 8, 1, 2},  // trimmed and upper-cased, as KNX_Priority_Code reads every text
        {"Priority=_low_", 8, 1, 3},
        {"Length=x", 9, 1, 1},
        {"Length=300", 9, 1, 44},
        {"On_Timer=y Poll_Time=x", 0, 4, 1000},
        {"On_Timer=Y Poll_Time=<none>", 0, 4, 1000},
        {"On_Timer=N Poll_Time=500", 0, 4, 0},
        {"TimeOut=x", 4, 4, 0},
        {"TimeOut=<none>", 4, 4, 0},
    };
    for (const Case& c : cases) {
        Write("KNX_SetAccess.xml", KNX_File({KNX_Row(c.changes)}));
        Compile_Ok();
        const std::uint32_t actual = c.size == 4 ? U32_At(c.offset) : c.size == 2 ? U16_At(c.offset) : Bank_Buffer[std::size_t(c.offset)];
        EXPECT_EQ(actual, c.expected) << c.changes << " at " << c.offset;
    }
}

TEST_F(CompilerTest, DALIDevicesAndGroups) {
    QByteArray xml = "<DALI_Access>";
    const auto element = [&xml](const QString& name, const char* text) {
        xml += ("<" + name + ">" + text + "</" + name + ">").toUtf8();
    };
    for (int n = 0; n < 64; ++n) {
        const QString d = QStringLiteral("DALI_ID_DEVICE_%1").arg(n);
        element(d, n == 0 || n == 5 ? "1" : n == 63 ? "Y" : "0");
        element(d + "_DIMMING_MODE", n == 5 || n == 63 ? "Start Break" : "Normal");
        element(d + "_MIN_MAN_VALUE", n == 5 ? "1" : "0");
        element(d + "_RECALL_LEVEL", n == 5 ? "Recall Old Value Level for Switch" : "None");
    }
    for (int n = 0; n < 17; ++n) {
        const QString g = QStringLiteral("DALI_GROUP_%1").arg(n);
        element(g + "_DIMMING_MODE", n == 0 ? "Start Break" : "Normal");
        element(g + "_MIN_MAN_VALUE", n == 0 ? "1" : "0");
        element(g + "_RECALL_LEVEL", n == 0 ? "Recall Min-Max Level for Switch" : "None");
    }
    Write("DALI_Access.xml", xml + "</DALI_Access><!--SW_VERSION = 1.709-->");
    Compile_Ok();

    std::vector<ByteRun> dali = {
        {D + 4, {0x00, 0x80}},    // device 0 enabled
        {D + 14, {0x15, 0x80}},   // device 5: enabled, start break, min-max, recall old value
        {D + 130, {0x01, 0x00}},  // device 63: "Y" does not enable it; start break
        {D + 132, {0x0D, 0x80}},  // group 1: start break, min-max, recall min-max
        {P + 2044, {0xC3, 0x16, 0x00, 0x00}},  // 5827: the DALI block is outside the checksum
    };
    for (int entry = 1; entry < 17; ++entry) dali.push_back({D + 132 + 2 * entry, {0x00, 0x80}});  // groups and broadcast
    EXPECT_TRUE(Same_Bytes(Compiled_Image(), Expected_Image(0, {Default_Parameter_Block, dali})));
}

TEST_F(CompilerTest, DALI2InputsAndFunctions) {
    Write("DALI2_Access.xml",
          DALI2_File({"Function=\"Set Out\" Condition=\"When Equal to Value\" Value=\"Short Press\" "
                      "Channel=\"DALI Group 3\" Val=\"200\" Next_Function=\"2\" Mnemonic=\"a\"",
                      "Function=\"Toggle\" Condition=\"AND Logic with Value\" Value=\"Still Occupied\" "
                      "Channel=\"DALI Broadcast\" Val=\"0\" Next_Function=\"0\" Mnemonic=\"b\"",
                      "Function=\"Addition\" Condition=\"When Greater to Value\" Value=\"12,5\" "
                      "Channel=\"DALI Channel 7\" Val=\"300\" Next_Function=\"\" Mnemonic=\"c\""},
                     {"Enable=\"Y\" DeviceSensor=\"Sensor\" Type=\"Push Button\" ChannelNumber=\"5\" Instance=\"2\" "
                      "Command=\"0\" TimeSend=\"1000\" TimeOut=\"3000\" Function=\"1 - a\" Position=\"10\" "
                      "NumBytes=\"2\" Mnemonic=\"\"",
                      Input_Row("N", "Device", "Dimmer", "2 - b", "500"),
                      "Enable=\"Y\" DeviceSensor=\"Device\" Type=\"Led Lamp\" ChannelNumber=\"63\" Instance=\"0\" "
                      "Command=\"255\" TimeSend=\"0\" TimeOut=\"0\" Function=\"0 - None\" Position=\"20\" "
                      "NumBytes=\"\" Mnemonic=\"\""}));
    Compile_Ok();
    const std::vector<ByteRun> dali2 = {
        // input 0: instance 2 + channel 5 * 256 + push button 1 * 16384 + sensor * 262144 + two bytes * 2^29
        {IN + 0, {0x02, 0x45, 0x04, 0x20}},
        {IN + 4, {0xE8, 0x03, 0x00, 0x00}},   // send time 1000
        {IN + 8, {0xB8, 0x0B, 0x00, 0x00}},   // time-out 3000
        {IN + 12, {0x0A, 0x00}},              // position 10
        {IN + 14, {0x00}},                    // command 0
        {IN + 16, {0x01, 0x00, 0x00, 0x00}},  // function 1
        // input 1 (the disabled row takes none): channel 63 * 256 + led lamp 6 * 16384
        {IN + 20, {0x00, 0xBF, 0x01, 0x00}},
        {IN + 32, {0x14, 0x00}},  // position 20
        {IN + 34, {0xFF}},        // command 255
        // function 1: next 2, set out 17, equal 1, short press 2.0, group 3 = 66, brightness 200
        {FN + 12, {0x02, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x40, 0x42, 0xC8}},
        // function 2: toggle 20, and 4, still occupied 6.0, broadcast 80
        {FN + 24, {0x00, 0x14, 0x04, 0x00, 0x00, 0x00, 0xC0, 0x40, 0x50, 0x00}},
        // function 3: addition 3, greater 3, 12.5, channel 7, brightness 300 keeps its low byte 44
        {FN + 36, {0x00, 0x03, 0x03, 0x00, 0x00, 0x00, 0x48, 0x41, 0x07, 0x2C}},
        {P + 120, {0x15, 0x00, 0x00, 0x00}},   // highest position 20 + 1
        {P + 1576, {0x02, 0x00, 0x00, 0x00}},  // two input rules
        {P + 2044, {0xDA, 0x16, 0x00, 0x00}},  // 5850
    };
    EXPECT_TRUE(Same_Bytes(Compiled_Image(), Expected_Image(0, {Default_Parameter_Block, dali2})));
}

TEST_F(CompilerTest, DALIAccessFileEdgeCases) {
    const struct {
        QByteArray xml;
        std::uint16_t device0, device1, group1;
    } cases[] = {
        {"<DALI_Access/>", 0, 0, 0x8000},
        {"<!--first--><DALI_Access><DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0></DALI_Access>", 0, 0, 0x8000},
        // the first element of a name counts
        {"<DALI_Access><DALI_ID_DEVICE_0>1</DALI_ID_DEVICE_0><DALI_ID_DEVICE_0>0</DALI_ID_DEVICE_0>"
         "<DALI_ID_DEVICE_1_RECALL_LEVEL>Recall Min-Max Level for Switch</DALI_ID_DEVICE_1_RECALL_LEVEL>"
         "<DALI_GROUP_0_DIMMING_MODE>start break</DALI_GROUP_0_DIMMING_MODE></DALI_Access>",
         0x8000, 0x0008, 0x8000},
    };
    for (const auto& c : cases) {
        Write("DALI_Access.xml", c.xml);
        Compile_Ok();
        EXPECT_EQ(U16_At(D + 4), c.device0) << c.xml.toStdString();
        EXPECT_EQ(U16_At(D + 6), c.device1) << c.xml.toStdString();
        EXPECT_EQ(U16_At(D + 132), c.group1) << c.xml.toStdString();
        EXPECT_EQ(U16_At(D + 164), 0x8000) << "broadcast";
    }
}

TEST_F(CompilerTest, KNXRuleCountSkipsDisabledRulesAndUnusedRecordsKeepTheirFactor) {
    Write("KNX_SetAccess.xml", KNX_File({KNX_Row("Enable=N", "1.1.1"), KNX_Row("", "1.1.2"), KNX_Row("", "1.1.3")}));
    Compile_Ok();
    EXPECT_EQ(U32_At(P + 456), 2u);
    EXPECT_EQ(U16_At(0 * 24 + 14), 0x1102);
    EXPECT_EQ(U16_At(1 * 24 + 14), 0x1103);
    EXPECT_EQ(U16_At(2 * 24 + 14), 0);
    EXPECT_EQ(F32_At(2 * 24 + 20), 1.0f);
}

TEST_F(CompilerTest, GeneralParameterVariants) {
    struct Case {
        const char* elements;
        int offset;
        std::uint32_t expected;
        int size;
    };
    const Case cases[] = {
        {"", P + 40, 0x0A00A8C0, 4},                                               // 192.168.0.10
        {"", P + 48, 0xFFFFFFFF, 4},                                               // gateway missing: none
        {"", P + 474, 0x3300, 2},                                                  // 6/3/0
        {"", P + 1430, 0x3305, 2},                                                 // 6/3/5
        {"<MTCPs_EN_GAT>1</MTCPs_EN_GAT>", P + 48, 0x0100A8C0, 4},                 // 192.168.0.1
        {"<MTCPs_EN_GAT>1</MTCPs_EN_GAT><MTCPs_GAT4>300</MTCPs_GAT4>", P + 51, 44, 1},  // low byte kept
        {"<KNX_ID_DEV>15.15.255</KNX_ID_DEV>", P + 462, 0xFFFF, 2},
        {"<KNX_ID_DEV>1.5</KNX_ID_DEV>", P + 462, 0x1105, 2},
        {"<KNX_ETHERNET_INTERFACE_ENABLE>0</KNX_ETHERNET_INTERFACE_ENABLE><KNX_ID_TUNNEL>1.1.1</KNX_ID_TUNNEL>",
         P + 464, 0x90A0, 2},
        {"<KNX_ETHERNET_INTERFACE_ENABLE>0</KNX_ETHERNET_INTERFACE_ENABLE>", P + 1892, 0x2, 4},
        // A flag is on only for "1", as the form shows it.
        {"<KNX_ETHERNET_INTERFACE_ENABLE>yes</KNX_ETHERNET_INTERFACE_ENABLE>", P + 1892, 0x2, 4},
        {"<KNX_ETHERNET_INTERFACE_ENABLE/><KNX_ID_TUNNEL>1.1.1</KNX_ID_TUNNEL>", P + 464, 0x90A0, 2},
        {"<KNX_ETHERNET_INTERFACE_ENABLE>1</KNX_ETHERNET_INTERFACE_ENABLE><KNX_ID_TUNNEL>1.1.1</KNX_ID_TUNNEL>",
         P + 464, 0x1101, 2},
        {"<MTCPs_EN_GAT>yes</MTCPs_EN_GAT>", P + 48, 0xFFFFFFFF, 4},
        {"<MTCPs_EN_GAT/>", P + 48, 0xFFFFFFFF, 4},
        {"<KNX_ID_TUNNEL>1.1.1</KNX_ID_TUNNEL><KNX_TUNNEL_PORT>x</KNX_TUNNEL_PORT>", P + 464, 0x1101, 2},
        {"<KNX_TUNNEL_PORT>x</KNX_TUNNEL_PORT>", P + 470, 50001, 2},
        {"<DALI_DISABLE_SCAN>1</DALI_DISABLE_SCAN><DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2>", P + 1892, 0x30000, 4},
        {"<DALI_ENABLE_DALI_2>true</DALI_ENABLE_DALI_2>", P + 1892, 0, 4},
        {"<DALI_DATA_POINT>1/500</DALI_DATA_POINT>", P + 474, 0x09F4, 2},
        {"<DALI_DATA_POINT>7</DALI_DATA_POINT>", P + 474, 7, 2},
        {"<KNX_TIMEOUT_DALI>0</KNX_TIMEOUT_DALI>", P + 1896, 0, 4},
        {"<DALI_CONSOLE_PORT>10002</DALI_CONSOLE_PORT>", P + 56, 10002, 2},
    };
    for (const Case& c : cases) {
        Write("ParGen.xml", QByteArray("<Par_Gen>") + c.elements + "</Par_Gen>");
        Compile_Ok();
        const std::uint32_t actual = c.size == 4 ? U32_At(c.offset) : c.size == 2 ? U16_At(c.offset) : Bank_Buffer[std::size_t(c.offset)];
        EXPECT_EQ(actual, c.expected) << c.elements << " at " << c.offset;
        EXPECT_EQ(U32_At(P + 2044), std::accumulate(Bank_Buffer.begin() + P, Bank_Buffer.begin() + P + 2044, 0u))
            << c.elements;
    }
}

TEST(AddressEncoders, GeneralParametersAndRules) {
    struct Case {
        const char* text;
        std::uint16_t individual, group, rule_individual, rule_group;
    };
    const Case cases[] = {
        {"1.1.20", 0x1114, 0x3300, 0x1114, 0},
        {" 1. 1. 20 ", 0x1114, 0x3300, 0x1114, 0},  // parts trimmed, as the checks trim them
        {"15.15.255", 0xFFFF, 0x3300, 0xFFFF, 0},
        {"1.5", 0x1105, 0x3300, 0x1005, 0},
        {"x.y.z", 0x1114, 0x3300, 0, 0},
        {"4000", 4000, 4000, 4000, 4000},
        {"abc", 4372, 0x3300, 0, 0},
        {"6/3/0", 4372, 0x3300, 0, 0x3300},
        {"1/500", 4372, 0x09F4, 0, 0x09F4},
        {"1/2/3", 4372, 0x0A03, 0, 0x0A03},
        {"33/2/3", 4372, 0x0A03, 0, 0x0A03},  // 16 bits kept, and the rule keeps 5 bits of the main group
        {"1/x/3", 4372, 0x0903, 0, 0x0803},
        {"1/2/x", 4372, 0x0A14, 0, 0x0A00},
        // Any number a file holds wraps to the 16 bits kept.
        {"2147483647.0.0", 0xF000, 0x3300, 0xF000, 0},
        {"2147483647/0/0", 4372, 0xF800, 0, 0xF800},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(Encode_Individual_Address(text), c.individual) << c.text;
        EXPECT_EQ(Encode_Group_Address(text), c.group) << c.text;
        EXPECT_EQ(Encode_KNX_Rule_Address(text, false), c.rule_individual) << c.text;
        EXPECT_EQ(Encode_KNX_Rule_Address(text, true), c.rule_group) << c.text;
    }
}

TEST(DALI2Codes, CellTextsOfTheRuleTables) {
    SetDecimalSeparatorSource([] { return QStringLiteral(","); });
    EXPECT_EQ(DALI2_Value_Code("Still Occupied"), 6.0f);
    EXPECT_EQ(DALI2_Value_Code(" Long Press Stop "), 12.0f);
    EXPECT_EQ(DALI2_Value_Code("12.5"), 12.5f);  // either separator, as the editor's check reads it
    EXPECT_EQ(DALI2_Value_Code("12,5"), 12.5f);
    EXPECT_EQ(DALI2_Value_Code(""), 1.0f);
    EXPECT_EQ(DALI2_Value_Code("abc"), 1.0f);
    SetDecimalSeparatorSource({});

    EXPECT_EQ(DALI2_Function_Code("Ramp Stop"), 22);
    EXPECT_EQ(DALI2_Function_Code("ramp stop"), 0);
    EXPECT_EQ(DALI2_Condition_Code("NOR Logic with Value "), 8);
    EXPECT_EQ(DALI2_Channel_Code("DALI Channel 63"), 63);
    EXPECT_EQ(DALI2_Channel_Code("DALI Group 16"), 79);
    EXPECT_EQ(DALI2_Channel_Code("DALI Group x"), 64);
    EXPECT_EQ(std::uint8_t(DALI2_Channel_Code("DALI Group 2147483647")), 62);  // the low byte is stored
    EXPECT_EQ(DALI2_Channel_Code("DALI Broadcast"), 80);
    EXPECT_EQ(DALI2_Channel_Code("Channel 5"), 0);
    EXPECT_EQ(DALI2_Sensor_Flag("Device"), 0);
    EXPECT_EQ(DALI2_Sensor_Flag(" Device "), 0);
    EXPECT_EQ(DALI2_Sensor_Flag("Sensor"), 1);
    EXPECT_EQ(DALI2_Sensor_Flag(" Sensor "), 1);
    EXPECT_EQ(DALI2_Sensor_Flag("sensor"), 0);  // DALI-2 texts are exact: any other text is a device
    EXPECT_EQ(DALI2_Sensor_Flag(""), 0);
    EXPECT_EQ(DALI2_Type_Code(0, "Sequencer"), 9);
    EXPECT_EQ(DALI2_Type_Code(0, "led lamp "), 6);
    EXPECT_EQ(DALI2_Type_Code(1, "RELATIVE INPUT"), 6);
    EXPECT_EQ(DALI2_Type_Code(1, "Dimmer"), 0);
    EXPECT_EQ(DALI2_Event_Code("Button Stuck"), 15);
    EXPECT_EQ(DALI2_Event_Code("300"), 300);
    EXPECT_EQ(DALI2_Event_Code("x"), 0);
    EXPECT_EQ(DALI2_Function_Reference("3 - Lights"), 3);
    EXPECT_EQ(DALI2_Function_Reference(" 3 "), 3);  // the editor reads a cell without a blank whole
    EXPECT_EQ(DALI2_Function_Reference("0 - None"), 0);
    EXPECT_EQ(DALI2_Function_Reference(""), 0);
}

// Hand-edited rows: the flags as the shared cell rules read them, and every row of a
// list walked in order, whatever an earlier row's key cell holds.
TEST_F(CompilerTest, HandEditedRowsAreReadRowByRow) {
    Write("KNX_SetAccess.xml", KNX_File({KNX_Row("Enable=y", "1.1.1"), KNX_Row("Enable=_Y_", " 1. 1. 2 "),
                                         KNX_Row("Enable=<none>", "1.1.3"), KNX_Row("", ""), KNX_Row("Enable=N", "1.1.6"),
                                         KNX_Row("Enable=yes", "1.1.7"), KNX_Row("", "1.1.5")}));
    Write("DALI2_Access.xml",
          DALI2_File({Function_Row("Set Out"), Function_Row("Toggle", "2,5"), Function_Row(" "), Function_Row("Dim Up")},
                     {Input_Row("y", "Sensor", "Push Button"), Input_Row("_Y", "Sensor", "Push Button"),
                      Input_Row("N", "Sensor", "Push Button"),
                      "DeviceSensor=\"Sensor\" Type=\"Dimmer\" ChannelNumber=\"1\" Instance=\"0\" Command=\"0\" "
                      "TimeSend=\"0\" TimeOut=\"0\" Function=\"\" Position=\"0\" NumBytes=\"1\"",
                      Input_Row("Y", " ", "Dimmer"), Input_Row("Y", "sensor", "Dimmer"),
                      Input_Row("Y", " Sensor ", "push button", "2"), Input_Row("Y", "Gadget", "Led Lamp"),
                      "Enable=\"Y\" Type=\"Converter\" ChannelNumber=\"1\" Function=\"3\" NumBytes=\"1\""}));
    Compile_Ok();
    // KNX: Enable trimmed and upper-cased "Y" (missing counts as "Y"); an empty source
    // address is a rule like any other and the rows after it are compiled too.
    const std::uint16_t sources[] = {0x1101, 0x1102, 0x1103, 0x0000, 0x1105};
    EXPECT_EQ(U32_At(P + 456), std::size(sources));
    for (std::size_t i = 0; i < std::size(sources); ++i) EXPECT_EQ(U16_At(int(i) * 24 + 14), sources[i]) << i;
    // DALI-2 inputs: only an Enable of exactly "Y" compiles; Dev/Sen "Sensor" (trimmed) is
    // a sensor, any other text, blank or missing, a device, and the walk goes on.
    const std::uint32_t words[] = {256u + 4 * 16384,               // blank Dev/Sen: device, Dimmer
                                   256u + 4 * 16384,               // "sensor": device, Dimmer
                                   256u + 1 * 16384 + 262144,      // " Sensor ": sensor, Push Button
                                   256u + 6 * 16384,               // "Gadget": device, Led Lamp
                                   256u + 5 * 16384};              // no Dev/Sen: device, Converter
    EXPECT_EQ(U32_At(P + 1576), std::size(words));
    for (std::size_t i = 0; i < std::size(words); ++i) EXPECT_EQ(U32_At(IN + int(i) * 20), words[i]) << i;
    EXPECT_EQ(U32_At(IN + 2 * 20 + 16), 2u);
    EXPECT_EQ(U32_At(IN + 4 * 20 + 16), 3u);  // a function number without a mnemonic counts
    // Functions: row k is record k; an empty Function is code 0 and the rows after it count.
    EXPECT_EQ(Bank_Buffer[FN + 12 + 1], 17);
    EXPECT_EQ(F32_At(FN + 24 + 4), 2.5f);  // either decimal separator
    EXPECT_EQ(Bank_Buffer[FN + 36 + 1], 0);
    EXPECT_EQ(Bank_Buffer[FN + 36 + 8], 0);  // the blank row's channel: DALI Channel 0
    EXPECT_EQ(Bank_Buffer[FN + 48 + 1], 18);
}

TEST_F(CompilerTest, BrokenFilesStopTheCompilationWithAMessage) {
    struct Case {
        const char* file;
        QByteArray xml;
        const char* message;
    };
    const Case cases[] = {
        {"KNX_SetAccess.xml", "<BACnet_to_KNX><KNX_in_Write>", "KNX_SetAccess.xml is not a valid XML file"},
        {"ParGen.xml", "<Par_Gen><MTCPs_IP1>1</Par_Gen>", "ParGen.xml is not a valid XML file"},
        {"DALI_Access.xml", "<<", "DALI_Access.xml is not a valid XML file"},
        {"KNX_SetAccess.xml", "<BACnet_to_KNX/>", "list \"KNX_in_Write\" is missing"},
        {"KNX_SetAccess.xml", KNX_File({KNX_Row(), KNX_Row("APCI=<none>")}), "row 2: the attribute \"APCI\" is missing"},
        {"KNX_SetAccess.xml", KNX_File({KNX_Row("Bit_Mode=<none>")}), "row 1: the attribute \"Bit_Mode\" is missing"},
        {"DALI2_Access.xml", "<Other/>", "the root element \"DALI2_Access\" is missing"},
        {"DALI2_Access.xml", "<DALI2_Access><DALI2_SetAccess_Rules/></DALI2_Access>",
         "list \"DALI2_Functions_Rules\" is missing"},
        {"DALI2_Access.xml", "<DALI2_Access><DALI2_Functions_Rules/></DALI2_Access>",
         "list \"DALI2_SetAccess_Rules\" is missing"},
        {"DALI2_Access.xml", DALI2_File({}, {Input_Row("Y", "Sensor", "Push Button").replace("NumBytes=\"1\"", "")}),
         "row 1: the attribute \"NumBytes\" is missing"},
        {"DALI2_Access.xml", DALI2_File({}, {Input_Row("Y", "Device", "Dimmer").replace("Function=\"0 - None\"", "")}),
         "row 1: the attribute \"Function\" is missing"},
    };
    for (const Case& c : cases) {
        for (const char* name : {"ParGen.xml", "DALI_Access.xml", "DALI2_Access.xml", "KNX_SetAccess.xml"})
            DeleteFile(PathIn(QStringLiteral("PROJECTS/Plant/") + name));
        Write(c.file, c.xml);
        const TCompileResult result = Compile_Bank();
        EXPECT_FALSE(result.Ok) << c.message;
        EXPECT_TRUE(result.Message.contains(QString::fromUtf8(c.message))) << result.Message.toStdString();
        EXPECT_EQ(Bank_Length, 0) << c.message;
    }
    // A disabled KNX rule needs none of the required attributes; a device row needs no NumBytes.
    Write("KNX_SetAccess.xml", KNX_File({"Enable=\"N\" Source_Address=\"1.1.1\""}));
    Write("DALI2_Access.xml", DALI2_File({}, {Input_Row("Y", "Device", "Dimmer").replace("NumBytes=\"1\"", "")}));
    Compile_Ok();
}

TEST_F(CompilerTest, ListsLongerThanTheirTablesStopTheCompilation) {
    const auto knx = [](int rows) {
        QList<QByteArray> list;
        for (int i = 0; i < rows; ++i) list << KNX_Row();
        return KNX_File(list);
    };
    const auto inputs = [](int rows) {
        QList<QByteArray> list;
        for (int i = 0; i < rows; ++i) list << Input_Row("Y", "Device", "Dimmer");
        return DALI2_File({}, list);
    };
    const auto functions = [](int rows) {
        QList<QByteArray> list;
        for (int i = 0; i < rows; ++i) list << Function_Row("Toggle");
        return DALI2_File(list, {});
    };
    const struct {
        const char* file;
        QByteArray xml;
        const char* message;  // empty when the list fits
        int count_offset;
        std::uint32_t count;
    } cases[] = {
        {"KNX_SetAccess.xml", knx(1024), "", P + 456, 1024},
        {"KNX_SetAccess.xml", knx(1025), "\"KNX_in_Write\": more rules than the device holds (at most 1024)", 0, 0},
        {"DALI2_Access.xml", inputs(256), "", P + 1576, 256},
        {"DALI2_Access.xml", inputs(257), "\"DALI2_SetAccess_Rules\": more rules than the device holds (at most 256)", 0, 0},
        {"DALI2_Access.xml", functions(255), "", 0, 0},
        {"DALI2_Access.xml", functions(256), "\"DALI2_Functions_Rules\": more rules than the device holds (at most 255)", 0, 0},
    };
    for (const auto& c : cases) {
        for (const char* name : {"DALI2_Access.xml", "KNX_SetAccess.xml"}) DeleteFile(PathIn(QStringLiteral("PROJECTS/Plant/") + name));
        Write(c.file, c.xml);
        const TCompileResult result = Compile_Bank();
        if (QByteArray(c.message).isEmpty()) {
            ASSERT_TRUE(result.Ok) << result.Message.toStdString();
            if (c.count_offset) EXPECT_EQ(U32_At(c.count_offset), c.count);
        } else {
            EXPECT_FALSE(result.Ok);
            EXPECT_TRUE(result.Message.contains(QString::fromUtf8(c.message))) << result.Message.toStdString();
        }
    }
    // The 255th function row is the last record of the table.
    Write("DALI2_Access.xml", functions(255));
    Compile_Ok();
    EXPECT_EQ(Bank_Buffer[FN + 255 * 12 + 1], 20);
}

TEST_F(CompilerTest, WritingTheImage) {
    // Without a compiled image nothing is written.
    Bank_Length = 0;
    EXPECT_FALSE(Save_Bin().Ok);
    EXPECT_FALSE(FileExists(Bank_File_Path()));

    // The bin folder is created when it is missing.
    ASSERT_TRUE(Create_Bin().Ok);
    const TCompileResult written = Save_Bin();
    ASSERT_TRUE(written.Ok) << written.Message.toStdString();
    const QByteArray file = ReadFile(QStringLiteral("PROJECTS/Plant/bin/bank.bin"));
    ASSERT_EQ(file.size(), Bank_Image_Size);
    EXPECT_EQ(0, std::memcmp(file.constData(), Bank_Buffer.data(), std::size_t(Bank_Image_Size)));

    // A failed write says so and leaves the old image.
    QFile::remove(Bank_File_Path());
    QDir(Project_Folder).rmdir(QStringLiteral("bin"));
    WriteFile(QStringLiteral("PROJECTS/Plant/bin"), "not a folder");
    const TCompileResult failed = Save_Bin();
    EXPECT_FALSE(failed.Ok);
    EXPECT_TRUE(failed.Message.contains(QStringLiteral("could not be written"))) << failed.Message.toStdString();
}

}  // namespace
