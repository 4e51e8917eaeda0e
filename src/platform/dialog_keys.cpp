#include "platform/dialog_keys.h"

#include "platform/messages.h"

#include <QEvent>
#include <QKeyEvent>

namespace {

const char* const kDispatcherName = "DialogKeyDispatcher";

class TDialogKeyDispatcher : public QObject {
public:
    explicit TDialogKeyDispatcher(QWidget* window) : QObject(window), FWindow(window) {
        setObjectName(QString::fromLatin1(kDispatcherName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != FWindow || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        LPARAM shift = 0;
        if (modifiers & Qt::ShiftModifier) shift |= ssShiftBit;
        if (modifiers & Qt::AltModifier) shift |= ssAltBit;
        if (modifiers & Qt::ControlModifier) shift |= ssCtrlBit;

        int code = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) code = VK_RETURN;
        else if (key->key() == Qt::Key_Escape) code = VK_ESCAPE;
        if (code && Broadcast(FWindow, CM_DIALOGKEY, WPARAM(code), shift) != 0) return true;

        const QString text = key->text();
        if (code || text.isEmpty() || !text.at(0).isPrint() || (shift & (ssAltBit | ssCtrlBit))) return false;
        return Broadcast(FWindow, CM_DIALOGCHAR, WPARAM(text.at(0).unicode()), shift) != 0;
    }

private:
    QWidget* FWindow;
};

}  // namespace

void EnableDialogKeys(QWidget* window) {
    if (!window || window->findChild<QObject*>(QString::fromLatin1(kDispatcherName),
                                                           Qt::FindDirectChildrenOnly))
        return;
    new TDialogKeyDispatcher(window);
}

void FocusNextControl(QWidget* control, bool backward) {
    QWidget* next = control;
    do {
        next = backward ? next->previousInFocusChain() : next->nextInFocusChain();
    } while (next != control && (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled() ||
                                 !next->isVisibleTo(control->window()) || control->isAncestorOf(next)));
    if (next != control) next->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}
