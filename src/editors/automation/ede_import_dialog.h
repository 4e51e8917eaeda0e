#pragma once
// The EDE import picker: one row per usable object of a BACnet device's EDE file, with
// ticks for import, read table and write table, and the device's IP address or slave
// ID. The BACnet editor reads the picked objects and the device text after OK.

#include "editors/automation/ede_file_parser.h"
#include "editors/rule_editor/rule_editor_window.h"

#include <vector>

class TEdit;
class TExColumnGrid;

class TFImportEDEFile : public TRuleEditorWindow {
public:
    explicit TFImportEDEFile(TComponent* AOwner);

    TLbButton* Btn_Select_All;
    TLbButton* Btn_Unselect_All;
    TPanel* P_ID_IP;
    TLabel* LID_IP;
    TEdit* E_ID_IP;
    TExColumnGrid* ACG;
    // Set by the caller before showing.
    QString EDE_File;
    int App_BACnet_Type = 0;
    // The file's usable objects, one per grid row from row 1.
    std::vector<TBACnet_Var> List_EDE_Var;

    void Set_Lang();
    void Load_EDE_File();
    void Show_Data_in_Grid();
    void Cancel_EDE_List_Vars();
    void ACGCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
    void Btn_OKClick(TObject* Sender);
    void Btn_Select_AllClick(TObject* Sender);
    void Btn_Unselect_AllClick(TObject* Sender);

protected:
    void FormShow(TObject* Sender) override;

private:
    void Select_All(bool import);
};

inline TFImportEDEFile* FImportEDEFile = nullptr;
