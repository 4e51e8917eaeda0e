#include "editors/automation/ede_import_dialog.h"

#include "controls/window_look.h"
#include "core/address_helpers.h"
#include "core/text_table.h"
#include "editors/rule_editor/rule_table.h"
#include "editors/rule_integer.h"
#include "grid/core/column_grid.h"
#include "platform/standard_controls.h"

#include <array>

namespace {

constexpr int kClientWidth = 863;
constexpr int kClientHeight = 337;
constexpr int kPickerRows = 512;
constexpr int kDevicePanelHeight = 22;
constexpr TColor kTicks = TColor(11075496);
constexpr TColor kObject = TColor(16710368);

enum TPickerColumn { Col_Import = 1, Col_Read, Col_Write, Col_Name, Col_Type, Col_Instance, Col_Description, Col_Commandable };

const std::array<TRuleColumn, 9> kColumns = {{
    {1604, 32, TRuleCell::Number, Window_Color},
    {1605, 50, TRuleCell::Check, kTicks},
    {1606, 40, TRuleCell::Check, kTicks},
    {1607, 40, TRuleCell::Check, kTicks},
    {1608, 150, TRuleCell::Number, kObject},
    {1609, 85, TRuleCell::Number, kObject},
    {1610, 60, TRuleCell::Number, kObject},
    {1611, 150, TRuleCell::Number, kObject},
    {1612, 90, TRuleCell::Check, kObject},
}};

const TRuleTable kTable{nullptr, kColumns};

QString Flag(bool value) { return value ? QStringLiteral("Y") : QStringLiteral("N"); }

}  // namespace

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TRuleEditorWindow(AOwner, QStringLiteral("FImportEDEFile")) {
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Select_All = Add_Button("Btn_Select_All", QString(), [this] { Btn_Select_AllClick(this); });
    Btn_Unselect_All = Add_Button("Btn_Unselect_All", QString(), [this] { Btn_Unselect_AllClick(this); });
    Btn_Select_All->SetCaption(QStringLiteral("Select All"));
    Btn_Unselect_All->SetCaption(QStringLiteral("Unselect All"));

    P_ID_IP = new TPanel(this, this);
    P_ID_IP->SetName(QStringLiteral("P_ID_IP"));
    P_ID_IP->SetHeight(kDevicePanelHeight);
    P_ID_IP->SetBevelOuter(bvNone);
    P_ID_IP->SetAlign(alTop);
    LID_IP = new TLabel(this, P_ID_IP);
    LID_IP->SetName(QStringLiteral("LID_IP"));
    LID_IP->SetLeft(16);
    LID_IP->SetTop(4);
    E_ID_IP = new TEdit(this, P_ID_IP);
    E_ID_IP->SetName(QStringLiteral("E_ID_IP"));
    E_ID_IP->SetBounds(280, 0, 135, kDevicePanelHeight);

    ACG = new TExColumnGrid(this, this);
    ACG->SetName(QStringLiteral("ACG"));
    ACG->SetAlign(alClient);
    Build_Rule_Grid(*ACG, kTable);
    ACG->Columns()->Items(Col_Commandable)->SetReadOnly(true);
    ACG->OnCheckBoxClick = [this](TObject* sender, int ACol, int ARow, bool State) {
        ACGCheckBoxClick(sender, ACG->RealColIndex(ACol), ARow, State);
    };

    Lay_Out(kClientWidth, kClientHeight, {Btn_OK, Btn_Cancel, Btn_Select_All, Btn_Unselect_All});
    Set_Lang();
}

void TFImportEDEFile::Set_Lang() {
    SetCaption(LangText(1600));
    L_SW_Desc->SetCaption(LangText(1601));
    Btn_OK->SetCaption(LangText(1602));
    Btn_Cancel->SetCaption(LangText(1603));
    LID_IP->SetCaption(LangText(1615));
    Set_Rule_Headers(*ACG, kTable);
}

void TFImportEDEFile::FormShow(TObject*) {
    ACG->BeginUpdate();
    ACG->SetRowCount(kPickerRows + 1);
    Reset_Rule_Rows(*ACG, kTable);
    ACG->EndUpdate();
    if (E_ID_IP->CanFocus()) E_ID_IP->SetFocus();
    Cancel_EDE_List_Vars();
    Load_EDE_File();
    Show_Data_in_Grid();
}

void TFImportEDEFile::Cancel_EDE_List_Vars() { List_EDE_Var.clear(); }

void TFImportEDEFile::Load_EDE_File() {
    TEDEFileResult result = ::Load_EDE_File(EDE_File);
    List_EDE_Var = std::move(result.Vars);
    if (!result.Ok()) Show_Error(result.Message);
}

void TFImportEDEFile::Show_Data_in_Grid() {
    ACG->BeginUpdate();
    ACG->SetRowCount(std::max<int>(int(List_EDE_Var.size()), 1) + 1);
    Reset_Rule_Rows(*ACG, kTable);
    for (std::size_t i = 0; i < List_EDE_Var.size(); ++i) {
        const TBACnet_Var& var = List_EDE_Var[i];
        const int row = int(i) + 1;
        ACG->SetCells(Col_Import, row, Flag(var.import));
        ACG->SetCells(Col_Read, row, Flag(var.read));
        ACG->SetCells(Col_Write, row, Flag(var.write));
        ACG->SetCells(Col_Name, row, var.object_name);
        ACG->SetCells(Col_Type, row, QString::number(var.object_type));
        ACG->SetCells(Col_Instance, row, QString::number(var.object_instance));
        ACG->SetCells(Col_Description, row, var.description);
        ACG->SetCells(Col_Commandable, row, Flag(var.commandable));
    }
    ACG->EndUpdate();
}

void TFImportEDEFile::ACGCheckBoxClick(TObject*, int ACol, int ARow, bool State) {
    if (ARow < 1 || ARow > int(List_EDE_Var.size())) return;
    TBACnet_Var& var = List_EDE_Var[std::size_t(ARow - 1)];
    if (ACol == Col_Write && !var.commandable) {
        Show_Error(LangText(1613) + QString::number(ARow) + LangText(1614));
        ACG->SetCells(Col_Write, ARow, Flag(false));
        return;
    }
    if (ACol == Col_Import) var.import = State;
    if (ACol == Col_Read) var.read = State;
    if (ACol == Col_Write) var.write = State;
}

void TFImportEDEFile::Select_All(bool import) {
    ACG->BeginUpdate();
    for (int r = 1; r < ACG->RowCount(); ++r) ACG->SetCells(Col_Import, r, Flag(import));
    ACG->EndUpdate();
    for (TBACnet_Var& var : List_EDE_Var) var.import = import;
}

void TFImportEDEFile::Btn_Select_AllClick(TObject*) { Select_All(true); }
void TFImportEDEFile::Btn_Unselect_AllClick(TObject*) { Select_All(false); }

void TFImportEDEFile::Btn_OKClick(TObject*) {
    const QString device = E_ID_IP->Text();
    if (App_BACnet_Type == 0) {
        std::uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        if (Parse_IP_Bytes(device, b1, b2, b3, b4)) return Show_Error(LangText(1616));
    } else if (App_BACnet_Type == 1) {
        const int id = Rule_Integer(device);
        if (id < 0 || id > 254) return Show_Error(LangText(1617));
    }
    SetModalResult(mrOk);
}
