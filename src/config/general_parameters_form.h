#pragma once
// The "Set Communication" window: the converter's KNX side, its DALI side and its
// Ethernet interface, loaded from the configuration's general parameters file each
// time it is shown and written whole on OK, after the checks of Controllo_Dati.
//
// The title and the boxes lie on a content panel inside a scroll area, with OK and
// Cancel on a strip below it: on a screen too small for the whole form the window
// takes the screen's height and the content scrolls, while OK and Cancel stay in view.
// The layout's numbers are those of the content.
//
// Sections of the .cpp: creation of the controls, texts, layout with collapse and
// expand, fitting the window to the screen, loading and saving, closing, the enabling
// rule and the key and change handlers, and the checks.

#include "config/general_parameters_file.h"
#include "controls/lb_button.h"
#include "platform/form.h"
#include "platform/standard_controls.h"
#include "platform/xml_document.h"

#include <vector>

class QScrollArea;

class TFParGen : public TForm {
public:
    explicit TFParGen(TComponent* AOwner);

    QScrollArea* SB_Content;
    TPanel* P_Content;
    TPanel* P_Buttons;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TXMLDocument XML1;

    TGroupBox* GB_KNX;
    TLbButton* Btn_KNX_Collapse;
    TLbButton* Btn_KNX_Expande;
    TLabel* L_KNX_Type;
    TComboBox* CB_KNX_Type;
    TLabel* L_KNX_ID_Dev;
    TEdit* E_ID_DEV_KNX;
    TCheckBox* CB_KNX_Interface_Enable;
    TLabel* L_KNX_ID_Tun;
    TEdit* E_ID_Tun_KNX;
    TLabel* L_KNX_ID_Mana;
    TEdit* E_ID_Mana_KNX;
    TLabel* L_KNX_CTRL_Port;
    TEdit* E_CTRL_Port_KNX;
    TLabel* L_KNX_TUN_Port;
    TEdit* E_TUN_Port_KNX;
    TLabel* L_KNX_MANA_Port;
    TEdit* E_MANA_Port_KNX;
    TLabel* L_KNX_TimeOut_DALI;
    TEdit* E_KNX_TimeOut_DALI;
    TLabel* L_KNX_Delay_Packets;
    TEdit* E_KNX_Delay_Packets;

    TGroupBox* GB_DALI;
    TLbButton* Btn_DALI_Collapse;
    TLbButton* Btn_DALI_Expande;
    TLabel* L_DALI_Console_Port;
    TEdit* E_DALI_Console_Port;
    TLabel* L_DALI_Data_Point_ADV;
    TEdit* E_DALI_Data_Point_ADV;
    TEdit* E_DALI_Data_Point_ADV2;
    TLabel* L_DALI_Data_Point_SW;
    TEdit* E_DALI_Data_Point_SW;
    TEdit* E_DALI_Data_Point_SW2;
    TLabel* L_DALI_Data_Point_DIM;
    TEdit* E_DALI_Data_Point_DIM;
    TEdit* E_DALI_Data_Point_DIM2;
    TCheckBox* CB_DALI_Disable_Scan;
    TCheckBox* CB_DALI_En_DALI2;

    TGroupBox* GB_Modbus_TCP_Slave;
    TLbButton* Btn_Modbus_TCP_Slave_Collapse;
    TLbButton* Btn_Modbus_TCP_Slave_Expande;
    TLabel* L_ModTCPs_IP;
    TEdit* E_IP1;
    TEdit* E_IP2;
    TEdit* E_IP3;
    TEdit* E_IP4;
    TLabel* L_ModTCPs_SM;
    TEdit* E_SM1;
    TEdit* E_SM2;
    TEdit* E_SM3;
    TEdit* E_SM4;
    TCheckBox* CB_ModTCPs_EN_GAT;
    TEdit* E_GAT1;
    TEdit* E_GAT2;
    TEdit* E_GAT3;
    TEdit* E_GAT4;

    // A box is expanded while its flag is on; the state lasts while the program runs.
    bool GB_KNX_Visible = true;
    bool GB_DALI_Visible = true;
    bool GB_Modbus_TCP_Slave_Visible = true;
    // Something was changed since the values were last loaded.
    bool Is_Change = false;

    void Set_Lang();
    void Btn_OKClick(TObject* Sender);
    void Btn_CancelClick(TObject* Sender);
    void Btn_GB_Collapse(TObject* Sender);
    void Btn_GB_Expande(TObject* Sender);
    void KeyPress(TObject* Sender, QChar& Key);
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    void Collapse_Expand_Creation();
    void Move_GroupBoxs();
    bool Controllo_Dati();
    void Enable_DALI_Object();
    // The inside height the layout gives the window (915 with every box expanded); the
    // window is lower when the screen is.
    int Layout_Client_Height() const { return FLayoutClientHeight; }

protected:
    void FormShow(TObject* Sender) override;
    void FormActivate(TObject* Sender);
    // Closing through the window manager asks as Cancel does.
    void FormClose(TObject* Sender, TCloseAction& Action) override;
    void changeEvent(QEvent* event) override;

private:
    struct TCollapsibleBox {
        TGroupBox* box;
        TLbButton* collapse;
        TLbButton* expand;
        bool* expanded;
        std::vector<TControl*> hiddenWhenCollapsed;
    };
    struct TEditElement {
        QString TGeneralParameters::*field;
        TEdit* edit;
    };
    struct TCheckElement {
        QString TGeneralParameters::*field;
        TCheckBox* check;
    };

    void Create_Controls();
    TGroupBox* Make_Box(const QString& name);
    TLbButton* Make_Box_Button(TGroupBox* box, const QString& name);
    TLabel* Make_Label(TGroupBox* box, const QString& name, int left, int top);
    TEdit* Make_Edit(TGroupBox* box, const QString& name, int left, int top, int width);
    TCheckBox* Make_Check(TGroupBox* box, const QString& name, int left, int top, int width);
    void RePosition_Objects_514();
    // Sizes the window for a content of the given inside size, scrolling what the
    // screen cannot show.
    void Fit_To_Screen(int clientWidth, int clientHeight);
    // False when the user chose to stay in the window with unsaved changes.
    bool May_Discard_Changes();
    void Load_Values();
    TGeneralParameters Values() const;

    std::vector<TCollapsibleBox> FBoxes;
    std::vector<TEditElement> FEditElements;
    std::vector<TCheckElement> FCheckElements;
    int FLayoutClientHeight = 0;
};

inline TFParGen* FParGen = nullptr;
