#pragma once
// The checks OK runs over the DALI-2 tables before it saves: first the functions (each
// row's Condition against its Event / Value, the value, the brightness; then every Next
// Function), then the enabled set-access rules. The first failure wins. No widgets: the
// editor shows the message and moves to the page and cell.

#include "editors/dali_knx/dali2_access_file.h"

#include <QChar>
#include <QString>
#include <optional>

// The position in the data area a set-access rule may start at.
constexpr int DALI2_Max_Position = 1440;

enum class TDALI2Table { Functions, Set_Access };

struct TDALI2CheckError {
    TDALI2Table Table = TDALI2Table::Functions;
    int Row = 0;     // table row, 1-based (the grid's row)
    int Column = 0;  // grid column of the cell the message is about
    QString Message;
};

// The Condition an Event / Value text requires; nothing for a text that is no event.
std::optional<QString> DALI2_Condition_For_Event(const QString& event);
// The numbered text with its first "%d" replaced by the row and a second one by the bound.
QString DALI2_Check_Message(const QString& text, int row, int bound = 0);

// Tables as the grids hold them, rows from grid row 1, columns from grid column 1.
std::optional<TDALI2CheckError> Check_DALI2_Tables(const TDALI2Tables& tables, QChar decimalSeparator);
