// Check-box state: reading and setting it, toggling with group propagation and undo,
// radio-button and radio-group selection, and the hit test of a glyph.
//
// Row indexes: GetCheckBoxState and SetCheckBoxState take a real row while rows are
// hidden (an outside caller holds real rows then, as the row helpers of the editors do),
// and find the object by real row; ChangeCheckBoxState, the toggles and the hit test take
// displayed rows.
//
// Where the state lives: a plain box and a radio button in CellBoolean, a tri-state box
// in CellCheckBoxState, a data or virtual box in the cell text (checked exactly when it
// is the check-true text), a row check box in the row's RowSelect flag.

#include "grid/core/string_grid.h"

#include "grid/core/grid_undo_redo.h"
#include "grid/core/radio_items.h"

namespace {

bool IsCheckBoxKind(TCellType Kind) {
    return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox ||
           Kind == ctTriStateCheckBox;
}

bool IsTextKind(TCellType Kind) { return Kind == ctDataCheckBox || Kind == ctVirtCheckBox; }

// A user's toggle asks the grid's editability unless the kind's switch keeps it active.
bool UserMayChange(TExStringGrid& Grid, int ACol, int ARow, bool FromUser, bool AlwaysActive) {
    if (!FromUser || AlwaysActive) return true;
    bool canEdit = true;
    Grid.CanEditBaseCell(RealCol(ACol), DisplRow(ARow), canEdit);
    return canEdit;
}

}  // namespace

TCellGraphic* TExStringGrid::CheckBoxObjectAt(int ACol, int ARow) const {
    if (NumHiddenRows() == 0 || (ACol == 0 && FMouseActions->HotmailRowSelect())) return GetCellGraphic(ACol, ARow);
    if (!IsHiddenRow(ARow)) return GetCellGraphic(ACol, DisplRowIndex(ARow));
    const auto* props = dynamic_cast<const TCellProperties*>(GetAllGridObject(ACol, ARow));
    if (auto* own = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr) return own;
    // A held-out row without an object of its own: only the shared graphics answer, as
    // for a data row (the first one stands for it).
    TCellGraphic* shared = GetCellGraphic(ACol, TStringGrid::FixedRows());
    if (shared && (IsTextKind(shared->CellType()) || shared->CellType() == ctRowCheckBox)) return shared;
    return nullptr;
}

namespace {
// The texts of a cell addressed the way GetCheckBoxState addresses it.
struct CheckBoxCell {
    TExStringGrid& Grid;
    int Col;
    int Row;
    bool ByRealRow;

    QString Text() const { return ByRealRow ? Grid.AllCells(Col, Row) : Grid.Cells(Col, Row); }
    void SetText(const QString& Value) const {
        if (ByRealRow)
            Grid.SetAllCells(Col, Row, Value);
        else
            Grid.SetCells(Col, Row, Value);
    }
    int DisplayedRow() const { return ByRealRow ? Grid.DisplRowIndex(Row) : Row; }
    // The displayed row the per-cell questions are asked for; a held-out row is asked
    // about as a data row.
    int QuestionRow() const {
        if (!ByRealRow) return Row;
        return Grid.IsHiddenRow(Row) ? Grid.FixedRows() : Grid.DisplRowIndex(Row);
    }
    QString CheckTrue() const {
        QString value;
        Grid.GetCheckTrue(RealCol(Col), DisplRow(QuestionRow()), value);
        return value;
    }
    QString CheckFalse() const {
        QString value;
        Grid.GetCheckFalse(RealCol(Col), DisplRow(QuestionRow()), value);
        return value;
    }
    bool TextChecked() const { return Text() == CheckTrue(); }
    // A held-out row is not on the screen: nothing to repaint.
    void Repaint() const {
        if (ByRealRow && Grid.IsHiddenRow(Row)) return;
        Grid.RepaintCell(Grid.DisplColIndex(Col), DisplayedRow());
    }
};
}  // namespace

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
    TCheckBoxState state = cbUnchecked;
    if (!GetCheckBoxState(ACol, ARow, state)) return false;
    State = state == cbChecked;
    return true;
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
    const TCellGraphic* graphic = CheckBoxObjectAt(ACol, ARow);
    if (!graphic) return false;
    const CheckBoxCell cell{*this, ACol, ARow, NumHiddenRows() > 0};
    switch (graphic->CellType()) {
    case ctCheckBox: State = BoolToCheckBoxState(graphic->CellBoolean()); return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: State = BoolToCheckBoxState(cell.TextChecked()); return true;
    // The same answer whether rows are hidden or not: the box's own state.
    case ctTriStateCheckBox: State = graphic->CellCheckBoxState(); return true;
    case ctRowCheckBox:
        if (ACol != 0 || ARow >= TotalRowCount()) return false;
        State = BoolToCheckBoxState(GetRowSelect(ARow));
        return true;
    default: return false;
    }
}

