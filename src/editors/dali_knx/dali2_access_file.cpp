#include "editors/dali_knx/dali2_access_file.h"

#include "config/rule_cell_rules.h"
#include "core/program_state.h"

const char* const DALI2_Function_Attributes[DALI2_Function_Columns] = {
    "Function", "Condition", "Value", "Channel", "Val", "Next_Function", "Mnemonic"};
const char* const DALI2_Set_Access_Attributes[DALI2_Set_Access_Columns] = {
    "Enable",   "DeviceSensor", "Type",     "ChannelNumber", "Instance", "Command",
    "TimeSend", "TimeOut",      "Function", "Position",      "NumBytes", "Mnemonic"};

namespace {

const QString Root_Name = QStringLiteral("DALI2_Access");

const TTableLayout& Function_Layout() {
    static const std::optional<QString> defaults[DALI2_Function_Columns] = {QString(), QString(), QString(), QString(),
                                                                             QString(), QString(), QString()};
    static const TTableLayout layout{QStringLiteral("DALI2_Functions_Rules"), DALI2_Function_Attributes, defaults,
                                     Fun_Function, QStringLiteral("Function"), DALI2_Function_Editor_Rows};
    return layout;
}

const TTableLayout& Set_Access_Layout() {
    static const std::optional<QString> defaults[DALI2_Set_Access_Columns] = {
        QString(), QString(), QString(), QString(), QString(), QString(),
        QString(), QString(), QString(), QString(), QString(), QString()};
    static const TTableLayout layout{QStringLiteral("DALI2_SetAccess_Rules"), DALI2_Set_Access_Attributes, defaults,
                                     Set_DeviceSensor, QStringLiteral("Dev/Sen"), DALI2_Input_Editor_Rows,
                                     Set_Enable};
    return layout;
}

// The root is found by name among the document's top-level nodes, as the compiler finds it.
TXMLNode Named_Root(const TXMLDocument& document) {
    for (TXMLNode node = document.ChildCount() > 0 ? document.Child(0) : TXMLNode(); !node.IsNull(); node = node.NextSibling())
        if (node.IsElement() && node.NodeNameUtf8() == "DALI2_Access") return node;
    return {};
}

TCellTable Read_List(const TXMLNode& root, const TTableLayout& layout, const QString& fileName, TRuleFileProblem& problem) {
    const TXMLNode list = root.FindNode(layout.List_Name);
    if (list.IsNull()) {
        problem.Add(QStringLiteral("The file \"%1\" has no list \"%2\".").arg(fileName, layout.List_Name));
        return {};
    }
    return Read_Table_Rows(list, layout, fileName, problem);
}

}  // namespace

TDALI2AccessLoad Read_DALI2_Access_File(const QString& fileName) {
    TDALI2AccessLoad load;
    TXMLDocument document;
    load.Problem = Load_Table_File(document, fileName);
    if (document.DocumentElement().IsNull()) return load;
    const TXMLNode root = Named_Root(document);
    if (root.IsNull()) {
        load.Problem.Add(QStringLiteral("The file \"%1\" has no root element \"%2\". Saving replaces the whole file.")
                             .arg(fileName, Root_Name));
        load.Problem.Whole_File = true;
        return load;
    }
    // Each list that is there is shown, so a file missing one list still shows the other.
    load.Tables.Functions = Read_List(root, Function_Layout(), fileName, load.Problem);
    load.Tables.Set_Access = Read_List(root, Set_Access_Layout(), fileName, load.Problem);
    for (QStringList& row : load.Tables.Set_Access)
        row[Set_Enable] = DALI2_Enable_Is_On(row[Set_Enable]) ? Flag_On_Text : QStringLiteral("N");
    return load;
}

void Build_DALI2_Access_Document(TXMLDocument& document, const TDALI2Tables& tables) {
    document.Clear();
    TXMLNode root = document.AddChild(Root_Name);
    document.AddComment(QStringLiteral("SW_VERSION = ") + SW_Version);
    Append_Table_Rows(root.AddChild(Function_Layout().List_Name), tables.Functions, Function_Layout());
    Append_Table_Rows(root.AddChild(Set_Access_Layout().List_Name), tables.Set_Access, Set_Access_Layout());
}
