#include "editors/fieldbus/canopen_rule_editor.h"

#include "core/program_state.h"
#include "core/text_table.h"
#include "editors/rule_editor/rule_table.h"
#include "editors/table_row_helpers.h"
#include "grid/core/column_grid.h"
#include "platform/standard_controls.h"

namespace {

constexpr int kClientHeight = 337;
constexpr int kRowHeight = 21;
constexpr int kHeaderHeight = 34;

}  // namespace

TCANopenRuleEditor::TCANopenRuleEditor(TComponent* AOwner, const TCANopenForm& form)
    : TRuleEditorWindow(AOwner, QString::fromLatin1(form.Name)), Form(form) {
    L_SW_Code->SetCaption(SW_Code);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OK_Click(sender); };
    Btn_DelRow = Add_Button("Btn_DelRow", QString(), [this] { Delete_Current_Row(Active_Table(), Form.Delete_Text); });
    // A new rule starts empty: these tables have no Enable column.
    Btn_InsRow = Add_Button("Btn_InsRow", QString(),
                            [this] { Insert_Current_Row(Active_Table(), Form.Tables[std::size_t(Active())]->Key_Column, false); });
    Btn_CopyRow = Add_Button("Btn_CopyRow", QString(), [this] {
        // The clipboard now holds a row of this table: the other table may not paste it.
        Copied = {};
        Copy_Current_Row(Active_Table(), Copied[std::size_t(Active())]);
    });
    Btn_PasteRow = Add_Button("Btn_PasteRow", QString(),
                              [this] { Paste_Current_Row(Active_Table(), Copied[std::size_t(Active())]); });

    PageControl1 = new TPageControl(this, this);
    PageControl1->SetName(QStringLiteral("PageControl1"));
    PageControl1->SetAlign(alClient);
    for (std::size_t t = 0; t < 2; ++t) {
        Pages[t] = PageControl1->AddPage(this, QString());
        Pages[t]->SetName(QString::fromLatin1(Form.Page_Names[t]));
    }
    sga = Build_Table(Pages[0], "sga", *Form.Tables[0]);
    sgb = Build_Table(Pages[1], "sgb", *Form.Tables[1]);
    PageControl1->SetActivePageIndex(0);

    Lay_Out(Form.Client_Width, kClientHeight, {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow});
    Set_Lang();
}

TExColumnGrid* TCANopenRuleEditor::Build_Table(TTabSheet* page, const char* name, const TRuleTable& table) {
    auto* grid = new TExColumnGrid(this, page);
    grid->SetName(QString::fromLatin1(name));
    grid->SetAlign(alClient);
    Build_Rule_Grid(*grid, table);
    grid->BeginUpdate();
    grid->SetRowCount(Form.Rows + 1);
    grid->SetDefaultRowHeight(kRowHeight);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->SetShowHint(true);
    grid->SetHintShowCells(true);
    // The narrow position columns keep their widths: their headers take two lines.
    grid->SetFixedRowHeight(kHeaderHeight);
    for (int c = 0; c < int(table.Columns.size()); ++c) {
        grid->SetWordWraps(c, 0, true);
        if (table.Columns[std::size_t(c)].Cell == TRuleCell::Check) grid->Columns()->Items(c)->SetAlignment(taCenter);
    }
    grid->EndUpdate();
    grid->OnClickCell = [this](TObject* sender, int ARow, int ACol) { ClickCell(sender, ARow, ACol); };
    grid->OnDblClickCell = [this](TObject* sender, int ARow, int ACol) { DblClickCell(sender, ARow, ACol); };
    grid->OnKeyPress = [this](TObject* sender, QChar& Key) { KeyPress(sender, Key); };
    grid->OnGridHint = [this](TObject* sender, int ARow, int ACol, QString& hintstr) { GridHint(sender, ARow, ACol, hintstr); };
    return grid;
}

int TCANopenRuleEditor::Active() const { return PageControl1->ActivePageIndex() == 1 ? 1 : 0; }

TExColumnGrid& TCANopenRuleEditor::Active_Table() const { return Active() == 1 ? *sgb : *sga; }

void TCANopenRuleEditor::ClickCell(TObject* Sender, int ARow, int ACol) {
    auto* grid = dynamic_cast<TExColumnGrid*>(Sender);
    if (grid && ACol == 0 && ARow >= 1) grid->SelectRows(ARow, 1);
}

