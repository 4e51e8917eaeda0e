// The grid as the target of a drag and drop: the viewport's drag events decide from
// what the drag offers and the grid's accept flags whether the grid takes it, follow
// the pointer with the drop indicators and scrolling, and hand the drop to the handler
// of its kind: a column, the cells block, rich text or text, then files and a link.
//
//   dragEnterEvent .. dropEvent   Qt's side: offered formats, effect, accepted or not
//   DropTargetCell, DragMouseMove the cell aimed at, the append zone, scrolling, arrows
//   DropText .. DropFiles         one handler per kind of data

#include "grid/core/string_grid.h"

#include "grid/view/grid_drag_drop_data.h"
#include "grid/view/header_drag_button.h"

#include <QBuffer>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <algorithm>

namespace {

enum { kArrowUp, kArrowDown, kArrowLeft, kArrowRight };
// A drag this close to the top of a grid without fixed rows scrolls it up.
constexpr int kTopScrollZone = 8;

TDropAcceptance AcceptanceOf(const TDragDropSettings& Settings, int ColumnCount) {
    TDropAcceptance accept;
    accept.Text = Settings.OleAcceptText;
    accept.Files = Settings.OleAcceptFiles;
    accept.URLs = Settings.OleAcceptURLs;
    accept.RichText = DropRTFEnabled();
    accept.ColumnCount = ColumnCount;
    return accept;
}

}  // namespace

void TExStringGrid::DragDropSettingsChange() {
    if (InDesignMode()) return;
    Surface()->setAcceptDrops(FDragDropSettings->OleDropTarget());
}

void TExStringGrid::dragEnterEvent(QDragEnterEvent* event) {
    const TDropReading reading = ReadDropFormats(*event->mimeData(), AcceptanceOf(*FDragDropSettings, TotalColCount()));
    FDropAccepted = reading.Accepted;
    FDropFormats = reading.Formats;
    if (!FDropAccepted) {
        event->ignore();
        return;
    }
    event->setDropAction(KeyStateToDropEffect(event->modifiers(), event->possibleActions()));
    event->accept();
}

void TExStringGrid::dragMoveEvent(QDragMoveEvent* event) {
    DragScrollMove(event->position().toPoint());
    bool allow = FDropAccepted;
    DragMouseMove(event->position().toPoint(), allow, FDropFormats);
    if (!allow) {
        event->ignore();
        return;
    }
    event->setDropAction(KeyStateToDropEffect(event->modifiers(), event->possibleActions()));
    event->accept();
}

void TExStringGrid::dragLeaveEvent(QDragLeaveEvent* event) {
    StopDragScroll();
    DragMouseLeave();
    event->accept();
}

void TExStringGrid::dropEvent(QDropEvent* event) {
    StopDragScroll();
    if (!FDropAccepted) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    const TDropReading reading = ReadDrop(*event->mimeData(), AcceptanceOf(*FDragDropSettings, TotalColCount()));
    event->setDropAction(KeyStateToDropEffect(event->modifiers(), event->possibleActions()));
    event->accept();
    // The drop comes from outside: what it carries may not fit the grid; such a drop
    // changes nothing it has not already changed and never ends the program.
    try {
        if (reading.Formats & dfCol) {
            if (reading.Column) DropCol(p, *reading.Column, reading.Formats);
            return;
        }
        if (reading.CellStream) DropStream(p, *reading.CellStream);
        else if (reading.RichText) DropRTF(p, *reading.RichText);
        else if (reading.Text) DropText(p, *reading.Text);
        if (!reading.Files.isEmpty()) DropFiles(p, reading.Files);
        if (!reading.URL.isEmpty()) DropURL(p, reading.URL);
    } catch (const EExGridError&) {
        HideDropIndicators();
    }
}

bool TExStringGrid::IsRightOfLastColumn(QPoint P) {
    const int last = ColCount() - 1;
    if (last < 0 || last >= LeftCol() + VisibleColCount() + 1) return false;
    const TRect r = CellRect(last, std::max(0, TopRow()));
    return r.Right > r.Left && P.x() >= r.Right && P.y() >= 0;
}

TGridCoord TExStringGrid::DropTargetCell(QPoint P, bool ColumnDrag, bool& Append) {
    TGridCoord cell{-1, -1};
    MouseToCell(P.x(), P.y(), cell.X, cell.Y);
    Append = false;
    if (cell.Y == -1 && !ColumnDrag && FDragDropSettings->OleEntireRows && FDragDropSettings->OleAppendRows) {
        const TRect last = CellRect(FixedCols(), RowCount() - 1);
        if (last.Bottom > last.Top && P.y() >= last.Bottom) {
            cell = {FixedCols(), RowCount() - 1};
            Append = true;
        }
    }
    return cell;
}

