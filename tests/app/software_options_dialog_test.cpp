#include "all_windows_fixture.h"

#include "app/about_box.h"
#include "core/maker_links.h"
#include "app/new_project_dialog.h"
#include "app/open_configuration_dialog.h"
#include "core/program_state.h"
#include "app/software_options_dialog.h"
#include "core/text_table.h"
#include "config/device_update_dialog.h"
#include "config/general_parameters_form.h"
#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/dmx_default_values_editor.h"
#include "editors/automation/ede_import_dialog.h"
#include "editors/automation/snmp_manager_editor.h"
#include "editors/automation/snmp_trap_editor.h"
#include "editors/dali_knx/dali_access_editor.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "editors/fieldbus/can_receive_editor.h"
#include "editors/fieldbus/can_transmit_editor.h"
#include "editors/fieldbus/canopen_pdo_editor.h"
#include "editors/fieldbus/canopen_sdo_client_editor.h"
#include "editors/fieldbus/canopen_sdo_server_editor.h"
#include "editors/fieldbus/modbus_serial_master_editor.h"
#include "editors/fieldbus/modbus_tcp_master_editor.h"
#include "editors/fieldbus/profinet_file_name_dialog.h"
#include "platform/file_system.h"

#include <QFile>
#include <QImage>
#include <QTabBar>
#include <map>
#include <memory>

namespace {

// Seven languages, listed without regard to case; the German one translates the
// captions of every window and the texts of this dialog.
const QStringList kLanguages = {QStringLiteral("Deutsch"),  QStringLiteral("English"),    QStringLiteral("Español"),
                                QStringLiteral("français"), QStringLiteral("Italiano"),   QStringLiteral("Nederlands"),
                                QStringLiteral("Polski")};
// Caption text numbers of the main window's Change_Language list (the device update
// window shows 802 for a device update).
const int kRelabelledCaptions[] = {100, 200, 300, 400, 600, 802, 1000, 1100, 1300, 1700,
                                   1900, 2000, 2100, 2200, 2300, 2400, 2600, 2700};

QByteArray German_File() {
    QString text = QStringLiteral("STR0 = Anfang\nSTR13 = Optionen\n"
                                  "STR304 = ¶Gewählte Sprache : ¶\nSTR305 = ¶Seite ¶\nSTR306 = ¶ von ¶\n"
                                  "STR316 = ¶Sprache wechseln von ¶\nSTR1400 = DE-1400\nSTR1600 = DE-1600\n");
    for (int n : kRelabelledCaptions) text += QStringLiteral("STR%1 = DE-%1\n").arg(n);
    return text.toUtf8();
}

QImage Solid(QColor color) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QRgb CenterOf(const TImage* image) {
    const QImage picture = image->Picture().toImage();
    return picture.isNull() ? 0 : picture.pixel(picture.width() / 2, picture.height() / 2);
}

class SoftwareOptionsTest : public AllWindowsTest {
protected:
    void WriteLanguages() {
        for (const QString& name : kLanguages)
            WriteFile(QStringLiteral("LANGUAGE/%1.lng").arg(name),
                      name == QLatin1String("Deutsch") ? German_File()
                                                       : QStringLiteral("STR0 = %1\n").arg(name).toUtf8());
        // Not languages: a read-only file, a folder, a file whose extension is in capitals.
        WriteFile(QStringLiteral("LANGUAGE/ReadOnly.lng"), "STR0 = x\n");
        QFile::setPermissions(PathIn(QStringLiteral("LANGUAGE/ReadOnly.lng")),
                              QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        ForceDirectories(PathIn(QStringLiteral("LANGUAGE/Folder.lng")));
        WriteFile(QStringLiteral("LANGUAGE/Upper.LNG"), "STR0 = x\n");
    }

    // Opens the options with the main window's button, runs the steps, then closes the
    // dialog with the button given.
    void WithOptions(const std::function<void()>& steps, bool ok) {
        WhenShownModally(FSoftOptions, [this, steps, ok] {
            steps();
            if (FSoftOptions->Modal()) Click(ok ? FSoftOptions->Btn_OK : FSoftOptions->Btn_Cancel);
        });
        Click(FVastreloneFirmWare->Btn_Opz);
        ASSERT_FALSE(FSoftOptions->Modal());
    }

    // Clicks the page's tab.
    static void ShowPage(TTabSheet* page) {
        QTabBar* tabs = FSoftOptions->PC_Options->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(FSoftOptions->PC_Options->indexOf(page)).center());
        EXPECT_EQ(FSoftOptions->PC_Options->currentWidget(), page);
    }

