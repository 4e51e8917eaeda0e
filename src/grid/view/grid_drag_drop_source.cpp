// The grid as the source of a drag and drop: a press on the selection arms the drag
// (grid_mouse_press.cpp), moving the mouse starts it here. A drag started in the header
// with OleColumnDragDrop carries the column; any other the selected cells. A drop on the
// same grid runs while the drag runs, before a move takes the dragged cells out.

#include "grid/core/string_grid.h"

#include "grid/view/grid_drag_drop_data.h"
#include "grid/view/header_drag_button.h"
#include "platform/drag_runner.h"

#include <QBuffer>
#include <QDrag>
#include <algorithm>

namespace {

enum { kArrowUp, kArrowDown };

// The picture of a window made for the purpose; the window itself is not kept.
QPixmap ImageOfForm(QWidget* Form) {
    const QPixmap image = Form->grab();
    delete Form;
    return image;
}

}  // namespace

std::unique_ptr<QMimeData> TExStringGrid::SelectionDragData(int ACol, int ARow) {
    TGridDragContent content;
    content.Text = SelectedText();
    for (const QString& line : content.Text.split(QStringLiteral("\r\n"))) content.Cells << line.split(QLatin1Char('\t'));
    content.RichTextEnabled = DropRTFEnabled();
    if (ACol >= 0 && ARow >= 0) content.RichText = Cells(RealColIndex(ACol), ARow);
    if (FNavigation->AllowFmtClipboard()) {
        QByteArray stream;
        QBuffer buffer(&stream);
        buffer.open(QIODevice::WriteOnly);
        const TGridRect s = Selection();
        SaveRectToBinStream(TRect{s.Left, s.Top, s.Right, s.Bottom}, buffer);
        content.CellStream = stream;
    }
    return MakeGridDragData(content);
}

std::unique_ptr<QMimeData> TExStringGrid::ColumnDragData(int RealColumn) {
    TGridDragContent content;
    content.RichTextEnabled = DropRTFEnabled();
    content.Column = RealColumn;
    return MakeGridDragData(content);
}

bool TExStringGrid::StartSelectionDrag(int X, int Y) {
    FSelectionClick = false;
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    const int realCol = RealColIndex(col);
    bool allow = true;
    if (FDragDropSettings->OleColumnsOnly && row >= FixedRows()) allow = false;
    else if (OnOleDrag) OnOleDrag(this, row, realCol, Cells(realCol, row), allow);
    if (!allow) return false;
    if (OnOleDragStart) OnOleDragStart(this, row, realCol);
    DoStartBlockFocus();
    if (row >= 0 && row < FixedRows() && col >= FixedCols() && FDragDropSettings->OleColumnDragDrop)
        RunColumnDrag(col, realCol, row);
    else
        RunSelectionDrag(col, row);
    DoEndBlockFocus();
    return true;
}

void TExStringGrid::RunColumnDrag(int ACol, int RealColumn, int ARow) {
    auto* drag = new QDrag(this);  // Qt deletes it once the drag is over
    drag->setMimeData(ColumnDragData(RealColumn).release());
    if (FDragDropSettings->ShowCells) {
        const int bottom = std::min(VisibleRowCount(), RowCount() - 1);
        drag->setPixmap(ImageOfForm(SelectionToForm({ACol, 0, ACol, bottom})));
    } else {
        MoveButton->SetCaption(Cells(RealColumn, ARow));
        MoveButton->resize(ColWidths(ACol), RowHeights(0));
        drag->setPixmap(MoveButton->grab());
        drag->setHotSpot({0, MoveButton->height()});
    }
    const Qt::DropAction effect = RunDrag(*drag, Qt::CopyAction | Qt::MoveAction);
    if (effect != Qt::IgnoreAction && OnOleDragStop) OnOleDragStop(this, DropEffectOf(effect));
    MoveButton->hide();
    for (int arrow : {kArrowUp, kArrowDown})
        if (FArrowWindows[arrow]) FArrowWindows[arrow]->hide();
}

void TExStringGrid::RunSelectionDrag(int ACol, int ARow) {
    FDropSelection = Selection();
    auto* drag = new QDrag(this);  // Qt deletes it once the drag is over
    drag->setMimeData(SelectionDragData(ACol, ARow).release());
    if (FDragDropSettings->ShowCells) {
        // The part of the selection on the screen.
        TGridRect shown = FDropSelection;
        shown.Left = std::max(shown.Left, LeftCol());
        shown.Top = std::max(shown.Top, TopRow());
        shown.Right = std::min(shown.Right, LeftCol() + VisibleColCount() - 1);
        shown.Bottom = std::min(shown.Bottom, TopRow() + VisibleRowCount() - 1);
        if (shown.Left <= shown.Right && shown.Top <= shown.Bottom) drag->setPixmap(ImageOfForm(SelectionToForm(shown)));
    }
    const Qt::DropAction effect = RunDrag(*drag, Qt::CopyAction | Qt::MoveAction);
    if (effect == Qt::IgnoreAction) return;
    if (!FDragDropSettings->OleCopyAlways && effect == Qt::MoveAction) RemoveDraggedCells();
    if (OnOleDragStop) OnOleDragStop(this, DropEffectOf(effect));
}

void TExStringGrid::RemoveDraggedCells() {
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    const TGridRect& dragged = FDropSelection;
    if (FDragDropSettings->OleRemoveRows && Options().Contains(goRowSelect)) {
        if (disjunct) RemoveSelectedRows();
        else ClearRowObjects(dragged.Top, dragged.Bottom - dragged.Top + 1);
    } else if (disjunct) {
        ClearSelection();
    } else {
        // The dragged rectangle is in displayed columns; the cells keep to their real ones.
        for (int c = dragged.Left; c <= dragged.Right; ++c)
            ClearRect(RealColIndex(c), dragged.Top, RealColIndex(c), dragged.Bottom);
    }
}
