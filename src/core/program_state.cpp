#include "core/program_state.h"
#include "platform/file_system.h"

const std::vector<ConfigurationFile>& Configuration_Files() {
    static const std::vector<ConfigurationFile> files = {
        {&File_ParGen, "ParGen.xml"},
        {&File_DALI_Access, "DALI_Access.xml"},
        {&File_DALI2_Access, "DALI2_Access.xml"},
        {&File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml"},
        {&File_DMX_Default_Values, "DMX_Default_Values.xml"},
        {&File_BACnet_Master_Access, "BACnet_Master_Access.xml"},
        {&File_ModbusM_SetAccess, "ModbusM_SetAccess.xml"},
        {&File_SNMP_Trap, "SNMP_Trap.xml"},
        {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
        {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
        {&File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
        {&File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
        {&File_PDO_CANopen, "PDO_CANopen.xml"},
        {&File_KNX_SetAccess, "KNX_SetAccess.xml"},
        {&File_SNMP_Manager, "SNMP_Manager.xml"},
    };
    return files;
}

void Build_Configuration_Paths() {
    // Without a configuration the paths stay empty, so nothing can read or write
    // a stray file at the root of the file system.
    for (const ConfigurationFile& file : Configuration_Files())
        *file.path = Project_Folder.isEmpty() ? QString() : PathJoin(Project_Folder, QString::fromLatin1(file.fileName));
}

void Set_Program_Folders(const QString& programFolder) {
    Dir_Program = programFolder;
    Dir_Master = PathJoin(Dir_Program, QStringLiteral("MASTER"));
    Dir_Projects = PathJoin(Dir_Program, QStringLiteral("PROJECTS"));
    Dir_Language = PathJoin(Dir_Program, QStringLiteral("LANGUAGE"));
}

void Reset_Program_State() {
    Dir_Program.clear();
    Dir_Projects.clear();
    Dir_Master.clear();
    Dir_Language.clear();
    Project_Name.clear();
    Project_Folder.clear();
    Build_Configuration_Paths();
    Last_EDE_Folder.clear();
    SW_Title.clear();
    SW_Code.clear();
    SW_Desc.clear();
    Last_IP_Address.clear();
    Update_Option = 0;
    Update_Read_Back = false;
    Language_Name.clear();
    Enable_Internet = Enable_Update = Enable_Jump_Field = Enable_Auto_Size = false;
    SL_Lang_Texts.Clear();
    Num_Lang_Texts = 0;
    SL_Copy_Row.Clear();
    Copy_Row_CheckBox.clear();
    SL_MIB_Read_Vars.Clear();
    SL_MIB_Write_Vars.Clear();
}
