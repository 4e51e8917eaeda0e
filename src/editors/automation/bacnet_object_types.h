#pragma once
// The BACnet object types the EDE import turns into rules, with what a rule of each
// needs: the Object Type text, the Data Type text of a write rule and the byte count.

#include <QString>

// True for the object types the import offers; the others are dropped.
bool Is_Usable_EDE_Type(int objectType);
// The three mappings; any other number gives "", "Null" and 4.
QString Get_ObjType_EDE(int val);
QString Get_DataType_EDE(int val);
int Get_NumByte_EDE(int val);
