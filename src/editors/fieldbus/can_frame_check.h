#pragma once
// The checks OK runs over the CAN frame tables (received and sent frames) before it
// saves. No widgets: the editors show the message.
//
// Only rows whose Enable, trimmed and upper-cased, is "Y" are checked, the others pass.

#include "editors/dali_knx/rule_table_file.h"

#include <QString>
#include <optional>

// Where a table keeps its cells (grid columns, real indexes) and its message texts.
struct TCANFrameLayout {
    int On_Timer;    // the column whose "Y" asks for a Time; -1: the Time is always checked
    int Time;
    int First_Byte;  // Byte1; Byte2 to Byte8 follow
    int Max_Byte;    // byte positions run 0 .. Max_Byte - 1
    int Error_Row_Text;
    int CobID_11_Text;  // the next: a 29-bit CobID, then Dimension, then Time
    int Byte1_Text;     // the next: " or None"; Byte2 to Byte8 two further on
};

constexpr int CAN_Frame_Rows = 512;
constexpr int CAN_Enable_Column = 1;
constexpr int CAN_CobID_Column = 2;
constexpr int CAN_Type_Column = 3;
constexpr int CAN_Dimension_Column = 4;
inline const QString CAN_Type_11_Bits = QStringLiteral("2.0A (11 bits)");
inline const QString CAN_Type_29_Bits = QStringLiteral("2.0B (29 bits)");
inline const QString CAN_No_Byte = QStringLiteral("None");

// Rows: one per grid data row from row 1, cells from column 1; the check ends before
// the first blank CobID.
std::optional<TRuleCheckError> Check_CAN_Frames(const TCANFrameLayout& layout, const TCellTable& rows);
