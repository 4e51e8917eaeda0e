#pragma once
// The hourglass for the length of a long file operation; the previous cursor comes back
// when it ends, also through an exception.

#include <QGuiApplication>

class TWaitCursor {
public:
    TWaitCursor() {
        if (qGuiApp) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TWaitCursor() {
        if (qGuiApp) QGuiApplication::restoreOverrideCursor();
    }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
