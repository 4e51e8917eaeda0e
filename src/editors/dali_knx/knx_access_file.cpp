#include "editors/dali_knx/knx_access_file.h"

#include "config/rule_cell_rules.h"
#include "core/program_state.h"

const char* const KNX_Access_Attributes[KNX_Access_Columns] = {
    "Enable",   "Source_Address", "Destination_Address", "APCI",      "Priority",  "Format",
    "MultiplicationFactor", "Extended", "ReTest",        "On_Command", "On_Change", "On_Timer",
    "Poll_Time", "Position",      "Bit_Mode",            "Length",    "TimeOut",   "Mnemonic"};

namespace {

const QString Root_Name = QStringLiteral("BACnet_to_KNX");
const QString List_Name = QStringLiteral("KNX_in_Write");

const TTableLayout& Layout() {
    static const std::optional<QString> defaults[KNX_Access_Columns] = {
        QStringLiteral("Y"), {}, {}, {}, QStringLiteral("Normal"), QStringLiteral("None"), QString(), {}, {},
        QStringLiteral("N"), {}, QStringLiteral("N"), {}, {}, {}, {}, QStringLiteral("0"), {}};
    static const TTableLayout layout{List_Name, KNX_Access_Attributes, defaults, KNX_Source_Address,
                                     QStringLiteral("Source Add"), KNX_Editor_Rows};
    return layout;
}

}  // namespace

TKNXAccessLoad Read_KNX_Access_File(const QString& fileName) {
    TKNXAccessLoad load;
    TXMLDocument document;
    load.Problem = Load_Table_File(document, fileName);
    const TXMLNode root = First_Node_Root(document, fileName, Root_Name, load.Problem);
    if (root.IsNull()) return load;
    const TXMLNode list = root.FindNode(List_Name);
    if (list.IsNull()) {
        load.Problem.Add(QStringLiteral("The file \"%1\" has no list \"%2\".").arg(fileName, List_Name));
        return load;
    }
    load.Rules = Read_Table_Rows(list, Layout(), fileName, load.Problem);
    for (QStringList& row : load.Rules) {
        if (!KNX_Priority_Is_Listed(row[KNX_Priority])) row[KNX_Priority] = QStringLiteral("Normal");
        if (KNX_Enable_Is_On(row[KNX_Enable])) row[KNX_Enable] = Flag_On_Text;
        for (int flag : {KNX_Extended, KNX_ReTest, KNX_On_Command, KNX_On_Change, KNX_On_Timer})
            if (KNX_Flag_Is_On(row[flag])) row[flag] = Flag_On_Text;
    }
    return load;
}

void Build_KNX_Access_Document(TXMLDocument& document, const TCellTable& rules) {
    document.Clear();
    TXMLNode root = document.AddChild(Root_Name);
    document.AddComment(QStringLiteral("SW_VERSION = ") + SW_Version);
    Append_Table_Rows(root.AddChild(List_Name), rules, Layout());
}

bool Save_KNX_Access_File(const QString& fileName, const TCellTable& rules) {
    TXMLDocument document;
    Build_KNX_Access_Document(document, rules);
    // A configuration file never writes through a link to a place outside the configurations.
    return document.SaveToFile(fileName, Dir_Projects);
}
