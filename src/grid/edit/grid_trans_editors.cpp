// The fixed-cell editors: Enter swallowed, Tab past the grid, the exit that ends the
// edit, and StopEdit, which validates and stores the text through the grid.
#include "grid/edit/grid_trans_editors.h"

#include "grid/core/string_grid.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

}  // namespace

template <class Base>
bool TGridTransEditorOf<Base>::StopEdit() {
    auto* grid = dynamic_cast<TExStringGrid*>(FGrid);
    if (!grid) {
        this->hide();
        return true;
    }
    QString value = EditedText();
    bool valid = true;
    if (grid->OnCellValidate) grid->OnCellValidate(grid, FCol, FRow, value, valid);
    if (!valid) {
        // The current cell moves to the edited one as far as it can: a fixed row or
        // column never becomes current.
        grid->SetCol(grid->DisplColIndex(FCol));
        grid->SetRow(FRow);
        this->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (grid->OnEditingDone) grid->OnEditingDone(grid);
    grid->SetCells(FCol, FRow, value);
    this->hide();
    return true;
}

template <class Base>
void TGridTransEditorOf<Base>::ExitUnlessReturning(const QFocusEvent* event) {
    // A pop-up taking the keyboard, or another window coming to the front, leaves the
    // editor editing.
    const Qt::FocusReason reason = event->reason();
    if (this->isVisible() && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) StopEdit();
}

template <class Base>
bool TGridTransEditorOf<Base>::focusNextPrevChild(bool next) {
    // Qt would hand Tab to the grid, which walks its cells; the editor goes on to the
    // control after the grid in the window's focus chain instead, the grid when none.
    auto* grid = dynamic_cast<QWidget*>(FGrid);
    QWidget* window = this->window();
    const Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    QWidget* w = this;
    while ((w = next ? w->nextInFocusChain() : w->previousInFocusChain()) != this) {
        const bool inGrid = grid && (w == grid || grid->isAncestorOf(w));
        if (!inGrid && w->window() == window && w->isVisibleTo(window) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
            w->setFocus(reason);
            return true;
        }
    }
    if (grid) grid->setFocus(reason);
    return true;
}

template class TGridTransEditorOf<TEdit>;
template class TGridTransEditorOf<TComboBox>;

TGridTransEdit::TGridTransEdit(TComponent* AOwner, QWidget* AParent) : TGridTransEditorOf<TEdit>(AOwner, AParent) {
    setFrame(false);
}

void TGridTransEdit::keyPressEvent(QKeyEvent* event) {
    // No line and no beep; left to itself the key would travel on to the grid.
    if (IsEnter(event)) {
        event->accept();
        return;
    }
    TEdit::keyPressEvent(event);
}

void TGridTransEdit::focusOutEvent(QFocusEvent* event) {
    TEdit::focusOutEvent(event);
    ExitUnlessReturning(event);
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner, QWidget* AParent)
    : TGridTransEditorOf<TComboBox>(AOwner, AParent) {
    // A typed text is the value, not a new item of the list.
    setInsertPolicy(QComboBox::NoInsert);
}

QString TGridTransCombo::EditedText() const {
    return !isEditable() && currentIndex() < 0 ? placeholderText() : Text();
}

void TGridTransCombo::showPopup() {
    FListOpen = true;
    TComboBox::showPopup();
}

void TGridTransCombo::hidePopup() {
    TComboBox::hidePopup();
    FListOpen = false;
}

void TGridTransCombo::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event) && !FListOpen) {
        event->accept();
        return;
    }
    TComboBox::keyPressEvent(event);
}

void TGridTransCombo::focusOutEvent(QFocusEvent* event) {
    TComboBox::focusOutEvent(event);
    if (!FListOpen) ExitUnlessReturning(event);
}
