// Agreement between the cell rules the editors' checks apply and the compiler: each cell
// text the rules accept, saved by the editors' writers, compiles to what the cell shows;
// the texts they refuse are the ones that would not.

#include "editors/dali_knx/dali_access_file.h"
#include "editors/dali_knx/knx_access_file.h"

#include "config/configuration_compiler.h"
#include "config/rule_cell_rules.h"
#include "core/address_helpers.h"
#include "editors/configuration_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int P = 32768, IN = 24576, FN = 29696;

std::uint32_t U32_At(int offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, &Bank_Buffer[std::size_t(offset)], 4);
    return value;
}
std::uint16_t U16_At(int offset) { return std::uint16_t(Bank_Buffer[std::size_t(offset)] | Bank_Buffer[std::size_t(offset) + 1] << 8); }
float F32_At(int offset) {
    float value = 0;
    std::memcpy(&value, &Bank_Buffer[std::size_t(offset)], 4);
    return value;
}

const char* const Formats[] = {"None", "Swap16", "Swap32", "Swap All", "Int to Float", "Float to Int",
                               "Float16 to Float32", "Float16 to Int", "Float16 to Int * 10", "Float16 to Int * 100"};

QStringList KNX_Rule(int position) {
    return {"Y", "1.1.1", "1/2/3", "Write", "Normal", "None", "", "N", "N", "N", "N", "N", "", QString::number(position),
            "No", "1", "0", ""};
}

class CellAgreementTest : public ConfigurationFixture {
protected:
    void Compile(const TCellTable& knx, const TDALI2Tables& dali2) {
        ASSERT_TRUE(Save_KNX_Access_File(File_KNX_SetAccess, knx));
        ASSERT_TRUE(Save_DALI_Access_Files(File_DALI_Access, File_DALI2_Access, Default_DALI_Device_Tables({}), dali2).Ok);
        const TCompileResult result = Compile_Bank();
        ASSERT_TRUE(result.Ok) << result.Message.toStdString();
    }
};

// Each KNX row carries one case in one cell; the row's Position tells its record apart.
TEST_F(CellAgreementTest, KNXCellsCompileAsTheRulesReadThem) {
    for (const char* separator : {".", ","}) {
        SCOPED_TRACE(separator);
        SetDecimalSeparatorSource([separator] { return QString::fromLatin1(separator); });
        struct Case {
            int column;
            const char* text;
        };
        std::vector<Case> cases = {
            {KNX_Enable, "Y"},        {KNX_Enable, " y "},     {KNX_Enable, "N"},        {KNX_Enable, "yes"},
            {KNX_Extended, "y"},      {KNX_Extended, " Y"},    {KNX_ReTest, "Y"},        {KNX_On_Change, "y"},
            {KNX_On_Command, "Y"},    {KNX_Priority, "System"}, {KNX_Priority, "Urgent"}, {KNX_Priority, "Low"},
            {KNX_Priority, "low"},    {KNX_Format, " swap16 "}, {KNX_Format, "Swap 16"},  {KNX_Format, "float16 to int * 10"},
            {KNX_MultiplicationFactor, "0,5"}, {KNX_MultiplicationFactor, "0.25"},
            {KNX_MultiplicationFactor, "3.4028235e38"}, {KNX_MultiplicationFactor, "1e-50"},
            {KNX_MultiplicationFactor, "abc"}, {KNX_Bit_Mode, "no"}, {KNX_Bit_Mode, "3"}};
        for (const char* format : Formats) cases.push_back({KNX_Format, format});
        TCellTable knx;
        for (std::size_t i = 0; i < cases.size(); ++i) {
            knx.push_back(KNX_Rule(int(i)));
            knx.back()[cases[i].column] = QString::fromUtf8(cases[i].text);
        }
        Compile(knx, {});
        // Records hold the enabled rows in order; the position tells which case each is.
        std::map<int, int> record_of_case;
        for (std::uint32_t r = 0; r < U32_At(P + 456); ++r) {
            const int position = U16_At(int(r) * 24 + 18);
            record_of_case[(U16_At(int(r) * 24 + 10) & KNX_Flag_Bit_Mode) ? position / 8 : position] = int(r);
        }
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            const QString text = QString::fromUtf8(c.text);
            SCOPED_TRACE(c.text);
            const bool compiled = record_of_case.count(int(i)) > 0;
            if (c.column == KNX_Enable) {
                EXPECT_EQ(compiled, KNX_Enable_Is_On(text));
                continue;
            }
            ASSERT_TRUE(compiled);
            const int base = record_of_case[int(i)] * 24;
            const std::uint16_t flags = U16_At(base + 10);
            switch (c.column) {
            case KNX_Extended: EXPECT_EQ(bool(flags & KNX_Flag_Extended), KNX_Flag_Is_On(text)); break;
            case KNX_ReTest: EXPECT_EQ(bool(flags & KNX_Flag_ReTest), KNX_Flag_Is_On(text)); break;
            case KNX_On_Change: EXPECT_EQ(bool(flags & KNX_Flag_On_Change), KNX_Flag_Is_On(text)); break;
            case KNX_On_Command: EXPECT_EQ(bool(flags & KNX_Flag_On_Command), KNX_Flag_Is_On(text)); break;
            case KNX_Priority: {
                // A listed priority compiles to its place in the list System, Normal, Urgent, Low.
                const int code = Bank_Buffer[std::size_t(base + 8)];
                if (KNX_Priority_Is_Listed(text)) EXPECT_EQ(code, KNX_Priority_Code(text));
                break;
            }
            case KNX_Format: {
                const int nibble = flags >> 12;
                if (!KNX_Format_Is_Known(text)) {
                    EXPECT_EQ(nibble, 0);  // refused by the check: it would compile as "None"
                    break;
                }
                const auto listed = std::find_if(std::begin(Formats), std::end(Formats), [&text](const char* format) {
                    return text.trimmed().compare(QString::fromLatin1(format), Qt::CaseInsensitive) == 0;
                });
                ASSERT_NE(listed, std::end(Formats));
                EXPECT_EQ(nibble, listed - std::begin(Formats));
                break;
            }
            case KNX_MultiplicationFactor: {
                float shown = 0;
                if (Read_Decimal_Cell(text, shown)) EXPECT_EQ(F32_At(base + 20), shown);
                else EXPECT_EQ(F32_At(base + 20), 1.0f);
                break;
            }
            case KNX_Bit_Mode:
                EXPECT_EQ(bool(flags & KNX_Flag_Bit_Mode), !KNX_Bit_Mode_Is_Byte(text));
                break;
            }
        }
    }
}

