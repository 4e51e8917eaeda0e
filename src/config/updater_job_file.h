#pragma once
// The job file "Ethernet_Update.xml" of the separate updater program: which device to
// reach, on which ports, and which image files go to which memory addresses. It is
// rebuilt whole before every update and lies beside the program.

#include "platform/xml_document.h"

#include <QString>

// Which images an update sends, as the update dialog lists them.
enum TUpdateOption { uoFirmwareAndConfiguration = 0, uoFirmware = 1, uoConfiguration = 2 };

struct TUpdateJob {
    QString Address;  // the device's dotted IPv4 address
    int Option = uoFirmwareAndConfiguration;
    bool Read_Back = true;
};

// Tells the updater which device family the images are for.
inline const QString Device_Family_Code = QStringLiteral("0x514");

QString Updater_Job_File_Path();
QString Updater_Program_Path();

void Build_Updater_Job_Document(TXMLDocument& document, const TUpdateJob& job);
// Rebuilds the document and saves it over the job file; false when it could not be written.
bool Save_Updater_Job_File(TXMLDocument& document, const TUpdateJob& job);
