// The mouse wheel of the string grid. A QWheelEvent is cut into notches of 120 units
// (finer steps of touchpads add up); each notch is offered to the parent controls first
// and, when none takes it, zooms (Ctrl with IntelliZoom), or moves the current row or
// scrolls by the lines per notch (WheelIncrement when set).

#include "grid/core/string_grid.h"
#include "platform/mask_edit.h"
#include "platform/wheel_scroll_lines.h"

#include <QWheelEvent>
#include <cmath>

namespace {
constexpr int WheelNotchUnits = 120;
}  // namespace

int TExStringGrid::WheelLines() {
    const int lines = WheelScrollLines();
    return lines < 0 ? VisibleRowCount() : lines;
}

void TExStringGrid::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (FWheelPan) return;
    FWheelTurn += event->angleDelta().y();
    const int notches = FWheelTurn / WheelNotchUnits;
    FWheelTurn -= notches * WheelNotchUnits;
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const QPoint p = event->position().toPoint();
    for (int i = 0; i < std::abs(notches); ++i)
        WheelNotch(notches < 0 ? -WheelNotchUnits : WheelNotchUnits, shift, {p.x(), p.y()});
}

void TExStringGrid::WheelNotch(int WheelDelta, TShiftState Shift, TPoint MousePos) {
    // The parent may take the wheel; then the grid neither scrolls nor moves.
    if (TControl* parent = ControlOf(parentWidget())) {
        const QPoint screen = viewport()->mapToGlobal(QPoint(MousePos.X, MousePos.Y));
        if (parent->CMMouseWheel(Shift, WheelDelta, {screen.x(), screen.y()})) return;
    }
    const int lines = WheelLines();
    if (Shift.Contains(ssCtrl) && IntelliZoom()) {
        Zoom(WheelDelta < 0 ? lines : -lines);
        AutoSizeCells(true, 4, 4);
        return;
    }
    if (!EnableWheel() || (FixedRowAlways() && RowCount() <= 1)) return;

    const TGridRect oldSelection = Selection();
    const bool scroll = FMouseActions->WheelAction() == waScroll;
    int step = FMouseActions->WheelIncrement() > 0 ? FMouseActions->WheelIncrement() : lines;
    const int fixedRows = TStringGrid::FixedRows();
    int target = Row();
    if (!scroll) {
        target = WheelDelta < 0 ? Row() + step : Row() - step;
    } else if (WheelDelta < 0) {
        if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + step >= fixedRows)
            SetTopRow(std::min(TopRow() + step, RowCount() - VisibleRowCount()));
    } else {
        step = std::min(step, TopRow() - fixedRows);
        if (TopRow() > fixedRows && TopRow() - step >= fixedRows) SetTopRow(TopRow() - step);
    }

    target = std::max(fixedRows, std::min(target, RowCount() - FixedFooters() - 1));
    if (Col() > ColCount() - 1 && Row() > RowCount() - 1) MoveColRow(ColCount() - 1, RowCount() - 1, true, true);
    if (Col() < TStringGrid::FixedCols() || Col() > ColCount() - 1)
        SetCol(std::max(TStringGrid::FixedCols(), std::min(Col(), ColCount() - 1)));

    int rowDelta = 0;
    if (target >= 0 && target < RowCount()) {
        StartUpdate();
        const int leftCol = LeftCol();
        if (FMouseActions->DisjunctRowSelect() && !scroll) ClearRowSelect();
        rowDelta = target - Row();
        if (!scroll) SetRow(target);
        if (Row() != target) {
            // Refused or limited: half the way, and the view one row back.
            SetRow(Row() + int(std::nearbyint((target - Row()) / 2.0)));
            if (TopRow() > fixedRows) SetTopRow(TopRow() - 1);
        }
        if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) SetLeftCol(leftCol);
        ResetUpdate();
        InvalidateGrid();
    }

    bool handled = true;
    DoWheelStep(rowDelta, handled);
    if ((FMouseActions->WheelIncrement() != 0 || FMouseActions->DisjunctRowSelect()) && handled) {
        const bool disjunct = FMouseActions->DisjunctRowSelect();
        const TShiftState shift = disjunct ? KeyboardShiftState() : TShiftState();
        const TPoint pos = disjunct ? MousePos : TPoint{0, 0};
        bool eventHandled = false;
        if (WheelDelta < 0 && OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, eventHandled);
        if (WheelDelta > 0 && OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, eventHandled);
    }
    if (const TGridRect now = Selection(); !(now == oldSelection))
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

void TExStringGrid::DoWheelStep(int /*RowDelta*/, bool& /*Handled*/) {}

namespace {

// A wheel step of the base grid, run with DirectEdit off: with row selection that keeps
// its horizontal scroll the scrolled column is put back, otherwise an open editor's
// focus returns to the grid. PlainStepAllowed false skips the plain step.
template <class BaseStep>
bool BaseWheelStep(TExStringGrid& Grid, bool PlainStepAllowed, BaseStep&& Step) {
    TMouseActions* actions = Grid.MouseActions();
    const bool directEdit = actions->DirectEdit();
    actions->SetDirectEdit(false);
    bool result = true;
    if (Grid.Options().Contains(goRowSelect) && Grid.Navigation()->KeepHorizScroll()) {
        Grid.StartUpdate();
        const int leftCol = Grid.LeftCol();
        result = Step();
        Grid.SetLeftCol(leftCol);
        Grid.ResetUpdate();
        Grid.InvalidateGrid();
    } else if (PlainStepAllowed) {
        const bool editing = Grid.EditorMode();
        result = Step();
        if (editing) Grid.SetFocus();
    }
    actions->SetDirectEdit(directEdit);
    return result;
}

// Without a step of its own (scrolling, or the wheel off) the grid only reports it.
bool ReportOnly(TExStringGrid& Grid, const TMouseWheelUpDownEvent& Event, TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (Event) Event(&Grid, Shift, MousePos, handled);
    return handled;
}

}  // namespace

bool TExStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (FMouseActions->WheelAction() == waScroll || !EnableWheel())
        return ReportOnly(*this, OnMouseWheelDown, Shift, MousePos);
    return BaseWheelStep(*this, true, [&] { return TBaseGrid::DoMouseWheelDown(Shift, MousePos); });
}

bool TExStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (FMouseActions->WheelAction() == waScroll || !EnableWheel())
        return ReportOnly(*this, OnMouseWheelUp, Shift, MousePos);
    return BaseWheelStep(*this, Row() < RowCount() && Col() < ColCount(),
                         [&] { return TBaseGrid::DoMouseWheelUp(Shift, MousePos); });
}
