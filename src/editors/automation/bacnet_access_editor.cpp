#include "editors/automation/bacnet_access_editor.h"

#include "config/general_parameters_file.h"
#include "controls/window_look.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/automation/bacnet_access_check.h"
#include "editors/automation/bacnet_ede_import.h"
#include "editors/automation/ede_import_dialog.h"
#include "editors/rule_editor/rule_table.h"
#include "editors/table_row_helpers.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/number_conversion.h"
#include "platform/screen_geometry.h"
#include "platform/standard_controls.h"

#include <array>

namespace {

constexpr int kClientHeight = 337;
constexpr int kNarrowScreen = 1271;
constexpr int kNarrowWidth = 1000;
constexpr int kWideWidth = 1305;
constexpr int kDeviceColumn = 2;
constexpr int kReadPositionColumn = BRd_Position + 1;
constexpr int kWritePositionColumn = BWr_Position + 1;

constexpr TColor kFlag = TColor(11589887);
constexpr TColor kObject = TColor(16710368);
constexpr TColor kRoute = TColor(16766421);
constexpr TColor kWhen = TColor(11075496);
constexpr TColor kErrors = TColor(11075583);
constexpr TColor kPlace = TColor(16045820);

const QString Empty;
const QString Off = QStringLiteral("N");
const QString None = QStringLiteral("None");

// Texts 1409/1421 name the device column for IP addresses, 1410/1422 for slave IDs.
constexpr int kReadDeviceHeader[2] = {1409, 1410};
constexpr int kWriteDeviceHeader[2] = {1421, 1422};

const std::array<TRuleColumn, BACnet_Read_Columns + 1> kReadColumns = {{
    {1408, 32, TRuleCell::Number, Window_Color, nullptr, std::nullopt},
    {1490, 45, TRuleCell::Check, kFlag, "Enable", QStringLiteral("Y")},
    {1409, 90, TRuleCell::Edit, kObject, "IP_Address_Slave_ID", Empty},
    {1411, 125, TRuleCell::ComboEdit, kObject, "Object_Type", Empty},
    {1412, 56, TRuleCell::Edit, kObject, "Instance", Empty},
    {1413, 115, TRuleCell::ComboEdit, kObject, "Property", Empty},
    {1414, 45, TRuleCell::Edit, kObject, "NumByte", Empty},
    {1462, 50, TRuleCell::Check, kRoute, "Enable_Destination", Off},
    {1463, 45, TRuleCell::Edit, kRoute, "Destination_Network", Empty},
    {1464, 45, TRuleCell::ComboList, kRoute, "Destination_Length", Empty},
    {1465, 60, TRuleCell::Edit, kRoute, "Destination_Address", Empty},
    {1415, 58, TRuleCell::Edit, kWhen, "PollTime", Empty},
    {1416, 50, TRuleCell::Edit, kErrors, "MaxError", Empty},
    {1417, 112, TRuleCell::ComboList, kPlace, "Position", Empty},
    {1418, 56, TRuleCell::ComboList, kPlace, "StartBit", Empty, 0, 0, true},
    {1460, 38, TRuleCell::Check, kFlag, "Swap", Off, 0, 0, true},
    {1480, 115, TRuleCell::ComboList, kFlag, "ConvertFrom", None, 0, 0, true},
    {1419, 345, TRuleCell::Edit, clWhite, "Mnemonic", Empty},
}};

const std::array<TRuleColumn, BACnet_Write_Columns + 1> kWriteColumns = {{
    {1420, 32, TRuleCell::Number, Window_Color, nullptr, std::nullopt},
    {1491, 45, TRuleCell::Check, kFlag, "Enable", QStringLiteral("Y")},
    {1421, 90, TRuleCell::Edit, kObject, "IP_Address_Slave_ID", Empty},
    {1423, 125, TRuleCell::ComboEdit, kObject, "Object_Type", Empty},
    {1424, 100, TRuleCell::ComboList, kObject, "Data_Type", Empty},
    {1425, 56, TRuleCell::Edit, kObject, "Instance", Empty},
    {1426, 100, TRuleCell::ComboEdit, kObject, "Property", Empty},
    {1427, 56, TRuleCell::Edit, kObject, "Priority", Empty},
    {1428, 45, TRuleCell::Edit, kObject, "NumByte", Empty},
    {1466, 50, TRuleCell::Check, kRoute, "Enable_Destination", Off},
    {1467, 45, TRuleCell::Edit, kRoute, "Destination_Network", Empty},
    {1468, 45, TRuleCell::ComboList, kRoute, "Destination_Length", Empty},
    {1469, 60, TRuleCell::Edit, kRoute, "Destination_Address", Empty},
    {1429, 55, TRuleCell::Check, kWhen, "OnChange", Off},
    {1430, 45, TRuleCell::Check, kWhen, "OnTimer", Off},
    {1431, 58, TRuleCell::Edit, kWhen, "PollTime", Empty},
    {1432, 50, TRuleCell::Edit, kErrors, "MaxError", Empty},
    {1433, 112, TRuleCell::ComboList, kPlace, "Position", Empty},
    {1434, 56, TRuleCell::ComboList, kPlace, "StartBit", Empty, 0, 0, true},
    {1461, 38, TRuleCell::Check, kFlag, "Swap", Off, 0, 0, true},
    {1481, 115, TRuleCell::ComboList, kFlag, "ConvertFrom", None, 0, 0, true},
    {1435, 66, TRuleCell::Edit, clWhite, "Mnemonic", Empty},
}};

// Each table with the device column as key (BACnet types 0 and 1) and with Object Type.
const TRuleTable kReadTables[2] = {{"BACnet_Read", kReadColumns, 2, 1}, {"BACnet_Read", kReadColumns, 3, 1}};
const TRuleTable kWriteTables[2] = {{"BACnet_Write", kWriteColumns, 2, 1}, {"BACnet_Write", kWriteColumns, 3, 1}};

QStringList Items_Of(bool write, int column) {
    static const QStringList lengths = {"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"};
    static const QStringList bits = {"0", "1", "2", "3", "4", "5", "6", "7"};
    if (!write) {
        switch (column - 1) {
        case BRd_Object_Type:
            return {"Accumulator",       "Multi-State Input", "Multi-State Output", "Multi-State Value",
                    "Analog Input",      "Analog Output",     "Analog Value",       "Binary Input",
                    "Binary Output",     "Binary Value",      "Integer Value",      "Large Analog Value",
                    "Positive Integer Value", "Life Safety Point", "Life Safety Zone"};
        case BRd_Property:
            return {"Present Value (85)", "Object Identifier (75)", "Units (117)",       "Scale (187)",
                    "PreScale (185)",     "Polarity (84)",          "Event State (36)",  "Status Flags (111)",
                    "Object Type (79)",   "Number of States (74)"};
        case BRd_Destination_Length: return lengths;
        case BRd_StartBit: return bits;
        case BRd_ConvertFrom: return {"None", "Float to Int", "(Float to Int) * 10", "(Float to Int) * 100"};
        default: return {};
        }
    }
    switch (column - 1) {
    case BWr_Object_Type:
        return {"Multi-State Output", "Multi-State Value", "Analog Output", "Analog Value", "Binary Output",
                "Binary Value", "Integer Value", "Large Analog Value", "Positive Integer Value"};
    case BWr_Data_Type:
        return {"Null", "Boolean", "Unsigned Int", "Signed Int", "Real", "Double", "Octet String",
                "Character String", "Bit String", "Enumerated", "Date", "Time", "Object ID"};
    case BWr_Property: return {"Present Value (85)"};
    case BWr_Destination_Length: return lengths;
    case BWr_StartBit: return bits;
    case BWr_ConvertFrom: return {"None", "Int to Float", "(Int to Float) / 10", "(Int to Float) / 100"};
    default: return {};
    }
}

// Which of the two key choices a BACnet type takes.
int Key_Choice(int bacnetType) { return BACnet_Key_Column(bacnetType) == kDeviceColumn ? 0 : 1; }

}  // namespace

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner) : TRuleEditorWindow(AOwner, QStringLiteral("FBACnetAccess")) {
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_DelRow = Add_Button("Btn_DelRow", QString(), [this] { Delete_Current_Row(Active_Table(), 1436); });
    Btn_InsRow = Add_Button("Btn_InsRow", QString(), [this] { Insert_Current_Row(Active_Table(), Read_Table().Key_Column); });
    Btn_CopyRow = Add_Button("Btn_CopyRow", QString(), [this] {
        Do_Copy_In_Read = Do_Copy_In_Write = false;
        Copy_Current_Row(Active_Table(), Active_Copy_Flag());
    });
    Btn_PasteRow = Add_Button("Btn_PasteRow", QString(), [this] { Paste_Current_Row(Active_Table(), Active_Copy_Flag()); });
    Btn_Import_CSV = Add_Button("Btn_Import_CSV", QString(), [this] { Btn_Import_CSVClick(this); });
    Btn_CopyRow->SetCaption(QStringLiteral("Copy Row"));
    Btn_PasteRow->SetCaption(QStringLiteral("Paste Row"));

    PageControl1 = new TPageControl(this, this);
    PageControl1->SetName(QStringLiteral("PageControl1"));
    PageControl1->SetAlign(alClient);
    TS_BACnet_Read = PageControl1->AddPage(this, QString());
    TS_BACnet_Read->SetName(QStringLiteral("TS_BACnet_Read"));
    TS_BACnet_Write = PageControl1->AddPage(this, QString());
    TS_BACnet_Write->SetName(QStringLiteral("TS_BACnet_Write"));
    ACG1 = Build_Table(TS_BACnet_Read, "ACG1", kReadTables[0]);
    ACG2 = Build_Table(TS_BACnet_Write, "ACG2", kWriteTables[0]);
    // The write table leaves in-place editing off and shows no hints; the column grid
    // still edits its cells.
    ACG1->SetOptions(ACG1->Options() + TGridOptions{goEditing});
    ACG1->SetShowHint(true);
    // The grid hands its hint handlers the real column already.
    ACG1->OnGridHint = [this](TObject*, int ARow, int ACol, QString& hintstr) {
        hintstr = Str_Hint_Read(Rule_Cells(*ACG1, Read_Table()), ARow, ACol);
    };

    OD_EDE_File = new TOpenDialog(this);
    OD_EDE_File->Filter = QStringLiteral("BACnet EDE File (*.csv)|*.csv");
    OD_EDE_File->InitialDir = Last_EDE_Folder;

    const std::optional<TRect> screen = ScreenWorkAreaAt(TPoint{0, 0});
    const int width = screen && screen->Width() < kNarrowScreen ? kNarrowWidth : kWideWidth;
    Lay_Out(width, kClientHeight, {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow, Btn_Import_CSV});
    Set_Lang();
}

