#pragma once
// The CANopen SDO server object editor: the manufacturer objects other devices read
// from the converter and the ones they write, each byte tied to a position of the data
// area, kept in SDO_Server_CANopen.xml, from which the EDS export describes them.

#include "editors/fieldbus/canopen_rule_editor.h"

class TFSet_SDO_Server_Access : public TSDORuleEditor {
public:
    explicit TFSet_SDO_Server_Access(TComponent* AOwner);
};

inline TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
