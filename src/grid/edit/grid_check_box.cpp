// The grid's check box editor: one toggle per press, the keys that close it, and exit.
#include "grid/edit/grid_check_box.h"

#include "grid/core/string_grid.h"
#include "grid/edit/editor_key_protocol.h"
#include "platform/custom_control.h"

#include <QKeyEvent>
#include <QMouseEvent>

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner, EditorGridOwner(AOwner)), FGrid(EditorGridOwner(AOwner)) {}

void TGridCheckBox::ReCreate() {
    setDown(false);
    setChecked(false);
}

void TGridCheckBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        if (!e->isAutoRepeat()) toggle();
        e->accept();
        return;
    }
    WORD key = VirtualKeyOf(e->key());
    const TShiftState shift = ShiftStateOf(e->modifiers());
    const TEditorKeyProtocol protocol(FGrid, EditorKeyRules("TGridCheckBox"));
    if (key == 0 || !protocol.InHandledSet(key)) {
        TCheckBox::keyPressEvent(e);
        return;
    }
    e->accept();
    FGrid->HideInplaceEdit();
    FGrid->setFocus(Qt::OtherFocusReason);
    if (key == VK_RETURN && FGrid->Navigation()->AdvanceOnEnter())
        FGrid->AdvanceAfterEdit(FGrid->Col(), FGrid->Row(), false, true, true, false, false);
    if (key == VK_UP || key == VK_DOWN) FGrid->EditorKeyToGrid(key, shift);
}

void TGridCheckBox::keyReleaseEvent(QKeyEvent* e) {
    // The toggle came with the press.
    if (e->key() == Qt::Key_Space) {
        e->accept();
        return;
    }
    TCheckBox::keyReleaseEvent(e);
}

void TGridCheckBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        TCheckBox::mousePressEvent(e);
        return;
    }
    toggle();
    setFocus(Qt::MouseFocusReason);
    e->accept();
}

void TGridCheckBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        e->accept();
        return;
    }
    TCheckBox::mouseReleaseEvent(e);
}

void TGridCheckBox::focusOutEvent(QFocusEvent* e) {
    if (e->reason() != Qt::PopupFocusReason) FGrid->HideInplaceEdit();
    TCheckBox::focusOutEvent(e);
}