void TExStringGrid::DragMouseMove(QPoint P, bool& Allow, int DropFormats) {
    const bool columnDrag = DropFormats & dfCol;
    const bool files = DropFormats & dfFile;
    bool append = false;
    TGridCoord cell = DropTargetCell(P, columnDrag, append);
    bool valid = cell.X >= 0 && cell.Y >= 0;
    Allow = valid;

    if (valid && !columnDrag) {
        if (cell.Y == 0 && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
        else if (P.y() < kTopScrollZone && FixedRows() == 0 && TopRow() > 0) SetTopRow(TopRow() - 1);
        else if (cell.Y == TopRow() + VisibleRowCount() && cell.Y < RowCount()) SetTopRow(TopRow() + 1);
        // Sideways at most once per tick of the grid's timer: columns are wide.
        if (FTimerTicks % 2 == 0) {
            ++FTimerTicks;
            if (cell.X == 0 && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
            else if (cell.X == LeftCol() + VisibleColCount() && cell.X < ColCount()) SetLeftCol(LeftCol() + 1);
        }
    }

    if (!columnDrag) {
        if (cell.Y >= 0 && cell.Y < FixedRows() && !(RowCount() == 1 && FixedRowAlways())) Allow = false;
    } else if (cell.X == -1 && IsRightOfLastColumn(P)) {
        cell = {ColCount(), 0};
        valid = true;
        Allow = true;
    } else {
        Allow = valid && cell.Y < FixedRows() && cell.X >= FixedCols();
    }
    if (files || (DropFormats & dfGridCells)) Allow = true;
    if (OnOleDragOver) OnOleDragOver(this, cell.Y, cell.X, Allow);
    Allow = Allow && (valid || files);

    // The indicators point at where the drop lands.
    if (Allow && columnDrag) {
        const int x = cell.X < ColCount() ? CellRect(cell.X, 0).Left : CellRect(ColCount() - 1, 0).Right;
        const TRect header = CellRect(std::min(cell.X, ColCount() - 1), 0);
        PlaceArrowWindow(kArrowDown, Surface()->mapToGlobal(QPoint(x, header.Top - 8)), true);
        PlaceArrowWindow(kArrowUp, Surface()->mapToGlobal(QPoint(x, header.Bottom)), true);
        PlaceArrowWindow(kArrowLeft, {}, false);
    } else if (Allow && valid) {
        if (FDragDropSettings->OleEntireRows) cell.X = FixedCols();
        if (FixedRowAlways() && cell.Y == 0) {
            cell.Y = 1;
            append = false;
        }
        const TRect target = CellRect(cell.X, std::min(cell.Y, RowCount() - 1));
        const int y = target.Top + (append ? RowHeights(RowCount() - 1) : 0);
        PlaceArrowWindow(kArrowLeft, Surface()->mapToGlobal(QPoint(target.Left - 10, y)), true);
        PlaceArrowWindow(kArrowUp, {}, false);
        PlaceArrowWindow(kArrowDown, {}, false);
    } else {
        HideDropIndicators();
    }
}

void TExStringGrid::DragMouseLeave() { HideDropIndicators(); }

void TExStringGrid::HideDropIndicators() {
    for (int arrow : {kArrowUp, kArrowDown, kArrowLeft})
        if (FArrowWindows[arrow]) FArrowWindows[arrow]->hide();
    if (MoveButton) MoveButton->hide();
}

void TExStringGrid::DropText(QPoint P, const QString& S) {
    bool append = false;
    TGridCoord cell = DropTargetCell(P, false, append);
    TPoint size{0, 0};
    TabTextSize(S, size);
    const int columns = size.X;
    const int lineBreaks = size.Y;
    const bool rowSelect = Options().Contains(goRowSelect);
    if (rowSelect) cell.X = FDragDropSettings->OleEntireRows ? 0 : FixedCols();

    bool allow = true;
    if (OnOleDrop) OnOleDrop(this, cell.Y, cell.X, S, allow);
    if (!allow) {
        HideDropIndicators();
        return;
    }
    if (cell.X < 0 || cell.Y < 0) {
        HideDropIndicators();
        return;
    }
    // The rows a move on this grid takes out lie further down once rows go in above them;
    // text pasted over rows moves none.
    const bool inserting = FDragDropSettings->OleInsertRows && !append;
    if (inserting && FDragDropSettings->OleRemoveRows && FDropSelection.Top >= cell.Y && FDropSelection.Top >= 0) {
        FDropSelection.Top += lineBreaks + 1;
        FDropSelection.Bottom += lineBreaks + 1;
        if (FMouseActions->DisjunctRowSelect() && cell.Y <= int(FRowSelect.size()))
            FRowSelect.insert(FRowSelect.begin() + cell.Y, size_t(lineBreaks + 1), false);
    }
    if (cell.Y == 0 && FixedRowAlways() && RowCount() == 1) cell.Y = 1;
    if (FDragDropSettings->OleInsertRows) {
        int top = TopRow();
        if (cell.Y < FixedRows()) ++top;
        if (append) {
            SetRowCount(RowCount() + lineBreaks + 1);
            ++cell.Y;
        } else {
            InsertRows(cell.Y, lineBreaks + 1, true);
        }
        if (top > 0) SetTopRow(std::min(top, RowCount() - 1));
    }
    int lines = 0;
    int fields = 0;
    PasteTextAt(cell.X, cell.Y, lines, fields, S);

    TGridRect selection;
    selection.Left = std::max(cell.X, FixedCols());
    selection.Top = cell.Y;
    selection.Bottom = std::min(cell.Y + lineBreaks, RowCount() - 1);
    selection.Right = rowSelect ? selection.Left + columns - FixedCols() : selection.Left + columns - 1;
    selection.Right = std::clamp(selection.Right, selection.Left, ColCount() - 1);
    if (selection.Top < RowCount() && selection.Left < ColCount()) SetSelection(selection);
    HideDropIndicators();
    if (OnOleDropped) OnOleDropped(this, selection);
}

void TExStringGrid::DropStream(QPoint P, const QByteArray& Stream) {
    bool append = false;
    const TGridCoord cell = DropTargetCell(P, false, append);
    if (cell.X >= 0 && cell.Y >= 0) {
        QBuffer buffer;
        buffer.setData(Stream);
        buffer.open(QIODevice::ReadOnly);
        LoadAtPointFromBinStream({cell.X, cell.Y}, buffer);
    }
    HideDropIndicators();
    if (OnOleDropped) OnOleDropped(this, Selection());
}

void TExStringGrid::DropCol(QPoint P, int Column, int DropFormats) {
    int row = -1;
    int dropColumn = -1;
    MouseToCell(P.x(), P.y(), dropColumn, row);
    if (IsRightOfLastColumn(P)) dropColumn = ColCount();
    if (DropFormats & dfCol) HideDropIndicators();
    // A column armed by a column chooser comes back at the drop; any other moves when
    // reordering is on.
    const bool fromChooser = FOleDragCol != -1;
    const int moved = fromChooser ? ShowChooserColumn() : Column;
    if ((fromChooser || FDragDropSettings->OleColumnReorder) && dropColumn >= 0 && moved >= 0) {
        const int target = std::min(dropColumn, ColCount() - 1);
        const int from = DisplColIndex(moved);
        if (from != target && from >= 0) {
            const bool enhanced = EnhRowColMove();
            SetEnhRowColMove(true);
            MoveColumn(from, target);
            SetEnhRowColMove(enhanced);
        }
    }
    if (OnOleDropCol) OnOleDropCol(this, row, dropColumn, Column);
}

void TExStringGrid::DropRTF(QPoint P, const QString& S) { DropIntoCell(P, S, OnOleDrop); }

void TExStringGrid::DropURL(QPoint P, const QString& S) { DropIntoCell(P, S, OnOleDropURL); }

void TExStringGrid::DropIntoCell(QPoint P, const QString& S, const TOleDropURLEvent& Ask) {
    bool append = false;
    const TGridCoord cell = DropTargetCell(P, false, append);
    bool allow = true;
    if (Ask) Ask(this, cell.Y, cell.X, S, allow);
    if (allow && cell.X >= 0 && cell.Y >= 0) SetCellEx(RealColIndex(cell.X), cell.Y, S);
    HideDropIndicators();
}

void TExStringGrid::DropFiles(QPoint P, const QStringList& Files) {
    HideDropIndicators();
    if (Files.size() != 1) return;
    bool append = false;
    const TGridCoord cell = DropTargetCell(P, false, append);
    const QString& file = Files.first();
    bool allow = true;
    if (OnOleDropFile) OnOleDropFile(this, cell.Y, cell.X, file, allow);
    const bool workbook = IsWorkbookFileName(file);
    if (!allow || !(workbook || IsCsvFileName(file))) return;
    if (OnOleDrop) OnOleDrop(this, -1, -1, file, allow);
    if (!allow) return;
    // A file that cannot be read leaves the grid as it was; a drop has nobody to tell.
    try {
        if (workbook) LoadFromXLS(file);
        else LoadFromCSV(file, -1);
    } catch (const Exception&) {
    }
}
