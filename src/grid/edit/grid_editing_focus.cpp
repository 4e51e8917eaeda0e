// Focus: the grid's enter and exit handling, focus arrival (AlwaysEdit opens the plain
// edit) and loss, and the plain edit's focus loss, which knows where the focus went:
// to the grid (the edit was closed) or elsewhere (the value is validated and the edit
// closed). The plain edit's typing is followed into the cell here as well.

#include "grid/core/string_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTextEdit>
#include <utility>

void TExStringGrid::EditorCreated() {
    // The cell follows the typing, so that what the grid shows and stores is the edit's
    // text. Texts the program sets pass under FNoEditChange or equal the cell already.
    QObject::connect(InplaceEditor(), &QTextEdit::textChanged, this, [this] {
        if (FNoEditChange || !FShowEditProcess || !FEditMode || FSpecialEditor) return;
        const QString text = InplaceEditor()->Text();
        if (text != CurrentCell()) SetEditText(Col(), Row(), text);
    });
}

void TExStringGrid::PlainEditFocusLost(QWidget* NewFocus) {
    FStartEditChar = QChar();
    if (ComponentState().Contains(csDestroying)) return;
    FFocusFromEditor = NewFocus == this;
    if (NewFocus != this && FEditMode && !FSpecialEditor) {
        // The user chose another control: a refused value is corrected in the cell, and
        // the editor does not come back to take the focus from that control.
        FReopenAfterRefusal = false;
        try {
            ValidateCell(InplaceEditor()->Text());
        } catch (...) {
            FReopenAfterRefusal = true;
            HideInplaceEdit();
            FEditing = false;
            FEditMode = false;
            throw;
        }
        FReopenAfterRefusal = true;
        FNoEditChange = true;
        InplaceEditor()->SetText(CurrentCell());
        FNoEditChange = false;
        HideInplaceEdit();
        FEditing = false;
        FEditMode = false;
    }
    DoEditingDone(RealColIndex(Col()), Row());
}

void TExStringGrid::focusInEvent(QFocusEvent* event) {
    TBaseGrid::focusInEvent(event);
    const bool fromEditor = std::exchange(FFocusFromEditor, false);
    if (!fromEditor) DoEnter();
    WMSetFocus(fromEditor);
}

void TExStringGrid::focusOutEvent(QFocusEvent* event) {
    TBaseGrid::focusOutEvent(event);
    if (FBlockKill) return;
    const QWidget* newFocus = QApplication::focusWidget();
    const bool toOwnEditor = newFocus && isAncestorOf(newFocus);
    if (!toOwnEditor) DoExit();
}

void TExStringGrid::DoEnter() {
    if (FBlockFocus) return;
    if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit()) SelectCell(Col(), Row());
    RememberEditCell(Col(), Row());
}

void TExStringGrid::DoExit() {
    if (FBlockKill) return;
    if (FSelChange && FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    FSelChange = false;
}

void TExStringGrid::WMSetFocus(bool FromPlainEdit) {
    if (InvokedFocusChange) return;
    if (HasCheckBox(RealColIndex(Col()), Row())) return;
    if (!FNavigation->AlwaysEdit() || FromPlainEdit || EditControl != edNormal) return;
    if (GridState() == gsColMoving || GridState() == gsRowMoving) return;
    bool canEdit = true;
    CanEditBaseCell(RealCol(RealColIndex(Col())), DisplRow(Row()), canEdit);
    const bool visible = LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() && TopRow() <= Row() &&
                         Row() < TopRow() + VisibleRowCount();
    if (visible && canEdit) ShowInplaceEdit();
}
