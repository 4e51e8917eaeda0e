#include "app/create_windows.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/new_project_dialog.h"
#include "app/open_configuration_dialog.h"
#include "app/software_options_dialog.h"
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
#include "platform/application.h"

void Create_All_Windows(TApplication& application) {
    application.CreateForm(FVastreloneFirmWare);
    application.CreateForm(FNew_Project);
    application.CreateForm(FOpenConf);
    application.CreateForm(FAbout);
    application.CreateForm(FSoftOptions);
    application.CreateForm(FParGen);
    application.CreateForm(FDALI_Access);
    application.CreateForm(FBoot);
    application.CreateForm(FProfinetFileName);
    application.CreateForm(FModbus_TCP_Master_Set_Access);
    application.CreateForm(FDMXDefVal);
    application.CreateForm(FBACnetAccess);
    application.CreateForm(FImportEDEFile);
    application.CreateForm(FSetAccess);
    application.CreateForm(FSNMP_Trap_Access);
    application.CreateForm(FReceiveCAN);
    application.CreateForm(FTransmitCAN);
    application.CreateForm(FSet_PDO_Access);
    application.CreateForm(FSet_SDO_Client_Access);
    application.CreateForm(FSet_SDO_Server_Access);
    application.CreateForm(FKNXAccess);
    application.CreateForm(FSNMPManagerAccess);
}
