#pragma once
// The DALI access editor: on three pages the options of the 64 DALI devices and of the
// 16 groups and broadcast, the DALI-2 input rules and the DALI-2 functions. OK checks the
// DALI-2 tables and rewrites DALI_Access.xml and DALI2_Access.xml.
//
// Files by concern: this one the window, its buttons, showing and OK;
// dali_device_page.cpp the "Select Device" page and the maps export;
// dali2_pages.cpp the "Set Access" and "Functions" pages.

#include "controls/small_dialog.h"
#include "editors/dali_knx/dali_access_file.h"
#include "platform/string_list.h"

class QSplitter;
class TExColumnGrid;
class TExStringGrid;
class TPopupMenu;
class TSaveDialog;

class TFDALI_Access : public TSmallDialog {
public:
    explicit TFDALI_Access(TComponent* AOwner);
    ~TFDALI_Access() override;

    TLabel* L_NBI_Title;
    TLabel* L_NBI_Value;
    TLabel* L_NBO_Title;
    TLabel* L_NBO_Value;
    TPageControl* PC_DALI;
    TTabSheet* TS_Select_Device;
    TTabSheet* TS_Set_Access;
    TTabSheet* TS_Functions;
    TLbButton* Btn_SelectAll;
    TLbButton* Btn_ClearAll;
    TLbButton* Btn_DALI_Maps;
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;

    // "Select Device": the device grid above a splitter, the group panel below it.
    QSplitter* Splitter_Device_Group;
    TPanel* PDaliGroupBroad;
    TExColumnGrid* ACG_DALI_Device;
    TExColumnGrid* ACG_DALI_GroupBroad;
    TPopupMenu* PM_Dimming_Mode;
    TPopupMenu* PM_MinMax_Value;
    TPopupMenu* PM_Recall_Level;
    TPopupMenu* PM_DimMode_GB;
    TPopupMenu* PM_MinMax_GB;
    TPopupMenu* PM_Recall_GB;
    TSaveDialog* SD_DALI_Maps;

    // "Set Access" and "Functions".
    TExStringGrid* ASG;
    TExColumnGrid* ACG;
    TStringList Hint;      // set-access header hints, entry c - 1 for column c
    TStringList Hint_Fun;  // function header hints
    TStringList DevSen;
    TStringList SenType;
    TStringList DevType;
    TStringList SelFunct;
    TStringList NumBytes;
    bool Do_Copy = false;
    bool Do_Copy_Fun = false;

    void Set_Lang();
    void PC_DALIChange(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void Btn_SelectAllClick(TObject* Sender);
    void Btn_ClearAllClick(TObject* Sender);
    void Btn_DALI_MapsClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    // The header menus: the grid the menu belongs to gets the value in every data row.
    void DimmingModeClick(TExColumnGrid* Grid, const QString& Value);
    void MinMaxValueClick(TExColumnGrid* Grid, const QString& Value);
    void RecallLevelClick(TExColumnGrid* Grid, const QString& Value);

    void Compile_Function();
    void SetConditionOnEvent(const QString& Event, int ARow);
    bool Controllo_dati();

    // The tables as cell texts, by real column from column 1.
    TDALIDeviceTables Device_Tables() const;
    TDALI2Tables DALI2_Tables() const;

protected:
    void FormShow(TObject* Sender) override;

private:
    void Init_Form_Type();
    void Build_Device_Page();
    void Build_Header_Menus();
    void Init_Table();
    void Build_Functions_Grid();
    void Connect_DALI2_Handlers();
    void Set_Lang_Device_Page();
    void Set_Lang_DALI2_Pages();
    void Load_Device_Page();
    void Load_DALI2_Pages();
    void Show_Device_Tables(const TDALIDeviceTables& tables);
    // The current data row of the active DALI-2 page's grid; 0 in the header.
    int Current_Data_Row() const;
    bool On_Set_Access_Page() const;

    // What loading could not show; OK asks before replacing such a file.
    TRuleFileProblem Device_Load_Problem;
    TRuleFileProblem DALI2_Load_Problem;
};

inline TFDALI_Access* FDALI_Access = nullptr;
