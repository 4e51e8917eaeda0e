#pragma once
// The CANopen SDO server object editor: the manufacturer objects other devices read
// from the converter and the ones they write, each byte tied to a position of the data
// area, kept in SDO_Server_CANopen.xml, from which the EDS export describes them.

#include "editors/fieldbus/canopen_rule_editor.h"

class TFSet_SDO_Server_Access : public TCANopenRuleEditor {
public:
    explicit TFSet_SDO_Server_Access(TComponent* AOwner);

    TTabSheet*& TS_SDO_Read = Pages[0];
    TTabSheet*& TS_SDO_Write = Pages[1];
    // The lists keep the client editor's names here too.
    TStringList& Hint_SDO_Client_Read = Hints[0];
    TStringList& Hint_SDO_Client_Write = Hints[1];
    bool& Do_Copy_SDO_Read = Copied[0];
    bool& Do_Copy_SDO_Write = Copied[1];
};

inline TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
