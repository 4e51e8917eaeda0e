#pragma once
// The fullest KNX rule table the editor holds: 1024 enabled rules that pass its checks.

#include "config/rule_cell_rules.h"
#include "editors/dali_knx/rule_table_file.h"

inline TCellTable Full_KNX_Table() {
    TCellTable rules;
    for (int r = 0; r < KNX_Editor_Rows; ++r)
        rules.push_back({"Y", "1.1." + QString::number(r % 256), QString::number(r % 32) + "/3/" + QString::number(r % 256),
                         "Write", "Normal", "Float16 to Int * 10", "0.5", "N", "Y", "Y", "Y", "Y", "1000",
                         QString::number(r), "No", "1", "500", "Rule " + QString::number(r + 1)});
    return rules;
}
