#include "editors/dali_knx/knx_access_editor.h"

#include "config/rule_cell_rules.h"
#include "controls/button_look.h"
#include "core/address_helpers.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/dali_knx/knx_access_check.h"
#include "editors/dali_knx/knx_access_file.h"
#include "editors/table_row_helpers.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"

#include <array>

namespace {

constexpr int kClientWidth = 1205;
constexpr int kClientHeight = 337;
constexpr int kRowHeight = 22;
constexpr TColor kActiveCellColor = TColor(15387318);
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr std::array<int, 6> kButtonLefts = {16, 134, 252, 370, 490, 606};

enum class Kind { Number, Check, CheckCentred, Edit, ComboEdit, ComboList };

struct RuleColumn {
    int header;  // text number
    int width;
    Kind kind;
    TColor color;
    int hint;  // text number, 0 for none
};

// The 19 columns: header, width, editor, colour (0xBBGGRR) and the header hint.
constexpr std::array<RuleColumn, 19> kColumns = {{
    {2614, 40, Kind::Number, clWindow, 0},
    {2615, 50, Kind::CheckCentred, TColor(11589887), 2631},
    {2616, 70, Kind::Edit, TColor(16710368), 2632},
    {2617, 80, Kind::Edit, TColor(16710368), 2633},
    {2618, 60, Kind::ComboEdit, TColor(16710368), 2634},
    {2619, 75, Kind::ComboList, TColor(16710368), 2635},
    {2620, 110, Kind::ComboList, TColor(11075583), 2636},
    {2661, 85, Kind::Edit, TColor(11075583), 2663},
    {2621, 68, Kind::Check, TColor(11075583), 2637},
    {2622, 50, Kind::Check, TColor(11075583), 2638},
    {2623, 52, Kind::Check, TColor(11075496), 2640},
    {2624, 71, Kind::Check, TColor(11075496), 2641},
    {2625, 62, Kind::Check, TColor(11075496), 2642},
    {2626, 67, Kind::Edit, TColor(11075496), 2643},
    {2627, 55, Kind::ComboList, TColor(16045820), 2644},
    {2628, 55, Kind::ComboList, TColor(16045820), 2645},
    {2629, 55, Kind::Edit, TColor(16045820), 2646},
    {2662, 65, Kind::Edit, TColor(16766421), 2664},
    {2630, 96, Kind::Edit, clWindow, 2647},
}};

const QStringList& Combo_Items(int column) {
    static const QStringList apci = {QStringLiteral("Read"), QStringLiteral("Write")};
    static const QStringList priorities = {QStringLiteral("System"), QStringLiteral("Urgent"), QStringLiteral("Normal"),
                                           QStringLiteral("Low")};
    static const QStringList formats = {
        QStringLiteral("None"),         QStringLiteral("Swap16"),       QStringLiteral("Swap32"),
        QStringLiteral("Swap All"),     QStringLiteral("Int to Float"), QStringLiteral("Float to Int"),
        QStringLiteral("Float16 to Float32"), QStringLiteral("Float16 to Int"), QStringLiteral("Float16 to Int * 10"),
        QStringLiteral("Float16 to Int * 100")};
    static const QStringList bitModes = {QStringLiteral("No"), QStringLiteral("0"), QStringLiteral("1"),
                                         QStringLiteral("2"),  QStringLiteral("3"), QStringLiteral("4"),
                                         QStringLiteral("5"),  QStringLiteral("6"), QStringLiteral("7")};
    static const QStringList none;
    switch (column - 1) {
    case KNX_APCI: return apci;
    case KNX_Priority: return priorities;
    case KNX_Format: return formats;
    case KNX_Bit_Mode: return bitModes;
    default: return none;
    }
}

TEditorType Editor_Of(Kind kind) {
    switch (kind) {
    case Kind::Check:
    case Kind::CheckCentred: return edDataCheckBox;
    case Kind::ComboEdit: return edComboEdit;
    case Kind::ComboList: return edComboList;
    default: return edNormal;
    }
}

}  // namespace

