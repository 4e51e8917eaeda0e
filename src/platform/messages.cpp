#include "platform/messages.h"

#include <QMetaObject>
#include <QPointer>
#include <unordered_map>
#include <vector>

namespace {

const char* const kHandleProperty = "messageHandle";

std::unordered_map<HWND, QPointer<QWidget>>& Handles() {
    static std::unordered_map<HWND, QPointer<QWidget>> handles;
    return handles;
}

LRESULT Deliver(QWidget* widget, TMessage& message) {
    auto* handler = dynamic_cast<IMessageHandler*>(widget);
    if (!handler) return 0;
    handler->WndProc(message);
    return message.Result;
}

}  // namespace

HWND WindowHandle(QWidget* widget) {
    if (!widget) return 0;
    const QVariant existing = widget->property(kHandleProperty);
    if (existing.isValid()) return existing.value<qintptr>();
    // Handles count up and are never reused, so a stale handle never names a new window.
    static HWND next = 0x10000;
    const HWND handle = next++;
    widget->setProperty(kHandleProperty, QVariant::fromValue<qintptr>(handle));
    Handles()[handle] = widget;
    QObject::connect(widget, &QObject::destroyed, [handle] { Handles().erase(handle); });
    return handle;
}

QWidget* FindWindowOfHandle(HWND handle) {
    const auto it = Handles().find(handle);
    return it == Handles().end() ? nullptr : it->second.data();
}

LRESULT Perform(QWidget* widget, unsigned Msg, WPARAM WParam, LPARAM LParam) {
    if (!widget) return 0;
    TMessage message{Msg, WParam, LParam, 0};
    return Deliver(widget, message);
}

LRESULT SendMessage(HWND handle, unsigned Msg, WPARAM WParam, LPARAM LParam) {
    return Perform(FindWindowOfHandle(handle), Msg, WParam, LParam);
}

bool PostMessage(HWND handle, unsigned Msg, WPARAM WParam, LPARAM LParam) {
    QWidget* widget = FindWindowOfHandle(handle);
    if (!widget) return false;
    QMetaObject::invokeMethod(
        widget, [handle, Msg, WParam, LParam] { SendMessage(handle, Msg, WParam, LParam); }, Qt::QueuedConnection);
    return true;
}

LRESULT Broadcast(QWidget* parent, unsigned Msg, WPARAM WParam, LPARAM LParam) {
    if (!parent) return 0;
    // A control may free others while it handles the message; those are skipped.
    const QList<QWidget*> children = parent->findChildren<QWidget*>();
    const std::vector<QPointer<QWidget>> receivers(children.cbegin(), children.cend());
    for (QWidget* child : receivers) {
        if (!child) continue;
        TMessage message{Msg, WParam, LParam, 0};
        if (Deliver(child, message) != 0) return message.Result;
    }
    return 0;
}
