#include "editors/fieldbus/canopen_sdo_server_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "editors/fieldbus/can_colors.h"
#include "editors/rule_editor/rule_table.h"

namespace {

constexpr int kRows = 500;
constexpr int kClientWidth = 749;

const char* const kPositions[] = {"Address_B1", "Address_B2", "Address_B3", "Address_B4"};

std::array<TRuleColumn, 9> Object_Columns(int header, int hint) {
    std::array<TRuleColumn, 9> columns{};
    columns[0] = {header, 40, TRuleCell::Number, Window_Color, nullptr, std::nullopt};
    columns[1] = {header + 1, 65, TRuleCell::Edit, CAN_Frame_Color, "Index", std::nullopt, hint};
    columns[2] = {header + 2, 61, TRuleCell::Edit, CAN_Frame_Color, "SubIndex", std::nullopt, hint + 1};
    columns[3] = {header + 3, 55, TRuleCell::Edit, CAN_Frame_Color, "NByte", std::nullopt, hint + 2};
    for (int k = 0; k < 4; ++k)
        columns[std::size_t(4 + k)] = {header + 4 + k, 80, TRuleCell::Edit, CAN_Byte_Color, kPositions[k], std::nullopt,
                                       hint + 3 + k};
    columns[8] = {header + 8, 170, TRuleCell::Edit, clWhite, "Mnemonic", std::nullopt, hint + 7};
    return columns;
}

const std::array<TRuleColumn, 9> kReadColumns = Object_Columns(2416, 2434);
const std::array<TRuleColumn, 9> kWriteColumns = Object_Columns(2425, 2442);

const TRuleTable kReadTable{"SDO_Read", kReadColumns, 1};
const TRuleTable kWriteTable{"SDO_Write", kWriteColumns, 1};

using S = TCANopenStep;
const S kReadSteps[] = {
    {S::Range, 1, 2451, 0x2000, 0x5FFF},
    {S::Range, 2, 2452, 0, 255},
    {S::Size, 3, 2453},
    {S::Positions, 4, 2454, 0, 0, 4, 3},
};
const S kWriteSteps[] = {
    {S::Range, 1, 2458, 0x2000, 0x5FFF},
    {S::Range, 2, 2459, 0, 255},
    {S::Size, 3, 2460},
    {S::Positions, 4, 2461, 0, 0, 4, 3},
};

const TCANopenForm kForm{
    "FSet_SDO_Server_Access", kClientWidth, kRows,
    {&kReadTable, &kWriteTable},
    {{{1, kReadSteps}, {1, kWriteSteps}}},
    {"TS_SDO_Read", "TS_SDO_Write"},
    "SDO_Server_CANopen", &File_SDO_Server_CANopen,
    2400, 2450, 2465,
};

}  // namespace

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* AOwner) : TSDORuleEditor(AOwner, kForm) {}
