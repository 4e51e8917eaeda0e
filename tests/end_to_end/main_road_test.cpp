// The main road as a user walks it: an empty program folder, a new configuration,
// the general parameters edited and saved, the image compiled and the device updated
// through the (fake) updater, and the settings kept for the next start.

#include "app/create_windows.h"
#include "app/main_window.h"
#include "app/new_project_dialog.h"
#include "core/program_state.h"
#include "config/device_update_dialog.h"
#include "config/general_parameters_form.h"
#include "platform/application.h"
#include "platform/file_system.h"
#include "platform/icmp_client.h"
#include "platform/tick_clock.h"

#include "test_support.h"

#include <QFile>
#include <QTest>

namespace {

class MainRoadTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        // The device answers every echo at once; the clock only moves when the code waits.
        SetTickClock({[this] { return Now; }, [this](int ms) { Now += ms; }});
        SetIcmpEchoFunction([this](const QString& host, const QByteArray&, std::uint16_t, int) {
            PingedHosts.push_back(host);
            return 64;
        });
        // The updater stands outside the product: a script that keeps what it was given.
        WriteFile("Ethernet_Update.exe",
                  "#!/bin/sh\ncd \"$(dirname \"$0\")\"\ncp Ethernet_Update.xml updater_job.xml\n");
        QFile::setPermissions(PathIn("Ethernet_Update.exe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override {
        Application()->DestroyComponents();
        SetIcmpEchoFunction({});
        SetTickClock({});
        ProgramFolderTest::TearDown();
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void Retype(TEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    std::int64_t Now = 5000000;
    std::vector<QString> PingedHosts;
};

TEST_F(MainRoadTest, FromAnEmptyFolderToAnUpdatedDevice) {
    Create_All_Windows(*Application());
    FVastreloneFirmWare->show();
    TFVastreloneFirmWare* main = FVastreloneFirmWare;

    // Step 1: a new configuration, named and confirmed with Enter.
    WhenShownModally(FNew_Project, [&] {
        QTest::keyClicks(FNew_Project->E_New_Proj, QStringLiteral("Hall"));
        QTest::keyClick(FNew_Project->E_New_Proj, Qt::Key_Return);
    });
    Click(main->Btn_New);
    ASSERT_TRUE(DirectoryExists(PathIn("PROJECTS/Hall/bin")));
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Hall");

    // Step 2: the general parameters, one value changed and saved.
    WhenShownModally(FParGen, [&] {
        Retype(FParGen->E_ID_DEV_KNX, QStringLiteral("1.1.10"));
        Click(FParGen->Btn_OK);
    });
    Click(main->Btn_Prm_Gen);
    EXPECT_FALSE(FParGen->isVisible());
    EXPECT_TRUE(ReadFile("PROJECTS/Hall/ParGen.xml").contains("<KNX_ID_DEV>1.1.10</KNX_ID_DEV>"));

    // Step 5: compile and update the device at a new address.
    WhenShownModally(FBoot, [&] {
        const QStringList address = {"10", "1", "2", "3"};
        for (int i = 0; i < 4; ++i) Retype(FBoot->E_IP[std::size_t(i)], address[i]);
        Click(FBoot->Btn_Update);
        Click(FBoot->Btn_Cancel);
    });
    Click(main->Btn_CreateBin);
    EXPECT_TRUE(Messages.empty()) << Messages.front().text.toStdString();
    EXPECT_EQ(ReadFile("PROJECTS/Hall/bin/bank.bin").size(), 35072);
    ASSERT_FALSE(PingedHosts.empty());
    EXPECT_EQ(PingedHosts.front(), "10.1.2.3");
    const QByteArray job = ReadFile("updater_job.xml");
    EXPECT_TRUE(job.contains("<IP_Address_Dev>10.1.2.3</IP_Address_Dev>")) << job.toStdString();

    // Closing keeps the configuration and the address for the next start.
    main->Close();
    Application()->DestroyComponents();
    Create_All_Windows(*Application());
    EXPECT_EQ(FVastreloneFirmWare->L_Name_Conf_L2->Caption(), "Hall");
    EXPECT_EQ(Last_IP_Address, "10.1.2.3");
}

}  // namespace
