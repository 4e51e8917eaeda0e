// The grid opening and closing its combo editor on a cell: edComboEdit and edComboList,
// the finish both share, and taking the combo's text back into the cell.
#include "grid/edit/grid_combo.h"

#include "grid/core/string_grid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace {

bool LookMakesFlatCombo(TGridLook Look) {
    switch (Look) {
    case glSoft:
    case glZRT:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007:
        return true;
    default:
        return false;
    }
}

}  // namespace

TGridCombo* TExStringGrid::Combobox() const { return static_cast<TGridCombo*>(FEditCombo); }

void TExStringGrid::ShowComboCellEditor(int ACol, int ARow) {
    TGridCombo* combo = Combobox();
    const TRect R = CellRect(ACol, ARow);
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    const int RCol = RealColIndex(ACol);
    // The editor takes the look of the cell.
    TColor color = clNone;
    TFont font;
    CellEditorLook(ACol, color, font);
    FEditMode = true;

    combo->setMaxVisibleItems(std::max(1, FControlLook->DropDownCount));
    combo->FillItems(FComboItems);
    DoGetEditorProp(RealCol(RCol), DisplRow(ARow), nullptr);
    combo->hidePopup();
    combo->setEnabled(true);
    combo->setFont(font.ToQFont());
    combo->SetBounds(R.Left, R.Top, W, H);
    bool defaulted = false;
    if (EditControl == edComboEdit) {
        combo->SetStyle(csDropDown);
        const QString text = GetEditText(ACol, ARow);
        combo->SetItemIndexByCode(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        combo->SetTextByCode(text);
        if (FComboIdx != -1 && combo->currentIndex() == -1) combo->SetItemIndexByCode(FComboIdx);
        combo->SetColor(color);
        combo->lineEdit()->setMaxLength(MaxComboLength() > 0 ? MaxComboLength() : 32767);
    } else {
        combo->SetStyle(csDropDownList);
        int index = combo->findText(Cells(RCol, ARow), Qt::MatchFixedString);
        if (index < 0 && FComboIdx == -1) {
            index = combo->findText(GetEditText(ACol, ARow), Qt::MatchFixedString);
            if (index < 0) {
                combo->SetItemIndexByCode(0);
                defaulted = true;
                if (OnEditChange) OnEditChange(this, Col(), Row(), combo->Text());
            }
        } else if (index < 0) {
            index = FComboIdx;
        }
        if (!defaulted) combo->SetItemIndexByCode(index);
        combo->SetColor(color);
    }
    combo->setVisible(true);

    // The finish both styles share.
    const bool flat = LookMakesFlatCombo(Look());
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    if (FNavigation->AutoComboDropSize()) combo->SizeDropDownWidth();
    else if (combo->DropWidth() > 0) combo->SetDropWidth(combo->DropWidth());
    combo->setFocus(Qt::OtherFocusReason);
    if (FMouseActions->DirectComboDrop() || FControlLook->DropDownAlwaysVisible) combo->showPopup();
    if (defaulted && combo->count() > 0) {
        const QString first = combo->itemText(0);
        if (OnComboChange) OnComboChange(this, RCol, ARow, 0, first);
        if (OnComboObjectChange)
            OnComboObjectChange(this, RCol, ARow, 0, first, static_cast<TObject*>(combo->itemData(0).value<void*>()));
    }
    if (!FStartEditChar.isNull())
        QCoreApplication::postEvent(combo, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(FStartEditChar)));
    FEditCtrl = combo;
}

void TExStringGrid::HideComboCellEditor() {
    if (!FEditMode) return;
    FEditMode = false;
    TGridCombo* combo = Combobox();
    StoreEditText(RealColIndex(Col()), Row(), combo->Text());
    combo->setEnabled(false);
    combo->setVisible(false);
}
