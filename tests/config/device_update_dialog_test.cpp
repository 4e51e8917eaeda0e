#include "config/device_update_dialog.h"

#include "app/create_windows.h"
#include "app/main_window.h"
#include "core/program_state.h"
#include "platform/application.h"
#include "platform/file_system.h"
#include "platform/tick_clock.h"

#include "test_support.h"

#include <QApplication>
#include <QImage>
#include <QFile>
#include <QTest>

namespace {

// The main window with an open configuration "Plant", a fake clock that only moves when
// the code sleeps or a request times out, and a fake device behind the pinger.
class DeviceUpdateTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        SetTickClock({[this] { return Now; }, [this](int ms) { Now += ms; }});
        SetIcmpEchoFunction([this](const QString& host, const QByteArray& data, std::uint16_t, int timeout) {
            Requests.push_back({host, QString::fromLatin1(data)});
            ButtonsEnabledDuringCheck = FBoot->Btn_Update->isEnabled() || FBoot->Btn_Cancel->isEnabled();
            if (Device) {
                const int bytes = Device(int(Requests.size()));
                if (bytes == 0) Now += timeout;
                return bytes;
            }
            return 64;
        });
        WriteFile("PROJECTS/Plant/keep", "");
        WriteFile("Vastrelon.xml", "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
        Create_All_Windows(*Application());
        FVastreloneFirmWare->show();
    }
    void TearDown() override {
        Application()->DestroyComponents();
        SetIcmpEchoFunction({});
        SetTickClock({});
        ProgramFolderTest::TearDown();
    }

