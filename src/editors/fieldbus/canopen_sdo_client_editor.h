#pragma once
// The CANopen SDO client rule editor: the objects the converter reads from other
// devices into its input data area and the ones it writes from its output data area,
// kept in SDO_Client_CANopen.xml.

#include "editors/fieldbus/canopen_rule_editor.h"

class TFSet_SDO_Client_Access : public TSDORuleEditor {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner);
};

inline TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
