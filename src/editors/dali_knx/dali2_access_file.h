#pragma once
// DALI2_Access.xml as the DALI access editor reads and writes it: the root DALI2_Access,
// the version comment after it, and two lists: DALI2_Functions_Rules (7 attributes per
// function row) and DALI2_SetAccess_Rules (12 attributes per set-access row).

#include "editors/dali_knx/rule_table_file.h"

constexpr int DALI2_Function_Columns = 7;    // grid columns 1 ... 7 of the functions grid
constexpr int DALI2_Set_Access_Columns = 12;  // grid columns 1 ... 12 of the set-access grid
extern const char* const DALI2_Function_Attributes[DALI2_Function_Columns];
extern const char* const DALI2_Set_Access_Attributes[DALI2_Set_Access_Columns];
enum TDALI2FunctionColumn { Fun_Function, Fun_Condition, Fun_Value, Fun_Channel, Fun_Val, Fun_Next_Function, Fun_Mnemonic };
enum TDALI2SetAccessColumn {
    Set_Enable, Set_DeviceSensor, Set_Type, Set_ChannelNumber, Set_Instance, Set_Command, Set_TimeSend,
    Set_TimeOut, Set_Function, Set_Position, Set_NumBytes, Set_Mnemonic
};

struct TDALI2Tables {
    TCellTable Functions;   // at most 250 rows of 7 texts
    TCellTable Set_Access;  // at most 256 rows of 12 texts; Enable is "Y" (ticked) or "N"
};

struct TDALI2AccessLoad {
    TDALI2Tables Tables;
    TRuleFileProblem Problem;
};

// Reads the file: a missing attribute leaves its cell empty; Enable is ticked exactly
// when the compiler takes the rule (the text "Y").
TDALI2AccessLoad Read_DALI2_Access_File(const QString& fileName);
// Rebuilds the document: the function rows before the first blank Function, then the
// set-access rows before the first blank Dev/Sen, disabled ones included.
void Build_DALI2_Access_Document(TXMLDocument& document, const TDALI2Tables& tables);