    // A fake updater that keeps a copy of the job file it was started with.
    void Install_Fake_Updater() {
        WriteFile("Ethernet_Update.exe", "#!/bin/sh\ncp \"$(dirname \"$0\")/Ethernet_Update.xml\" \"$(dirname \"$0\")/updater_saw.xml\"\n");
        QFile::setPermissions(PathIn("Ethernet_Update.exe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Clicks the Update Device step and runs the action inside the dialog, which it then cancels.
    void In_Update_Dialog(std::function<void()> action) {
        bool shown = false;
        WhenShownModally(FBoot, [&] {
            shown = true;
            action();
            QTest::mouseClick(FBoot->Btn_Cancel, Qt::LeftButton);
        });
        QTest::mouseClick(FVastreloneFirmWare->Btn_CreateBin, Qt::LeftButton);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(FBoot->isVisible());
    }

    void Type_Address(const QStringList& parts) {
        for (int i = 0; i < 4; ++i) {
            TEdit* edit = FBoot->E_IP[std::size_t(i)];
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, parts[i]);
        }
    }

    // Each key goes to the control that has the focus when it is typed, as a keyboard's do.
    static void Type_Keys(const QString& keys) {
        for (QChar key : keys) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

    struct Request {
        QString host, data;
    };
    std::int64_t Now = 1000000;
    std::vector<Request> Requests;
    std::function<int(int request)> Device;  // bytes of the reply to the n-th request, 0 for none
    bool ButtonsEnabledDuringCheck = true;
};

TEST_F(DeviceUpdateTest, SuccessfulUpdateWritesTheJobFileRunsTheUpdaterAndRemembersTheChoices) {
    Install_Fake_Updater();
    In_Update_Dialog([&] {
        EXPECT_EQ(FBoot->Caption(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(FBoot->L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
        EXPECT_EQ(FBoot->ClientWidth(), 449);
        EXPECT_EQ(FBoot->ClientHeight(), 230);
        EXPECT_EQ(FBoot->L_SW_Code->pos(), QPoint(16, 8));
        EXPECT_EQ(FBoot->L_SW_Desc->pos(), QPoint(16, 42));
        for (int i = 0; i < 4; ++i) EXPECT_EQ(FBoot->E_IP[std::size_t(i)]->Text(), QStringList({"192", "168", "2", "205"})[i]);
        EXPECT_EQ(FBoot->CB_Update_Options->Items().ToQStringList(),
                  QStringList({"Firmware + Configuration", "Firmware", "Configuration"}));
        EXPECT_TRUE(FBoot->CB_Update_Option_Read_Back->Checked());

        // "." moves on to the next part and is never typed, not even in the last one.
        FBoot->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FBoot));
        FBoot->E_IP[0]->setFocus();
        FBoot->E_IP[0]->selectAll();
        QTest::keyClicks(FBoot->E_IP[0], QStringLiteral("10."));
        EXPECT_TRUE(FBoot->E_IP[1]->hasFocus());
        FBoot->E_IP[1]->selectAll();
        QTest::keyClicks(FBoot->E_IP[1], QStringLiteral("0."));
        FBoot->E_IP[2]->selectAll();
        QTest::keyClicks(FBoot->E_IP[2], QStringLiteral("0."));
        EXPECT_TRUE(FBoot->E_IP[3]->hasFocus());
        FBoot->E_IP[3]->selectAll();
        QTest::keyClicks(FBoot->E_IP[3], QStringLiteral("7."));
        EXPECT_EQ(FBoot->E_IP[3]->Text(), "7");
        QTest::keyClick(FBoot->E_IP[3], Qt::Key_Tab);
        EXPECT_TRUE(FBoot->CB_Update_Options->hasFocus()) << "the options follow the address";

        FBoot->CB_Update_Options->setFocus();
        QTest::keyClick(FBoot->CB_Update_Options, Qt::Key_Down);
        QTest::keyClick(FBoot->CB_Update_Options, Qt::Key_Down);
        FBoot->CB_Update_Option_Read_Back->setFocus();
        QTest::keyClick(FBoot->CB_Update_Option_Read_Back, Qt::Key_Space);
        QTest::mouseClick(FBoot->Btn_Update, Qt::LeftButton);
        EXPECT_TRUE(FBoot->isVisible()) << "the update button never closes the dialog";
    });

    // A device that answers at once gets two requests, carrying the address.
    ASSERT_EQ(Requests.size(), 2u);
    EXPECT_EQ(Requests[0].host, "10.0.0.7");
    EXPECT_EQ(Requests[0].data, "10.0.0.7");
    EXPECT_FALSE(ButtonsEnabledDuringCheck);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Last_IP_Address, "10.0.0.7");
    EXPECT_EQ(Update_Option, 2);
    EXPECT_FALSE(Update_Read_Back);
    EXPECT_EQ(ReadFile("PROJECTS/Plant/bin/bank.bin").size(), 35072);
    const QByteArray job = ReadFile("Ethernet_Update.xml");
    EXPECT_TRUE(job.contains("<IP_Address_Dev>10.0.0.7</IP_Address_Dev>"));
    EXPECT_EQ(job.count("<Operation>"), 3) << "configuration only";
    EXPECT_FALSE(job.contains("<Ope_Read_Back>1"));
    EXPECT_EQ(ReadFile("updater_saw.xml"), job) << "the updater runs after the job file is written";

    // Shown again, the dialog offers what was chosen.
    In_Update_Dialog([&] {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(FBoot->E_IP[std::size_t(i)]->Text(), QStringList({"10", "0", "0", "7"})[i]);
        EXPECT_EQ(FBoot->CB_Update_Options->ItemIndex(), 2);
        EXPECT_FALSE(FBoot->CB_Update_Option_Read_Back->Checked());
    });
}

// The dialog opens with the first address part selected, and the dot key selects each
// next part, so an address typed whole replaces the remembered one part by part.
class AddressTypingTest : public DeviceUpdateTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AddressTypingTest, AnAddressTypedWithItsDotsReplacesTheRememberedOne) {
    const QString address = QString::fromLatin1(GetParam());
    Install_Fake_Updater();
    In_Update_Dialog([&] {
        FBoot->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FBoot));
        ASSERT_TRUE(FBoot->E_IP[0]->hasFocus());
        EXPECT_EQ(FBoot->E_IP[0]->selectedText(), QStringLiteral("192"));
        // A part takes three characters at most; Shift+Tab back into it selects it again.
        Type_Keys(QStringLiteral("1234"));
        EXPECT_EQ(FBoot->E_IP[0]->Text(), QStringLiteral("123"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        Type_Keys(address);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(FBoot->E_IP[std::size_t(i)]->Text(), address.section(u'.', i, i));
        QTest::mouseClick(FBoot->Btn_Update, Qt::LeftButton);
    });
    ASSERT_FALSE(Requests.empty());
    EXPECT_EQ(Requests.front().host, address);
    EXPECT_EQ(Last_IP_Address, address);
    EXPECT_TRUE(ReadFile("Ethernet_Update.xml").contains(("<IP_Address_Dev>" + address + "<").toUtf8()));
}

INSTANTIATE_TEST_SUITE_P(Addresses, AddressTypingTest, ::testing::Values("10.1.2.3", "192.168.0.2"));

// While the device is asked the window shows the busy cursor, and its disabled buttons
// show their glyphs grey as well as their captions.
TEST_F(DeviceUpdateTest, TheCheckShowsTheBusyCursorAndGreyButtons) {
    Install_Fake_Updater();
    QImage enabledFace, disabledFace;
    Qt::CursorShape cursorDuringCheck = Qt::ArrowCursor;
    Device = [&](int request) {
        if (request == 1) {
            cursorDuringCheck = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
            disabledFace = FBoot->Btn_Update->grab().toImage();
        }
        return 64;
    };
    In_Update_Dialog([&] {
        enabledFace = FBoot->Btn_Update->grab().toImage();
        QTest::mouseClick(FBoot->Btn_Update, Qt::LeftButton);
    });
    EXPECT_EQ(cursorDuringCheck, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the cursor is back after the check";
    // Only the glyph has colours on the face; count its coloured pixels in both looks.
    const auto colouredPixels = [](const QImage& face) {
        int count = 0;
        for (int y = 2; y < face.height() - 2; ++y)
            for (int x = 2; x < face.width() - 2; ++x) {
                const QColor c = face.pixelColor(x, y);
                if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 40) ++count;
            }
        return count;
    };
    ASSERT_FALSE(disabledFace.isNull());
    EXPECT_GT(colouredPixels(enabledFace), 20);
    EXPECT_EQ(colouredPixels(disabledFace), 0);
}

TEST_F(DeviceUpdateTest, ARememberedAddressThatIsNotValidLeavesTheEdits) {
    for (const char* remembered : {"10.0.0", "10.0.0.256"}) {
        Last_IP_Address = QString::fromLatin1(remembered);
        In_Update_Dialog([&] {
            for (TEdit* edit : FBoot->E_IP) EXPECT_EQ(edit->Text(), "0") << remembered;
        });
    }
}

TEST_F(DeviceUpdateTest, ADeviceThatFallsSilentIsNotFound) {
    Install_Fake_Updater();
    Device = [](int request) { return request == 1 ? 64 : 0; };
    const std::int64_t start = Now;
    In_Update_Dialog([&] { QTest::mouseClick(FBoot->Btn_Update, Qt::LeftButton); });

    // Tries go on for about five seconds: each silent one waits its 400 ms time-out and 10 ms.
    EXPECT_GT(Now - start, 5000);
    EXPECT_LE(Now - start, 5000 + 410);
    EXPECT_GT(Requests.size(), 10u);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].text, "Device Not Found!");
    EXPECT_EQ(Messages[0].type, mtWarning);
    EXPECT_TRUE(Messages[0].buttons == TMsgDlgButtons({mbOK}));
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
    EXPECT_FALSE(FileExists(PathIn("Ethernet_Update.xml")));
    EXPECT_FALSE(FileExists(PathIn("updater_saw.xml")));
}

