#pragma once
// The BACnet client rule editor: rules that poll properties of BACnet objects into the
// converter (read table) and write values to them (write table), up to 512 each, kept
// in BACnet_Master_Access.xml. Devices are addressed by IP address or slave ID as the
// general parameters' BACnet type says.

#include "editors/rule_editor/rule_editor_window.h"

class TExColumnGrid;
class TOpenDialog;
class TPageControl;
class TTabSheet;
struct TRuleTable;

class TFBACnetAccess : public TRuleEditorWindow {
public:
    explicit TFBACnetAccess(TComponent* AOwner);

    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TLbButton* Btn_Import_CSV;
    TPageControl* PageControl1;
    TTabSheet* TS_BACnet_Read;
    TTabSheet* TS_BACnet_Write;
    TExColumnGrid* ACG1;
    TExColumnGrid* ACG2;
    TOpenDialog* OD_EDE_File;
    int App_BACnet_Type = 0;
    bool Do_Copy_In_Read = false;
    bool Do_Copy_In_Write = false;
    // What the last show could not read; OK asks before saving over it.
    TRuleFileProblem Load_Problem;

    void Set_Lang();
    bool Controllo_dati();
    void Btn_OKClick(TObject* Sender);
    // Picks an EDE file, lets the user choose its objects in the import dialog and
    // appends them to the tables as rules.
    void Btn_Import_CSVClick(TObject* Sender);
    // The lists of the Position columns: DALI targets (read), DALI devices and the
    // enabled DALI-2 rules' positions (write).
    void Prepare_Devices_Position_Columns();
    // The enabled DALI-2 rules' positions, in file order.
    static QStringList DALI2_Positions(const QString& fileName);

protected:
    void FormShow(TObject* Sender) override;

private:
    TExColumnGrid* Build_Table(TTabSheet* page, const char* name, const TRuleTable& table);
    void Apply_BACnet_Type();
    const TRuleTable& Read_Table() const;
    const TRuleTable& Write_Table() const;
    TExColumnGrid& Active_Table();
    bool& Active_Copy_Flag();
};

inline TFBACnetAccess* FBACnetAccess = nullptr;
