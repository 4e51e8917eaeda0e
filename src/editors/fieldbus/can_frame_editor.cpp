#include "editors/fieldbus/can_frame_editor.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/rule_editor/rule_table.h"
#include "grid/core/column_grid.h"

#include <array>

namespace {

constexpr int kClientHeight = 337;
constexpr int kActiveCellColor = 0xEACBB6;

}  // namespace

TCANFrameEditor::TCANFrameEditor(TComponent* AOwner, const TCANFrameForm& form)
    : TRuleEditorWindow(AOwner, QString::fromLatin1(form.Name)), Form(form) {
    L_SW_Code->SetCaption(SW_Code);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_DelRow = Add_Button("Btn_DelRow", QString(), [this] { Delete_Current_Row(*Grid, Form.Delete_Text); });
    Btn_InsRow = Add_Button("Btn_InsRow", QString(), [this] { Insert_Current_Row(*Grid, CAN_CobID_Column); });
    Btn_CopyRow = Add_Button("Btn_CopyRow", QString(), [this] { Copy_Current_Row(*Grid, Do_Copy); });
    Btn_PasteRow = Add_Button("Btn_PasteRow", QString(), [this] { Paste_Current_Row(*Grid, Do_Copy); });

    Grid = new TExColumnGrid(this, this);
    Grid->SetName(QString::fromLatin1(form.Grid_Name));
    Grid->SetAlign(alClient);
    Build_Rule_Grid(*Grid, *Form.Table);
    Grid->SetRowCount(CAN_Frame_Rows + 1);
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetShowHint(true);
    Grid->SetHintShowCells(true);
    Grid->SetActiveCellColor(TColor(kActiveCellColor));
    Grid->Columns()->Items(CAN_Type_Column)->ComboItems()->Add(CAN_Type_11_Bits);
    Grid->Columns()->Items(CAN_Type_Column)->ComboItems()->Add(CAN_Type_29_Bits);
    Grid->OnGridHint = [this](TObject*, int ARow, int ACol, QString& hintstr) {
        hintstr = ARow == 0 && ACol >= 1 && ACol - 1 < Hint.Count() ? Hint.Strings(ACol - 1) : QString();
    };
    // Enter does not move to the next cell and a double click does not size a column here.
    Grid->OnKeyPress = [](TObject*, QChar&) {};
    Grid->OnDblClickCell = [](TObject*, int, int) {};

    Lay_Out(Form.Client_Width, kClientHeight, {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow});
    Set_Lang();
}

void TCANFrameEditor::Set_Lang() {
    SetCaption(LangText(Form.Caption_Text));
    L_SW_Desc->SetCaption(LangText(Form.Caption_Text + 1));
    const std::array<TLbButton*, 6> buttons = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int b = 0; b < int(buttons.size()); ++b) {
        buttons[std::size_t(b)]->SetCaption(LangText(Form.Caption_Text + 2 + b));
        buttons[std::size_t(b)]->SetHint(LangText(Form.Button_Hint_Text + b));
    }
    QStringList hints;
    Set_Rule_Headers(*Grid, *Form.Table, &hints);
    Hint.Clear();
    for (const QString& hint : hints) Hint.Add(hint);
}

void TCANFrameEditor::FormShow(TObject*) {
    Grid->BeginUpdate();
    Reset_Rule_Rows(*Grid, *Form.Table);
    MAX_Byte = Form.Check.Max_Byte;
    for (int k = 0; k < 8; ++k) Fill_Number_Items(*Grid, Form.Check.First_Byte + k, MAX_Byte, CAN_No_Byte);
    Load_Problem = Load_Rule_File(*Form.File, {{Grid, Form.Table}});
    Grid->EndUpdate();
    Do_Copy = false;
    if (Grid->CanFocus()) Grid->SetFocus();
    if (!Load_Problem.Ok()) Show_Error(Load_Problem.Message);
}

bool TCANFrameEditor::Controllo_dati() {
    const std::optional<TRuleCheckError> error = Check_CAN_Frames(Form.Check, Rule_Cells(*Grid, *Form.Table));
    if (!error) return true;
    Show_Check_Error(*error, {Grid});
    return false;
}

void TCANFrameEditor::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    if (!Confirm_Save(Load_Problem, {{Grid, Form.Table}})) return;
    TXMLDocument document;
    TXMLNode root = document.AddChild(QString::fromLatin1(Form.Root));
    document.AddComment(QStringLiteral("SW_VERSION = 1.000"));
    Append_Rule_Rows(root, *Grid, *Form.Table, QStringLiteral("row"));
    if (!Save_Rule_Document(document, *Form.File)) return;
    Load_Problem = {};
    SetModalResult(mrOk);
}
