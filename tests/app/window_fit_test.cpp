// Every window of the program on the screen the tests run on: it lies inside the
// screen's available area, shows the title-bar buttons it should, and its OK and Cancel
// buttons are in view and work. The suite also runs on a 1024 by 768 screen.

#include "all_windows_fixture.h"

#include "app/about_box.h"
#include "app/new_project_dialog.h"
#include "app/open_configuration_dialog.h"
#include "app/software_options_dialog.h"
#include "config/device_update_dialog.h"
#include "config/general_parameters_form.h"
#include "controls/lb_button.h"
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

#include <QGuiApplication>
#include <QScreen>

namespace {

using WindowFitTest = AllWindowsTest;

QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// The window's OK and Cancel (or what stands in their place) are wholly in view.
void ExpectInView(TForm* form, QWidget* button) {
    SCOPED_TRACE(button->objectName().toStdString());
    ASSERT_TRUE(button->isVisible());
    const QRect inWindow(button->mapTo(form, QPoint()), button->size());
    EXPECT_TRUE(form->rect().contains(inWindow));
    EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect());
}

TEST_F(WindowFitTest, TheMainWindowFitsAndHasOnlyItsCloseBox) {
    CreateWindows();
    TFVastreloneFirmWare* main = FVastreloneFirmWare;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_TRUE(Available().contains(main->frameGeometry()));
    const Qt::WindowFlags flags = main->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    for (TLbButton* corner : {main->Btn_Info, main->Btn_Opz, main->Btn_Close}) ExpectInView(main, corner);
}

TEST_F(WindowFitTest, EveryDialogFitsShowsItsButtonsAndClosesWithThem) {
    CreateWindows();
    struct Row {
        TForm* form;
        QWidget* ok;      // nullptr where the dialog has none
        QWidget* cancel;  // the button that closes the dialog in this test
    };
    const Row rows[] = {
        {FNew_Project, FNew_Project->Btn_OK, FNew_Project->Btn_Cancel},
        {FOpenConf, FOpenConf->Btn_OK, FOpenConf->Btn_Cancel},
        {FAbout, nullptr, FAbout->LbButton1},
        {FSoftOptions, FSoftOptions->Btn_OK, FSoftOptions->Btn_Cancel},
        {FParGen, FParGen->Btn_OK, FParGen->Btn_Cancel},
        {FDALI_Access, FDALI_Access->Btn_OK, FDALI_Access->Btn_Cancel},
        {FBoot, FBoot->Btn_Update, FBoot->Btn_Cancel},
        {FProfinetFileName, FProfinetFileName->Btn_OK, FProfinetFileName->Btn_Cancel},
        {FModbus_TCP_Master_Set_Access, FModbus_TCP_Master_Set_Access->Btn_OK, FModbus_TCP_Master_Set_Access->Btn_Cancel},
        {FDMXDefVal, FDMXDefVal->Btn_OK, FDMXDefVal->Btn_Cancel},
        {FBACnetAccess, FBACnetAccess->Btn_OK, FBACnetAccess->Btn_Cancel},
        {FImportEDEFile, FImportEDEFile->Btn_OK, FImportEDEFile->Btn_Cancel},
        {FSetAccess, FSetAccess->Btn_OK, FSetAccess->Btn_Cancel},
        {FSNMP_Trap_Access, FSNMP_Trap_Access->Btn_OK, FSNMP_Trap_Access->Btn_Cancel},
        {FReceiveCAN, FReceiveCAN->Btn_OK, FReceiveCAN->Btn_Cancel},
        {FTransmitCAN, FTransmitCAN->Btn_OK, FTransmitCAN->Btn_Cancel},
        {FSet_PDO_Access, FSet_PDO_Access->Btn_OK, FSet_PDO_Access->Btn_Cancel},
        {FSet_SDO_Client_Access, FSet_SDO_Client_Access->Btn_OK, FSet_SDO_Client_Access->Btn_Cancel},
        {FSet_SDO_Server_Access, FSet_SDO_Server_Access->Btn_OK, FSet_SDO_Server_Access->Btn_Cancel},
        {FKNXAccess, FKNXAccess->Btn_OK, FKNXAccess->Btn_Cancel},
        {FSNMPManagerAccess, FSNMPManagerAccess->Btn_OK, FSNMPManagerAccess->Btn_Cancel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.form->Name().toStdString());
        bool shown = false;
        WhenShownModally(row.form, [&] {
            shown = true;
            EXPECT_TRUE(Available().contains(row.form->frameGeometry()));
            const Qt::WindowFlags flags = row.form->windowFlags();
            EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
            EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint) << "a modal dialog is never minimised";
            EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint) << "the window has a fixed size";
            // A window manager that minimises it anyway gets it back at once.
            row.form->showMinimized();
            EXPECT_TRUE(QTest::qWaitFor([&] { return !row.form->isMinimized(); }, 1000));
            if (row.ok) ExpectInView(row.form, row.ok);
            ExpectInView(row.form, row.cancel);
            QTest::mouseClick(row.cancel, Qt::LeftButton);
            EXPECT_NE(row.form->ModalResult(), mrNone) << "the button closes the dialog";
            if (row.form->ModalResult() == mrNone) row.form->SetModalResult(mrCancel);
        });
        row.form->ShowModal();
        EXPECT_TRUE(shown);
    }
}

}  // namespace
