#include "grid/data/no_active_form.h"

#include <QApplication>
#include <QMouseEvent>

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);
}

void TNoActiveForm::showEvent(QShowEvent* event) {
    // Sent before the window system shows the window, while the other one is still active.
    if (QApplication::activeWindow() != this) FActiveBefore = QApplication::activeWindow();
    TForm::showEvent(event);
}

bool TNoActiveForm::event(QEvent* event) {
    const bool handled = TForm::event(event);
    if (event->type() == QEvent::WindowActivate && FActiveBefore && FActiveBefore->isVisible())
        FActiveBefore->activateWindow();
    return handled;
}

void TNoActiveForm::mousePressEvent(QMouseEvent* event) { event->accept(); }