TFKNXAccess::TFKNXAccess(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FKNXAccess")) {
    auto rowButton = [this](const char* name, void (TFKNXAccess::*click)(TObject*)) {
        auto* button = new TLbButton(this, P_Buttons);
        button->SetName(QString::fromLatin1(name));
        SetStandardButtonLook(button, QString());
        button->OnClick = [this, click](TObject* sender) { (this->*click)(sender); };
        return button;
    };
    Btn_DelRow = rowButton("Btn_DelRow", &TFKNXAccess::Btn_DelRowClick);
    Btn_InsRow = rowButton("Btn_InsRow", &TFKNXAccess::Btn_InsRowClick);
    Btn_CopyRow = rowButton("Btn_CopyRow", &TFKNXAccess::Btn_CopyRowClick);
    Btn_PasteRow = rowButton("Btn_PasteRow", &TFKNXAccess::Btn_PasteRowClick);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };

    ACG_KNX_in_Write = new TExColumnGrid(this, this);
    ACG_KNX_in_Write->SetName(QStringLiteral("ACG_KNX_in_Write"));
    Build_Grid();

    Set_Client_Size(kClientWidth, kClientHeight);
    const std::array<TLbButton*, 6> buttons = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->SetBounds(kButtonLefts[i], Btn_OK->Top(), kButtonWidth, kButtonHeight);
    Set_Lang();
}

void TFKNXAccess::Build_Grid() {
    TExColumnGrid& grid = *ACG_KNX_in_Write;
    grid.BeginUpdate();
    grid.SetAlign(alClient);
    grid.SetColCount(int(kColumns.size()));
    grid.SetRowCount(KNX_Editor_Rows + 1);
    grid.SetFixedCols(1);
    grid.SetDefaultRowHeight(kRowHeight);
    grid.SetActiveCellColor(kActiveCellColor);
    grid.SetOptions(grid.Options().Include(goEditing).Include(goColSizing).Include(goTabs));
    grid.ControlLook()->DropDownAlwaysVisible = true;
    for (int c = 0; c < int(kColumns.size()); ++c) {
        const RuleColumn& column = kColumns[std::size_t(c)];
        TGridColumnItem* item = grid.Columns()->Items(c);
        item->SetWidth(column.width);
        item->SetColor(column.color);
        item->SetEditor(Editor_Of(column.kind));
        item->SetReadOnly(column.kind == Kind::Number);
        if (column.kind == Kind::CheckCentred) item->SetAlignment(taCenter);
        for (const QString& entry : Combo_Items(c)) item->ComboItems()->Add(entry);
    }
    for (int r = 1; r <= KNX_Editor_Rows; ++r) grid.SetCells(0, r, QString::number(r));
    grid.EndUpdate();

    grid.OnClickCell = [this](TObject*, int ARow, int ACol) {
        if (ACol == 0 && ARow > 0)
            ACG_KNX_in_Write->SetSelection({1, ARow, ACG_KNX_in_Write->ColCount() - 1, ARow});
    };
    grid.OnDblClickCell = [this](TObject*, int ARow, int ACol) { Auto_Size_Column(*ACG_KNX_in_Write, ARow, ACol); };
    grid.OnKeyPress = [this](TObject*, QChar& Key) { Enter_Next_Cell(*ACG_KNX_in_Write, Key); };
    grid.OnGridHint = [this](TObject*, int ARow, int ACol, QString& hintstr) {
        if (ARow == 0 && ACol >= 1 && ACol - 1 < Hint.Count()) hintstr = Hint.Strings(ACol - 1);
    };
}

void TFKNXAccess::Set_Lang() {
    SetCaption(LangText(2600));
    L_SW_Desc->SetCaption(LangText(2601));
    const std::array<std::pair<TLbButton*, int>, 6> buttons = {{{Btn_OK, 2602},
                                                                {Btn_Cancel, 2603},
                                                                {Btn_DelRow, 2604},
                                                                {Btn_InsRow, 2605},
                                                                {Btn_CopyRow, 2606},
                                                                {Btn_PasteRow, 2607}}};
    for (const auto& [button, text] : buttons) {
        button->SetCaption(LangText(text));
        button->SetHint(LangText(text + 6));
    }
    Hint.Clear();
    for (int c = 0; c < int(kColumns.size()); ++c) {
        ACG_KNX_in_Write->Columns()->Items(c)->SetHeader(LangText(kColumns[std::size_t(c)].header));
        if (c > 0) Hint.Add(LangText(kColumns[std::size_t(c)].hint));
    }
}

void TFKNXAccess::FormShow(TObject*) { Load_Rules(); }

