#include "editors/fieldbus/modbus_tcp_master_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "editors/fieldbus/modbus_colors.h"
#include "editors/rule_editor/rule_table.h"

#include <array>

namespace {

constexpr int kClientWidth = 1007;

const std::optional<QString> Required;
const QString Off = QStringLiteral("N");

const std::array<TRuleColumn, 14> kReadColumns = {{
    {1108, 40, TRuleCell::Number, Window_Color, nullptr, Required},
    {1109, 50, TRuleCell::Check, Modbus_Enable_Color, "Enable", QStringLiteral("Y")},
    {1110, 101, TRuleCell::Edit, Modbus_Slave_Color, "IP_Address", Required},
    {1111, 45, TRuleCell::Edit, Modbus_Slave_Color, "Port", Required},
    {1112, 55, TRuleCell::Edit, Modbus_Slave_Color, "Slave_ID", Required},
    {1113, 100, TRuleCell::ComboList, Modbus_Slave_Color, "Type", Required},
    {1114, 55, TRuleCell::Edit, Modbus_Slave_Color, "Address", Required},
    {1115, 45, TRuleCell::Edit, Modbus_Slave_Color, "NPoint", Required},
    {1116, 60, TRuleCell::Edit, Modbus_Timing_Color, "PollTime", Required},
    {1117, 64, TRuleCell::Edit, Modbus_Timing_Color, "MaxError", Required},
    {1118, 60, TRuleCell::ComboList, Modbus_Position_Color, "Position", Required},
    {1119, 60, TRuleCell::ComboList, Modbus_Position_Color, "Bit", Required},
    {1120, 40, TRuleCell::Check, Modbus_Swap_Color, "Swap", Off},
    {1121, 200, TRuleCell::Edit, clWhite, "Mnemonic", Required},
}};

const std::array<TRuleColumn, 16> kWriteColumns = {{
    {1122, 40, TRuleCell::Number, Window_Color, nullptr, Required},
    {1123, 50, TRuleCell::Check, Modbus_Enable_Color, "Enable", QStringLiteral("Y")},
    {1124, 101, TRuleCell::Edit, Modbus_Slave_Color, "IP_Address", Required},
    {1125, 45, TRuleCell::Edit, Modbus_Slave_Color, "Port", Required},
    {1126, 55, TRuleCell::Edit, Modbus_Slave_Color, "Slave_ID", Required},
    {1127, 100, TRuleCell::ComboList, Modbus_Slave_Color, "Type", Required},
    {1128, 55, TRuleCell::Edit, Modbus_Slave_Color, "Address", Required},
    {1129, 45, TRuleCell::Edit, Modbus_Slave_Color, "NPoint", Required},
    {1130, 60, TRuleCell::Edit, Modbus_Timing_Color, "PollTime", Required},
    {1131, 66, TRuleCell::Check, Modbus_Timing_Color, "OnChange", Required, 0, 0, true},
    {1132, 56, TRuleCell::Check, Modbus_Timing_Color, "OnCMD", Off, 0, 0, true},
    {1133, 62, TRuleCell::Edit, Modbus_Timing_Color, "MaxError", Required},
    {1134, 55, TRuleCell::ComboList, Modbus_Position_Color, "Position", Required},
    {1135, 55, TRuleCell::ComboList, Modbus_Position_Color, "Bit", Required},
    {1136, 40, TRuleCell::Check, Modbus_Swap_Color, "Swap", Off},
    {1137, 212, TRuleCell::Edit, clWhite, "Mnemonic", Required},
}};

const TRuleTable kReadTable{"Modbus_Read", kReadColumns, 2, 1};
const TRuleTable kWriteTable{"Modbus_Write", kWriteColumns, 2, 1};

const TModbusMasterForm kForm{
    "FModbus_TCP_Master_Set_Access",
    kClientWidth,
    &kReadTable,
    &kWriteTable,
    {1138,
     {.IP_Address = 2, .Port = 3, .Slave_ID = 4, .Type = 5, .Address = 6, .NPoint = 7, .Poll_Time = 8,
      .Max_Error = 9, .Position = 10, .Start_Bit = 11, .First_Text = 1139},
     {.IP_Address = 2, .Port = 3, .Slave_ID = 4, .Type = 5, .Address = 6, .NPoint = 7, .Poll_Time = 8,
      .Max_Error = 11, .Position = 12, .Start_Bit = 13, .First_Text = 1150}},
    "PROFINET_Master_to_Modbus_TCP_Master",
    nullptr,
    true,
    &File_ModbusTCPM_SetAccess,
    1100,
    1102,
    false,
    1106,
    1161,
};

}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner)
    : TModbusMasterEditor(AOwner, kForm) {}
