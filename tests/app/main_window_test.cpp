#include "app/create_windows.h"
#include "app/main_window.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "config/general_parameters_form.h"
#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/dmx_default_values_editor.h"
#include "editors/automation/snmp_manager_editor.h"
#include "editors/automation/snmp_trap_editor.h"
#include "grid/core/column_grid.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "platform/application.h"
#include "platform/file_system.h"

#include "test_support.h"

#include <QTest>
#include <QTextDocument>

class MainWindowTest : public ProgramFolderTest {
protected:
    void TearDown() override {
        Application()->DestroyComponents();
        ProgramFolderTest::TearDown();
    }

    TFVastreloneFirmWare* Start() {
        Create_All_Windows(*Application());
        FVastreloneFirmWare->show();
        return FVastreloneFirmWare;
    }
    void Restart() {
        Application()->DestroyComponents();
        Reset_Program_State();
        Start();
    }
    template <class Widget = QWidget>
    Widget* Named(const char* name) {
        return FVastreloneFirmWare->findChild<Widget*>(QString::fromLatin1(name));
    }
    void Click(const char* name) {
        QWidget* button = Named(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(MainWindowTest, FirstStartInAnEmptyFolder) {
    TFVastreloneFirmWare* window = Start();
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(DirectoryExists(PathIn(folder))) << folder;
    EXPECT_EQ(window->Caption(), "Korvel - Configurator PK30514 - KNX / DALI ");
    EXPECT_EQ(window->L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(window->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    EXPECT_EQ(window->L_Begin->Caption(), "Begin");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(window->Timer_Update->Enabled());
    EXPECT_TRUE(Update_Read_Back);
    EXPECT_TRUE(File_ParGen.isEmpty());
    EXPECT_EQ(window->ClientWidth(), 694);
    EXPECT_EQ(window->ClientHeight(), 440);

    const char* visible[] = {"L_Step_1", "L_Step_5", "Btn_New", "Btn_Open", "Btn_Prm_Gen", "Btn_DALI_Access",
                             "Btn_KNX_Access", "Btn_CreateBin", "Btn_Info", "Btn_Opz", "Btn_Close", "L_Korvel"};
    for (const char* name : visible) EXPECT_TRUE(Named(name)->isVisible()) << name;
    const char* hidden[] = {"L_Step_6", "L_Step_8", "Btn_PROFINET_XML", "Btn_SNMP_Trap", "Btn_CANopen_EDS",
                            "Btn_SNMP_Manager_Access", "LL_Update", "I_Dravane"};
    for (const char* name : hidden) EXPECT_FALSE(Named(name)->isVisible()) << name;
    EXPECT_EQ(Named("Btn_CreateBin")->pos(), QPoint(80, 288));
    EXPECT_EQ(Named("Btn_KNX_Access")->pos(), QPoint(80, 244));
    EXPECT_EQ(Named<TLbButton>("Btn_KNX_Access")->Caption(), "KNX Access");
}

TEST_F(MainWindowTest, StepsNeedAnOpenConfiguration) {
    Start();
    for (const char* step : {"Btn_Prm_Gen", "Btn_DALI_Access", "Btn_KNX_Access", "Btn_CreateBin"}) {
        Messages.clear();
        Click(step);
        ASSERT_EQ(Messages.size(), 1u) << step;
        EXPECT_EQ(Messages[0].text, "Error! Project not Valid");
        EXPECT_EQ(Messages[0].type, mtError);
        EXPECT_TRUE(Messages[0].buttons == TMsgDlgButtons({mbOK}));
    }
    EXPECT_FALSE(FParGen->isVisible());
    EXPECT_FALSE(FKNXAccess->isVisible());
}

TEST_F(MainWindowTest, AnOpenConfigurationLetsTheStepsThrough) {
    WriteFile("PROJECTS/Plant/keep", "");
    WriteFile("Vastrelon.xml", "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
    TFVastreloneFirmWare* window = Start();
    EXPECT_EQ(window->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(window->L_Name_Conf_L2->Caption(), "Plant");
    EXPECT_EQ(File_KNX_SetAccess, PathIn("PROJECTS/Plant/KNX_SetAccess.xml"));
    bool shown = false;
    WhenShownModally(FKNXAccess, [&] {
        shown = true;
        FKNXAccess->Btn_Cancel->Click();
    });
    Click("Btn_KNX_Access");
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindowTest, ClosingSavesTheSettingsAndTheNextStartReadsThem) {
    TFVastreloneFirmWare* window = Start();
    EXPECT_FALSE(FileExists(PathIn("Vastrelon.xml")));
    Last_IP_Address = "10.0.0.7";
    window->Close();
    const QByteArray saved = ReadFile("Vastrelon.xml");
    EXPECT_TRUE(saved.contains("<projectname></projectname>") || saved.contains("<projectname />")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("<ipaddress>10.0.0.7</ipaddress>"));

    Restart();
    EXPECT_EQ(Last_IP_Address, "10.0.0.7");
}

TEST_F(MainWindowTest, AConfigurationWhoseFolderIsGoneIsNotOpenedButKept) {
    // Names of folders that exist but are not a configuration below PROJECTS count as gone.
    for (const QString& name : {QStringLiteral("Gone"), QStringLiteral(".."), QStringLiteral("../MASTER"),
                                ProgramDir() + QStringLiteral("/MASTER")}) {
        SCOPED_TRACE(name.toStdString());
        WriteFile("Vastrelon.xml", "<Conf_Settings><lastproj><projectname>" + name.toUtf8() +
                                       "</projectname></lastproj></Conf_Settings>");
        Restart();
        TFVastreloneFirmWare* window = FVastreloneFirmWare;
        EXPECT_TRUE(Project_Folder.isEmpty());
        EXPECT_TRUE(File_ParGen.isEmpty());
        EXPECT_EQ(window->L_Name_Conf->Caption(), "None Configuration Opened ");
        Messages.clear();
        Click("Btn_DALI_Access");
        ASSERT_EQ(Messages.size(), 1u);
        window->Close();
        EXPECT_TRUE(ReadFile("Vastrelon.xml").contains("<projectname>" + name.toUtf8() + "</projectname>"));
    }
}

TEST_F(MainWindowTest, SavedLanguageAndLanguageChangeRelabelTheWindows) {
    // A hint that looks like markup is shown as written, and the picture it names is not loaded.
    const QString markupHint = QStringLiteral("<b>Info</b> & <img src=\"/dev/zero\"> 1 < 2");
    WriteFile("LANGUAGE/Italiano.lng", "STR0 = Inizio\nSTR37 = Accesso KNX\nSTR400 = Comunicazione\nSTR1900 = Trap SNMP\n"
                                       "STR12 = " + markupHint.toUtf8() + "\n");
    WriteFile("Vastrelon.xml", "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    TFVastreloneFirmWare* window = Start();
    EXPECT_EQ(window->L_Begin->Caption(), "Inizio");
    const QString toolTip = Named("Btn_Info")->toolTip();
    QTextDocument shown;
    if (Qt::mightBeRichText(toolTip)) shown.setHtml(toolTip);
    else shown.setPlainText(toolTip);
    EXPECT_EQ(shown.toPlainText(), markupHint);
    EXPECT_EQ(Named("Btn_Opz")->toolTip(), "Options");  // a plain hint stays as it is
    EXPECT_EQ(FParGen->Caption(), "Comunicazione");
    EXPECT_EQ(FSNMP_Trap_Access->Caption(), "Trap SNMP");

    Language_Name = "English";
    Init_Language();
    window->Change_Language();
    EXPECT_EQ(window->L_Begin->Caption(), "Begin");
    EXPECT_EQ(Named<TLbButton>("Btn_KNX_Access")->Caption(), "KNX Access");
    EXPECT_EQ(FParGen->Caption(), "Set Communication");
    EXPECT_EQ(FSNMP_Trap_Access->Caption(), "Set SNMP Trap Access");
}

// A language change relabels the DMX and SNMP windows, headers and hint lists included;
// the BACnet window keeps the texts it was built with.
TEST_F(MainWindowTest, ALanguageChangeRelabelsTheDMXAndSNMPWindowsOnly) {
    TFVastreloneFirmWare* window = Start();
    const QString bacnetCaption = FBACnetAccess->Caption();
    WriteFile("LANGUAGE/Deutsch.lng", "STR1300 = DMX Vorgabewerte\nSTR1304 = Kanal\nSTR1900 = SNMP Trap\n"
                                      "STR1918 = Community\nSTR1940 = Name der Community\nSTR2700 = SNMP Manager\n"
                                      "STR2713 = Objekt-ID\nSTR2727 = Die OID der Variablen\nSTR1400 = BACnet Zugriff\n"
                                      "STR1411 = Objekttyp\n");
    Language_Name = "Deutsch";
    Init_Language();
    window->Change_Language();
    EXPECT_EQ(FDMXDefVal->Caption(), "DMX Vorgabewerte");
    EXPECT_EQ(FDMXDefVal->ACG_DMX_Def_Val->Cells(0, 0), "Kanal");
    EXPECT_EQ(FSNMP_Trap_Access->ACG_SNMP_Read->Cells(2, 0), "Community");
    EXPECT_EQ(FSNMP_Trap_Access->Hint_SNMP_Read.Strings(1), "Name der Community");
    EXPECT_EQ(FSNMPManagerAccess->Caption(), "SNMP Manager");
    EXPECT_EQ(FSNMPManagerAccess->ACG_SNMP->Cells(5, 0), "Objekt-ID");
    EXPECT_EQ(FSNMPManagerAccess->Hint_SNMP.Strings(4), "Die OID der Variablen");
    EXPECT_EQ(FBACnetAccess->Caption(), bacnetCaption);
    EXPECT_NE(FBACnetAccess->ACG1->Cells(3, 0), "Objekttyp");
}

TEST_F(MainWindowTest, UpdateTimerRule) {
    WriteFile("Vastrelon.xml", "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                               "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    TFVastreloneFirmWare* window = Start();
    EXPECT_TRUE(window->Timer_Update->Enabled());
    EXPECT_EQ(window->Timer_Update->Interval(), 60000);
    window->Timer_UpdateTimer(window->Timer_Update);
    EXPECT_TRUE(window->Timer_Update->Enabled());
    EXPECT_EQ(window->Timer_Update->Interval(), 7200000);
    Enable_Update = false;
    window->Apply_Timer_Rule();
    EXPECT_FALSE(window->Timer_Update->Enabled());
}

TEST_F(MainWindowTest, StartProgramRunsARealProcessAndReportsAFailedStart) {
    TFVastreloneFirmWare* window = Start();
    EXPECT_TRUE(window->Start_Program("/bin/sh", "-c \"echo done > '" + PathIn("ran.txt") + "'\"", 0));
    EXPECT_EQ(ReadFile("ran.txt"), "done\n");
    EXPECT_FALSE(window->Start_Program(PathIn("no_such_program"), "", 0));
}