void TFKNXAccess::Load_Rules() {
    TExColumnGrid& grid = *ACG_KNX_in_Write;
    grid.BeginUpdate();
    Max_Num_Byte = KNX_Max_Num_Byte;
    // The items are the same at every showing: built once, not 1500 texts each time.
    TStringList* positions = grid.Columns()->Items(KNX_Position + 1)->ComboItems();
    if (positions->Count() != Max_Num_Byte) {
        positions->Clear();
        for (int p = 0; p < Max_Num_Byte; ++p) positions->Add(QString::number(p));
    }

    Load_Problem = {};
    TKNXAccessLoad load;
    if (FileExists(File_KNX_SetAccess)) load = Read_KNX_Access_File(File_KNX_SetAccess);
    Load_Problem = load.Problem;
    const int loaded = int(load.Rules.size());
    for (int r = 1; r <= loaded; ++r)
        for (int c = 0; c < KNX_Access_Columns; ++c) grid.SetCells(c + 1, r, load.Rules[std::size_t(r - 1)][c]);
    // The rows the file does not fill start as new rules: enabled, the rest empty.
    for (int r = loaded + 1; r <= KNX_Editor_Rows; ++r) {
        grid.SetCells(1, r, Flag_On_Text);
        for (int c = 2; c < grid.TotalColCount(); ++c)
            if (!grid.Cells(c, r).isEmpty()) grid.SetCells(c, r, QString());
    }
    grid.EndUpdate();
    Do_Copy_In_Write = false;
    if (!Load_Problem.Ok()) MessageDlg(Load_Problem.Message, mtError, {mbOK});
}

TCellTable TFKNXAccess::Rules() const {
    TCellTable rules;
    rules.reserve(KNX_Editor_Rows);
    for (int r = 1; r <= KNX_Editor_Rows; ++r) {
        QStringList row;
        row.reserve(KNX_Access_Columns);
        for (int c = 1; c <= KNX_Access_Columns; ++c) row << ACG_KNX_in_Write->Cells(c, r);
        rules.push_back(std::move(row));
    }
    return rules;
}

bool TFKNXAccess::Controllo_dati() {
    QChar separator = Get_Decimal_Separator();
    if (separator.isNull()) separator = QLatin1Char(',');
    const std::optional<TRuleCheckError> error = Check_KNX_Rules(Rules(), separator);
    if (!error) return true;
    // The user lands on the cell the message is about.
    ACG_KNX_in_Write->FocusCell(ACG_KNX_in_Write->DisplColIndex(error->Column), error->Row);
    MessageDlg(error->Message, mtError, {mbOK});
    return false;
}

void TFKNXAccess::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    if (!Load_Problem.Ok() && MessageDlg(Lost_Rows_Question(Load_Problem), mtConfirmation, {mbYes, mbNo}) != mrYes)
        return;
    if (!Save_KNX_Access_File(File_KNX_SetAccess, Rules())) {
        MessageDlg(QStringLiteral("The file \"%1\" could not be written. It was left as it was.").arg(File_KNX_SetAccess),
                   mtError, {mbOK});
        return;
    }
    Load_Problem = {};
    SetModalResult(mrOk);
}

int TFKNXAccess::Current_Data_Row() const { return ACG_KNX_in_Write->Row() > 0 ? ACG_KNX_in_Write->Row() : 0; }

void TFKNXAccess::Delete_Row(int Num_Row, TExColumnGrid* SGA) {
    SGA->BeginUpdate();
    const int last = SGA->RowCount() - 1;
    for (int r = Num_Row; r < last; ++r)
        for (int c = 1; c < SGA->TotalColCount(); ++c) SGA->SetCells(c, r, SGA->Cells(c, r + 1));
    for (int c = 1; c < SGA->TotalColCount(); ++c) SGA->SetCells(c, last, QString());
    SGA->EndUpdate();
}

void TFKNXAccess::Btn_DelRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0) return;
    if (MessageDlg(LangText(2660) + QString::number(row), mtConfirmation, {mbYes, mbNo}) == mrYes)
        Delete_Row(row, ACG_KNX_in_Write);
}

void TFKNXAccess::Btn_InsRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0) return;
    // A rule in the last row would be pushed out of the table.
    if (!Key_Cell_Is_Empty(ACG_KNX_in_Write->Cells(KNX_Source_Address + 1, KNX_Editor_Rows))) {
        MessageDlg(Full_Table_Message(KNX_Editor_Rows), mtError, {mbOK});
        return;
    }
    Insert_Row_ColumnGrid(row, *ACG_KNX_in_Write, true);
}

void TFKNXAccess::Btn_CopyRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0) return;
    Copy_Row_ColumnGrid(*ACG_KNX_in_Write, row);
    Do_Copy_In_Write = true;
}

void TFKNXAccess::Btn_PasteRowClick(TObject*) {
    const int row = Current_Data_Row();
    if (row == 0) return;
    Paste_Row_ColumnGrid(*ACG_KNX_in_Write, row, Do_Copy_In_Write);
}
