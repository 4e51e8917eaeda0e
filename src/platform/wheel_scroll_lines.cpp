#include "platform/wheel_scroll_lines.h"

#include <QApplication>

namespace {
std::function<int()>& CurrentSource() {
    static std::function<int()> source;
    return source;
}
}  // namespace

int WheelScrollLines() {
    if (CurrentSource()) return CurrentSource()();
    return QApplication::wheelScrollLines();
}

void SetWheelScrollLinesSource(std::function<int()> source) { CurrentSource() = std::move(source); }
