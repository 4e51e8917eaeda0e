#pragma once
// The Modbus TCP master rule editor: what the converter polls from and writes to Modbus
// TCP slaves, kept in ModbusTCPM_SetAccess.xml.

#include "editors/fieldbus/modbus_master_editor.h"

class TFModbus_TCP_Master_Set_Access : public TModbusMasterEditor {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
};

inline TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;