TExColumnGrid* TFBACnetAccess::Build_Table(TTabSheet* page, const char* name, const TRuleTable& table) {
    auto* grid = new TExColumnGrid(this, page);
    grid->SetName(QString::fromLatin1(name));
    grid->SetAlign(alClient);
    Build_Rule_Grid(*grid, table);
    grid->SetRowCount(BACnet_Rule_Rows + 1);
    const bool write = table.Columns.data() == kWriteColumns.data();
    for (int c = 1; c < int(table.Columns.size()); ++c)
        for (const QString& item : Items_Of(write, c)) grid->Columns()->Items(c)->ComboItems()->Add(item);
    grid->OnKeyPress = [grid](TObject*, QChar& Key) { Enter_Next_Cell(*grid, Key); };
    grid->OnDblClickCell = [grid](TObject*, int ARow, int ACol) { Auto_Size_Column(*grid, ARow, ACol); };
    return grid;
}

void TFBACnetAccess::Set_Lang() {
    SetCaption(LangText(1400));
    L_SW_Desc->SetCaption(LangText(1401));
    const std::array<std::pair<TLbButton*, int>, 5> buttons = {
        {{Btn_OK, 1402}, {Btn_Cancel, 1403}, {Btn_DelRow, 1404}, {Btn_InsRow, 1405}, {Btn_Import_CSV, 1459}}};
    for (const auto& [button, text] : buttons) button->SetCaption(LangText(text));
    PageControl1->SetTabCaption(TS_BACnet_Read, LangText(1406));
    PageControl1->SetTabCaption(TS_BACnet_Write, LangText(1407));
    Set_Rule_Headers(*ACG1, Read_Table());
    Set_Rule_Headers(*ACG2, Write_Table());
}

