#pragma once
// Picked EDE objects made into ready rules of the BACnet client tables: each object
// ticked Import and Read fills the read table's next free row, each ticked Import and
// Write the write table's, from the first row whose key cell is blank on (where the check
// and the save end). The Position cell stays empty for the user to choose the DALI
// target. All or nothing: the import overwrites no rule and leaves no object out. No widgets.

#include "editors/automation/ede_file_parser.h"
#include "editors/dali_knx/rule_table_file.h"

#include <optional>
#include <vector>

// Why nothing was imported into a table: a rule stands in a row the objects would fill
// (its grid row), or the table lacks that many rows.
struct TEDEImportRefusal {
    bool WriteTable = false;
    int RuleRow = 0;
    int MissingRows = 0;
};

// Rows hold the cells of grid columns 1 ... of each table, as many rows as the table
// has; keyColumn is the key's grid column (BACnet_Key_Column). Both tables are left as
// they were when a refusal is returned.
std::optional<TEDEImportRefusal> Append_EDE_Objects(TCellTable& read, TCellTable& write,
                                                    const std::vector<TBACnet_Var>& objects, const QString& device,
                                                    int keyColumn);
