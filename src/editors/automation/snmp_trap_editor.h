#pragma once
// The SNMP trap rule editor: the variables the converter sends as traps (read table)
// and takes from SNMP sets (write table), up to 256 each, kept in SNMP_Trap.xml. Their
// descriptions name the variables of the MIB module.

#include "editors/rule_editor/rule_editor_window.h"
#include "platform/string_list.h"

class TExColumnGrid;
class TPageControl;
class TTabSheet;
struct TRuleTable;

class TFSNMP_Trap_Access : public TRuleEditorWindow {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner);

    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TPageControl* PageControl1;
    TTabSheet* TS_SNMP_Read;
    TTabSheet* TS_SNMP_Write;
    TExColumnGrid* ACG_SNMP_Read;
    TExColumnGrid* ACG_SNMP_Write;
    // Header hints, entry c - 1 for column c.
    TStringList Hint_SNMP_Read;
    TStringList Hint_SNMP_Write;
    int NByte_IN = 0;
    int NByte_OUT = 0;
    bool Do_Copy_In_Read = false;
    bool Do_Copy_In_Write = false;
    // What the last show could not read; OK asks before saving over it.
    TRuleFileProblem Load_Problem;
    // The descriptions the last check collected.
    QStringList SL_Check_Desc;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);
    // Numbers the enabled rows 1, 2, ... in column 0; other rows show no number.
    static void Index_Row_Build(TExColumnGrid* app_SGA);

protected:
    void FormShow(TObject* Sender) override;

private:
    TExColumnGrid* Build_Table(TTabSheet* page, const char* name, const TRuleTable& table, TStringList& hints);
    // The table of the active page and its copy flag.
    TExColumnGrid& Active_Table();
    bool& Active_Copy_Flag();
};

inline TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;
