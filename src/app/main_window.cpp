#include "app/main_window.h"

#include "app/about_box.h"
#include "core/configuration_folders.h"
#include "core/english_language_file.h"
#include "core/maker_links.h"
#include "app/new_project_dialog.h"
#include "app/open_configuration_dialog.h"
#include "core/program_start.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "app/software_options_dialog.h"
#include "core/text_table.h"
#include "controls/window_look.h"
#include "config/configuration_compiler.h"
#include "config/device_update_dialog.h"
#include "config/general_parameters_form.h"
#include "controls/button_look.h"
#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/dmx_default_values_editor.h"
#include "editors/automation/snmp_manager_editor.h"
#include "editors/automation/snmp_mib_save.h"
#include "editors/automation/snmp_trap_editor.h"
#include "editors/dali_knx/dali_access_editor.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "editors/fieldbus/can_receive_editor.h"
#include "editors/fieldbus/can_transmit_editor.h"
#include "editors/fieldbus/canopen_pdo_editor.h"
#include "editors/fieldbus/canopen_sdo_client_editor.h"
#include "editors/fieldbus/canopen_sdo_server_editor.h"
#include "editors/fieldbus/eds_save.h"
#include "editors/fieldbus/gsdml_save.h"
#include "editors/fieldbus/modbus_serial_master_editor.h"
#include "editors/fieldbus/modbus_tcp_master_editor.h"
#include "editors/fieldbus/profinet_file_name_dialog.h"
#include "platform/file_system.h"
#include "platform/url_opener.h"


namespace {
constexpr int kFirstCheckInterval = 60000;
constexpr int kLaterCheckInterval = 7200000;
constexpr int kCornerButtonSize = 50;
}  // namespace

TFVastreloneFirmWare::TFVastreloneFirmWare(TComponent* AOwner) : TForm(AOwner) {
    SetName(QStringLiteral("FVastreloneFirmWare"));
    SetColor(Window_Color);
    SetFontName(QStringLiteral("Verdana"));
    SetFontSize(8);
    SetPosition(poScreenCenter);
    SetBorderIcons({biSystemMenu});
    Create_Components();
    FormCreate();
}

TLbButton* TFVastreloneFirmWare::Make_Button(const QString& name, int left, int top, int width, int height,
                                              const QString& glyph) {
    auto* button = new TLbButton(this);
    button->SetName(name);
    button->SetBounds(left, top, width, height);
    SetStandardButtonLook(button, glyph);
    // The corner buttons show only their glyph; the step buttons a glyph and a caption.
    button->SetAlignment(width == kCornerButtonSize ? taCenter : taLeftJustify);
    button->OnClick = [this](TObject* sender) { Btn_Click(sender); };
    return button;
}

