#include "editors/rule_editor/rule_editor_window.h"

#include "controls/button_look.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "config/rule_cell_rules.h"
#include "editors/dali_knx/rule_table_file.h"
#include "editors/rule_editor/rule_table.h"
#include "editors/table_row_helpers.h"
#include "grid/core/column_grid.h"
#include "platform/dialogs.h"
#include "platform/standard_controls.h"

namespace {
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kButtonTop = 6;
constexpr int kFirstLeft = 16;
constexpr int kButtonGap = 8;
}  // namespace

TRuleEditorWindow::TRuleEditorWindow(TComponent* AOwner, const QString& name) : TSmallDialog(AOwner, name) {}

TLbButton* TRuleEditorWindow::Add_Button(const char* name, const QString& glyphName, std::function<void()> click) {
    auto* button = new TLbButton(this, P_Buttons);
    button->SetName(QString::fromLatin1(name));
    SetStandardButtonLook(button, glyphName);
    button->OnClick = [click = std::move(click)](TObject*) { click(); };
    return button;
}

void TRuleEditorWindow::Lay_Out(int clientWidth, int clientHeight, std::initializer_list<TLbButton*> buttons) {
    Set_Client_Size(clientWidth, clientHeight);
    int left = kFirstLeft;
    for (TLbButton* button : buttons) {
        button->SetBounds(left, kButtonTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }
}

void TRuleEditorWindow::Show_Check_Error(const TRuleCheckError& error, std::initializer_list<TExColumnGrid*> tables,
                                         TPageControl* pages) {
    if (error.Table >= 0 && error.Table < int(tables.size())) {
        TExColumnGrid* grid = tables.begin()[error.Table];
        if (pages) pages->SetActivePageIndex(error.Table);
        if (error.Row >= 1 && error.Row < grid->RowCount() && !grid->IsHiddenColumn(error.Column))
            grid->FocusCell(grid->DisplColIndex(error.Column), error.Row);
    }
    Show_Error(error.Message);
}

void TRuleEditorWindow::Show_Error(const QString& text) { MessageDlg(text, mtError, {mbOK}); }

bool TRuleEditorWindow::Confirm_Save(const TRuleFileProblem& problem,
                                     std::initializer_list<std::pair<const TExColumnGrid*, const TRuleTable*>> tables) {
    if (!problem.Ok() && MessageDlg(Lost_Rows_Question(problem), mtConfirmation, {mbYes, mbNo}) != mrYes) return false;
    for (const auto& [grid, table] : tables) {
        const TRulesBelowGap gap = Rules_Below_Gap(*grid, *table);
        if (gap.Count > 0 && MessageDlg(Rules_Below_Gap_Question(gap), mtConfirmation, {mbYes, mbNo}) != mrYes)
            return false;
    }
    return true;
}

bool TRuleEditorWindow::Save_Rule_Document(const TXMLDocument& document, const QString& fileName) {
    // A configuration file never writes through a link to a place outside the configurations.
    if (document.SaveToFile(fileName, Dir_Projects)) return true;
    Show_Error(QStringLiteral("The file \"%1\" could not be written. It was left as it was.").arg(fileName));
    return false;
}

void TRuleEditorWindow::Delete_Current_Row(TExColumnGrid& grid, int confirmText) {
    const int row = grid.Row();
    if (row < 1) return;
    if (MessageDlg(LangText(confirmText) + QString::number(row), mtConfirmation, {mbYes, mbNo}) == mrYes)
        Delete_Row_ColumnGrid(row, grid);
}

void TRuleEditorWindow::Insert_Current_Row(TExColumnGrid& grid, int keyColumn, bool enableNew) {
    if (grid.Row() < 1) return;
    const int rows = grid.RowCount() - 1;
    if (!Key_Cell_Is_Empty(grid.Cells(keyColumn, rows))) return Show_Error(Full_Table_Message(rows));
    Insert_Row_ColumnGrid(grid.Row(), grid, enableNew);
}

void TRuleEditorWindow::Copy_Current_Row(TExColumnGrid& grid, bool& copied) {
    if (grid.Row() < 1) return;
    Copy_Row_ColumnGrid(grid, grid.Row());
    copied = true;
}

void TRuleEditorWindow::Paste_Current_Row(TExColumnGrid& grid, bool copied) {
    if (grid.Row() >= 1) Paste_Row_ColumnGrid(grid, grid.Row(), copied);
}
