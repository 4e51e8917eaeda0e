// Screenshots of the Modbus master, CAN frame and CANopen rule editors with realistic rows, and
// of a check error box over its window, in real windows under X (xcb platform;
// scripts/test-x11 starts Xvfb). EDITOR_SCREENSHOTS names the folder.

#include "editors/fieldbus/can_receive_editor.h"
#include "editors/fieldbus/can_transmit_editor.h"
#include "editors/fieldbus/canopen_pdo_editor.h"
#include "editors/fieldbus/canopen_sdo_client_editor.h"
#include "editors/fieldbus/canopen_sdo_server_editor.h"
#include "editors/fieldbus/modbus_serial_master_editor.h"
#include "editors/fieldbus/modbus_tcp_master_editor.h"

#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/standard_controls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class X11FieldbusRuleEditorScreenshot : public ConfigurationFixture {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
    }
    static void Write(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    static void Save(const QImage& shot, const char* name) {
        ASSERT_FALSE(shot.isNull());
        const QString folder = qEnvironmentVariable("EDITOR_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(name) + ".png")));
    }
    static void Shoot(QWidget& window, const char* name) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(300);
        Save(window.screen()->grabWindow(window.winId()).toImage(), name);
    }
};

QByteArray N(int n) { return QByteArray::number(n); }