const TRuleTable& TFBACnetAccess::Read_Table() const { return kReadTables[Key_Choice(App_BACnet_Type)]; }
const TRuleTable& TFBACnetAccess::Write_Table() const { return kWriteTables[Key_Choice(App_BACnet_Type)]; }

void TFBACnetAccess::Apply_BACnet_Type() {
    const bool addressed = App_BACnet_Type == 0 || App_BACnet_Type == 1;
    for (auto [grid, headers] : {std::pair{ACG1, kReadDeviceHeader}, std::pair{ACG2, kWriteDeviceHeader}}) {
        if (addressed) {
            if (grid->IsHiddenColumn(kDeviceColumn)) grid->UnHideColumn(kDeviceColumn);
            grid->Columns()->Items(kDeviceColumn)->SetHeader(LangText(headers[App_BACnet_Type]));
        } else if (!grid->IsHiddenColumn(kDeviceColumn)) {
            grid->HideColumn(kDeviceColumn);
        }
    }
}

QStringList TFBACnetAccess::DALI2_Positions(const QString& fileName) {
    QStringList positions;
    if (!FileExists(fileName)) return positions;
    TXMLDocument document;
    const TRuleFile file = Open_Rule_File(document, fileName);
    if (!file.Loaded()) return positions;
    // A file without the rules list gives no positions.
    const TXMLNode list = Find_Rule_List(file.Root, QStringLiteral("DALI2_SetAccess_Rules"));
    if (list.IsNull()) return positions;
    for (TXMLNode row = list.ChildCount() > 0 ? list.Child(0) : TXMLNode(); !row.IsNull(); row = row.NextSibling()) {
        if (!row.IsElement()) continue;
        const bool enabled = !row.HasAttribute(QStringLiteral("Enable")) || row.Attribute(QStringLiteral("Enable")) == QLatin1String("Y");
        if (enabled && row.HasAttribute(QStringLiteral("Position"))) positions << row.Attribute(QStringLiteral("Position"));
    }
    return positions;
}

