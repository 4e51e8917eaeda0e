// Screenshots of the rule editors with realistic rows, and of a check error shown over its
// window, in real windows under X (xcb platform; scripts/test-x11 starts Xvfb).
// EDITOR_SCREENSHOTS names the folder.

#include "editors/automation/bacnet_access_editor.h"
#include "editors/automation/dmx_default_values_editor.h"
#include "editors/automation/ede_import_dialog.h"
#include "editors/automation/snmp_manager_editor.h"
#include "editors/automation/snmp_trap_editor.h"

#include "controls/lb_button.h"
#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "platform/dialogs.h"
#include "grid/core/column_grid.h"
#include "platform/standard_controls.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class X11RuleEditorScreenshot : public ConfigurationFixture {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
        Write(File_ParGen, "<Par_Gen><BACnet_Type>0</BACnet_Type><DMX_Num_Channels>24</DMX_Num_Channels></Par_Gen>");
    }
    static void Write(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    // Shows the window, waits for it and saves its picture as name.png.
    static void Shoot(QWidget& window, const char* name) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(300);
        Save(window.screen()->grabWindow(window.winId()).toImage(), name);
    }
    static void Save(const QImage& shot, const char* name) {
        ASSERT_FALSE(shot.isNull());
        const QString folder = qEnvironmentVariable("EDITOR_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(name) + ".png")));
    }
};

TEST_F(X11RuleEditorScreenshot, EveryRuleEditorWithRealisticRows) {
    {
        QByteArray rows;
        const char* names[] = {"Hall", "Stairs", "Kitchen", "Office 1", "Office 2", "Meeting", "Corridor", "Lobby"};
        for (int r = 0; r < 24; ++r)
            rows += "<Row Default_Value=\"" + QByteArray::number(r * 10 % 256) + "\" Mnemonic=\"" + names[r % 8] + " dimmer\"/>";
        Write(File_DMX_Default_Values, "<DMX_Default_Values>" + rows + "</DMX_Default_Values>");
        TFDMXDefVal dmx(nullptr);
        Shoot(dmx, "dmx-default-values");
    }
    {
        TFSNMP_Trap_Access trap(nullptr);  // no file: the 64 default rows
        Shoot(trap, "snmp-trap-read");
        trap.PageControl1->SetActivePageIndex(1);
        Shoot(trap, "snmp-trap-write");
    }
    {
        QByteArray rows;
        for (int r = 0; r < 12; ++r)
            rows += "<row Enable=\"Y\" IP_Address=\"192.168.10." + QByteArray::number(20 + r) + "\" Version=\"" +
                    QByteArray(r % 3 == 2 ? "3" : "2") + "\" Community_String=\"Public\" OID=\"1.3.6.1.2.1.1." +
                    QByteArray::number(r + 1) + ".0\" Type=\"Int\" Mode=\"Get\" On_Change=\"N\" On_Command=\"N\" "
                    "On_Timer=\"Y\" Time=\"5000\" Position=\"" + QByteArray::number(r * 4) + "\" Number_Bytes=\"4\" "
                    "ConvertFrom=\"None\" Cancel=\"N\" User=\"" + QByteArray(r % 3 == 2 ? "admin" : "") +
                    "\" Auth_Pass=\"\" Priv_Pass=\"\" Security_Level=\"" + QByteArray(r % 3 == 2 ? "Auth NoPriv" : "") +
                    "\" Auth_Mode=\"" + QByteArray(r % 3 == 2 ? "SHA" : "") + "\" Priv_Mode=\"\" Mnemonic=\"Agent " +
                    QByteArray::number(r + 1) + "\"/>";
        Write(File_SNMP_Manager, "<SNMP_Agent_Access>" + rows + "</SNMP_Agent_Access>");
        TFSNMPManagerAccess manager(nullptr);
        Shoot(manager, "snmp-manager");
    }
    {
        QByteArray read, write;
        const char* objects[] = {"Analog Input", "Analog Value", "Binary Input", "Multi-State Value"};
        for (int r = 0; r < 12; ++r) {
            read += "<row Enable=\"Y\" IP_Address_Slave_ID=\"192.168.1." + QByteArray::number(50 + r / 4) +
                    "\" Object_Type=\"" + objects[r % 4] + "\" Instance=\"" + QByteArray::number(r + 1) +
                    "\" Property=\"Present Value (85)\" NumByte=\"4\" Enable_Destination=\"N\" Destination_Network=\"\" "
                    "Destination_Length=\"\" Destination_Address=\"\" PollTime=\"1000\" MaxError=\"3\" Position=\"Device " +
                    QByteArray::number(r) + "\" StartBit=\"0\" Swap=\"N\" ConvertFrom=\"None\" Mnemonic=\"Room " +
                    QByteArray::number(r + 1) + " sensor\"/>";
            write += "<row Enable=\"Y\" IP_Address_Slave_ID=\"192.168.1.60\" Object_Type=\"Analog Value\" Data_Type=\"Real\" "
                     "Instance=\"" + QByteArray::number(r + 100) + "\" Property=\"Present Value (85)\" Priority=\"8\" "
                     "NumByte=\"4\" Enable_Destination=\"N\" Destination_Network=\"\" Destination_Length=\"\" "
                     "Destination_Address=\"\" OnChange=\"Y\" OnTimer=\"N\" PollTime=\"\" MaxError=\"3\" Position=\"Device " +
                     QByteArray::number(r) + "\" StartBit=\"0\" Swap=\"N\" ConvertFrom=\"None\" Mnemonic=\"Lamp " +
                     QByteArray::number(r + 1) + "\"/>";
        }
        Write(File_BACnet_Master_Access, "<BACnet_Master_Access><BACnet_Read>" + read + "</BACnet_Read><BACnet_Write>" +
                                             write + "</BACnet_Write></BACnet_Master_Access>");
        TFBACnetAccess bacnet(nullptr);
        Shoot(bacnet, "bacnet-read");
        bacnet.PageControl1->SetActivePageIndex(1);
        Shoot(bacnet, "bacnet-write");
    }
    {
        const QString ede = PathIn("device.csv");
        QByteArray lines =
            "#Engineering-Data-Exchange - B.I.G.-EU\r\nPROJECT_NAME;Plant\r\nVERSION_OF_REFERENCEFILE;1\r\n"
            "TIMESTAMP_OF_LAST_CHANGE;2024-05-02\r\nAUTHOR_OF_LAST_CHANGE;tester\r\nVERSION_OF_LAYOUT;2.2\r\n"
            "# mandatory;mandatory;mandatory;mandatory;mandatory;optional\r\n"
            "# keyname;device obj.-instance;object-name;object-type;object-instance;description\r\n";
        const char* kinds[] = {"0", "2", "3", "5", "19", "46"};
        for (int r = 0; r < 12; ++r)
            lines += "k" + QByteArray::number(r) + ";1000;Object " + QByteArray::number(r + 1) + ";" + kinds[r % 6] + ";" +
                     QByteArray::number(r + 1) + ";Floor " + QByteArray::number(r / 4 + 1) + " point;;;;" +
                     QByteArray(r % 2 ? "Y" : "N") + ";;;;;;\r\n";
        Write(ede, lines);
        TFImportEDEFile picker(nullptr);
        picker.EDE_File = ede;
        picker.E_ID_IP->SetText("192.168.1.60");
        Shoot(picker, "ede-import");
    }
}

