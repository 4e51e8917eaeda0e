#include "grid/data/no_active_form.h"

#include <QMouseEvent>

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);
}

void TNoActiveForm::mousePressEvent(QMouseEvent* event) { event->accept(); }
