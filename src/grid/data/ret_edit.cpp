#include "grid/data/ret_edit.h"

#include <QKeyEvent>
#include <QPalette>

void TRetEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        TEdit::keyPressEvent(event);
        return;
    }
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        if (OnCtrlReturn) OnCtrlReturn(this);
    } else if (OnReturn) {
        OnReturn(this);
    }
    // The typed carriage return still reaches OnKeyPress, then goes no further.
    QChar key(13);
    if (OnKeyPress) OnKeyPress(this, key);
}

void TRetEdit::SetColor(TColor value) {
    TEdit::SetColor(value);
    QPalette p = palette();
    if (value == clDefault || value == clNone || value == clWindow) p.setColor(QPalette::Base, QPalette().color(QPalette::Base));
    else p.setColor(QPalette::Base, ToQColor(value));
    setPalette(p);
}
