#pragma once
// The CANopen PDO rule editor: the receive PDOs (each data byte goes to a position of
// the input data area) and the transmit PDOs (each byte taken from the output data
// area), kept in PDO_CANopen.xml, which the EDS export reads too.

#include "editors/fieldbus/canopen_rule_editor.h"

class TFSet_PDO_Access : public TCANopenRuleEditor {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner);

    TTabSheet*& TS_Receive_PDO = Pages[0];
    TTabSheet*& TS_Transmit_PDO = Pages[1];
    TStringList& Hint_PDO_Receive = Hints[0];
    TStringList& Hint_PDO_Transmit = Hints[1];
    bool& Do_Copy_Receive_PDO = Copied[0];
    bool& Do_Copy_Transmit_PDO = Copied[1];
};

inline TFSet_PDO_Access* FSet_PDO_Access = nullptr;
