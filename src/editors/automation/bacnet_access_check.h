#pragma once
// The rules of the BACnet client tables and the checks OK runs over them before it
// saves: the read table's enabled rows, then the write table's. No widgets: the editor
// shows the message. Rows hold the cells of grid columns 1 ... (index = column - 1).

#include "editors/dali_knx/rule_table_file.h"

#include <QString>
#include <optional>

enum TBACnetReadColumn {
    BRd_Enable, BRd_Device, BRd_Object_Type, BRd_Instance, BRd_Property, BRd_NumByte, BRd_Enable_Destination,
    BRd_Destination_Network, BRd_Destination_Length, BRd_Destination_Address, BRd_PollTime, BRd_MaxError, BRd_Position,
    BRd_StartBit, BRd_Swap, BRd_ConvertFrom, BRd_Mnemonic, BACnet_Read_Columns
};
enum TBACnetWriteColumn {
    BWr_Enable, BWr_Device, BWr_Object_Type, BWr_Data_Type, BWr_Instance, BWr_Property, BWr_Priority, BWr_NumByte,
    BWr_Enable_Destination, BWr_Destination_Network, BWr_Destination_Length, BWr_Destination_Address, BWr_OnChange,
    BWr_OnTimer, BWr_PollTime, BWr_MaxError, BWr_Position, BWr_StartBit, BWr_Swap, BWr_ConvertFrom, BWr_Mnemonic,
    BACnet_Write_Columns
};

constexpr int BACnet_Rule_Rows = 512;

// The object-type code of the text (trimmed, any case), a proprietary type 128-1023 as
// its number, -1 when refused; read_write 0 for the read table, 1 for the write table.
int Check_Object_Type(const QString& str, int read_write);
// The byte count of a property, 100 for Present Value, 200 for a proprietary property
// 512-4194303, -1 when refused for this table and object.
int Check_Property(const QString& str, int read_write, int Obj_Type);
// -1 when the data type does not fit the Present Value of the object; 1000 for any
// other property (every type fits).
int Check_Data_Type(const QString& str, int Obj_Type, int Property_val);
// The data type Present Value of this object type requires, empty when none.
QString Aspected_Data_Type_Value(int Obj_Type, int Property_val);
// The largest NByte for a data type text.
int Check_Num_Byte_Max(const QString& str);

// The key column (grid column) of both tables: the device column for the BACnet types 0
// (IP address) and 1 (slave ID), the Object Type column otherwise.
int BACnet_Key_Column(int bacnetType);

// The first failing check of the enabled rows, read table first, as its complete
// message, with the table (0 read, 1 write), row and column of the cell it is about. An
// "M" destination length with an empty address fails as too few bytes.
std::optional<TRuleCheckError> Check_BACnet_Rules(const TCellTable& read, const TCellTable& write, int bacnetType);

// The hint over a read table cell (grid column and row): the byte count a NByte cell's
// object and property give, or nothing.
QString Str_Hint_Read(const TCellTable& read, int ARow, int ACol);
