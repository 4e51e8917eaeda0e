// Screenshots of the KNX rule editor and of each page of the DALI access editor with a
// dozen realistic rows and one row selected, and of a check error box over the window, in
// real windows under X (xcb platform; scripts/test-x11 starts Xvfb). EDITOR_SCREENSHOTS
// names the folder.

#include "editors/dali_knx/dali2_access_check.h"
#include "editors/dali_knx/dali_access_editor.h"
#include "editors/dali_knx/knx_access_editor.h"
#include "editors/dali_knx/knx_access_file.h"

#include "core/text_table.h"
#include "editors/configuration_fixture.h"
#include "editors/dali_knx/grid_user_input.h"
#include "grid/core/column_grid.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void Save_Picture(const QImage& shot, const char* name) {
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("EDITOR_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(name) + ".png")));
}

// Shows the window, waits for it and saves its picture as name.png.
void Shoot(QWidget& window, const char* name) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    Save_Picture(window.screen()->grabWindow(window.winId()).toImage(), name);
}

TCellTable Realistic_KNX_Rules() {
    const char* rooms[] = {"Hall", "Stairs", "Kitchen", "Office 1", "Office 2", "Meeting",
                           "Corridor", "Lobby", "Store", "Garage", "Roof", "Garden"};
    const char* formats[] = {"None", "Swap16", "Int to Float", "Float16 to Float32"};
    const char* priorities[] = {"Low", "Normal", "Urgent", "System"};
    TCellTable rules;
    for (int r = 0; r < 12; ++r) {
        const bool bits = r % 4 == 3;
        rules.push_back({r == 5 ? "N" : "Y", QString("1.1.%1").arg(20 + r), QString("1/%1/%2").arg(r / 4).arg(r),
                         r % 3 == 0 ? "Read" : "Write", priorities[r % 4], formats[r % 4], r % 4 == 2 ? "0.1" : "",
                         "N", r % 2 ? "Y" : "N", "Y", r % 3 ? "Y" : "N", r % 3 ? "N" : "Y",
                         r % 3 ? "" : "60000", QString::number(r * 4), bits ? QString::number(r % 8) : "No",
                         bits ? "1" : "2", "1000", QString(rooms[r]) + (bits ? " switch" : " dimmer")});
    }
    return rules;
}

TDALI2Tables Realistic_DALI2_Tables() {
    const char* functions[] = {"Set Out", "Toggle", "Dim Up", "Dim Down", "Ramp Start", "Ramp Stop"};
    const char* events[] = {"Short Press", "Double Press", "Long Press Start", "Long Press Stop", "Occupied", "Vacant"};
    const char* conditions[] = {"When Equal to Value", "When Equal to Value", "When Equal to Value",
                                "When Equal to Value", "AND Logic with Value", "NAND Logic with Value"};
    const char* devices[] = {"Dimmer", "Led Lamp", "Fluorescent Lamp", "Converter"};
    const char* sensors[] = {"Push Button", "Occupancy Sensor", "Light Sensor"};
    TDALI2Tables tables;
    for (int r = 0; r < 12; ++r)
        tables.Functions.push_back({functions[r % 6], conditions[r % 6], events[r % 6],
                                    r % 5 == 4 ? QString("DALI Group %1").arg(r / 5 + 1) : QString("DALI Channel %1").arg(r),
                                    r % 6 == 0 ? QString::number(50 + r * 15) : "", r % 4 == 3 ? QString::number(r) : "",
                                    QString("Room %1 %2").arg(r + 1).arg(QString(functions[r % 6]).toLower())});
    for (int r = 0; r < 12; ++r) {
        const bool sensor = r % 3 != 0;
        tables.Set_Access.push_back({r == 7 ? "N" : "Y", sensor ? "Sensor" : "Device",
                                     sensor ? sensors[r % 3] : devices[r % 4], QString::number(r * 2), QString::number(r % 2),
                                     QString::number(r * 10), "1000", "5000",
                                     QString("%1 - Room %1 %2").arg(r + 1).arg(QString(functions[r % 6]).toLower()),
                                     QString::number(r * 2), sensor && r % 2 ? "2" : "1",
                                     QString(sensor ? "Sensor " : "Lamp ") + QString::number(r + 1)});
    }
    return tables;
}

class X11DALIKNXScreenshot : public ConfigurationFixture {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
    }
};

TEST_F(X11DALIKNXScreenshot, RuleEditorsWithADozenRowsAndOneSelected) {
    ASSERT_TRUE(Save_KNX_Access_File(File_KNX_SetAccess, Realistic_KNX_Rules()));
    {
        TFKNXAccess knx(nullptr);
        knx.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&knx));
        Click_Cell(*knx.ACG_KNX_in_Write, 0, 4);
        Shoot(knx, "knx-rules");
    }

    TDALIDeviceTables devices = Default_DALI_Device_Tables({});
    for (int d = 0; d < 12; ++d)
        devices.Devices[std::size_t(d)] = {"Y", "", d % 3 ? "Normal" : "Start Break", d % 2 ? "Y" : "N",
                                           d % 4 ? "None" : "Recall Min-Max Level for Switch"};
    devices.Groups[1] = {"Start Break", "Y", "Recall Old Value Level for Switch"};
    const std::optional<TDALI2CheckError> realistic = Check_DALI2_Tables(Realistic_DALI2_Tables(), QLatin1Char('.'));
    EXPECT_FALSE(realistic) << realistic->Message.toStdString();
    ASSERT_TRUE(Save_DALI_Access_Files(File_DALI_Access, File_DALI2_Access, devices, Realistic_DALI2_Tables()).Ok);
    TFDALI_Access dali(nullptr);
    dali.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dali));
    Click_Cell(*dali.ACG_DALI_Device, 0, 3);
    Shoot(dali, "dali-devices");
    dali.PC_DALI->setCurrentWidget(dali.TS_Set_Access);
    QTest::qWait(100);
    Click_Cell(*dali.ASG, 0, 4);
    Shoot(dali, "dali-set-access");
    dali.PC_DALI->setCurrentWidget(dali.TS_Functions);
    QTest::qWait(100);
    Click_Cell(*dali.ACG, 0, 2);
    Shoot(dali, "dali-functions");

    // A command out of range: OK names it in a box over the window.
    dali.ASG->SetCells(6, 3, "300");
    QImage with_box;
    SetMessageDialogResponder({});  // the real box, not the test's answers
    QTimer::singleShot(600, [&] {
        with_box = dali.screen()->grabWindow(0).toImage();
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    dali.Btn_OKClick(nullptr);
    Save_Picture(with_box, "dali-check-error");
    EXPECT_EQ(dali.PC_DALI->currentWidget(), dali.TS_Set_Access);
}

}  // namespace