// DALI-2 rows: the enable, Dev/Sen and type, function references and values with either
// decimal separator.
TEST_F(CellAgreementTest, DALI2CellsCompileAsTheRulesReadThem) {
    SetDecimalSeparatorSource([] { return QStringLiteral(","); });
    const struct {
        const char* enable;
        const char* device_sensor;
        const char* type;
        const char* function;
    } inputs[] = {
        {"Y", "Device", "Dimmer", "2 - Hall"},    {"Y", "Sensor", "push button", "3"}, {"Y", " Sensor ", "Light Sensor", ""},
        {"Y", "sensor", "Push Button", "0 - None"}, {"Y", "Device", "Push Button", "1"}, {"y", "Device", "Dimmer", "1"},
        {"N", "Sensor", "Push Button", "1"},      {"Y", "Gadget", "Dimmer", "1"},      {"Y", "Device", "Led Lamp", "4"},
        {"Y", "Device", "Sequencer", "x"}};
    const char* const values[] = {"12,5", "12.5", "Occupied", "-3"};
    TDALI2Tables dali2;
    for (const char* value : values)
        dali2.Functions.push_back({"Toggle", "When Equal to Value", value, "DALI Group 2", "", "", ""});
    const int function_count = int(dali2.Functions.size());
    for (std::size_t i = 0; i < std::size(inputs); ++i)
        dali2.Set_Access.push_back({inputs[i].enable, inputs[i].device_sensor, inputs[i].type, "1", "0", "0", "0", "0",
                                    inputs[i].function, QString::number(i), "1", ""});
    Compile({}, dali2);

    int record = 0;
    for (std::size_t i = 0; i < std::size(inputs); ++i) {
        SCOPED_TRACE(i);
        const QString enable = QString::fromUtf8(inputs[i].enable), kind = QString::fromUtf8(inputs[i].device_sensor),
                      type = QString::fromUtf8(inputs[i].type), function = QString::fromUtf8(inputs[i].function);
        // The writer stores the check box: ticked exactly for "Y".
        if (!DALI2_Enable_Is_On(enable)) continue;
        const int base = IN + 20 * record++;
        EXPECT_EQ(U16_At(base + 12), i);
        if (!DALI2_Type_Fits(kind, type) || !DALI2_Function_Reference_Fits(function, function_count)) continue;
        const std::uint32_t word = U32_At(base);
        const bool sensor = kind.trimmed() == u"Sensor";
        EXPECT_EQ((word >> 18) & 1, sensor ? 1u : 0u);
        const auto types = sensor ? DALI2_Sensor_Types() : DALI2_Device_Types();
        const auto listed = std::find_if(types.begin(), types.end(), [&type](const char16_t* name) {
            return type.trimmed().compare(QString::fromUtf16(name), Qt::CaseInsensitive) == 0;
        });
        EXPECT_EQ((word >> 14) & 15, std::uint32_t(listed - types.begin()));
        EXPECT_EQ(U32_At(base + 16), std::uint32_t(DALI2_Function_Number(function).value_or(0)));
    }
    EXPECT_EQ(U32_At(P + 1576), std::uint32_t(record));
    for (std::size_t k = 0; k < std::size(values); ++k) {
        float shown = 0;
        const QString value = QString::fromUtf8(values[k]);
        const int base = FN + 12 * int(k + 1);
        if (Read_Decimal_Cell(value, shown)) EXPECT_EQ(F32_At(base + 4), shown) << values[k];
        else EXPECT_EQ(F32_At(base + 4), DALI2_Value_Code(value)) << values[k];
        EXPECT_EQ(Bank_Buffer[std::size_t(base + 8)], 65);  // DALI Group 2
    }
}

// The fullest tables the editors can save compile without a limit message.
TEST_F(CellAgreementTest, FullestEditorTablesCompile) {
    TCellTable knx(KNX_Editor_Rows, KNX_Rule(0));
    TDALI2Tables dali2;
    dali2.Functions.assign(DALI2_Function_Editor_Rows, {"Toggle", "No Condition", "1", "DALI Broadcast", "", "", ""});
    dali2.Set_Access.assign(DALI2_Input_Editor_Rows,
                            {"Y", "Device", "Dimmer", "1", "0", "0", "0", "0", "250 - Last", "0", "1", ""});
    Compile(knx, dali2);
    EXPECT_EQ(U32_At(P + 456), 1024u);
    EXPECT_EQ(U32_At(P + 1576), 256u);
    EXPECT_EQ(Bank_Buffer[std::size_t(FN + 12 * 250 + 1)], 20);
}

}  // namespace
