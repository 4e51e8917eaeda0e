#pragma once
// The checks OK runs over the SNMP trap tables before it saves: the read table's
// enabled rows, then the write table's, then descriptions unique over both (they name
// the variables of the MIB module). No widgets: the editor shows the message.

#include "editors/dali_knx/rule_table_file.h"

#include <QString>
#include <QStringList>
#include <optional>

// Columns of a read table row (grid column - 1).
enum TSNMPTrapReadColumn {
    TrapR_Enable, TrapR_Community_Name, TrapR_Type, TrapR_On_Change, TrapR_On_Command, TrapR_On_Timer, TrapR_Time,
    TrapR_Position, TrapR_Bit, TrapR_NumBits, TrapR_Description, TrapR_IP_Address, TrapR_Conversion, TrapR_Mnemonic,
    SNMP_Trap_Read_Columns
};
// Columns of a write table row (grid column - 1).
enum TSNMPTrapWriteColumn {
    TrapW_Enable, TrapW_Community_Name, TrapW_Type, TrapW_Position, TrapW_Bit, TrapW_NumBits, TrapW_Description,
    TrapW_Conversion, TrapW_Mnemonic, SNMP_Trap_Write_Columns
};

constexpr int SNMP_Trap_Rows = 256;
// The internal data array's size for reading and for writing.
constexpr int SNMP_Trap_Data_Bytes = 1440;

// True when the text breaks the character rule: only "a".."z", "A".."Z" and "0".."9",
// untrimmed; with Check_Type 1 (a description) the first character is a lower-case
// letter. An empty text passes.
bool Check_Error_CommName_Desc(const QString& str, int Check_Type);

// Rows: one per grid data row from row 1; the rows checked end before the first blank
// Community Name. The descriptions of the enabled rows that passed are collected in
// order (read first); the message is complete, and the table (0 read, 1 write), row and
// column name the cell it is about (row 0 for the unique descriptions).
std::optional<TRuleCheckError> Check_SNMP_Trap_Rules(const TCellTable& read, const TCellTable& write,
                                                     QStringList& descriptions);

// The 64 rows each table shows when the configuration has no file yet.
TCellTable SNMP_Trap_Default_Read_Rows();
TCellTable SNMP_Trap_Default_Write_Rows();