void TCANopenRuleEditor::DblClickCell(TObject* Sender, int ARow, int ACol) {
    if (auto* grid = dynamic_cast<TExColumnGrid*>(Sender)) Auto_Size_Column(*grid, ARow, ACol);
}

void TCANopenRuleEditor::KeyPress(TObject* Sender, QChar& Key) {
    if (auto* grid = dynamic_cast<TExColumnGrid*>(Sender)) Enter_Next_Cell(*grid, Key);
}

void TCANopenRuleEditor::GridHint(TObject*, int ARow, int ACol, QString& hintstr) {
    const TStringList& hints = Hints[std::size_t(Active())];
    hintstr = ARow == 0 && ACol >= 1 && ACol - 1 < hints.Count() ? hints.Strings(ACol - 1) : QString();
}

void TCANopenRuleEditor::Set_Lang() {
    SetCaption(LangText(Form.Caption_Text));
    L_SW_Desc->SetCaption(LangText(Form.Caption_Text + 1));
    const std::array<TLbButton*, 6> buttons = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int b = 0; b < int(buttons.size()); ++b) {
        buttons[std::size_t(b)]->SetCaption(LangText(Form.Caption_Text + 2 + b));
        buttons[std::size_t(b)]->SetHint(LangText(Form.Caption_Text + 8 + b));
    }
    const std::array<TExColumnGrid*, 2> grids = {sga, sgb};
    for (std::size_t t = 0; t < 2; ++t) {
        PageControl1->SetTabCaption(Pages[t], LangText(Form.Caption_Text + 14 + int(t)));
        QStringList hints;
        Set_Rule_Headers(*grids[t], *Form.Tables[t], &hints);
        Hints[t].Clear();
        for (const QString& hint : hints) Hints[t].Add(hint);
    }
}

void TCANopenRuleEditor::FormShow(TObject*) {
    sga->BeginUpdate();
    sgb->BeginUpdate();
    Reset_Rule_Rows(*sga, *Form.Tables[0]);
    Reset_Rule_Rows(*sgb, *Form.Tables[1]);
    PageControl1->SetActivePageIndex(0);
    PROFINET_NByte_IN = CANopen_Data_Area_Bytes;
    PROFINET_NByte_OUT = CANopen_Data_Area_Bytes;
    Load_Problem = Load_Rule_File(*Form.File, {{sga, Form.Tables[0]}, {sgb, Form.Tables[1]}});
    sgb->EndUpdate();
    sga->EndUpdate();
    Copied = {};
    if (!Load_Problem.Ok()) Show_Error(Load_Problem.Message);
}

bool TCANopenRuleEditor::Controllo_dati() {
    const std::array<TCellTable, 2> cells = {Rule_Cells(*sga, *Form.Tables[0]), Rule_Cells(*sgb, *Form.Tables[1])};
    // Both data areas have the same size, so one bound serves both tables.
    const std::optional<TRuleCheckError> error =
        Check_CANopen_Tables(Form.Error_Row_Text, Form.Checks, cells, PROFINET_NByte_IN);
    if (!error) return true;
    Show_Check_Error(*error, {sga, sgb}, PageControl1);
    return false;
}

void TCANopenRuleEditor::Btn_OK_Click(TObject*) {
    if (!Controllo_dati()) return;
    if (!Confirm_Save(Load_Problem, {{sga, Form.Tables[0]}, {sgb, Form.Tables[1]}})) return;
    TXMLDocument document;
    TXMLNode root = document.AddChild(QString::fromLatin1(Form.Root));
    document.AddComment(QStringLiteral("SW_VERSION = 1.000"));
    Append_Rule_Rows(root.AddChild(QString::fromLatin1(Form.Tables[0]->List_Name)), *sga, *Form.Tables[0],
                     QStringLiteral("row"));
    Append_Rule_Rows(root.AddChild(QString::fromLatin1(Form.Tables[1]->List_Name)), *sgb, *Form.Tables[1],
                     QStringLiteral("row"));
    if (!Save_Rule_Document(document, *Form.File)) return;
    Load_Problem = {};
    SetModalResult(mrOk);
}
