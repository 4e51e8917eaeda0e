#pragma once
// The checks OK runs over the two tables of a CANopen rule editor (PDOs, SDO client
// requests, SDO server objects) before it saves. No widgets: the editors show the message.
//
// Every used row is checked, cell by cell in the order of the table's steps; the first
// failure gives "Error row " + row + the step's text (+ the highest position for a byte
// position), nothing between.

#include "editors/dali_knx/rule_table_file.h"

#include <optional>
#include <span>

constexpr int CANopen_Data_Area_Bytes = 1440;  // PROFINET_NByte_IN and PROFINET_NByte_OUT

struct TCANopenStep {
    enum TKind { Range, Size, Positions };
    TKind Kind;
    int Column;  // grid column (real); for Positions the first of them
    int Text;    // for Positions the first position's; the others follow
    int Low = 0;
    int High = 0;
    // Positions: how many there are and the column whose number (Dimension, N Byte)
    // says how many of them are checked.
    int Count = 0;
    int Count_Column = 0;
};

struct TCANopenTableCheck {
    int Key_Column;  // the used rows end before the first blank one
    std::span<const TCANopenStep> Steps;
};

// Tables and cells in the window's order; the error names its table by that index.
std::optional<TRuleCheckError> Check_CANopen_Tables(int errorRowText, std::span<const TCANopenTableCheck> checks,
                                                    std::span<const TCellTable> tables,
                                                    int areaBytes = CANopen_Data_Area_Bytes);
