#include "editors/fieldbus/can_transmit_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "editors/fieldbus/can_colors.h"
#include "editors/rule_editor/rule_table.h"

#include <array>

namespace {

constexpr int kClientWidth = 1100;
constexpr int kMax_Byte = 512;
constexpr int kOn_Timer_Column = 7;

const QString Empty;
const QString Off = QStringLiteral("N");
const QString On = QStringLiteral("Y");

const std::array<TRuleColumn, 18> kColumns = [] {
    const auto when = [](int type) { return TFTransmitCAN::Send_Type == type ? On : Off; };
    std::array<TRuleColumn, 18> columns = {{
        {2108, 40, TRuleCell::Number, Window_Color, nullptr, std::nullopt},
        {2109, 50, TRuleCell::Check, CAN_Enable_Color, "Enable", On, 2131},
        {2110, 90, TRuleCell::Edit, CAN_Frame_Color, "COBID", Empty, 2132},
        {2111, 90, TRuleCell::ComboList, CAN_Frame_Color, "CAN_Type",
         TFTransmitCAN::CAN_Type == 0 ? CAN_Type_11_Bits : CAN_Type_29_Bits, 2133},
        {2112, 70, TRuleCell::Edit, CAN_Frame_Color, "Dim", Empty, 2134},
        {2113, 65, TRuleCell::Check, CAN_Timing_Color, "OnChange", when(0), 2135},
        {2162, 50, TRuleCell::Check, CAN_Timing_Color, "OnCMD", Off, 2163},
        {2114, 55, TRuleCell::Check, CAN_Timing_Color, "OnTimer", when(1), 2136},
        {2115, 70, TRuleCell::Edit, CAN_Timing_Color, "Time", QString::number(TFTransmitCAN::Send_Time), 2137},
    }};
    columns[8].Default_When_On = kOn_Timer_Column;
    static const char* const bytes[] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};
    for (int k = 1; k <= 8; ++k)
        columns[std::size_t(8 + k)] = {2115 + k, 48, TRuleCell::ComboList, CAN_Byte_Color, bytes[k - 1], Empty, 2137 + k};
    columns[17] = {2124, 110, TRuleCell::Edit, Window_Color, "Mnemonic", Empty, 2146};
    return columns;
}();

const TRuleTable kTable{nullptr, kColumns, CAN_CobID_Column, CAN_Enable_Column};

const TCANFrameForm kForm{
    "FTransmitCAN", "ACG_CAN_Transmit", kClientWidth, &kTable,
    {.On_Timer = kOn_Timer_Column, .Time = 8, .First_Byte = 9, .Max_Byte = kMax_Byte, .Error_Row_Text = 2147,
     .CobID_11_Text = 2148, .Byte1_Text = 2152},
    "Transmit_Frames", &File_CAN_Send_Frames, 2100, 2125, 2161,
};

}  // namespace

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner) : TCANFrameEditor(AOwner, kForm) {}
