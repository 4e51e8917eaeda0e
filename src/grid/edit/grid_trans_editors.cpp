// The fixed-cell editors: Enter swallowed, the exit that ends the edit, and StopEdit,
// which validates and stores the text through the grid.
#include "grid/edit/grid_trans_editors.h"

#include "grid/core/string_grid.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

// Another window coming to the front leaves the editor where it is, still editing.
bool LeavesTheEditor(const QFocusEvent* event) {
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

// The stop of either editor. The editor's text goes through OnCellValidate; refused, the
// grid's current cell moves to the edited one as far as it can (a fixed row or column is
// never current) and the editor takes the focus back.
bool StopFixedCellEdit(QWidget* Editor, TComponent* Owner, int Col, int Row, const QString& Text) {
    auto* grid = dynamic_cast<TExStringGrid*>(Owner);
    if (!grid) {
        Editor->hide();
        return true;
    }
    QString value = Text;
    bool valid = true;
    if (grid->OnCellValidate) grid->OnCellValidate(grid, Col, Row, value, valid);
    if (!valid) {
        grid->SetCol(grid->DisplColIndex(Col));
        grid->SetRow(Row);
        Editor->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (grid->OnEditingDone) grid->OnEditingDone(grid);
    grid->SetCells(Col, Row, value);
    Editor->hide();
    return true;
}

// Tab leaves a fixed-cell editor for the control after the grid in the window's focus
// chain (Qt would hand Tab to the grid, which walks its cells); the grid itself when
// there is none.
bool TabPastTheGrid(QWidget* Editor, TComponent* Owner, bool Next) {
    auto* grid = dynamic_cast<QWidget*>(Owner);
    QWidget* window = Editor->window();
    QWidget* w = Editor;
    while ((w = Next ? w->nextInFocusChain() : w->previousInFocusChain()) != Editor) {
        const bool inGrid = grid && (w == grid || grid->isAncestorOf(w));
        if (!inGrid && w->window() == window && w->isVisibleTo(window) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
            w->setFocus(Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    if (grid) grid->setFocus(Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace

TGridTransEdit::TGridTransEdit(TComponent* AOwner, QWidget* AParent) : TEdit(AOwner, AParent), FGrid(AOwner) {
    setFrame(false);
}

bool TGridTransEdit::focusNextPrevChild(bool next) { return TabPastTheGrid(this, FGrid, next); }

bool TGridTransEdit::StopEdit() { return StopFixedCellEdit(this, FGrid, FCol, FRow, Text()); }

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
    if (isVisible() && LeavesTheEditor(event)) StopEdit();
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner, QWidget* AParent) : TComboBox(AOwner, AParent), FGrid(AOwner) {
    // A typed text is the value, not a new item of the list.
    setInsertPolicy(QComboBox::NoInsert);
}

bool TGridTransCombo::StopEdit() {
    // A list left without a choice keeps the cell's text, which it shows as its placeholder.
    const bool noChoice = !isEditable() && currentIndex() < 0;
    return StopFixedCellEdit(this, FGrid, FCol, FRow, noChoice ? placeholderText() : Text());
}

bool TGridTransCombo::focusNextPrevChild(bool next) { return TabPastTheGrid(this, FGrid, next); }

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
    if (isVisible() && !FListOpen && LeavesTheEditor(event)) StopEdit();
}