TEST_F(DeviceUpdateTest, AddressErrors) {
    const struct {
        QStringList address;
        bool echo_fails;
        std::size_t requests;
    } cases[] = {
        {{"192", "168", "2", "256"}, false, 0},  // refused before any request
        {{"192", "168", "", "1"}, false, 0},
        {{"a", "168", "2", "1"}, false, 0},
        {{"192", "168", "2", "1"}, true, 1},  // the echo itself fails
    };
    for (const auto& c : cases) {
        Messages.clear();
        Requests.clear();
        Device = [&c](int) -> int {
            if (c.echo_fails) throw EIcmpError(QStringLiteral("No ICMP socket can be opened"));
            return 64;
        };
        In_Update_Dialog([&] {
            Type_Address(c.address);
            QTest::mouseClick(FBoot->Btn_Update, Qt::LeftButton);
        });
        const std::string name = c.address.join('.').toStdString();
        EXPECT_EQ(Requests.size(), c.requests) << name;
        ASSERT_EQ(Messages.size(), 1u) << name;
        EXPECT_EQ(Messages[0].text, "Error!!! Check the Ip Address") << name;
        EXPECT_EQ(Messages[0].type, mtError) << name;
        EXPECT_EQ(Last_IP_Address, "192.168.2.205") << name;
        EXPECT_FALSE(FileExists(PathIn("Ethernet_Update.xml"))) << name;
    }
}

