#include "editors/automation/snmp_manager_editor.h"

#include "controls/window_look.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/automation/snmp_manager_check.h"
#include "editors/rule_editor/rule_table.h"
#include "editors/table_row_helpers.h"
#include "grid/core/column_grid.h"

#include <array>

namespace {

constexpr int kClientWidth = 1230;
constexpr int kClientHeight = 337;
constexpr int kPositions = 2000;
constexpr int kPositionColumn = SNMPM_Position + 1;

constexpr TColor kEnable = TColor(11589887);
constexpr TColor kAddress = TColor(16710368);
constexpr TColor kRequest = TColor(11075583);
constexpr TColor kWhen = TColor(11075496);
constexpr TColor kData = TColor(16045820);
constexpr TColor kCancel = TColor(16766421);
constexpr TColor kSecurity = TColor(16768657);

const QString Empty;
const QString Off = QStringLiteral("N");

const std::array<TRuleColumn, SNMP_Manager_Columns + 1> kColumns = {{
    {2708, 40, TRuleCell::Number, Window_Color, nullptr, std::nullopt},
    {2709, 50, TRuleCell::Check, kEnable, "Enable", QStringLiteral("Y"), 2723},
    {2710, 90, TRuleCell::Edit, kAddress, "IP_Address", Empty, 2724},
    {2711, 60, TRuleCell::ComboList, kAddress, "Version", Empty, 2725},
    {2712, 106, TRuleCell::ComboEdit, kAddress, "Community_String", Empty, 2726},
    {2713, 100, TRuleCell::Edit, kAddress, "OID", Empty, 2727},
    {2714, 65, TRuleCell::ComboList, kRequest, "Type", Empty, 2728},
    {2715, 65, TRuleCell::ComboList, kRequest, "Mode", Empty, 2729},
    {2716, 75, TRuleCell::Check, kWhen, "On_Change", Off, 2730},
    {2717, 50, TRuleCell::Check, kWhen, "On_Command", Off, 2731},
    {2718, 65, TRuleCell::Check, kWhen, "On_Timer", Off, 2732},
    {2719, 65, TRuleCell::Edit, kWhen, "Time", Empty, 2733},
    {2720, 75, TRuleCell::ComboList, kData, "Position", Empty, 2734},
    {2721, 75, TRuleCell::Edit, kData, "Number_Bytes", Empty, 2735},
    {2754, 95, TRuleCell::ComboList, kEnable, "ConvertFrom", QStringLiteral("None"), 2755},
    {2760, 50, TRuleCell::Check, kCancel, "Cancel", Off, 2761},
    {2762, 70, TRuleCell::Edit, kSecurity, "User", Empty, 2768},
    {2763, 70, TRuleCell::Edit, kSecurity, "Auth_Pass", Empty, 2769},
    {2764, 70, TRuleCell::Edit, kSecurity, "Priv_Pass", Empty, 2770},
    {2765, 100, TRuleCell::ComboList, kSecurity, "Security_Level", Empty, 2771},
    {2766, 75, TRuleCell::ComboList, kSecurity, "Auth_Mode", Empty, 2772},
    {2767, 75, TRuleCell::ComboList, kSecurity, "Priv_Mode", Empty, 2773},
    {2722, 80, TRuleCell::Edit, Window_Color, "Mnemonic", Empty, 2736},
}};

const TRuleTable kTable{nullptr, kColumns, SNMPM_IP_Address + 1, SNMPM_Enable + 1};

// The fixed lists; Position's is filled on show.
QStringList Combo_Items(int column) {
    switch (column - 1) {
    case SNMPM_Version: return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    case SNMPM_Community_String: return {QStringLiteral("Public"), QStringLiteral("Private")};
    case SNMPM_Type: return {QStringLiteral("String"), QStringLiteral("Int")};
    case SNMPM_Mode: return {QStringLiteral("Get"), QStringLiteral("Set"), QStringLiteral("Trap")};
    case SNMPM_ConvertFrom:
        return {QStringLiteral("None"), QStringLiteral("Float"), QStringLiteral("Float * 10"), QStringLiteral("Float * 100")};
    case SNMPM_Security_Level:
        return {QStringLiteral("NoAuth NoPriv"), QStringLiteral("Auth NoPriv"), QStringLiteral("Auth Priv")};
    case SNMPM_Auth_Mode: return {QStringLiteral("MD5"), QStringLiteral("SHA")};
    case SNMPM_Priv_Mode: return {QStringLiteral("DES"), QStringLiteral("AES")};
    default: return {};
    }
}

}  // namespace

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner)
    : TRuleEditorWindow(AOwner, QStringLiteral("FSNMPManagerAccess")) {
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_DelRow = Add_Button("Btn_DelRow", QString(), [this] { Delete_Current_Row(*ACG_SNMP, 2747); });
    Btn_InsRow = Add_Button("Btn_InsRow", QString(), [this] { Insert_Current_Row(*ACG_SNMP, kTable.Key_Column); });
    Btn_CopyRow = Add_Button("Btn_CopyRow", QString(), [this] { Copy_Current_Row(*ACG_SNMP, Do_Copy_SNMP); });
    Btn_PasteRow = Add_Button("Btn_PasteRow", QString(), [this] { Paste_Current_Row(*ACG_SNMP, Do_Copy_SNMP); });

    ACG_SNMP = new TExColumnGrid(this, this);
    ACG_SNMP->SetName(QStringLiteral("ACG_SNMP"));
    ACG_SNMP->SetAlign(alClient);
    Build_Rule_Grid(*ACG_SNMP, kTable);
    ACG_SNMP->SetRowCount(SNMP_Manager_Rows + 1);
    ACG_SNMP->SetOptions(ACG_SNMP->Options() + TGridOptions{goEditing});
    ACG_SNMP->SetShowHint(true);
    for (int c = 1; c < int(kColumns.size()); ++c)
        for (const QString& item : Combo_Items(c)) ACG_SNMP->Columns()->Items(c)->ComboItems()->Add(item);
    ACG_SNMP->OnGridHint = [this](TObject*, int ARow, int ACol, QString& hintstr) {
        if (ARow == 0 && ACol >= 1 && ACol - 1 < Hint_SNMP.Count()) hintstr = Hint_SNMP.Strings(ACol - 1);
    };
    ACG_SNMP->OnKeyPress = [this](TObject*, QChar& Key) { Enter_Next_Cell(*ACG_SNMP, Key); };
    ACG_SNMP->OnDblClickCell = [this](TObject*, int ARow, int ACol) { Auto_Size_Column(*ACG_SNMP, ARow, ACol); };

    Lay_Out(kClientWidth, kClientHeight, {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow});
    Set_Lang();
}