    QStringList SlotNames() const {
        QStringList names;
        for (int k = 0; k < 6; ++k)
            if (FSoftOptions->L_L[std::size_t(k)]->Visible()) names << FSoftOptions->L_L[std::size_t(k)]->Caption();
        return names;
    }
};

TEST_F(SoftwareOptionsTest, SevenLanguagesMakeTwoPages) {
    WriteLanguages();
    // A flag of its own for Deutsch; the others take the folder's default flag.
    ASSERT_TRUE(Solid(Qt::red).save(PathIn(QStringLiteral("LANGUAGE/Deutsch.bmp"))));
    ASSERT_TRUE(Solid(Qt::green).save(PathIn(QStringLiteral("LANGUAGE/DefaultFlag.bmp"))));
    CreateWindows();
    TFSoftOptions* d = FSoftOptions;
    WithOptions(
        [&] {
            EXPECT_EQ(d->PC_Options->currentWidget(), d->TS_Language);
            EXPECT_EQ(d->L_Sel_Lang->Caption(), QStringLiteral("Selected Language : English"));
            EXPECT_EQ(SlotNames(), kLanguages.mid(0, 6));
            EXPECT_EQ(d->L_Page_Lang->Caption(), QStringLiteral("Page 1 / 2"));
            EXPECT_FALSE(d->Btn_Prev->Visible());
            EXPECT_TRUE(d->Btn_Next->Visible());
            EXPECT_EQ(CenterOf(d->I_L[0]), QColor(Qt::red).rgb());
            for (int k = 1; k < 6; ++k) EXPECT_EQ(CenterOf(d->I_L[std::size_t(k)]), QColor(Qt::green).rgb()) << k;

            Click(d->Btn_Next);
            EXPECT_EQ(SlotNames(), QStringList{QStringLiteral("Polski")});
            for (int k = 1; k < 6; ++k) EXPECT_FALSE(d->I_L[std::size_t(k)]->Visible()) << k;
            EXPECT_EQ(d->L_Page_Lang->Caption(), QStringLiteral("Page 2 / 2"));
            EXPECT_TRUE(d->Btn_Prev->Visible());
            EXPECT_FALSE(d->Btn_Next->Visible());

            Click(d->Btn_Prev);
            EXPECT_EQ(d->L_Page_Lang->Caption(), QStringLiteral("Page 1 / 2"));
            EXPECT_EQ(SlotNames(), kLanguages.mid(0, 6));
        },
        false);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(SoftwareOptionsTest, FlagsFallBackToTheBuiltInFlag) {
    WriteLanguages();
    // A picture that cannot be read counts as none; there is no DefaultFlag.bmp.
    WriteFile(QStringLiteral("LANGUAGE/English.bmp"), "not a picture");
    CreateWindows();
    const QImage builtIn = QImage(QStringLiteral(":/flags/DefaultFlag.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(builtIn.isNull());
    WithOptions(
        [&] {
            for (int k = 0; k < 6; ++k) {
                const TImage* image = FSoftOptions->I_L[std::size_t(k)];
                EXPECT_TRUE(image->Visible()) << k;
                EXPECT_EQ(image->Picture().toImage().convertToFormat(QImage::Format_RGB32), builtIn) << k;
            }
        },
        false);
}

// No language file can be listed (here the language folder's place is taken by a file,
// so not even English can be written there).
TEST_F(SoftwareOptionsTest, WithoutLanguageFilesThePageIsEmpty) {
    WriteFile(QStringLiteral("LANGUAGE"), "not a folder");
    CreateWindows();
    TFSoftOptions* d = FSoftOptions;
    WithOptions(
        [&] {
            EXPECT_EQ(d->L_Page_Lang->Caption(), QStringLiteral("Page 1 / 1"));
            EXPECT_FALSE(d->Btn_Prev->Visible());
            EXPECT_FALSE(d->Btn_Next->Visible());
            EXPECT_TRUE(d->L_L[0]->Visible());
            EXPECT_EQ(d->L_L[0]->Caption(), QString());
            for (int k = 1; k < 6; ++k) EXPECT_FALSE(d->L_L[std::size_t(k)]->Visible()) << k;
            // The first slot holds no language: a click on it asks nothing.
            Click(d->I_L[0]);
        },
        false);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(SoftwareOptionsTest, ChangingTheLanguageRelabelsTheWindowsAndOnlyOkStoresIt) {
    WriteLanguages();
    WriteSettings(false, false);
    CreateWindows();
    const QByteArray settingsBefore = ReadFile(QStringLiteral("Vastrelon.xml"));
    const QString aboutCaption = FAbout->Caption(), bacnetCaption = FBACnetAccess->Caption(),
                  edeCaption = FImportEDEFile->Caption();
    TFSoftOptions* d = FSoftOptions;

    // No keeps everything as it was.
    Answers = {mrNo};
    WithOptions([&] { Click(d->L_L[0]); }, false);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].text, QStringLiteral("Do you want to change the Language from English to Deutsch?"));
    EXPECT_EQ(Messages[0].type, mtConfirmation);
    EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("English"));

    // Yes relabels every window at once but the About box, the BACnet editor and the EDE
    // import, which keep the texts they took when they were created.
    const std::pair<TForm*, int> relabelled[] = {
        {FNew_Project, 100}, {FOpenConf, 200}, {FSoftOptions, 300}, {FParGen, 400}, {FDALI_Access, 600},
        {FBoot, 802}, {FProfinetFileName, 1000}, {FModbus_TCP_Master_Set_Access, 1100}, {FDMXDefVal, 1300},
        {FSetAccess, 1700}, {FSNMP_Trap_Access, 1900}, {FReceiveCAN, 2000}, {FTransmitCAN, 2100},
        {FSet_PDO_Access, 2200}, {FSet_SDO_Client_Access, 2300}, {FSet_SDO_Server_Access, 2400},
        {FKNXAccess, 2600}, {FSNMPManagerAccess, 2700}};
    std::map<TForm*, QString> englishCaptions;
    for (const auto& [form, number] : relabelled) englishCaptions[form] = form->Caption();
    WithOptions(
        [&] {
            Click(d->I_L[0]);
            EXPECT_EQ(d->L_Sel_Lang->Caption(), QStringLiteral("Gewählte Sprache : Deutsch"));
            EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("Anfang"));
            EXPECT_EQ(FVastreloneFirmWare->Btn_Opz->Hint(), QStringLiteral("Optionen"));
            for (const auto& [form, number] : relabelled)
                EXPECT_EQ(form->Caption(), QStringLiteral("DE-%1").arg(number));
            EXPECT_EQ(FAbout->Caption(), aboutCaption);
            EXPECT_EQ(FBACnetAccess->Caption(), bacnetCaption);
            EXPECT_EQ(FImportEDEFile->Caption(), edeCaption);
        },
        false);
    // Cancel puts back the language the dialog opened with, on every window, and stores nothing.
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
    EXPECT_EQ(ReadFile(QStringLiteral("Vastrelon.xml")), settingsBefore);
    EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("English"));
    EXPECT_EQ(FVastreloneFirmWare->Btn_Opz->Hint(), LangText(13));
    for (const auto& [form, number] : relabelled) EXPECT_EQ(form->Caption(), englishCaptions[form]);

