#pragma once
// The checks OK runs over the SNMP manager table before it saves: each enabled row in
// order, then duplicate requests, then the character budget of the converter's string
// memory. No widgets: the editor shows the message.

#include "editors/dali_knx/rule_table_file.h"

#include <QString>
#include <optional>

// Columns of a table row (grid column - 1).
enum TSNMPManagerColumn {
    SNMPM_Enable, SNMPM_IP_Address, SNMPM_Version, SNMPM_Community_String, SNMPM_OID, SNMPM_Type, SNMPM_Mode,
    SNMPM_On_Change, SNMPM_On_Command, SNMPM_On_Timer, SNMPM_Time, SNMPM_Position, SNMPM_Number_Bytes,
    SNMPM_ConvertFrom, SNMPM_Cancel, SNMPM_User, SNMPM_Auth_Pass, SNMPM_Priv_Pass, SNMPM_Security_Level,
    SNMPM_Auth_Mode, SNMPM_Priv_Mode, SNMPM_Mnemonic, SNMP_Manager_Columns
};

constexpr int SNMP_Manager_Rows = 512;
// The character budget starts at 1 and must stay below this.
constexpr int SNMP_Manager_Budget = 47105;

// Rows: one per grid data row from row 1; the rows checked end before the first blank
// IP Address. The message is complete (texts from the text table); the row and column
// name the cell it is about (row 0 for the budget, which is about no cell).
std::optional<TRuleCheckError> Check_SNMP_Manager_Rules(const TCellTable& rules);
