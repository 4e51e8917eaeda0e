// Focus: the grid's enter and exit handling, focus arrival (AlwaysEdit opens the plain
// edit) and loss, and the plain edit's focus loss, which knows where the focus went:
// to the grid (the edit was closed) or elsewhere (the value is validated and the edit
// closed). The plain edit's typing is followed into the cell here as well.

#include "grid/core/string_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <functional>
#include <utility>

namespace {

// Tells the grid when its plain edit loses the focus, with the widget that gets it.
class TPlainEditFocusWatch : public QObject {
public:
    TPlainEditFocusWatch(QObject* Edit, QObject* Grid, std::function<void(QWidget*)> Lost)
        : QObject(Edit), FGrid(Grid), FLost(std::move(Lost)) {}
    bool eventFilter(QObject*, QEvent* Event) override {
        // While the grid is being destroyed its base classes still move the focus; the
        // grid's own part is gone by then. Qt has already made the new widget the focus
        // widget when the old one hears of it.
        if (Event->type() == QEvent::FocusOut && dynamic_cast<TExStringGrid*>(FGrid))
            FLost(QApplication::focusWidget());
        return false;
    }

private:
    QObject* FGrid;
    std::function<void(QWidget*)> FLost;
};

}  // namespace

void TExStringGrid::EditorCreated() {
    TInplaceEdit* edit = InplaceEditor();
    edit->installEventFilter(new TPlainEditFocusWatch(edit, this, [this](QWidget* NewFocus) { PlainEditFocusLost(NewFocus); }));
    // The cell follows the typing, so that what the grid shows and stores is the edit's text.
    QObject::connect(edit, &QLineEdit::textEdited, this, [this](const QString& Text) {
        if (FShowEditProcess && FEditMode && !FSpecialEditor) SetEditText(Col(), Row(), Text);
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