    // Closing through the window manager is a Cancel as well.
    Messages.clear();
    WhenShownModally(FSoftOptions, [&] {
        Click(d->I_L[0]);
        EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("Anfang"));
        FSoftOptions->close();
    });
    Click(FVastreloneFirmWare->Btn_Opz);
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("English"));
    EXPECT_EQ(FParGen->Caption(), englishCaptions[FParGen]);
    EXPECT_EQ(ReadFile(QStringLiteral("Vastrelon.xml")), settingsBefore);

    // Shown again, the dialog starts from the stored language; a change on the second
    // page keeps that page's numbers; OK stores the language.
    Messages.clear();
    WithOptions(
        [&] {
            EXPECT_EQ(d->L_Sel_Lang->Caption(), QStringLiteral("Selected Language : English"));
            Click(d->Btn_Next);
            Click(d->L_L[0]);
            EXPECT_EQ(d->L_Sel_Lang->Caption(), QStringLiteral("Selected Language : Polski"));
            EXPECT_EQ(d->L_Page_Lang->Caption(), QStringLiteral("Page 2 / 2"));
            EXPECT_TRUE(d->Btn_Prev->Visible());
        },
        true);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].text, QStringLiteral("Do you want to change the Language from English to Polski?"));
    EXPECT_EQ(Language_Name, QStringLiteral("Polski"));
    EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("Polski"));
    EXPECT_TRUE(ReadFile(QStringLiteral("Vastrelon.xml")).contains("<language>Polski</language>"));
}