TEST_F(X11FieldbusRuleEditorScreenshot, EachWindowWithADozenRules) {
    const char* readTypes[] = {"Holding Register", "Input Register", "Coil Status", "Input Status"};
    const char* places[] = {"Boiler", "Pump", "Chiller", "Fan coil"};
    {
        QByteArray read, write;
        for (int r = 0; r < 12; ++r) {
            read += "<row Enable=\"" + QByteArray(r % 5 == 4 ? "N" : "Y") + "\" IP_Address=\"192.168.1." + N(20 + r / 3) +
                    "\" Port=\"502\" Slave_ID=\"" + N(r % 3 + 1) + "\" Type=\"" + readTypes[r % 4] + "\" Address=\"" +
                    N(r * 10) + "\" NPoint=\"" + N(r % 4 < 2 ? 2 : 8) + "\" PollTime=\"1000\" MaxError=\"3\" Position=\"" +
                    N(r * 8) + "\" Bit=\"0\" Swap=\"" + QByteArray(r % 2 ? "Y" : "N") + "\" Mnemonic=\"" + places[r % 4] +
                    " " + N(r / 4 + 1) + "\"/>";
            write += "<row Enable=\"Y\" IP_Address=\"192.168.1." + N(40 + r / 4) + "\" Port=\"502\" Slave_ID=\"" +
                     N(r % 4 + 1) + "\" Type=\"" + QByteArray(r % 3 ? "Holding Register" : "Coil Status") +
                     "\" Address=\"" + N(100 + r) + "\" NPoint=\"2\" PollTime=\"0\" OnChange=\"N\" OnCMD=\"N\" "
                     "MaxError=\"3\" Position=\"" + N(r * 4) + "\" Bit=\"0\" Swap=\"N\" Mnemonic=\"Setpoint " + N(r + 1) + "\"/>";
        }
        Write(File_ModbusTCPM_SetAccess, "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>" + read +
                                             "</Modbus_Read><Modbus_Write>" + write +
                                             "</Modbus_Write></PROFINET_Master_to_Modbus_TCP_Master>");
        TFModbus_TCP_Master_Set_Access tcp(nullptr);
        Shoot(tcp, "modbus-tcp-read");
        tcp.PageControl1->SetActivePageIndex(1);
        Shoot(tcp, "modbus-tcp-write");
        read.replace("IP_Address=\"192.168.1.", "X=\"").replace("Port=\"502\" ", "");
        write.replace("IP_Address=\"192.168.1.", "X=\"").replace("Port=\"502\" ", "");
        Write(File_ModbusM_SetAccess,
              "<EtherNetIP_to_Modbus><Modbus_Read>" + read + "</Modbus_Read><Modbus_Write>" + write +
                  "</Modbus_Write></EtherNetIP_to_Modbus><!--SW_VERSION = 1.101-->");
        TFSetAccess serial(nullptr);
        Shoot(serial, "modbus-serial-read");
        serial.PageControl1->SetActivePageIndex(1);
        Shoot(serial, "modbus-serial-write");
    }
    {
        QByteArray rows;
        for (int r = 0; r < 12; ++r) {
            rows += "<row Enable=\"" + QByteArray(r % 6 == 5 ? "N" : "Y") + "\" COBID=\"" +
                    (r % 3 == 2 ? "0x18FF" + N(1000 + r) : "$" + N(181 + r)) + "\" CAN_Type=\"" +
                    QByteArray(r % 3 == 2 ? "2.0B (29 bits)" : "2.0A (11 bits)") + "\" Dim=\"" + N(r % 8 + 1) +
                    "\" TimeOut=\"" + N(r % 2 ? 500 : 0) + "\"";
            for (int k = 1; k <= 8; ++k)
                rows += " Byte" + N(k) + "=\"" + (k <= r % 8 + 1 ? (k == 3 ? QByteArray("None") : N(r * 8 + k - 1)) : QByteArray()) + "\"";
            rows += " Mnemonic=\"Node " + N(r + 1) + " status\"/>";
        }
        Write(File_CAN_Rec_Frames, "<Receive_Frames>" + rows + "</Receive_Frames><!--SW_VERSION = 1.000-->");
        TFReceiveCAN receive(nullptr);
        Shoot(receive, "can-receive");
        QByteArray sent = rows;
        sent.replace("TimeOut=\"500\"", "OnChange=\"N\" OnCMD=\"N\" OnTimer=\"Y\" Time=\"100\"")
            .replace("TimeOut=\"0\"", "OnChange=\"Y\" OnCMD=\"Y\" OnTimer=\"N\" Time=\"\"");
        Write(File_CAN_Send_Frames, "<Transmit_Frames>" + sent + "</Transmit_Frames><!--SW_VERSION = 1.000-->");
        TFTransmitCAN transmit(nullptr);
        Shoot(transmit, "can-transmit");

        // A failed check: the real box over the window, the cell it names current. The
        // box is modal: a timer takes the picture and closes it.
        transmit.ACG_CAN_Transmit->SetCells(4, 3, "9");
        SetMessageDialogResponder({});
        QTimer::singleShot(600, [&transmit] {
            Save(transmit.screen()->grabWindow(0).toImage(), "can-transmit-check-error");
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        transmit.Btn_OK->Click();
        EXPECT_NE(transmit.ModalResult(), mrOk);
    }
}

TEST_F(X11FieldbusRuleEditorScreenshot, CANopenWindowsWithADozenRules) {
    const char* names[] = {"Drive", "Valve", "Lamp group", "Sensor"};
    QByteArray receive, transmit, read, write, objectsRead, objectsWrite;
    for (int r = 0; r < 12; ++r) {
        const int dimension = r % 8 + 1;
        QByteArray positions, four;
        for (int k = 1; k <= 8; ++k)
            positions += " Address_B" + N(k) + "=\"" + (k <= dimension ? N(r * 8 + k - 1) : QByteArray()) + "\"";
        const int size = QList<int>({1, 2, 4})[r % 3];
        for (int k = 1; k <= 4; ++k) four += " Address_B" + N(k) + "=\"" + (k <= size ? N(r * 4 + k - 1) : QByteArray()) + "\"";
        const QByteArray name = QByteArray(names[r % 4]) + " " + N(r / 4 + 1);
        receive += "<row COB-ID=\"0x" + QByteArray::number(0x181 + r, 16) + "\" Dimension=\"" + N(dimension) + "\"" + positions +
                   " TimeOut=\"" + N(r % 2 ? 1000 : 0) + "\" Mnemonic=\"" + name + " status\"/>";
        transmit += "<row COB-ID=\"$" + QByteArray::number(0x201 + r, 16).toUpper() + "\" Dimension=\"" + N(dimension) + "\"" +
                    positions + " Send_Time=\"" + N(100 * (r % 3)) + "\" On_Change=\"" + (r % 2 ? "Y" : "N") +
                    "\" Mnemonic=\"" + name + "\"/>";
        read += "<row Device_ID=\"" + N(r % 5 + 2) + "\" Index=\"0x60" + N(40 + r) + "\" SubIndex=\"0\" NByte=\"" + N(size) +
                "\" Poll_Time=\"" + N(100 + 50 * r) + "\"" + four + " Mnemonic=\"" + name + "\"/>";
        write += "<row Device_ID=\"" + N(r % 5 + 2) + "\" Index=\"0x60" + N(40 + r) + "\" SubIndex=\"" + N(r % 3) +
                 "\" NByte=\"" + N(size) + "\" Poll_Time=\"" + N(r % 2 ? 0 : 500) + "\" On_Change=\"" + (r % 2 ? "Y" : "N") +
                 "\"" + four + " Mnemonic=\"" + name + " set\"/>";
        objectsRead += "<row Index=\"0x" + QByteArray::number(0x2000 + r / 4, 16) + "\" SubIndex=\"" + N(r % 4 + 1) +
                       "\" NByte=\"" + N(size) + "\"" + four + " Mnemonic=\"" + name + "\"/>";
        objectsWrite += "<row Index=\"0x" + QByteArray::number(0x3000 + r / 4, 16) + "\" SubIndex=\"" + N(r % 4) +
                        "\" NByte=\"" + N(size) + "\"" + four + " Mnemonic=\"" + name + " level\"/>";
    }
    Write(File_PDO_CANopen, "<PDO_CANopen><Receive_PDO>" + receive + "</Receive_PDO><Transmit_PDO>" + transmit +
                                "</Transmit_PDO></PDO_CANopen><!--SW_VERSION = 1.000-->");
    Write(File_SDO_Client_CANopen, "<SDO_Client_CANopen><SDO_Read>" + read + "</SDO_Read><SDO_Write>" + write +
                                       "</SDO_Write></SDO_Client_CANopen><!--SW_VERSION = 1.000-->");
    Write(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read>" + objectsRead + "</SDO_Read><SDO_Write>" +
                                       objectsWrite + "</SDO_Write></SDO_Server_CANopen><!--SW_VERSION = 1.000-->");
    TFSet_PDO_Access pdo(nullptr);
    TFSet_SDO_Client_Access client(nullptr);
    TFSet_SDO_Server_Access server(nullptr);
    const std::pair<TCANopenRuleEditor*, const char*> windows[] = {{&pdo, "canopen-pdo"}, {&client, "canopen-sdo-client"},
                                                                   {&server, "canopen-sdo-server"}};
    for (const auto& [window, name] : windows) {
        Shoot(*window, (QByteArray(name) + "-first").constData());
        window->PageControl1->SetActivePageIndex(1);
        Shoot(*window, (QByteArray(name) + "-second").constData());
        window->hide();
    }

    // A failed check on the second page: the box over the window, the page and cell current.
    pdo.PageControl1->SetActivePageIndex(0);
    pdo.show();
    pdo.sgb->SetCells(4, 3, "1440");
    SetMessageDialogResponder({});
    QTimer::singleShot(600, [&pdo] {
        Save(pdo.screen()->grabWindow(0).toImage(), "canopen-pdo-check-error");
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    pdo.Btn_OK->Click();
    EXPECT_NE(pdo.ModalResult(), mrOk);
    EXPECT_EQ(pdo.PageControl1->ActivePageIndex(), 1);
}

}  // namespace
