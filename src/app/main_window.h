#pragma once
// The main window: the numbered steps of the work, each a button that opens a dialog
// or runs an action, plus the services other windows use (language change, file
// paths, starting a program).

#include "controls/lb_button.h"
#include "platform/dialogs.h"
#include "platform/form.h"
#include "platform/http_client.h"
#include "platform/standard_controls.h"
#include "platform/xml_document.h"

#include <array>

class TFVastreloneFirmWare : public TForm {
public:
    explicit TFVastreloneFirmWare(TComponent* AOwner);

    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* L_Begin;
    TShape* Shape1;
    TShape* Shape2;
    TLabel* L_Name_Conf;
    TLabel* L_Name_Conf_L2;
    std::array<TLabel*, 8> L_Step{};  // L_Step_1 ... L_Step_8
    TLabel* L_Korvel;
    TImage* I_Dravane;
    TLinkLabel* LL_Update;

    TLbButton* Btn_Info;
    TLbButton* Btn_Opz;
    TLbButton* Btn_Close;
    TLbButton* Btn_New;
    TLbButton* Btn_Open;
    TLbButton* Btn_Prm_Gen;
    TLbButton* Btn_DALI_Access;
    TLbButton* Btn_KNX_Access;
    TLbButton* Btn_CreateBin;
    TLbButton* Btn_PROFINET_XML;
    TLbButton* Btn_ModM_SetAccess;
    TLbButton* Btn_DMX_Default;
    TLbButton* Btn_Set_BACnet_Access;
    TLbButton* Btn_SNMP_Trap;
    TLbButton* Btn_SNMP_MIB;
    TLbButton* Btn_J1939_Rec_Frame;
    TLbButton* Btn_J1939_Send_Frame;
    TLbButton* Btn_SDO_Server_CANopen;
    TLbButton* Btn_SDO_Client_CANopen;
    TLbButton* Btn_PDO_CANopen;
    TLbButton* Btn_CANopen_EDS;
    TLbButton* Btn_SNMP_Manager_Access;

    TTimer* Timer_Update;
    TXMLDocument XML1;
    THTTPClient* HTTP1;
    TSaveDialog* SaveMIB;
    TSaveDialog* SaveEDS;

    void Set_Lang();
    void Set_Files();
    // False when the settings file could not be written.
    bool Save_Setting();
    void Open_Project();
    void Create_New_Project();
    void Change_Language();
    void Update_Device();
    void PROFINET_XML();
    void Check_Enable_DMX_Def_Val() {}
    // Starts a program and waits for it, at most 150 s; false when it could not be started.
    bool Start_Program(const QString& NomeSW, const QString& Parameter, int tipo);
    // Enables the update timer exactly when internet use and the update check are on.
    void Apply_Timer_Rule();

    void Btn_Click(TObject* Sender);
    void L_KorvelClick(TObject* Sender);
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const QString& Link, TSysLinkType LinkType);

protected:
    void FormShow(TObject* Sender) override;
    void FormClose(TObject* Sender, TCloseAction& Action) override;

private:
    void FormCreate();
    void Create_Components();
    void Lay_Out();
    void Show_Configuration_Labels();
    TLbButton* Make_Button(const QString& name, int left, int top, int width, int height, const QString& glyph);
};

inline TFVastreloneFirmWare* FVastreloneFirmWare = nullptr;
