#pragma once
// DALI_Access.xml as the DALI access editor reads and writes it: the root DALI_Access,
// the version comment after it, and 307 text elements: four per device address, three
// per group entry. Saving writes both DALI files, building both documents before either
// file is replaced.

#include "config/dali_access_layout.h"
#include "config/general_parameters_file.h"
#include "editors/dali_knx/dali2_access_file.h"

constexpr int DALI_Device_Columns = 5;  // grid columns 1 ... 5: Enable, Address (hidden, never filled), Dimming Mode, Min-Max Value, Recall Level
constexpr int DALI_Group_Columns = 3;   // grid columns 1 ... 3: Dimming Mode, Min-Max Value, Recall Level
enum TDALIDeviceColumn { Dev_Enable, Dev_Address, Dev_Dimming_Mode, Dev_Min_Max_Value, Dev_Recall_Level };
enum TDALIGroupColumn { Group_Dimming_Mode, Group_Min_Max_Value, Group_Recall_Level };

// What every device and group row shows before the file is applied, from the four DALI
// flags of ParGen.xml.
struct TDALIOptionDefaults {
    QString Dimming_Mode = QStringLiteral("Normal");
    QString Min_Max_Value = QStringLiteral("N");
    QString Recall_Level = QStringLiteral("None");
};
TDALIOptionDefaults DALI_Option_Defaults(const TGeneralParameterExtras& flags);
// Reads them from the general parameters file (the defaults when it is missing).
TDALIOptionDefaults Read_DALI_Option_Defaults(const QString& parGenFileName);

struct TDALIDeviceTables {
    TCellTable Devices;  // 64 rows of 5 texts
    TCellTable Groups;   // 17 rows of 3 texts: groups 1 ... 16, then broadcast
};
TDALIDeviceTables Default_DALI_Device_Tables(const TDALIOptionDefaults& defaults);

// "Start Break" when the text is exactly that, else "Normal".
QString Check_Dimming_mode(const QString& text);
// The text when it is one of the two recall levels exactly, else "None".
QString Check_ReCall_Level(const QString& text);

struct TDALIAccessLoad {
    TDALIDeviceTables Tables;
    TRuleFileProblem Problem;
};
TDALIAccessLoad Read_DALI_Access_File(const QString& fileName, const TDALIOptionDefaults& defaults);
void Build_DALI_Access_Document(TXMLDocument& document, const TDALIDeviceTables& tables);

// Builds both documents, then saves DALI_Access.xml and DALI2_Access.xml atomically;
// false with the file named when one could not be written.
struct TDALISaveResult {
    bool Ok = true;
    QString Failed_File;
};
TDALISaveResult Save_DALI_Access_Files(const QString& daliFileName, const QString& dali2FileName,
                                       const TDALIDeviceTables& devices, const TDALI2Tables& dali2);
