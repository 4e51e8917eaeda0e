#pragma once
// Picked EDE objects made into ready rules of the BACnet client tables: each object
// ticked Import and Read fills the read table's next free row, each ticked Import and
// Write the write table's, from the first row without a device text on. The Position
// cell stays empty for the user to choose the DALI target. No widgets.

#include "editors/automation/ede_file_parser.h"
#include "editors/dali_knx/rule_table_file.h"

#include <vector>

// Rows hold the cells of grid columns 1 ... of each table, as many rows as the table
// has. The result is the number of rules that found no free row and were left out.
int Append_EDE_Objects(TCellTable& read, TCellTable& write, const std::vector<TBACnet_Var>& objects,
                       const QString& device);
