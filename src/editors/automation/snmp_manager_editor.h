#pragma once
// The SNMP manager rule editor: up to 512 requests the converter sends to SNMP agents
// (Get, Set or Trap), kept in SNMP_Manager.xml.

#include "editors/rule_editor/rule_editor_window.h"
#include "platform/string_list.h"

class TExColumnGrid;

class TFSNMPManagerAccess : public TRuleEditorWindow {
public:
    explicit TFSNMPManagerAccess(TComponent* AOwner);

    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TExColumnGrid* ACG_SNMP;
    // Header hints, entry c - 1 for column c.
    TStringList Hint_SNMP;
    bool Do_Copy_SNMP = false;
    // What the last show could not read; OK asks before saving over it.
    TRuleFileProblem Load_Problem;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);

protected:
    void FormShow(TObject* Sender) override;
};

inline TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;
