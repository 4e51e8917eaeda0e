#pragma once
// The checks OK runs over the two tables of the Modbus master rule editors (TCP and
// serial) before it saves. No widgets: the editors show the message.
//
// A row whose Enable, trimmed, is "Y" passes unchecked; only the other rows are
// checked. This is the opposite of the CAN frame editors and is kept on purpose: the
// converter's own tool has always treated the Modbus tables this way.

#include "editors/dali_knx/rule_table_file.h"

#include <QString>
#include <optional>

// Where one table keeps its cells (grid columns, real indexes; -1: the table has none)
// and the text number of its first message, the IP address's; the others follow in
// the order Port, Slave ID, Type, Address, NPoint, Poll Time, Max Error, Position,
// Start Bit, last byte.
struct TModbusTableLayout {
    int Enable = 1;
    int IP_Address = -1;
    int Port = -1;
    int Slave_ID;
    int Type;
    int Address;
    int NPoint;
    int Poll_Time;
    int Max_Error;
    int Position;
    int Start_Bit;
    int First_Text;
};

struct TModbusMasterLayout {
    int Error_Row_Text;  // "Error row "
    TModbusTableLayout Read;
    TModbusTableLayout Write;
};

constexpr int Modbus_Master_Rows = 512;
constexpr int Modbus_Read_Bytes = 128;    // NByte_IN
constexpr int Modbus_Write_Bytes = 1540;  // NByte_OUT

// True when the text is NOT an IPv4 address of four parts 0..255.
bool Check_IP_Address(const QString& IP_Address);

// Rows: one per grid data row from row 1, cells from column 1. The read table is
// checked first; each ends before its first blank key cell (the IP address, or the
// Slave ID where there is none). The error names its table (0 read, 1 write), row and cell.
std::optional<TRuleCheckError> Check_Modbus_Master_Rules(const TModbusMasterLayout& layout, const TCellTable& read,
                                                         const TCellTable& write);