struct CheckBoxCase {
    bool internet, update;
    bool updateEnabled, checkButtonEnabled;
};

TEST_F(SoftwareOptionsTest, TheUpdateOptionsFollowTheInternetOption) {
    const CheckBoxCase cases[] = {
        {false, false, false, false}, {false, true, false, false}, {true, false, true, false}, {true, true, true, true}};
    CreateWindows();
    TFSoftOptions* d = FSoftOptions;
    for (const CheckBoxCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "internet " << c.internet << ", update " << c.update);
        WithOptions(
            [&] {
                ShowPage(d->TS_Con_Options);
                // Clicks in the order that needs the internet option last.
                if (d->CB_Update->Checked() != c.update) {
                    if (!d->CB_En_Con->Checked()) ClickLeft(d->CB_En_Con);
                    ClickLeft(d->CB_Update);
                }
                if (d->CB_En_Con->Checked() != c.internet) ClickLeft(d->CB_En_Con);
                EXPECT_EQ(d->CB_En_Con->Checked(), c.internet);
                EXPECT_EQ(d->CB_Update->Checked(), c.update);
                EXPECT_EQ(d->CB_Update->Enabled(), c.updateEnabled);
                EXPECT_EQ(d->Btn_Check_Update->Enabled(), c.checkButtonEnabled);
            },
            true);
        // A ticked but disabled update option is still stored; the timer runs only with both.
        EXPECT_EQ(Enable_Internet, c.internet);
        EXPECT_EQ(Enable_Update, c.update);
        EXPECT_EQ(FVastreloneFirmWare->Timer_Update->Enabled(), c.internet && c.update);
        const QByteArray settings = ReadFile(QStringLiteral("Vastrelon.xml"));
        EXPECT_TRUE(settings.contains(c.internet ? "<enable_internet>1<" : "<enable_internet>0<"));
        EXPECT_TRUE(settings.contains(c.update ? "<enable_update>1<" : "<enable_update>0<"));

        // Shown again, the boxes come back from the options with the same rule.
        WithOptions(
            [&] {
                EXPECT_EQ(d->CB_Update->Checked(), c.update);
                EXPECT_EQ(d->CB_Update->Enabled(), c.updateEnabled);
                EXPECT_EQ(d->Btn_Check_Update->Enabled(), c.checkButtonEnabled);
            },
            false);
    }
}

