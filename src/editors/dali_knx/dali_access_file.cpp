#include "editors/dali_knx/dali_access_file.h"

#include "config/rule_cell_rules.h"
#include "core/program_state.h"
#include "platform/file_system.h"

namespace {

const QString Root_Name = QStringLiteral("DALI_Access");
const QString Recall_Min_Max = QStringLiteral("Recall Min-Max Level for Switch");
const QString Recall_Old_Value = QStringLiteral("Recall Old Value Level for Switch");

QString Flag_Cell(const std::optional<QString>& text) { return text && *text == u"1" ? Flag_On_Text : QStringLiteral("N"); }
QString File_Flag(const QString& cell) { return Trimmed_Flag_Is_On(cell) ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

TDALIOptionDefaults DALI_Option_Defaults(const TGeneralParameterExtras& flags) {
    TDALIOptionDefaults defaults;
    if (flags.DALI_DIMMING_MODE) defaults.Dimming_Mode = QStringLiteral("Start Break");
    if (flags.DALI_ALLOW_MINMAX_VALUES) defaults.Min_Max_Value = Flag_On_Text;
    if (flags.DALI_RECALL_MINMAX_LEVEL) defaults.Recall_Level = Recall_Min_Max;
    if (flags.DALI_RECALL_OLDVALUES_LEVEL) defaults.Recall_Level = Recall_Old_Value;  // wins over min-max
    return defaults;
}

TDALIOptionDefaults Read_DALI_Option_Defaults(const QString& parGenFileName) {
    TXMLDocument document;
    Load_General_Parameters_File(document, parGenFileName);
    return DALI_Option_Defaults(Read_General_Parameter_Extras(document));
}

TDALIDeviceTables Default_DALI_Device_Tables(const TDALIOptionDefaults& defaults) {
    TDALIDeviceTables tables;
    tables.Devices.assign(DALI_Device_Rows, QStringList{QStringLiteral("N"), QString(), defaults.Dimming_Mode,
                                                        defaults.Min_Max_Value, defaults.Recall_Level});
    tables.Groups.assign(DALI_Group_Rows, QStringList{defaults.Dimming_Mode, defaults.Min_Max_Value, defaults.Recall_Level});
    return tables;
}

QString Check_Dimming_mode(const QString& text) {
    return text == u"Start Break" ? QStringLiteral("Start Break") : QStringLiteral("Normal");
}

QString Check_ReCall_Level(const QString& text) {
    return text == Recall_Min_Max || text == Recall_Old_Value ? text : QStringLiteral("None");
}

TDALIAccessLoad Read_DALI_Access_File(const QString& fileName, const TDALIOptionDefaults& defaults) {
    TDALIAccessLoad load;
    load.Tables = Default_DALI_Device_Tables(defaults);
    TXMLDocument document;
    load.Problem = Load_Table_File(document, fileName);
    const TXMLNode root = First_Node_Root(document, fileName, Root_Name, load.Problem);
    if (root.IsNull()) return load;
    const TDALIAccessTexts texts = Read_DALI_Access_Texts(root);
    for (int entry = 0; entry < DALI_Access_Entries; ++entry) {
        const auto& element = texts[std::size_t(entry)];
        const auto text = [&element](TDALIOption option) -> const std::optional<QString>& {
            return element[std::size_t(option)];
        };
        const bool device = entry < DALI_Device_Rows;
        QStringList& row = device ? load.Tables.Devices[std::size_t(entry)]
                                  : load.Tables.Groups[std::size_t(entry - DALI_Device_Rows)];
        const int dimming = device ? int(Dev_Dimming_Mode) : int(Group_Dimming_Mode);
        const int min_max = device ? int(Dev_Min_Max_Value) : int(Group_Min_Max_Value);
        const int recall = device ? int(Dev_Recall_Level) : int(Group_Recall_Level);
        if (device) row[Dev_Enable] = Flag_Cell(text(TDALIOption::Enable));
        if (const auto& value = text(TDALIOption::Dimming_Mode)) row[dimming] = Check_Dimming_mode(*value);
        if (const auto& value = text(TDALIOption::Min_Max_Value)) row[min_max] = Flag_Cell(value);
        if (const auto& value = text(TDALIOption::Recall_Level)) row[recall] = Check_ReCall_Level(*value);
    }
    return load;
}

void Build_DALI_Access_Document(TXMLDocument& document, const TDALIDeviceTables& tables) {
    document.Clear();
    TXMLNode root = document.AddChild(Root_Name);
    document.AddComment(QStringLiteral("SW_VERSION = ") + SW_Version);
    const auto add = [&root](int entry, TDALIOption option, const QString& text) {
        root.AddChild(DALI_Access_Element_Name(entry, option)).SetText(text);
    };
    for (int n = 0; n < DALI_Device_Rows; ++n) {
        const QStringList& row = tables.Devices[std::size_t(n)];
        add(n, TDALIOption::Enable, File_Flag(row[Dev_Enable]));
        add(n, TDALIOption::Dimming_Mode, row[Dev_Dimming_Mode]);
        add(n, TDALIOption::Min_Max_Value, File_Flag(row[Dev_Min_Max_Value]));
        add(n, TDALIOption::Recall_Level, row[Dev_Recall_Level]);
    }
    for (int n = 0; n < DALI_Group_Rows; ++n) {
        const QStringList& row = tables.Groups[std::size_t(n)];
        add(DALI_Device_Rows + n, TDALIOption::Dimming_Mode, row[Group_Dimming_Mode]);
        add(DALI_Device_Rows + n, TDALIOption::Min_Max_Value, File_Flag(row[Group_Min_Max_Value]));
        add(DALI_Device_Rows + n, TDALIOption::Recall_Level, row[Group_Recall_Level]);
    }
}

TDALISaveResult Save_DALI_Access_Files(const QString& daliFileName, const QString& dali2FileName,
                                       const TDALIDeviceTables& devices, const TDALI2Tables& dali2) {
    TXMLDocument dali_document, dali2_document;
    Build_DALI_Access_Document(dali_document, devices);
    Build_DALI2_Access_Document(dali2_document, dali2);
    // A configuration file never writes through a link to a place outside the configurations.
    if (!dali_document.SaveToFile(daliFileName, Dir_Projects)) return {false, daliFileName};
    if (!dali2_document.SaveToFile(dali2FileName, Dir_Projects)) return {false, dali2FileName};
    return {};
}