void TFVastreloneFirmWare::Create_Components() {
    auto label = [this](const QString& name, int left, int top) {
        auto* l = new TLabel(this);
        l->SetName(name);
        l->SetLeft(left);
        l->SetTop(top);
        l->SetFontColor(clGray);
        return l;
    };
    L_SW_Code = label(QStringLiteral("L_SW_Code"), 16, 8);
    L_SW_Code->SetFontSize(24);
    L_SW_Desc = label(QStringLiteral("L_SW_Desc"), 16, 42);
    L_SW_Desc->SetFontBold(true);
    L_Begin = label(QStringLiteral("L_Begin"), 16, 84);
    L_Begin->SetFontBold(true);

    Shape2 = new TShape(this);
    Shape2->SetName(QStringLiteral("Shape2"));
    Shape2->SetBounds(80, 70, 348, 36);
    Shape2->SetPenColor(clSilver);
    Shape2->SetBrushStyle(bsClear);
    L_Name_Conf = label(QStringLiteral("L_Name_Conf"), 87, 75);
    L_Name_Conf_L2 = label(QStringLiteral("L_Name_Conf_L2"), 87, 88);

    for (int i = 0; i < 8; ++i) {
        L_Step[std::size_t(i)] = label(QStringLiteral("L_Step_%1").arg(i + 1), 16, 128 + 44 * i);
        L_Step[std::size_t(i)]->SetFontBold(true);
    }
    Shape1 = new TShape(this);
    Shape1->SetName(QStringLiteral("Shape1"));
    Shape1->SetPenColor(clSilver);

    L_Korvel = label(QStringLiteral("L_Korvel"), 565, 392);
    L_Korvel->SetCaption(QStringLiteral("Korvel"));
    L_Korvel->SetCursor(crHandPoint);
    L_Korvel->OnClick = [this](TObject* sender) { L_KorvelClick(sender); };

    I_Dravane = new TImage(this);
    I_Dravane->SetName(QStringLiteral("I_Dravane"));
    I_Dravane->SetBounds(468, 414, 238, 51);

    LL_Update = new TLinkLabel(this);
    LL_Update->SetName(QStringLiteral("LL_Update"));
    LL_Update->SetBounds(208, 19, 294, 17);
    LL_Update->OnLinkClick = [this](TObject* s, const QString& link, TSysLinkType type) {
        LL_UpdateLinkClick(s, link, type);
    };

    Btn_Info = Make_Button(QStringLiteral("Btn_Info"), 516, 8, 50, 50, QStringLiteral("info"));
    Btn_Opz = Make_Button(QStringLiteral("Btn_Opz"), 574, 8, 50, 50, QStringLiteral("options"));
    Btn_Close = Make_Button(QStringLiteral("Btn_Close"), 632, 8, 50, 50, QStringLiteral("exit"));
    Btn_New = Make_Button(QStringLiteral("Btn_New"), 80, 112, 170, 36, QStringLiteral("new"));
    Btn_Open = Make_Button(QStringLiteral("Btn_Open"), 258, 112, 170, 36, QStringLiteral("open"));
    Btn_Prm_Gen = Make_Button(QStringLiteral("Btn_Prm_Gen"), 80, 156, 170, 36, QStringLiteral("parameters"));
    Btn_DALI_Access = Make_Button(QStringLiteral("Btn_DALI_Access"), 80, 200, 170, 36, QStringLiteral("dali"));
    Btn_KNX_Access = Make_Button(QStringLiteral("Btn_KNX_Access"), 80, 244, 170, 36, QStringLiteral("knx"));
    Btn_CreateBin = Make_Button(QStringLiteral("Btn_CreateBin"), 80, 332, 170, 36, QStringLiteral("update"));
    Btn_PROFINET_XML = Make_Button(QStringLiteral("Btn_PROFINET_XML"), 80, 242, 170, 36, QStringLiteral("file"));
    Btn_ModM_SetAccess = Make_Button(QStringLiteral("Btn_ModM_SetAccess"), 80, 284, 170, 36, QStringLiteral("rules"));
    Btn_DMX_Default = Make_Button(QStringLiteral("Btn_DMX_Default"), 80, 374, 170, 36, QStringLiteral("parameters"));
    Btn_Set_BACnet_Access = Make_Button(QStringLiteral("Btn_Set_BACnet_Access"), 258, 200, 170, 36,
        QStringLiteral("rules"));
    Btn_Set_BACnet_Access->SetCaption(QStringLiteral("Set BACnet Access"));
    Btn_SNMP_Trap = Make_Button(QStringLiteral("Btn_SNMP_Trap"), 258, 242, 170, 37, QStringLiteral("rules"));
    Btn_SNMP_Trap->SetCaption(QStringLiteral("Set SNMP Access"));
    Btn_SNMP_MIB = Make_Button(QStringLiteral("Btn_SNMP_MIB"), 258, 284, 170, 36, QStringLiteral("file"));
    Btn_SNMP_MIB->SetCaption(QStringLiteral("SNMP MIB"));
    Btn_J1939_Rec_Frame = Make_Button(QStringLiteral("Btn_J1939_Rec_Frame"), 434, 200, 170, 36,
        QStringLiteral("rules"));
    Btn_J1939_Send_Frame = Make_Button(QStringLiteral("Btn_J1939_Send_Frame"), 434, 242, 170, 36,
        QStringLiteral("rules"));
    Btn_SDO_Server_CANopen = Make_Button(QStringLiteral("Btn_SDO_Server_CANopen"), 610, 200, 170, 36,
        QStringLiteral("rules"));
    Btn_SDO_Server_CANopen->SetCaption(QStringLiteral("Set SDO Server"));
    Btn_SDO_Client_CANopen = Make_Button(QStringLiteral("Btn_SDO_Client_CANopen"), 610, 242, 170, 36,
        QStringLiteral("rules"));
    Btn_SDO_Client_CANopen->SetCaption(QStringLiteral("Set SDO Client"));
    Btn_PDO_CANopen = Make_Button(QStringLiteral("Btn_PDO_CANopen"), 610, 283, 170, 36, QStringLiteral("rules"));
    Btn_PDO_CANopen->SetCaption(QStringLiteral("Set PDO Access"));
    Btn_CANopen_EDS = Make_Button(QStringLiteral("Btn_CANopen_EDS"), 610, 325, 170, 36, QStringLiteral("file"));
    Btn_CANopen_EDS->SetCaption(QStringLiteral("EDS File"));
    Btn_SNMP_Manager_Access = Make_Button(QStringLiteral("Btn_SNMP_Manager_Access"), 256, 332, 170, 36,
        QStringLiteral("rules"));
    Btn_Prm_Gen->SetStyle(bsNormal);
    for (TLbButton* button : {Btn_New, Btn_Open, Btn_CreateBin}) button->SetHotTrackColor(clSkyBlue);

    Timer_Update = new TTimer(this);
    Timer_Update->SetName(QStringLiteral("Timer_Update"));
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(kFirstCheckInterval);
    Timer_Update->OnTimer = [this](TObject* sender) { Timer_UpdateTimer(sender); };

    HTTP1 = new THTTPClient(this);
    HTTP1->SetName(QStringLiteral("HTTP1"));
    HTTP1->SetAccept(QStringLiteral("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
    HTTP1->SetUserAgent(QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));

    SaveMIB = new TSaveDialog(this);
    SaveMIB->SetName(QStringLiteral("SaveMIB"));
    SaveMIB->DefaultExt = QStringLiteral("*.mib");
    SaveMIB->Filter = QStringLiteral("Management Information Base (*.mib)|*.mib");
    SaveEDS = new TSaveDialog(this);
    SaveEDS->SetName(QStringLiteral("SaveEDS"));
    SaveEDS->DefaultExt = QStringLiteral("*.eds");
    SaveEDS->Filter = QStringLiteral("Electronic Data Sheet (*.eds)|*.eds");
}

void TFVastreloneFirmWare::Lay_Out() {
    for (TLbButton* button : {Btn_Info, Btn_Opz, Btn_Close, Btn_New, Btn_Open, Btn_Prm_Gen, Btn_DALI_Access,
                              Btn_KNX_Access, Btn_CreateBin, Btn_PROFINET_XML, Btn_ModM_SetAccess, Btn_DMX_Default,
                              Btn_Set_BACnet_Access, Btn_SNMP_Trap, Btn_SNMP_MIB, Btn_J1939_Rec_Frame,
                              Btn_J1939_Send_Frame, Btn_SDO_Server_CANopen, Btn_SDO_Client_CANopen,
                              Btn_PDO_CANopen, Btn_CANopen_EDS, Btn_SNMP_Manager_Access})
        button->Hide();
    for (TLabel* step : L_Step) step->Hide();
    I_Dravane->Hide();
    LL_Update->Hide();

    for (TLbButton* corner : {Btn_Info, Btn_Opz, Btn_Close}) corner->Show();
    Btn_New->Show();
    Btn_Open->Show();
    Btn_Prm_Gen->Show();
    Btn_CreateBin->SetTop(332);
    Btn_CreateBin->Show();

    // This product shows five steps.
    for (int i = 0; i < 5; ++i) L_Step[std::size_t(i)]->Show();
    L_Korvel->SetTop(L_Step[4]->Top());
    L_Korvel->Show();
    Btn_DALI_Access->SetBounds(80, 200, 170, 36);
    Btn_DALI_Access->Show();
    Btn_KNX_Access->SetBounds(80, 244, 170, 36);
    Btn_KNX_Access->Show();
    Btn_CreateBin->SetTop(288);
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientSize(694, Btn_CreateBin->Top() + 152);
    SetBorderStyle(bsSingle);
}

void TFVastreloneFirmWare::FormCreate() {
    SL_Lang_Texts.Clear();
    Lay_Out();

    Set_Program_Folders(ProgramFolder());
    for (const QString& folder : {Dir_Master, Dir_Projects, Dir_Language})
        if (!DirectoryExists(folder)) CreateDir(folder);
    // English is offered on the language pages like any language with a file.
    Write_English_Language_File();

    Project_Name.clear();
    Read_Settings(XML1);
    Apply_Timer_Rule();

    SW_Title = QStringLiteral("Korvel - Configurator PK30514 - KNX / DALI ");
    SW_Code = SW_Code_Const;
    SW_Desc = SW_Desc_Const;
    SetCaption(SW_Title);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);

    Init_Language();

    // A configuration whose folder is gone is not opened, but its name is saved again.
    Project_Folder = Existing_Configuration_Folder(Project_Name);

    Set_Lang();
    Set_Files();
    Update_Read_Back = true;
    SL_Copy_Row.Clear();
    SL_MIB_Read_Vars.Clear();
    SL_MIB_Write_Vars.Clear();
}