TEST_F(SoftwareOptionsTest, CancelTouchesNeitherTheOptionsNorTheTimer) {
    WriteSettings(true, true);
    CreateWindows();
    const QByteArray settingsBefore = ReadFile(QStringLiteral("Vastrelon.xml"));
    TFSoftOptions* d = FSoftOptions;
    ASSERT_TRUE(FVastreloneFirmWare->Timer_Update->Enabled());
    WithOptions(
        [&] {
            EXPECT_TRUE(d->Btn_Check_Update->Enabled());
            ShowPage(d->TS_Con_Options);
            ClickLeft(d->CB_En_Con);
            ShowPage(d->TS_Soft_Settings);
            ClickLeft(d->CB_Soft_Set_Jump_Table);
            ClickLeft(d->CB_DoubleClick_Auto_Size);
        },
        false);
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Jump_Field);
    EXPECT_FALSE(Enable_Auto_Size);
    EXPECT_TRUE(FVastreloneFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(ReadFile(QStringLiteral("Vastrelon.xml")), settingsBefore);

    WithOptions(
        [&] {
            ShowPage(d->TS_Soft_Settings);
            ClickLeft(d->CB_Soft_Set_Jump_Table);
            ClickLeft(d->CB_DoubleClick_Auto_Size);
        },
        true);
    EXPECT_TRUE(Enable_Jump_Field);
    EXPECT_TRUE(Enable_Auto_Size);
    const QByteArray settings = ReadFile(QStringLiteral("Vastrelon.xml"));
    EXPECT_TRUE(settings.contains("<enable_jump_field_tables>1<"));
    EXPECT_TRUE(settings.contains("<Double_Click_Auto_Size>1<"));
}

TEST_F(SoftwareOptionsTest, TheManualCheckShowsALinkOrNoUpdate) {
    WriteSettings(true, true);
    CreateWindows();
    TFSoftOptions* d = FSoftOptions;
    const std::pair<QByteArray, bool> answers[] = {{"VER. 1.710", true}, {"VER. 1.709", false}};
    for (const auto& [answer, newerAnswer] : answers) {
        const bool newer = newerAnswer;  // a lambda may capture a copy, not a binding
        SCOPED_TRACE(answer.constData());
        LocalHttpServer server(LocalHttpServer::Answer(answer));
        RouteMakerServerTo(server.Port());
        OpenedUrls.clear();
        WithOptions(
            [&] {
                ShowPage(d->TS_Con_Options);
                EXPECT_FALSE(d->LL_Check_Update->Visible());
                Click(d->Btn_Check_Update);
                EXPECT_TRUE(d->LL_Check_Update->Visible());
                if (newer) {
                    EXPECT_TRUE(d->LL_Check_Update->Caption().contains(LangText(314)));
                    ClickLeft(d->LL_Check_Update);
                    EXPECT_EQ(OpenedUrls, std::vector<QString>{Download_Page_URL});
                } else {
                    EXPECT_EQ(d->LL_Check_Update->text(), LangText(315));
                }
            },
            false);
        EXPECT_EQ(server.Requests().size(), 1u);
    }
}

