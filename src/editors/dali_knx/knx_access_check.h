#pragma once
// The checks OK runs over the KNX rule table before it saves: every used row whose
// Enable is on, in row order, the first failing check of the first failing row wins.
// No widgets: the editor shows the message and moves to the cell.

#include "editors/dali_knx/rule_table_file.h"

#include <QChar>
#include <QString>
#include <optional>

// The data area's size; positions run from 0 to one less.
constexpr int KNX_Max_Num_Byte = 1500;

// Rows: one per grid data row from row 1, columns in the editor's order from column 1;
// the used rows end before the first blank Source Add.
std::optional<TRuleCheckError> Check_KNX_Rules(const TCellTable& rules, QChar decimalSeparator,
                                               bool mulFactorShown = true);
