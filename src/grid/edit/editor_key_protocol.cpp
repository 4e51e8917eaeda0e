// The shared key protocol of the grid's editor controls and the table of how each
// editor class deviates from it.
#include "grid/edit/editor_key_protocol.h"

#include "grid/core/string_grid.h"

#include <algorithm>
#include <cstring>

namespace {

const std::vector<TEditorKeyRules>& KeyRulesTable() {
    static const std::vector<TEditorKeyRules> table = {
        // The combo's handled set depends on its style and list; these are its closed,
        // editable keys.
        {"TGridCombo", {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END, VK_UP, VK_DOWN},
         TEscRestores::CurrentCell, TRefusalShows::NewCellText, TTabRule::Shared},
        {"TGridDropDown", {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END, VK_UP, VK_DOWN},
         TEscRestores::CurrentCell, TRefusalShows::NewCellText, TTabRule::Shared},
        {"TGridSpin", {VK_TAB, VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN}, TEscRestores::OriginalCellValue,
         TRefusalShows::CurrentCell, TTabRule::StoredLikeEnterWalkOnlyWithGoTabs},
        {"TGridEditBtn", {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN},
         TEscRestores::OriginalCellValue, TRefusalShows::NewCellText, TTabRule::Shared},
        {"TGridUnitEditBtn", {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN},
         TEscRestores::CurrentCell, TRefusalShows::CurrentCell, TTabRule::StoredLikeEnterWalkOnlyWithGoTabs},
        {"TGridDatePicker", {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END},
         TEscRestores::CellParsedAsDate, TRefusalShows::NewCellText, TTabRule::Shared},
        {"TGridDateTimePicker", {VK_TAB, VK_RETURN, VK_ESCAPE}, TEscRestores::NotedDateTime,
         TRefusalShows::Nothing, TTabRule::WalkWithoutValidation},
        {"TGridCheckBox", {VK_RETURN, VK_PRIOR, VK_NEXT, VK_END, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN},
         TEscRestores::Nothing, TRefusalShows::Nothing, TTabRule::Nothing},
        {"TGridButton", {VK_ESCAPE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}, TEscRestores::GridRestoresCell,
         TRefusalShows::Nothing, TTabRule::Nothing},
    };
    return table;
}

}  // namespace

TExStringGrid* EditorGridOwner(TComponent* AOwner) {
    auto* grid = dynamic_cast<TExStringGrid*>(AOwner);
    if (!grid) throw Exception(QStringLiteral("Invalid class typecast"));
    return grid;
}

const TEditorKeyRules& EditorKeyRules(const char* EditorClass) {
    const auto& table = KeyRulesTable();
    for (const TEditorKeyRules& rules : table)
        if (std::strcmp(rules.EditorClass, EditorClass) == 0) return rules;
    return table.front();
}

bool TEditorKeyProtocol::InHandledSet(WORD Key) const {
    return std::find(FRules.Handled.begin(), FRules.Handled.end(), Key) != FRules.Handled.end();
}

bool TEditorKeyProtocol::TabCondition() const {
    return FGrid->Options().Contains(goTabs) || FGrid->OnCellValidate || FGrid->OnCellValidateWide;
}

bool TEditorKeyProtocol::StoreAndValidate(const QString& Text, QString& Shown) {
    FGrid->SetCurrentCell(Text);
    if (FGrid->ValidateCell(Text)) {
        Shown = FGrid->CurrentCell();
        return true;
    }
    switch (FRules.AfterRefusal) {
    case TRefusalShows::NewCellText: Shown = FGrid->FNewCellText; break;
    case TRefusalShows::CurrentCell: Shown = FGrid->CurrentCell(); break;
    case TRefusalShows::Nothing: Shown = Text; break;
    }
    return false;
}

bool TEditorKeyProtocol::WalkOrPostTab(TShiftState Shift) {
    if (FGrid->Options().Contains(goTabs)) {
        CloseAndFocusGrid();
        FGrid->TabToNextCell(Shift.Contains(ssShift));
        return true;
    }
    FGrid->PostTabToGrid(Shift);
    return false;
}

void TEditorKeyProtocol::EndEdit(WORD& Key, TShiftState Shift) {
    FGrid->DoneInplaceEdit(Key, Shift);
    if (FGrid->Navigation()->AdvanceOnEnter() && FGrid->Navigation()->AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
    Key = 0;
}

void TEditorKeyProtocol::CloseAndFocusGrid() {
    FGrid->HideInplaceEdit();
    FGrid->setFocus(Qt::OtherFocusReason);
}

void TEditorKeyProtocol::WalkOutOfCell(bool Forward, const QString& Text) {
    const int col = FGrid->Col();
    const int row = FGrid->Row();
    int checkCol = -1;
    if (!Forward && col > FGrid->FixedCols()) checkCol = col - 1;
    const int lastDataCol = FGrid->ColCount() - FGrid->FixedRightCols() - 1;
    if (Forward && col < lastDataCol) checkCol = col + FGrid->CellSpan(FGrid->RealColIndex(col), row).X + 1;
    if (checkCol >= 0 && FGrid->HasClickableObject(FGrid->RealColIndex(checkCol), row)) {
        // No editor opens on a check-box cell.
        if (FGrid->ValidateCell(Text)) {
            FGrid->HideInplaceEdit();
            FGrid->SetCol(checkCol);
        }
        return;
    }
    FGrid->setFocus(Qt::OtherFocusReason);
    TNavigation* navigation = FGrid->Navigation();
    const TAdvanceDirection direction = navigation->AdvanceDirection();
    navigation->SetAdvanceDirection(adLeftRight);
    FGrid->AdvanceAfterEdit(col, row, true, true, Forward, false, true);
    navigation->SetAdvanceDirection(direction);
    if (navigation->CursorWalkAlwaysEdit()) FGrid->ShowInplaceEdit();
}