void TFVastreloneFirmWare::Set_Lang() {
    L_Begin->SetCaption(LangText(0));
    for (int i = 0; i < 8; ++i) L_Step[std::size_t(i)]->SetCaption(LangText(1 + i));
    Btn_Info->SetHint(LangText(12));
    Btn_Opz->SetHint(LangText(13));
    Btn_Close->SetHint(LangText(14));
    Btn_New->SetCaption(LangText(15));
    Btn_Open->SetCaption(LangText(16));
    Btn_CreateBin->SetCaption(LangText(17));
    Btn_Prm_Gen->SetCaption(LangText(20));
    Btn_DALI_Access->SetCaption(LangText(21));
    Show_Configuration_Labels();
    Btn_New->SetHint(LangText(22));
    Btn_Open->SetHint(LangText(23));
    Btn_Prm_Gen->SetHint(LangText(24));
    Btn_DALI_Access->SetHint(LangText(25));
    Btn_CreateBin->SetHint(LangText(26));
    const std::pair<TLbButton*, int> captioned[] = {
        {Btn_PROFINET_XML, 27},    {Btn_ModM_SetAccess, 29},   {Btn_DMX_Default, 31},
        {Btn_J1939_Rec_Frame, 33}, {Btn_J1939_Send_Frame, 35}, {Btn_KNX_Access, 37},
        {Btn_SNMP_Manager_Access, 39}};
    for (const auto& [button, text] : captioned) {
        button->SetCaption(LangText(text));
        button->SetHint(LangText(text + 1));
    }
}

