#pragma once
// The CANopen SDO client rule editor: the objects the converter reads from other
// devices into its input data area and the ones it writes from its output data area,
// kept in SDO_Client_CANopen.xml.

#include "editors/fieldbus/canopen_rule_editor.h"

class TFSet_SDO_Client_Access : public TCANopenRuleEditor {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner);

    TTabSheet*& TS_SDO_Read = Pages[0];
    TTabSheet*& TS_SDO_Write = Pages[1];
    TStringList& Hint_SDO_Client_Read = Hints[0];
    TStringList& Hint_SDO_Client_Write = Hints[1];
    bool& Do_Copy_SDO_Read = Copied[0];
    bool& Do_Copy_SDO_Write = Copied[1];
};

inline TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
