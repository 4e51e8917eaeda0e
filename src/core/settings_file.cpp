#include "core/settings_file.h"
#include "core/program_state.h"
#include "platform/file_system.h"
#include "platform/xml_document.h"


namespace {

const char* const kFlagElements[] = {"enable_internet", "enable_update", "enable_jump_field_tables",
                                     "Double_Click_Auto_Size"};

bool* const kFlags[] = {&Enable_Internet, &Enable_Update, &Enable_Jump_Field, &Enable_Auto_Size};

void Set_Defaults() {
    Project_Name.clear();
    Project_Folder.clear();
    Last_IP_Address = Default_IP_Address;
    Language_Name = Default_Language_Name;
    for (bool* flag : kFlags) *flag = false;
}

// One value read in a guarded step: any failure gives that value's default only.
QString Read_Value(const TXMLNode& root, const char* group, const char* element, const QString& fallback) {
    try {
        const TXMLNode node = root.ChildNodes(QString::fromLatin1(group)).ChildNodes(QString::fromLatin1(element));
        // An element holding other elements has no single text to read.
        return node.ChildCount() > 0 ? fallback : node.Text();
    } catch (const EXMLError&) {
        return fallback;
    }
}

}  // namespace

QString Settings_File_Path() { return PathJoin(Dir_Program, QStringLiteral("Vastrelon.xml")); }

void Read_Settings(TXMLDocument& xml) {
    Set_Defaults();
    if (!FileExists(Settings_File_Path()) || !xml.LoadFromFile(Settings_File_Path(), Max_Settings_File_Size)) return;
    // The first top-level node is the root; a leading comment leaves every default.
    const TXMLNode root = xml.DocumentElement();
    if (root.IsNull() || !root.IsElement()) return;
    Project_Name = Read_Value(root, "lastproj", "projectname", QString());
    Last_IP_Address = Read_Value(root, "lastipadd", "ipaddress", Default_IP_Address);
    Language_Name = Read_Value(root, "lastlang", "language", Default_Language_Name);
    for (std::size_t i = 0; i < std::size(kFlags); ++i)
        *kFlags[i] = Read_Value(root, "lastinternet", kFlagElements[i], QString()) == QLatin1String("1");
}

bool Write_Settings(TXMLDocument& xml) {
    xml.Clear();
    TXMLNode root = xml.AddChild(QStringLiteral("Conf_Settings"));
    root.AddChild(QStringLiteral("lastproj")).AddChild(QStringLiteral("projectname")).SetText(Project_Name);
    root.AddChild(QStringLiteral("lastipadd")).AddChild(QStringLiteral("ipaddress")).SetText(Last_IP_Address);
    root.AddChild(QStringLiteral("lastlang")).AddChild(QStringLiteral("language")).SetText(Language_Name);
    TXMLNode flags = root.AddChild(QStringLiteral("lastinternet"));
    for (std::size_t i = 0; i < std::size(kFlags); ++i)
        flags.AddChild(QString::fromLatin1(kFlagElements[i])).SetText(*kFlags[i] ? QStringLiteral("1") : QStringLiteral("0"));
    return xml.SaveToFile(Settings_File_Path(), Dir_Program);
}
