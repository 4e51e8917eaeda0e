#include "editors/fieldbus/modbus_serial_master_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "editors/fieldbus/modbus_colors.h"
#include "editors/rule_editor/rule_table.h"

#include <array>

namespace {

constexpr int kClientWidth = 956;

const std::optional<QString> Required;
const QString Off = QStringLiteral("N");

const std::array<TRuleColumn, 12> kReadColumns = {{
    {1710, 40, TRuleCell::Number, Window_Color, nullptr, Required},
    {1711, 50, TRuleCell::Check, Modbus_Enable_Color, "Enable", QStringLiteral("Y")},
    {1712, 60, TRuleCell::Edit, Modbus_Slave_Color, "Slave_ID", Required},
    {1713, 115, TRuleCell::ComboList, Modbus_Slave_Color, "Type", Required},
    {1714, 60, TRuleCell::Edit, Modbus_Slave_Color, "Address", Required},
    {1715, 64, TRuleCell::Edit, Modbus_Slave_Color, "NPoint", Required},
    {1716, 64, TRuleCell::Edit, Modbus_Timing_Color, "PollTime", Required},
    {1717, 64, TRuleCell::Edit, Modbus_Timing_Color, "MaxError", Required},
    {1718, 61, TRuleCell::ComboList, Modbus_Position_Color, "Position", Required},
    {1719, 64, TRuleCell::ComboList, Modbus_Position_Color, "Bit", Required},
    {1720, 40, TRuleCell::Check, Modbus_Swap_Color, "Swap", Off},
    {1721, 240, TRuleCell::Edit, clWhite, "Mnemonic", Required},
}};

const std::array<TRuleColumn, 14> kWriteColumns = {{
    {1722, 40, TRuleCell::Number, Window_Color, nullptr, Required},
    {1723, 50, TRuleCell::Check, Modbus_Enable_Color, "Enable", QStringLiteral("Y")},
    {1724, 60, TRuleCell::Edit, Modbus_Slave_Color, "Slave_ID", Required},
    {1725, 115, TRuleCell::ComboList, Modbus_Slave_Color, "Type", Required},
    {1726, 60, TRuleCell::Edit, Modbus_Slave_Color, "Address", Required},
    {1727, 64, TRuleCell::Edit, Modbus_Slave_Color, "NPoint", Required},
    {1728, 64, TRuleCell::Edit, Modbus_Timing_Color, "PollTime", Required},
    {1729, 68, TRuleCell::Check, Modbus_Timing_Color, "OnChange", Required, 0, 0, true},
    {1730, 56, TRuleCell::Check, Modbus_Timing_Color, "OnCMD", Off, 0, 0, true},
    {1731, 64, TRuleCell::Edit, Modbus_Timing_Color, "MaxError", Required},
    {1732, 64, TRuleCell::ComboList, Modbus_Position_Color, "Position", Required},
    {1733, 64, TRuleCell::ComboList, Modbus_Position_Color, "Bit", Required},
    {1734, 40, TRuleCell::Check, Modbus_Swap_Color, "Swap", Off},
    {1735, 237, TRuleCell::Edit, clWhite, "Mnemonic", Required},
}};

const TRuleTable kReadTable{"Modbus_Read", kReadColumns, 2, 1};
const TRuleTable kWriteTable{"Modbus_Write", kWriteColumns, 2, 1};

const TModbusMasterForm kForm{
    "FSetAccess",
    kClientWidth,
    &kReadTable,
    &kWriteTable,
    {1736,
     {.Slave_ID = 2, .Type = 3, .Address = 4, .NPoint = 5, .Poll_Time = 6, .Max_Error = 7, .Position = 8,
      .Start_Bit = 9, .First_Text = 1735},
     {.Slave_ID = 2, .Type = 3, .Address = 4, .NPoint = 5, .Poll_Time = 6, .Max_Error = 9, .Position = 10,
      .Start_Bit = 11, .First_Text = 1744}},
    "EtherNetIP_to_Modbus",
    "SW_VERSION = 1.101",
    false,
    &File_ModbusM_SetAccess,
    1700,
    1702,
    true,
    1708,
    1755,
};

}  // namespace

TFSetAccess::TFSetAccess(TComponent* AOwner) : TModbusMasterEditor(AOwner, kForm) {}
