#pragma once
// The Modbus serial master rule editor: what the converter polls from and writes to the
// slaves of its serial line, told apart by slave ID, kept in ModbusM_SetAccess.xml.

#include "editors/fieldbus/modbus_master_editor.h"

class TFSetAccess : public TModbusMasterEditor {
public:
    explicit TFSetAccess(TComponent* AOwner);
};

inline TFSetAccess* FSetAccess = nullptr;
