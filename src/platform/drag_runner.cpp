#include "platform/drag_runner.h"

namespace {
DragRunner& CurrentRunner() {
    static DragRunner runner;
    return runner;
}
}  // namespace

Qt::DropAction RunDrag(QDrag& Drag, Qt::DropActions Actions) {
    if (CurrentRunner()) return CurrentRunner()(Drag, Actions);
    return Drag.exec(Actions, Qt::MoveAction);
}

void SetDragRunner(DragRunner Runner) { CurrentRunner() = std::move(Runner); }
