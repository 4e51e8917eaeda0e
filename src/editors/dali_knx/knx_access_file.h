#pragma once
// KNX_SetAccess.xml as the KNX rule editor reads and writes it: the root BACnet_to_KNX,
// the version comment after it, and the list KNX_in_Write with one "row" of 18
// attributes per used table row.

#include "editors/dali_knx/rule_table_file.h"

constexpr int KNX_Access_Columns = 18;  // grid columns 1 ... 18
// The file's attributes in the grid's column order.
extern const char* const KNX_Access_Attributes[KNX_Access_Columns];
enum TKNXAccessColumn {
    KNX_Enable, KNX_Source_Address, KNX_Destination_Address, KNX_APCI, KNX_Priority, KNX_Format,
    KNX_MultiplicationFactor, KNX_Extended, KNX_ReTest, KNX_On_Command, KNX_On_Change, KNX_On_Timer,
    KNX_Poll_Time, KNX_Position, KNX_Bit_Mode, KNX_Length, KNX_TimeOut, KNX_Mnemonic
};

struct TKNXAccessLoad {
    TCellTable Rules;  // the rows read, at most 1024, each of 18 texts
    TRuleFileProblem Problem;
};

// Reads the file: missing attributes take their defaults where the editor has one, a row
// lacking any other ends the reading; a Priority other than the four names shows as
// "Normal"; a flag the compiler counts as on shows as "Y".
TKNXAccessLoad Read_KNX_Access_File(const QString& fileName);
// Rebuilds the document from the table: the rows before the first blank Source Add.
void Build_KNX_Access_Document(TXMLDocument& document, const TCellTable& rules);
// Builds and saves atomically; false when the file could not be written (the old one stays).
bool Save_KNX_Access_File(const QString& fileName, const TCellTable& rules);
