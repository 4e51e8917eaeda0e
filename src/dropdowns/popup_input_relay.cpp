#include "dropdowns/popup_input_relay.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

TPopupInputRelay::TPopupInputRelay(QWidget* Popup) : FPopup(Popup) { qApp->installEventFilter(this); }

TPopupInputRelay::~TPopupInputRelay() { qApp->removeEventFilter(this); }

bool TPopupInputRelay::IsInPopup(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window() == FPopup;
}

bool TPopupInputRelay::TakesInput(const QWidget* target) const {
    if (!target || target->window() == FPopup || !target->isEnabled()) return false;
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || target->window() == modal || modal->isAncestorOf(target);
}

bool TPopupInputRelay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return IsInPopup(watched) && RelayMouse(event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return IsInPopup(watched) && RelayKey(event);
    default:
        return false;
    }
}

bool TPopupInputRelay::RelayMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    QWidget* target = FPressTarget;
    if (!target) {
        if (FPopup->geometry().contains(global)) return false;
        target = QApplication::widgetAt(global);
        if (!TakesInput(target)) {
            // A press outside that reaches no other window is swallowed, not taken as
            // the pop-up's loss of activation.
            return mouse->type() != QEvent::MouseMove;
        }
    }
    if (mouse->type() == QEvent::MouseButtonPress) FPressTarget = target;
    if (mouse->type() == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) FPressTarget = nullptr;
    QMouseEvent relayed(mouse->type(), target->mapFromGlobal(mouse->globalPosition()), mouse->globalPosition(),
                        mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
    QApplication::sendEvent(target, &relayed);
    return true;
}

bool TPopupInputRelay::RelayKey(QEvent* event) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->window() == FPopup) return false;
    QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
    auto* key = static_cast<QKeyEvent*>(event);
    QKeyEvent relayed(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
    QApplication::sendEvent(target, &relayed);
    return true;
}
