#pragma once
// The program-wide state every window reads: the folders beside the program, the
// current configuration and its file paths, the software identity, the user's choices
// and the shared lists. It lives on the user-interface thread only.

#include "platform/string_list.h"

#include <QString>
#include <vector>

// Folders (never ending with a separator).
inline QString Dir_Program;
inline QString Dir_Projects;
inline QString Dir_Master;
inline QString Dir_Language;

// The current configuration: Project_Folder is empty while none is open.
inline QString Project_Name;
inline QString Project_Folder;

// The configuration's files, rebuilt by Set_Files; empty while no configuration is open.
inline QString File_ParGen;
inline QString File_DALI_Access;
inline QString File_DALI2_Access;
inline QString File_ModbusTCPM_SetAccess;
inline QString File_DMX_Default_Values;
inline QString File_BACnet_Master_Access;
inline QString File_ModbusM_SetAccess;
inline QString File_SNMP_Trap;
inline QString File_CAN_Rec_Frames;
inline QString File_CAN_Send_Frames;
inline QString File_SDO_Server_CANopen;
inline QString File_SDO_Client_CANopen;
inline QString File_PDO_CANopen;
inline QString File_KNX_SetAccess;
inline QString File_SNMP_Manager;

inline QString Last_EDE_Folder;

// Software identity.
inline const QString SW_Code_Const = QStringLiteral("PK30514");
inline const QString SW_Desc_Const = QStringLiteral("KNX / DALI - Converter");
inline const QString SW_Code_Web = QStringLiteral("PK30514");
inline const QString SW_Version = QStringLiteral("1.709");
inline QString SW_Title;
inline QString SW_Code;
inline QString SW_Desc;

// Choices that outlive a dialog.
inline const QString Default_IP_Address = QStringLiteral("192.168.2.205");
inline const QString Default_Language_Name = QStringLiteral("English");
inline QString Last_IP_Address;
inline int Update_Option = 0;
inline bool Update_Read_Back = false;
inline QString Language_Name;
inline bool Enable_Internet = false;
inline bool Enable_Update = false;
inline bool Enable_Jump_Field = false;
inline bool Enable_Auto_Size = false;

// Shared lists.
inline TStringList SL_Lang_Texts;
inline int Num_Lang_Texts = 0;
inline TStringList SL_Copy_Row;
inline std::vector<bool> Copy_Row_CheckBox;
inline TStringList SL_MIB_Read_Vars;
inline TStringList SL_MIB_Write_Vars;

// The file names of a configuration, in the order Set_Files builds their paths.
struct ConfigurationFile {
    QString* path;
    const char* fileName;
};
const std::vector<ConfigurationFile>& Configuration_Files();

// Rebuilds the configuration's file paths from Project_Folder; all empty while none is open.
void Build_Configuration_Paths();
// Sets the folders beside the program (Dir_Program and the three below it).
void Set_Program_Folders(const QString& programFolder);
// Puts every global back to its start value; tests begin from here.
void Reset_Program_State();
