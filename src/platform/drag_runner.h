#pragma once
// Runs a drag and drop to its end and gives the action the target took (Qt::IgnoreAction
// when the drag was cancelled or ended over no target). Tests replace the runner to play
// the target's side without a pointer; the default is QDrag::exec.

#include <QDrag>
#include <functional>

using DragRunner = std::function<Qt::DropAction(QDrag& Drag, Qt::DropActions Actions)>;

Qt::DropAction RunDrag(QDrag& Drag, Qt::DropActions Actions);
// Passing an empty function restores the real runner.
void SetDragRunner(DragRunner Runner);