void TFVastreloneFirmWare::Show_Configuration_Labels() {
    if (!Project_Folder.isEmpty()) {
        L_Name_Conf->SetCaption(LangText(11));
        L_Name_Conf_L2->SetCaption(Project_Name);
    } else {
        L_Name_Conf->SetCaption(LangText(9));
        L_Name_Conf_L2->SetCaption(LangText(10));
    }
}

void TFVastreloneFirmWare::Set_Files() { Build_Configuration_Paths(); }

bool TFVastreloneFirmWare::Save_Setting() { return Write_Settings(XML1); }

void TFVastreloneFirmWare::Apply_Timer_Rule() { Timer_Update->SetEnabled(Enable_Internet && Enable_Update); }

void TFVastreloneFirmWare::Btn_Click(TObject* Sender) {
    if (Sender == Btn_New) return Create_New_Project();
    if (Sender == Btn_Open) return Open_Project();
    if (Sender == Btn_Close) {
        Close();
        return;
    }
    if (Sender == Btn_Info) {
        FAbout->ShowModal();
        return;
    }
    if (Sender == Btn_Opz) {
        if (FSoftOptions->ShowModal() == mrOk) {
            Save_Setting();
            Apply_Timer_Rule();
        }
        return;
    }
    if (Project_Folder.isEmpty()) {
        ShowErrorMessage(LangText(18));
        return;
    }
    if (Sender == Btn_Prm_Gen) {
        FParGen->ShowModal();
        Check_Enable_DMX_Def_Val();
    } else if (Sender == Btn_DALI_Access) {
        FDALI_Access->ShowModal();
    } else if (Sender == Btn_KNX_Access) {
        FKNXAccess->ShowModal();
    } else if (Sender == Btn_CreateBin) {
        Update_Device();
    } else if (Sender == Btn_PROFINET_XML) {
        PROFINET_XML();
    } else if (Sender == Btn_ModM_SetAccess) {
        FModbus_TCP_Master_Set_Access->ShowModal();
    } else if (Sender == Btn_DMX_Default) {
        FDMXDefVal->ShowModal();
    } else if (Sender == Btn_Set_BACnet_Access) {
        FBACnetAccess->ShowModal();
    } else if (Sender == Btn_SNMP_Trap) {
        FSNMP_Trap_Access->ShowModal();
    } else if (Sender == Btn_J1939_Rec_Frame) {
        FReceiveCAN->ShowModal();
    } else if (Sender == Btn_J1939_Send_Frame) {
        FTransmitCAN->ShowModal();
    } else if (Sender == Btn_SDO_Server_CANopen) {
        FSet_SDO_Server_Access->ShowModal();
    } else if (Sender == Btn_SDO_Client_CANopen) {
        FSet_SDO_Client_Access->ShowModal();
    } else if (Sender == Btn_PDO_CANopen) {
        FSet_PDO_Access->ShowModal();
    } else if (Sender == Btn_SNMP_Manager_Access) {
        FSNMPManagerAccess->ShowModal();
    } else if (Sender == Btn_SNMP_MIB) {
        Save_MIB_File(SaveMIB);
    } else if (Sender == Btn_CANopen_EDS) {
        Build_EDS_File(SaveEDS);
    }
}

