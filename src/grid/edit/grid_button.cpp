// The grid's push button editor: the click through OnEllipsClick into the cell, the
// arrow keys and Esc handed back to the grid, and exit.
#include "grid/edit/grid_button.h"

#include "grid/core/string_grid.h"
#include "grid/edit/editor_key_protocol.h"
#include "platform/virtual_keys.h"
#include "platform/custom_control.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool IsArrow(WORD Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

}  // namespace

TGridButton::TGridButton(TComponent* AOwner) : TControlOf<QPushButton>(AOwner, EditorGridOwner(AOwner)), FGrid(EditorGridOwner(AOwner)) {
    setAutoDefault(false);
}

void TGridButton::ReCreate() { setDown(false); }

void TGridButton::Clicked() {
    if (parentWidget() != FGrid) return;
    setText(FGrid->DoEllipsClick(text()));
    FGrid->SetCurrentCell(text());
}

void TGridButton::CloseToGrid() {
    // The grid closes the edit the usual way, so its editing state and notices stay whole.
    FGrid->HideInplaceEdit();
    hide();
    setEnabled(false);
    FGrid->setFocus(Qt::OtherFocusReason);
}

bool TGridButton::event(QEvent* e) {
    // Esc and the arrows belong to the button, not to a window shortcut.
    if (e->type() == QEvent::ShortcutOverride) {
        const WORD key = VirtualKeyOf(static_cast<QKeyEvent*>(e)->key());
        if (key == VK_ESCAPE || IsArrow(key)) {
            e->accept();
            return true;
        }
    }
    return TControlOf<QPushButton>::event(e);
}

void TGridButton::keyPressEvent(QKeyEvent* e) {
    WORD key = VirtualKeyOf(e->key());
    const TShiftState shift = ShiftStateOf(e->modifiers());
    if (IsArrow(key)) {
        e->accept();
        CloseToGrid();
        FGrid->EditorKeyToGrid(key, shift);
        return;
    }
    if (key == VK_ESCAPE) {
        e->accept();
        // Before closing, which takes the current text as the one to come back to.
        FGrid->RestoreCellCache();
        CloseToGrid();
        FGrid->EditorKeyToGrid(key, shift);
        return;
    }
    TControlOf<QPushButton>::keyPressEvent(e);
}

void TGridButton::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        Clicked();
        TControlOf<QPushButton>::keyReleaseEvent(e);
        setFocus(Qt::OtherFocusReason);
        update();
        return;
    }
    TControlOf<QPushButton>::keyReleaseEvent(e);
}

void TGridButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Clicked();
    TControlOf<QPushButton>::mouseReleaseEvent(e);
}

void TGridButton::focusOutEvent(QFocusEvent* e) {
    if (e->reason() != Qt::PopupFocusReason && isVisible()) FGrid->HideInplaceEdit();
    TControlOf<QPushButton>::focusOutEvent(e);
}
