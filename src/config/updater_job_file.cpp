#include "config/updater_job_file.h"

#include "core/program_state.h"
#include "config/configuration_compiler.h"
#include "platform/file_system.h"

#include <vector>

namespace {

// One kind of operation; the texts every kind shares are written inline below.
struct OperationKind {
    QString File_Name;
    const char* Start_Address;
    const char* Bank_Type;
    const char* Write_CSS;
    const char* Address_CSS;
    bool Internal_Data;  // the ESP32 firmware and configuration parts carry these four elements
};

void Add(TXMLNode& parent, const char* name, const QString& text) {
    parent.AddChild(QString::fromLatin1(name)).SetText(text);
}
void Add(TXMLNode& parent, const char* name, const char* text) { Add(parent, name, QString::fromLatin1(text)); }

void Add_Operations(TXMLNode& parent, const std::vector<OperationKind>& kinds, bool read_back) {
    TXMLNode operations = parent.AddChild(QStringLiteral("Operations"));
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const OperationKind& kind = kinds[i];
        TXMLNode operation = operations.AddChild(QStringLiteral("Operation"));
        Add(operation, "Ope_Protection_Enabled", "");
        Add(operation, "Ope_GoToBoot_Before", "0");
        Add(operation, "Ope_GoToApp_Before", "0");
        Add(operation, "Ope_IP_Address", "");
        Add(operation, "Ope_Port", "2008");
        Add(operation, "Ope_Port_Sec", "2007");
        Add(operation, "Ope_Erase_Memory", "0");
        Add(operation, "Ope_FileName", kind.File_Name);
        Add(operation, "Ope_Start_Address", kind.Start_Address);
        Add(operation, "Ope_Memory_Type", "0");
        Add(operation, "Ope_Bank_Type", kind.Bank_Type);
        Add(operation, "Ope_Read_Back", read_back ? "1" : "0");
        Add(operation, "Ope_Write_CSS", kind.Write_CSS);
        Add(operation, "Ope_Address_CSS", kind.Address_CSS);
        Add(operation, "Ope_Command_CSS", "0x0B");
        if (kind.Internal_Data) {
            Add(operation, "Ope_Write_Internal_Data", "0");
            Add(operation, "Ope_WID_Address", "0x78200");
            Add(operation, "Ope_WID_Command", "0x0B");
            Add(operation, "Ope_WID_Data", "");
        }
        // The device returns to its application after the last operation of a list.
        Add(operation, "Ope_GoToApp_After", i + 1 == kinds.size() ? "1" : "0");
    }
}

}  // namespace

QString Updater_Job_File_Path() { return PathJoin(Dir_Program, QStringLiteral("Ethernet_Update.xml")); }

QString Updater_Program_Path() { return PathJoin(Dir_Program, QStringLiteral("Ethernet_Update.exe")); }

void Build_Updater_Job_Document(TXMLDocument& document, const TUpdateJob& job) {
    const bool firmware = job.Option == uoFirmwareAndConfiguration || job.Option == uoFirmware;
    const bool configuration = job.Option == uoFirmwareAndConfiguration || job.Option == uoConfiguration;
    const QString master = PathJoin(Dir_Master, QStringLiteral("Sim30514.sim"));
    const QString esp32_master = PathJoin(Dir_Master, QStringLiteral("Sim30514_ESP32.sim"));
    const QString web = PathJoin(Dir_Master, QStringLiteral("web_files_dali.bin"));
    const QString bin = PathJoin(Project_Folder, QStringLiteral("bin"));

    document.Clear();
    TXMLNode root = document.AddChild(QStringLiteral("Ethernet_Update"));
    Add(root, "Version", "1000");
    Add(root, "Title", "Korvel - PK30514 Ethernet Update");
    Add(root, "IP_Address_Dev", job.Address);
    Add(root, "Application_Port", "10000");
    Add(root, "Boot_Port", "2008");
    Add(root, "Boot_Port_Sec", "2007");
    Add(root, "Address_Protection", "0x78000");
    TXMLNode protections = root.AddChild(QStringLiteral("Protections"));
    Add(protections, "Protection", Device_Family_Code);

    std::vector<OperationKind> kinds;
    if (firmware) {
        kinds.push_back({master, "0x8000", "1", "1", "0x78100", false});
        kinds.push_back({web, "0xC0000", "1", "0", "0x78100", false});
    }
    if (configuration) kinds.push_back({Bank_File_Path(), "0x60000", "2", "0", "0x50100", false});
    Add_Operations(root, kinds, job.Read_Back);

    TXMLNode esp32 = root.AddChild(QStringLiteral("ESP32"));
    Add(esp32, "Address_Protection", "0x7800");
    kinds.clear();
    if (firmware) {
        kinds.push_back({esp32_master, "0x110000", "1", "0", "0x78100", true});
        kinds.push_back({web, "0x350000", "1", "0", "0x78100", false});
    }
    if (configuration) {
        kinds.push_back({PathJoin(bin, QStringLiteral("bank_ESP32_1.bin")), "0x09000", "2", "0", "0x50100", true});
        kinds.push_back({PathJoin(bin, QStringLiteral("bank_ESP32_2.bin")), "0x310000", "2", "0", "0x50100", true});
    }
    Add_Operations(esp32, kinds, job.Read_Back);
}

bool Save_Updater_Job_File(TXMLDocument& document, const TUpdateJob& job) {
    Build_Updater_Job_Document(document, job);
    return document.SaveToFile(Updater_Job_File_Path(), Dir_Program);
}