void TFSNMPManagerAccess::Set_Lang() {
    SetCaption(LangText(2700));
    L_SW_Desc->SetCaption(LangText(2701));
    QStringList hints;
    Set_Rule_Headers(*ACG_SNMP, kTable, &hints);
    Hint_SNMP.Clear();
    for (const QString& hint : hints) Hint_SNMP.Add(hint);
    const std::array<std::pair<TLbButton*, int>, 6> buttons = {
        {{Btn_OK, 2702}, {Btn_Cancel, 2703}, {Btn_DelRow, 2704}, {Btn_InsRow, 2705}, {Btn_CopyRow, 2706}, {Btn_PasteRow, 2707}}};
    for (const auto& [button, text] : buttons) {
        button->SetCaption(LangText(text));
        button->SetHint(LangText(text + 46));
    }
}

void TFSNMPManagerAccess::FormShow(TObject*) {
    TExColumnGrid& grid = *ACG_SNMP;
    grid.BeginUpdate();
    Reset_Rule_Rows(grid, kTable);
    TStringList* positions = grid.Columns()->Items(kPositionColumn)->ComboItems();
    positions->Clear();
    for (int p = 0; p < kPositions; ++p) positions->Add(QString::number(p));
    Load_Problem = Load_Rule_File(File_SNMP_Manager, {{&grid, &kTable}});
    grid.EndUpdate();
    Do_Copy_SNMP = false;
    if (grid.CanFocus()) grid.SetFocus();
    if (!Load_Problem.Ok()) Show_Error(Load_Problem.Message);
}

bool TFSNMPManagerAccess::Controllo_dati() {
    const std::optional<TRuleCheckError> error = Check_SNMP_Manager_Rules(Rule_Cells(*ACG_SNMP, kTable));
    if (!error) return true;
    Show_Check_Error(*error, {ACG_SNMP});
    return false;
}

void TFSNMPManagerAccess::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    if (!Confirm_Save(Load_Problem, {{ACG_SNMP, &kTable}})) return;
    TXMLDocument document;
    TXMLNode root = document.AddChild(QStringLiteral("SNMP_Agent_Access"));
    document.AddComment(QStringLiteral("SW_VERSION = 1.000"));
    Append_Rule_Rows(root, *ACG_SNMP, kTable, QStringLiteral("row"));
    if (!Save_Rule_Document(document, File_SNMP_Manager)) return;
    Load_Problem = {};
    SetModalResult(mrOk);
}