bool TExStringGrid::IsChecked(int ACol, int ARow) {
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
    TCellGraphic* graphic = CheckBoxObjectAt(ACol, ARow);
    if (!graphic) return false;
    const CheckBoxCell cell{*this, ACol, ARow, NumHiddenRows() > 0};
    switch (graphic->CellType()) {
    case ctCheckBox:
        graphic->SetCellBoolean(State);
        cell.Repaint();
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: cell.SetText(State ? cell.CheckTrue() : cell.CheckFalse()); return true;
    case ctRowCheckBox:
        if (ACol != 0 || ARow >= TotalRowCount()) return false;
        SetRowSelect(ARow, State);
        return true;
    default: return false;
    }
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
    TCellGraphic* graphic = CheckBoxObjectAt(ACol, ARow);
    if (!graphic || graphic->CellType() != ctTriStateCheckBox) return false;
    graphic->SetCellCheckBoxState(State);
    CheckBoxCell{*this, ACol, ARow, NumHiddenRows() > 0}.Repaint();
    return true;
}

bool TExStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value) {
    TCellGraphic* graphic = CheckBoxObjectAt(ACol, NumHiddenRows() > 0 ? RealRowIndex(ARow) : ARow);
    if (!graphic) return false;
    const CheckBoxCell cell{*this, ACol, ARow, false};
    switch (graphic->CellType()) {
    case ctCheckBox:
        if (graphic->CellBoolean() != Value) {
            graphic->SetCellBoolean(Value);
            DoCheckBoxChange(ACol, ARow, Value);
            cell.Repaint();
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const bool was = cell.TextChecked();
        cell.SetText(Value ? cell.CheckTrue() : cell.CheckFalse());
        if (Value != was) DoCheckBoxChange(ACol, ARow, Value);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0 || ARow >= TotalRowCount()) return false;
        if (GetRowSelect(ARow) != Value) {
            SetRowSelect(ARow, Value);
            DoCheckBoxChange(ACol, ARow, Value);
        }
        return true;
    default: return false;
    }
}

void TExStringGrid::CheckAll(int ACol) {
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
    if (NumHiddenColumns() > 0) RepaintCol(DisplColIndex(ACol));
}

void TExStringGrid::UnCheckAll(int ACol) {
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

bool TExStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
    if (!HasRadioButton(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (graphic->CellBoolean() != State) {
        graphic->SetCellBoolean(State);
        RepaintCell(DisplColIndex(ACol), ARow);
    }
    return true;
}

void TExStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State) {
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

// ---- toggling ------------------------------------------------------------------------

bool TExStringGrid::ToggleCheck(int ACol, int ARow, bool FromUser) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    const bool autoGroup = FGrouping->AutoCheckGroup;
    const bool wasNode = autoGroup && IsNode(ARow);
    int nodeSpan = 0, parentRow = -1, parentSpan = 0;
    bool nodeContracted = false;
    if (wasNode) {
        nodeSpan = GetNodeSpan(ARow);
        nodeContracted = GetNodeState(ARow);
    } else if (autoGroup) {
        parentRow = GetParentRow(ARow);
        parentSpan = GetNodeSpan(parentRow);
    }
    const TCellType kind = graphic->CellType();
    if (!IsCheckBoxKind(kind)) return false;
    if (!UserMayChange(*this, ACol, ARow, FromUser, FControlLook->CheckAlwaysActive)) return false;
    const CheckBoxCell cell{*this, ACol, ARow, false};
    bool newState = false;
    switch (kind) {
    case ctCheckBox:
        newState = !graphic->CellBoolean();
        graphic->SetCellBoolean(newState);
        break;
    case ctTriStateCheckBox: {
        const TCheckBoxState old = graphic->CellCheckBoxState();
        TCheckBoxState next;
        if (wasNode) {
            next = old == cbChecked ? cbUnchecked : cbChecked;
            newState = next == cbChecked;
        } else {
            next = old == cbUnchecked ? cbGrayed : old == cbGrayed ? cbChecked : cbUnchecked;
        }
        graphic->SetCellCheckBoxState(next);
        break;
    }
    default:  // data, virtual and row check boxes: the text is the state
        newState = !cell.TextChecked();
        cell.SetText(newState ? cell.CheckTrue() : cell.CheckFalse());
        break;
    }
    cell.Repaint();
    DoCheckBoxChange(ACol, ARow, newState);
    if (autoGroup)
        PropagateGroupCheck(ACol, ARow, newState, wasNode, nodeSpan, nodeContracted, parentRow, parentSpan);
    // Undo writes texts back: only a box whose state is its text can be undone that way.
    if (UndoRedo() && (IsTextKind(kind) || kind == ctRowCheckBox)) {
        const QString checkTrue = cell.CheckTrue(), checkFalse = cell.CheckFalse();
        if (newState)
            UndoRedo()->RegisterChange(ACol, ARow, checkFalse, checkTrue);
        else
            UndoRedo()->RegisterChange(ACol, ARow, checkTrue, checkFalse);
    }
    return true;
}

void TExStringGrid::PropagateGroupCheck(int ACol, int ARow, bool NewState, bool WasNode, int NodeSpan,
                                        bool NodeContracted, int ParentRow, int ParentSpan) {
    if (WasNode) {
        // A contracted node's children are held out right behind its real row.
        for (int offset = 1; offset < NodeSpan; ++offset) {
            const int child = NodeContracted ? RealRowIndex(ARow) + offset : RealRowIndex(ARow + offset);
            SetCheckBoxState(ACol, child, NewState);
        }
        return;
    }
    if (ParentRow < 0 || ParentSpan < 2) return;
    bool first = false;
    GetCheckBoxState(ACol, RealRowIndex(ParentRow + 1), first);
    bool allEqual = true;
    for (int offset = 1; offset < ParentSpan; ++offset) {
        bool state = false;
        GetCheckBoxState(ACol, RealRowIndex(ParentRow + offset), state);
        if (state != first) allEqual = false;
    }
    const TCheckBoxState parentState = !allEqual ? cbGrayed : first ? cbChecked : cbUnchecked;
    SetCheckBoxState(ACol, RealRowIndex(ParentRow), parentState);
}

bool TExStringGrid::ToggleRadioButton(int ACol, int ARow, bool FromUser) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType() != ctRadioButton) return false;
    if (!UserMayChange(*this, ACol, ARow, FromUser, FControlLook->RadioAlwaysActive)) return false;
    if (!graphic->CellBoolean()) {
        graphic->SetCellBoolean(true);
        RepaintCell(DisplColIndex(ACol), ARow);
        UncheckOtherRadioButtons(ACol, ARow);
    }
    return true;
}