// OK over a default value beyond 255: the message box over the window, and the cell it
// names made current before it shows.
TEST_F(X11RuleEditorScreenshot, ACheckErrorOverItsWindow) {
    QByteArray rows;
    const char* names[] = {"Hall", "Stairs", "Kitchen", "Office 1", "Office 2", "Meeting", "Corridor", "Lobby"};
    for (int r = 0; r < 24; ++r)
        rows += "<Row Default_Value=\"" + QByteArray(r == 6 ? "300" : QByteArray::number(r * 10 % 256)) +
                "\" Mnemonic=\"" + names[r % 8] + " dimmer\"/>";
    Write(File_DMX_Default_Values, "<DMX_Default_Values>" + rows + "</DMX_Default_Values>");
    TFDMXDefVal dmx(nullptr);
    dmx.move(80, 60);
    dmx.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dmx));
    QImage shot;
    QString shown;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->windowHandle() || !box->windowHandle()->isExposed()) return;
        poll.stop();
        QTest::qWait(300);
        const QRect area = dmx.frameGeometry().united(box->frameGeometry()).adjusted(-8, -8, 8, 8);
        shot = dmx.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        shown = box->text();
        box->accept();
    });
    poll.start();
    SetMessageDialogResponder({});  // the real message box
    // A box that never shows must fail the test, not hang it.
    QTimer::singleShot(5000, &poll, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    dmx.Btn_OK->Click();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shown, "Error row 7!! Default Value must be between 0 and 255");
    EXPECT_EQ(dmx.ACG_DMX_Def_Val->Row(), 7);
    EXPECT_EQ(dmx.ACG_DMX_Def_Val->Col(), 1);
    Save(shot, "dmx-check-error");
}

}  // namespace