void TFVastreloneFirmWare::Open_Project() {
    if (FOpenConf->ShowModal() != mrOk) return;
    Project_Name = FOpenConf->Name_Conf;
    // A folder deleted while the dialog was open is not made current.
    Project_Folder = Existing_Configuration_Folder(Project_Name);
    Show_Configuration_Labels();
    Set_Files();
}

void TFVastreloneFirmWare::Create_New_Project() {
    if (FNew_Project->ShowModal() != mrOk) return;
    Show_Configuration_Labels();
}

void TFVastreloneFirmWare::Update_Device() {
    // The update dialog opens only over an image just compiled and written.
    TCompileResult result = Create_Bin();
    if (result.Ok) result = Save_Bin();
    if (!result.Ok) {
        ShowErrorMessage(result.Message);
        return;
    }
    FBoot->Form_Type = 1;
    FBoot->ShowModal();
}

void TFVastreloneFirmWare::PROFINET_XML() {
    if (FProfinetFileName->ShowModal() == mrOk) Save_GSDML_File(FProfinetFileName->Name_File_XML);
}

void TFVastreloneFirmWare::Change_Language() {
    Set_Lang();
    FNew_Project->Set_Lang();
    FOpenConf->Set_Lang();
    FSoftOptions->Set_Lang();
    FBoot->Set_Lang();
    FParGen->Set_Lang();
    FDALI_Access->Set_Lang();
    FProfinetFileName->Set_Lang();
    FModbus_TCP_Master_Set_Access->Set_Lang();
    FDMXDefVal->Set_Lang();
    FSNMP_Trap_Access->Set_Lang();
    FSetAccess->Set_Lang();
    FReceiveCAN->Set_Lang();
    FTransmitCAN->Set_Lang();
    FSet_PDO_Access->Set_Lang();
    FSet_SDO_Client_Access->Set_Lang();
    FSet_SDO_Server_Access->Set_Lang();
    FKNXAccess->Set_Lang();
    FSNMPManagerAccess->Set_Lang();
}

bool TFVastreloneFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, int tipo) {
    return Start_Program_And_Wait(NomeSW, Parameter, tipo);
}

void TFVastreloneFirmWare::L_KorvelClick(TObject*) { OpenURL(Home_Page_URL); }

void TFVastreloneFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link, TSysLinkType) { OpenURL(Link); }

void TFVastreloneFirmWare::Timer_UpdateTimer(TObject*) {
    Timer_Update->SetEnabled(false);
    if (FSoftOptions->Check_Version()) {
        LL_Update->SetCaption(Download_Link_Caption(LangText(19)));
        LL_Update->Show();
    } else {
        LL_Update->Hide();
    }
    Timer_Update->SetInterval(kLaterCheckInterval);
    Timer_Update->SetEnabled(true);
}

void TFVastreloneFirmWare::FormShow(TObject*) { Check_Enable_DMX_Def_Val(); }

void TFVastreloneFirmWare::FormClose(TObject*, TCloseAction&) {
    if (!Save_Setting())
        ShowErrorMessage(QStringLiteral("The settings could not be saved to %1").arg(Settings_File_Path()));
}
