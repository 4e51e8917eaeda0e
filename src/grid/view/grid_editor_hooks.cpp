// The grid's hooks for custom and unit editors: the key filter of the custom editor
// link's control and the relay of the unit editor's unit change.
#include "grid/view/grid_editor_hooks.h"

#include <QKeyEvent>

namespace {

// The keys a control asks for with goTabs (want tab, want arrows): on this platform the
// focus chain takes Tab and Backtab inside QWidget::event, so they must reach the
// control's key handler directly.
bool IsNavigationKey(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

// Reaches a widget's own key handler past QWidget::event, which would hand Tab to the
// focus chain first.
struct KeyHandlerAccess : QWidget {
    using QWidget::keyPressEvent;
};

}  // namespace

TEditLinkControlHook::TEditLinkControlHook(TExStringGrid* Grid, QWidget* Control)
    : QObject(Control), FGrid(Grid) {
    Control->installEventFilter(this);
}

bool TEditLinkControlHook::eventFilter(QObject* watched, QEvent* event) {
    if (!FGrid || watched != parent()) return false;
    return FGrid->EditLinkControlWndProc(static_cast<QWidget*>(watched), event);
}

bool TExStringGrid::EditLinkControlWndProc(QWidget* Control, QEvent* Message) {
    if (!Options().Contains(goTabs)) return false;
    if (Message->type() != QEvent::KeyPress && Message->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(Message);
    if (!IsNavigationKey(key)) return false;
    // A window shortcut on these keys must not win over the control.
    if (Message->type() == QEvent::ShortcutOverride) {
        key->accept();
        return true;
    }
    void (QWidget::*keyHandler)(QKeyEvent*) = &KeyHandlerAccess::keyPressEvent;
    (Control->*keyHandler)(key);
    // The control has had the key; like a control that asked for it, nothing else sees it.
    return true;
}

void TExStringGrid::UnitEditUnitChanged(TObject* /*Sender*/, const QString& NewUnit) {
    if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), NewUnit);
}
