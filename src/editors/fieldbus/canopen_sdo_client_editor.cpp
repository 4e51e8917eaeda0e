#include "editors/fieldbus/canopen_sdo_client_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "editors/fieldbus/can_colors.h"
#include "editors/rule_editor/rule_table.h"

namespace {

constexpr int kRows = 256;
constexpr int kClientWidth = 798;

const char* const kPositions[] = {"Address_B1", "Address_B2", "Address_B3", "Address_B4"};

// The request's columns 1 to 5 are alike in both tables; the write table puts On Change
// before the positions.
template <std::size_t N>
std::array<TRuleColumn, N> Request_Columns(int header, int hint, bool onChange) {
    std::array<TRuleColumn, N> columns{};
    columns[0] = {header, 40, TRuleCell::Number, Window_Color, nullptr, std::nullopt};
    columns[1] = {header + 1, 60, TRuleCell::Edit, CAN_Frame_Color, "Device_ID", std::nullopt, hint};
    columns[2] = {header + 2, 55, TRuleCell::Edit, CAN_Frame_Color, "Index", std::nullopt, hint + 1};
    columns[3] = {header + 3, 60, TRuleCell::Edit, CAN_Frame_Color, "SubIndex", std::nullopt, hint + 2};
    columns[4] = {header + 4, 45, TRuleCell::Edit, CAN_Frame_Color, "NByte", std::nullopt, hint + 3};
    columns[5] = {header + 5, 60, TRuleCell::Edit, CAN_Timing_Color, "Poll_Time", std::nullopt, hint + 4};
    int c = 6;
    if (onChange) {
        columns[6] = {header + 6, 68, TRuleCell::Check, CAN_Timing_Color, "On_Change", std::nullopt, hint + 5};
        ++c;
    }
    for (int k = 0; k < 4; ++k, ++c)
        columns[std::size_t(c)] = {header + c, 70, TRuleCell::Edit, CAN_Byte_Color, kPositions[k], std::nullopt, hint + c - 1};
    columns[std::size_t(c)] = {header + c, onChange ? 95 : 163, TRuleCell::Edit, clWhite, "Mnemonic", std::nullopt,
                               hint + c - 1};
    return columns;
}

const std::array<TRuleColumn, 11> kReadColumns = Request_Columns<11>(2316, 2339, false);
const std::array<TRuleColumn, 12> kWriteColumns = Request_Columns<12>(2327, 2349, true);

const TRuleTable kReadTable{"SDO_Read", kReadColumns, 1};
const TRuleTable kWriteTable{"SDO_Write", kWriteColumns, 1};

using S = TCANopenStep;
const S kReadSteps[] = {
    {S::Range, 1, 2361, 1, 127},
    {S::Range, 2, 2362, 0x1000, 0xFFFF},
    {S::Range, 3, 2363, 0, 255},
    {S::Size, 4, 2364},
    {S::Range, 5, 2365, 1, 100000000},
    {S::Positions, 6, 2366, 0, 0, 4, 4},
};
// A write may be sent on change only: its Poll Time may be 0.
const S kWriteSteps[] = {
    {S::Range, 1, 2370, 1, 127},
    {S::Range, 2, 2371, 0x1000, 0xFFFF},
    {S::Range, 3, 2372, 0, 255},
    {S::Size, 4, 2373},
    {S::Range, 5, 2374, 0, 100000000},
    {S::Positions, 7, 2375, 0, 0, 4, 4},
};

const TCANopenForm kForm{
    "FSet_SDO_Client_Access", kClientWidth, kRows,
    {&kReadTable, &kWriteTable},
    {{{1, kReadSteps}, {1, kWriteSteps}}},
    {"TS_SDO_Read", "TS_SDO_Write"},
    "SDO_Client_CANopen", &File_SDO_Client_CANopen,
    2300, 2360, 2379,
};

}  // namespace

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner) : TSDORuleEditor(AOwner, kForm) {}