void TFBACnetAccess::Prepare_Devices_Position_Columns() {
    const QStringList dali2 = DALI2_Positions(File_DALI2_Access);
    TStringList* read = ACG1->Columns()->Items(kReadPositionColumn)->ComboItems();
    TStringList* write = ACG2->Columns()->Items(kWritePositionColumn)->ComboItems();
    read->Clear();
    write->Clear();
    for (int d = 0; d < 64; ++d) {
        read->Add(QStringLiteral("Device %1").arg(d));
        write->Add(QStringLiteral("Device %1").arg(d));
    }
    for (int g = 1; g <= 16; ++g) read->Add(QStringLiteral("Group %1").arg(g));
    read->Add(QStringLiteral("Broadcast"));
    for (int s = 1; s <= 16; ++s) read->Add(QStringLiteral("Scene %1").arg(s));
    for (const QString& position : dali2) write->Add(position);
}

void TFBACnetAccess::FormShow(TObject*) {
    Reset_Rule_Rows(*ACG1, Read_Table());
    Reset_Rule_Rows(*ACG2, Write_Table());
    PageControl1->SetActivePageIndex(0);

    TXMLDocument parameters;
    Load_General_Parameters_File(parameters, File_ParGen);
    const QString type = Read_ParGen_Element(parameters.DocumentElement(), QStringLiteral("BACnet_Type"), QString());
    if (type.isNull()) Show_Error(LangText(1457));
    App_BACnet_Type = StrToIntDef(type, 0);
    Apply_BACnet_Type();
    Prepare_Devices_Position_Columns();

    Load_Problem = Load_Rule_File(File_BACnet_Master_Access, {{ACG1, &Read_Table()}, {ACG2, &Write_Table()}});
    // The copy flags live as long as the window; the clipboard knows its table.
    if (!Load_Problem.Ok()) Show_Error(Load_Problem.Message);
}

