#include "editors/fieldbus/canopen_pdo_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "editors/fieldbus/can_colors.h"
#include "editors/rule_editor/rule_table.h"

namespace {

constexpr int kRows = 30;
constexpr int kClientWidth = 798;

const char* const kPositions[] = {"Address_B1", "Address_B2", "Address_B3", "Address_B4",
                                  "Address_B5", "Address_B6", "Address_B7", "Address_B8"};

// COB-ID, Dimension and the eight positions are alike in both tables; the rest differs.
template <std::size_t N>
std::array<TRuleColumn, N> PDO_Columns(int header, int hint) {
    std::array<TRuleColumn, N> columns{};
    columns[0] = {header, 40, TRuleCell::Number, Window_Color, nullptr, std::nullopt};
    columns[1] = {header + 1, 65, TRuleCell::Edit, CAN_Frame_Color, "COB-ID", std::nullopt, hint};
    columns[2] = {header + 2, 65, TRuleCell::Edit, CAN_Frame_Color, "Dimension", std::nullopt, hint + 1};
    for (int k = 0; k < 8; ++k)
        columns[std::size_t(3 + k)] = {header + 3 + k, 45, TRuleCell::Edit, CAN_Byte_Color, kPositions[k], std::nullopt,
                                       hint + 2 + k};
    return columns;
}

const std::array<TRuleColumn, 13> kReceiveColumns = [] {
    std::array<TRuleColumn, 13> columns = PDO_Columns<13>(2216, 2243);
    columns[11] = {2227, 65, TRuleCell::Edit, CAN_Timing_Color, "TimeOut", std::nullopt, 2253};
    columns[12] = {2228, 173, TRuleCell::Edit, clWhite, "Mnemonic", std::nullopt, 2254};
    return columns;
}();

const std::array<TRuleColumn, 14> kTransmitColumns = [] {
    std::array<TRuleColumn, 14> columns = PDO_Columns<14>(2229, 2255);
    columns[11] = {2240, 65, TRuleCell::Edit, CAN_Timing_Color, "Send_Time", std::nullopt, 2265};
    columns[12] = {2241, 68, TRuleCell::Check, CAN_Timing_Color, "On_Change", std::nullopt, 2266};
    columns[13] = {2242, 105, TRuleCell::Edit, clWhite, "Mnemonic", std::nullopt, 2267};
    return columns;
}();

const TRuleTable kReceiveTable{"Receive_PDO", kReceiveColumns, 1};
const TRuleTable kTransmitTable{"Transmit_PDO", kTransmitColumns, 1};

using S = TCANopenStep;
const S kReceiveSteps[] = {
    {S::Range, 1, 2269, 0, 2047},
    {S::Range, 2, 2270, 1, 8},
    {S::Positions, 3, 2271, 0, 0, 8, 2},
    {S::Range, 11, 2279, 0, 65535},
};
const S kTransmitSteps[] = {
    {S::Range, 1, 2280, 0, 2047},
    {S::Range, 2, 2281, 1, 8},
    {S::Positions, 3, 2282, 0, 0, 8, 2},
    {S::Range, 11, 2290, 0, 100000000},
};

const TCANopenForm kForm{
    "FSet_PDO_Access", kClientWidth, kRows,
    {&kReceiveTable, &kTransmitTable},
    {{{1, kReceiveSteps}, {1, kTransmitSteps}}},
    {"TS_Receive_PDO", "TS_Transmit_PDO"},
    "PDO_CANopen", &File_PDO_CANopen,
    2200, 2268, 2291,
};

}  // namespace

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner) : TCANopenRuleEditor(AOwner, kForm) {}