// The program writes its built-in texts as English.lng where that file is missing, so
// a user who took another language can always come back to English.
TEST_F(SoftwareOptionsTest, EnglishIsAlwaysOfferedAndAnEnglishFileIsNeverReplaced) {
    WriteFile(QStringLiteral("LANGUAGE/Deutsch.lng"), German_File());
    WriteSettings(false, false, QStringLiteral("Deutsch"));
    CreateWindows();
    const QByteArray written = ReadFile(QStringLiteral("LANGUAGE/English.lng"));
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBFSTR0 = Begin\r\n"));
    EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("Anfang"));
    TFSoftOptions* d = FSoftOptions;
    WithOptions(
        [&] {
            EXPECT_EQ(SlotNames(), (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English")}));
            Click(d->L_L[1]);
        },
        true);
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
    EXPECT_EQ(FVastreloneFirmWare->L_Begin->Caption(), QStringLiteral("Begin"));
    EXPECT_EQ(FVastreloneFirmWare->Btn_Opz->Hint(), QStringLiteral("Options"));

    // Deleted while the program runs, the file is back when the options are shown; one
    // the user wrote is kept as it is.
    QFile::remove(PathIn(QStringLiteral("LANGUAGE/English.lng")));
    WithOptions([&] { EXPECT_EQ(SlotNames().count(QStringLiteral("English")), 1); }, false);
    EXPECT_EQ(ReadFile(QStringLiteral("LANGUAGE/English.lng")), written);
    WriteFile(QStringLiteral("LANGUAGE/English.lng"), "STR0 = Start\n");
    WithOptions([] {}, false);
    EXPECT_EQ(ReadFile(QStringLiteral("LANGUAGE/English.lng")), QByteArray("STR0 = Start\n"));
}

// The manual check says so when it could not ask the maker's server or read its answer.
TEST_F(SoftwareOptionsTest, TheManualCheckTellsWhenTheCheckCouldNotBeMade) {
    WriteSettings(true, true);
    CreateWindows();
    TFSoftOptions* d = FSoftOptions;
    const struct {
        const char* name;
        QByteArray response;  // empty: the server never answers
        bool refuses;
    } cases[] = {
        {"refused", {}, true},
        {"never answers", {}, false},
        {"garbage", LocalHttpServer::Answer("<html>Service unavailable</html>"), false},
        {"empty", LocalHttpServer::Answer(""), false},
        {"error status", LocalHttpServer::Answer("VER. 1.710", "500 Internal Server Error"), false},
        {"not HTTP", "garbage\r\n\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<LocalHttpServer> server;
        quint16 port = LocalHttpServer::RefusingPort();
        if (!c.refuses) {
            server = std::make_unique<LocalHttpServer>(c.response);
            port = server->Port();
        }
        RouteMakerServerTo(port, c.response.isEmpty() ? 300 : 5000);
        WithOptions(
            [&] {
                ShowPage(d->TS_Con_Options);
                Click(d->Btn_Check_Update);
                EXPECT_TRUE(d->LL_Check_Update->Visible());
                EXPECT_EQ(d->LL_Check_Update->text(), QStringLiteral("The update check could not be made"));
            },
            false);
    }
    EXPECT_TRUE(Messages.empty());
}

TEST_F(AllWindowsTest, TheAboutBoxShowsTheIdentityAndLinksHome) {
    CreateWindows();
    WhenShownModally(FAbout, [this] {
        EXPECT_EQ(FAbout->Caption(), QStringLiteral("About..."));
        EXPECT_EQ(FAbout->width(), 425);
        EXPECT_EQ(FAbout->height(), 148);
        EXPECT_EQ(FAbout->Label1->Caption(), QStringLiteral("Software Vastrelon "));
        EXPECT_EQ(FAbout->Label2->Caption(), QStringLiteral("KNX / DALI - Converter"));
        EXPECT_EQ(FAbout->Label9->Caption(), QStringLiteral("PK30514"));
        EXPECT_EQ(FAbout->Label10->Caption(), QStringLiteral("1.709"));
        EXPECT_EQ(FAbout->Label12->Caption(), QStringLiteral("DC30514"));
        EXPECT_TRUE(FAbout->Image2->Visible());
        EXPECT_FALSE(FAbout->I_Dravane->Visible());
        ClickLeft(FAbout->Label4);
        Click(FAbout->Image2);
        Click(FAbout->LbButton1);
    });
    Click(FVastreloneFirmWare->Btn_Info);
    EXPECT_EQ(FAbout->ModalResult(), mrOk);
    const QString home = Maker_Web_Server + QStringLiteral("/HOME/default.asp?frompg=PK30513");
    EXPECT_EQ(OpenedUrls, (std::vector<QString>{home, home}));
}

}  // namespace
