#include "editors/fieldbus/can_receive_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "editors/fieldbus/can_colors.h"
#include "editors/rule_editor/rule_table.h"

#include <array>

namespace {

constexpr int kClientWidth = 1010;
constexpr int kMax_Byte = 132;

const QString Empty;

const std::array<TRuleColumn, 15> kColumns = [] {
    std::array<TRuleColumn, 15> columns = {{
        {2008, 40, TRuleCell::Number, Window_Color, nullptr, std::nullopt},
        {2009, 50, TRuleCell::Check, CAN_Enable_Color, "Enable", QStringLiteral("Y"), 2029},
        {2010, 90, TRuleCell::Edit, CAN_Frame_Color, "COBID", Empty, 2030},
        {2011, 90, TRuleCell::ComboList, CAN_Frame_Color, "CAN_Type", Empty, 2031},
        {2012, 70, TRuleCell::Edit, CAN_Frame_Color, "Dim", Empty, 2032},
        {2013, 75, TRuleCell::Edit, CAN_Timing_Color, "TimeOut", QStringLiteral("0"), 2034},
    }};
    static const char* const bytes[] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};
    for (int k = 1; k <= 8; ++k)
        columns[std::size_t(5 + k)] = {2013 + k, 48, TRuleCell::ComboList, CAN_Byte_Color, bytes[k - 1], Empty, 2034 + k};
    columns[14] = {2022, 185, TRuleCell::Edit, Window_Color, "Mnemonic", Empty, 2043};
    return columns;
}();

const TRuleTable kTable{nullptr, kColumns, CAN_CobID_Column, CAN_Enable_Column};

const TCANFrameForm kForm{
    "FReceiveCAN", "ACG_CAN_Receive", kClientWidth, &kTable,
    {.On_Timer = -1, .Time = 5, .First_Byte = 6, .Max_Byte = kMax_Byte, .Error_Row_Text = 2044,
     .CobID_11_Text = 2045, .Byte1_Text = 2049},
    "Receive_Frames", &File_CAN_Rec_Frames, 2000, 2023, 2058,
};

}  // namespace

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner) : TCANFrameEditor(AOwner, kForm) {}