TEST_F(DeviceUpdateTest, AMissingUpdaterIsReported) {
    In_Update_Dialog([&] { QTest::mouseClick(FBoot->Btn_Update, Qt::LeftButton); });
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].text.contains("Ethernet_Update.exe could not be started")) << Messages[0].text.toStdString();
    EXPECT_EQ(Messages[0].type, mtError);
    EXPECT_TRUE(FileExists(PathIn("Ethernet_Update.xml")));
}

TEST_F(DeviceUpdateTest, TheWindowStaysWhileTheCheckRuns) {
    Install_Fake_Updater();
    bool closed_during_check = false;
    Device = [&](int request) {
        if (request == 1) {
            FBoot->close();
            closed_during_check = !FBoot->isVisible();
        }
        return 64;
    };
    In_Update_Dialog([&] {
        QTest::mouseClick(FBoot->Btn_Update, Qt::LeftButton);
        EXPECT_TRUE(FBoot->isVisible());
        EXPECT_TRUE(FBoot->Btn_Update->isEnabled());
        EXPECT_TRUE(FBoot->Btn_Cancel->isEnabled());
    });
    EXPECT_FALSE(closed_during_check);
    EXPECT_TRUE(FileExists(PathIn("updater_saw.xml")));
}

// The dialog opens only over an image that was just compiled and written.
TEST_F(DeviceUpdateTest, NoDialogWhenTheImageCannotBeCompiledOrWritten) {
    const struct {
        const char* file;
        QByteArray content;
        const char* message;
    } cases[] = {
        {"PROJECTS/Plant/KNX_SetAccess.xml", "<BACnet_to_KNX>", "KNX_SetAccess.xml is not a valid XML file"},
        {"PROJECTS/Plant/bin", "a file where the folder belongs", "could not be written"},
    };
    for (const auto& c : cases) {
        Messages.clear();
        WriteFile(c.file, c.content);
        bool shown = false;
        WhenShownModally(FBoot, [&] {
            shown = true;
            FBoot->Btn_Cancel->Click();
        });
        QTest::mouseClick(FVastreloneFirmWare->Btn_CreateBin, Qt::LeftButton);
        EXPECT_FALSE(shown) << c.message;
        ASSERT_EQ(Messages.size(), 1u) << c.message;
        EXPECT_TRUE(Messages[0].text.contains(QString::fromLatin1(c.message))) << Messages[0].text.toStdString();
        EXPECT_EQ(Messages[0].type, mtError);
        EXPECT_FALSE(FileExists(PathIn("PROJECTS/Plant/bin/bank.bin")));
        QFile::remove(PathIn(c.file));
    }
}

}  // namespace