bool TFBACnetAccess::Controllo_dati() {
    const std::optional<TRuleCheckError> error =
        Check_BACnet_Rules(Rule_Cells(*ACG1, Read_Table()), Rule_Cells(*ACG2, Write_Table()), App_BACnet_Type);
    if (!error) return true;
    Show_Check_Error(*error, {ACG1, ACG2}, PageControl1);
    return false;
}

void TFBACnetAccess::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    if (!Confirm_Save(Load_Problem, {{ACG1, &Read_Table()}, {ACG2, &Write_Table()}})) return;
    TXMLDocument document;
    TXMLNode root = document.AddChild(QStringLiteral("BACnet_Master_Access"));
    document.AddComment(QStringLiteral("SW_VERSION = 1.000"));
    for (auto [grid, table] : {std::pair{ACG1, &Read_Table()}, std::pair{ACG2, &Write_Table()}})
        Append_Rule_Rows(root.AddChild(QString::fromLatin1(table->List_Name)), *grid, *table, QStringLiteral("row"));
    if (!Save_Rule_Document(document, File_BACnet_Master_Access)) return;
    Load_Problem = {};
    SetModalResult(mrOk);
}

void TFBACnetAccess::Btn_Import_CSVClick(TObject*) {
    FImportEDEFile->App_BACnet_Type = App_BACnet_Type;
    if (!OD_EDE_File->Execute()) return;
    const QString fileName = OD_EDE_File->FileName;
    Last_EDE_Folder = ExtractFilePath(fileName);
    OD_EDE_File->InitialDir = Last_EDE_Folder;
    if (!FileExists(fileName)) return;
    FImportEDEFile->EDE_File = fileName;
    if (FImportEDEFile->ShowModal() != mrOk) return;
    TCellTable read = Rule_Cells(*ACG1, Read_Table());
    TCellTable write = Rule_Cells(*ACG2, Write_Table());
    const auto refusal = Append_EDE_Objects(read, write, FImportEDEFile->List_EDE_Var, FImportEDEFile->E_ID_IP->Text(),
                                            BACnet_Key_Column(App_BACnet_Type));
    if (refusal) {
        const QString table = LangText(refusal->WriteTable ? 1407 : 1406);
        Show_Error(refusal->RuleRow > 0
                       ? QStringLiteral("Nothing was imported: row %1 of the table \"%2\" holds a rule where the "
                                        "picked objects would go.")
                             .arg(refusal->RuleRow)
                             .arg(table)
                       : QStringLiteral("Nothing was imported: the table \"%1\" lacks %2 free rows for the picked "
                                        "objects.")
                             .arg(table)
                             .arg(refusal->MissingRows));
        return;
    }
    Put_Rule_Cells(*ACG1, read);
    Put_Rule_Cells(*ACG2, write);
}

TExColumnGrid& TFBACnetAccess::Active_Table() { return PageControl1->ActivePageIndex() == 1 ? *ACG2 : *ACG1; }

bool& TFBACnetAccess::Active_Copy_Flag() {
    return PageControl1->ActivePageIndex() == 1 ? Do_Copy_In_Write : Do_Copy_In_Read;
}