void TExStringGrid::UncheckOtherRadioButtons(int ACol, int ARow) {
    for (int r = 0; r < RowCount(); ++r) {
        if (r == ARow) continue;
        TCellGraphic* other = GetCellGraphic(ACol, r);
        if (other && other->CellType() == ctRadioButton && other->CellBoolean()) {
            other->SetCellBoolean(false);
            RepaintCell(DisplColIndex(ACol), r);
        }
    }
}

void TExStringGrid::AdvanceRadioSelection(int ACol, int ARow, bool FromUser) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType() != ctRadio) return;
    if (!UserMayChange(*this, ACol, ARow, FromUser, FControlLook->RadioAlwaysActive)) return;
    const auto* holder = dynamic_cast<const TRadioItems*>(graphic->CellBitmap());
    const TStringList* items = holder ? holder->Items() : nullptr;
    if (!items || items->Count() == 0) return;
    int next = graphic->CellIndex() >= 0 ? graphic->CellIndex() + 1 : items->IndexOf(Cells(ACol, ARow)) + 1;
    if (next >= items->Count()) next = 0;
    // A group whose index is below -1 keeps its choice in the cell text alone.
    if (graphic->CellIndex() >= -1) graphic->SetCellIndex(next);
    graphic->SetCellVar(next);
    SetCells(ACol, ARow, items->Strings(next));
}

// ---- the glyph hit test ----------------------------------------------------------------

bool TExStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !(IsCheckBoxKind(graphic->CellType()) || graphic->CellType() == ctRadioButton)) return false;
    if (!FMouseActions->PreciseCheckBoxCheck()) return true;
    const TRect cell = CellRect(DisplColIndex(ACol), ARow);
    const int side = FControlLook->CheckSize;
    int top = 0;
    switch (graphic->CellVAlign()) {
    case vaTop: top = cell.Top + 2; break;
    case vaBottom: top = cell.Bottom - side - 2; break;
    case vaCenter: top = cell.Top + (cell.Bottom - cell.Top - side) / 2; break;
    default: break;
    }
    int left = cell.Left + 2;
    switch (ResolveCellAlignment(ACol, ARow)) {
    case taRightJustify:
        left = cell.Right - side - 2;
        if (!Cells(ACol, ARow).isEmpty()) left -= GetCellTextSize(ACol, ARow, false, false).cx;
        break;
    case taCenter: left = cell.Left + (cell.Right - cell.Left - side) / 2; break;
    default: break;
    }
    return XPos >= left && XPos < left + side && YPos >= top && YPos < top + side;
}
