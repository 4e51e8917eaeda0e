// String grid fills, disjunct row and column selection, moving and focusing the current
// cell, repainting areas, swapping cells, and the per-row modified and enabled flags.

#include "grid/core/string_grid.h"

#include <QRandomGenerator>
#include <algorithm>

// ---- fills --------------------------------------------------------------------------

void TExStringGrid::FillCells(bool DoFixed, const std::function<void(int ACol, int ARow)>& Fill) {
    const int firstRow = DoFixed ? 0 : TStringGrid::FixedRows();
    const int lastRow = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    const int firstCol = DoFixed ? 0 : TStringGrid::FixedCols();
    const int lastCol = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c) Fill(c, r);
    UpdateFooterAll();
}

void TExStringGrid::TextFill(bool DoFixed, const QString& Txt) {
    FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, Txt); });
}

void TExStringGrid::FormatFill(bool DoFixed, const QString& Fmt) {
    // The column is the first argument and the row the second, as in "%d:%d".
    const QByteArray format = Fmt.toLatin1();
    FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, QString::asprintf(format.constData(), c, r)); });
}

void TExStringGrid::RandomFill(bool DoFixed, int Rnd) {
    FillCells(DoFixed, [&](int c, int r) {
        const int value = Rnd > 0 ? static_cast<int>(QRandomGenerator::global()->bounded(Rnd)) : 0;
        SetCells(c, r, QString::number(value));
    });
}

void TExStringGrid::LinearFill(bool DoFixed) {
    FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r)); });
}

// ---- row and column selection ---------------------------------------------------------

bool TExStringGrid::GetRowSelect(int ARow) {
    if (FMouseActions->RowSelectPersistent()) {
        // A negative row has no flag; nothing grows for it.
        if (ARow < 0) return false;
    } else if (ARow < 0 || ARow >= RowCount() + NumHiddenRows()) {
        throw EExGridError(QStringLiteral("Invalid row %1 accessed").arg(ARow));
    }
    if (FMouseActions->DisjunctRowSelect()) {
        if (ARow >= static_cast<int>(FRowSelect.size())) FRowSelect.resize(ARow + 1, false);
        return FRowSelect[ARow];
    }
    const TGridRect s = Selection();
    return ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TExStringGrid::SetRowSelect(int ARow, bool Value) {
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > TStringGrid::FixedRows()))
        throw EExGridError(QStringLiteral("Invalid row accessed"));
    bool allow = true;
    const bool present = RowFlagSet(ARow);
    if (present != Value && OnRowDisjunctSelect) OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow) return;
    if (ARow >= static_cast<int>(FRowSelect.size())) FRowSelect.resize(ARow + 1, false);
    if (Value) {
        if (!present) RepaintRow(ARow);
        FRowSelect[ARow] = true;
        if (!FSelectedRows->HasValue(ARow) && ARow >= TStringGrid::FixedRows()) FSelectedRows->Add(ARow);
    } else {
        if (present) RepaintRow(ARow);
        FRowSelect[ARow] = false;
        const int index = FSelectedRows->IndexOf(ARow);
        if (index >= 0) FSelectedRows->Delete(index);
    }
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TExStringGrid::GetColSelect(int ACol) {
    if (ACol < 0 || ACol >= ColCount()) throw EExGridError(QStringLiteral("Invalid column accessed"));
    if (ACol >= static_cast<int>(FColSelect.size())) FColSelect.resize(ACol + 1, false);
    return FColSelect[ACol];
}

void TExStringGrid::SetColSelect(int ACol, bool Value) {
    if (ACol < 0 || ACol >= ColCount()) throw EExGridError(QStringLiteral("Invalid column accessed"));
    if (ACol >= static_cast<int>(FColSelect.size())) FColSelect.resize(ACol + 1, false);
    if (FColSelect[ACol] != Value) RepaintCol(ACol);
    FColSelect[ACol] = Value;
}

int TExStringGrid::RowSelectCount() const {
    if (FMouseActions->DisjunctRowSelect()) {
        const int limit = std::min<int>(RowCount() + NumHiddenRows(), static_cast<int>(FRowSelect.size()));
        return static_cast<int>(std::count(FRowSelect.begin(), FRowSelect.begin() + limit, true));
    }
    const TGridRect s = Selection();
    return std::abs(s.Bottom - s.Top) + 1;
}

int TExStringGrid::ColSelectCount() const {
    if (FMouseActions->DisjunctColSelect())
        return static_cast<int>(std::count(FColSelect.begin(), FColSelect.end(), true));
    const TGridRect s = Selection();
    return s.Right - s.Left + 1;
}

void TExStringGrid::SelectRows(int RowIndex, int RCount) {
    if (RowIndex < 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (!FMouseActions->DisjunctRowSelect()) {
        if (RCount > 0)
            SetSelection({TStringGrid::FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int row = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (row < RowCount()) SetRowSelect(row, true);
        }
    }
    if (TStringGrid::FixedCols() > 0) RepaintCol(0);
    FSelChange = false;
}

void TExStringGrid::UnSelectRows(int RowIndex, int RCount) {
    if (FMouseActions->DisjunctRowSelect() && RowIndex >= 0) {
        RCount = std::min(RCount, RowCount() - RowIndex);
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int row = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (row < RowCount()) SetRowSelect(row, false);
        }
    }
    FSelChange = false;
}

void TExStringGrid::SelectCols(int ColIndex, int CCount) {
    if (ColIndex < 0) return;
    if (!FMouseActions->DisjunctColSelect()) {
        if (CCount > 0)
            SetSelection({ColIndex, TStringGrid::FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExStringGrid::UnSelectCols(int ColIndex, int CCount) {
    if (!FMouseActions->DisjunctColSelect() || ColIndex < 0) return;
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TExStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
    TStringGrid::SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::ClearRowSelect() {
    if (FRowSelect.empty()) return;
    for (int r = 0; r < static_cast<int>(FRowSelect.size()); ++r) {
        if (!FRowSelect[r]) continue;
        FRowSelect[r] = false;
        RepaintRow(r);
    }
    FSelectedRows->Clear();
}

void TExStringGrid::ClearColSelect() {
    for (int c = 0; c < static_cast<int>(FColSelect.size()); ++c) {
        if (!FColSelect[c]) continue;
        FColSelect[c] = false;
        RepaintCol(c);
    }
}

void TExStringGrid::SelectionToRowSelect(bool ClearOthers) {
    TGridRect s = SelectionRectangleOrdered();
    s.Bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= s.Top && r <= s.Bottom;
        if (!inside && !ClearOthers) continue;
        SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r, inside);
    }
    if (NumHiddenRows() > 0) InvalidateGrid();
}

void TExStringGrid::SelectionToColSelect(bool ClearOthers) {
    const TGridRect s = SelectionRectangleOrdered();
    for (int c = TStringGrid::FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= s.Left && c <= s.Right;
        if (inside || ClearOthers) SetColSelect(c, inside);
    }
}

// ---- current cell ---------------------------------------------------------------------

void TExStringGrid::GotoCell(int ACol, int ARow) {
    TStringGrid::SetRow(ARow);
    SetCol(ACol);
}

void TExStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

void TExStringGrid::MoveCurrentCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

// ---- repainting -------------------------------------------------------------------------

void TExStringGrid::RepaintRow(int ARow) {
    if (ARow < 0 || ARow >= RowCount()) return;
    InvalidateRow(ARow);
}

void TExStringGrid::RepaintCol(int ACol) {
    if (ACol < 0 || ACol >= ColCount()) return;
    const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    for (int r = 0; r <= lastRow; ++r) InvalidateCell(ACol, r);
}

void TExStringGrid::RepaintRect(TRect r) {
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
    const int lastVisible = LeftCol() + VisibleColCount();
    const TRect a = CellRect(r.Left, r.Top);
    const TRect b = CellRect(std::min(r.Right, lastVisible), r.Bottom);
    if (a.IsEmpty() || b.IsEmpty()) {
        InvalidateGrid();
        return;
    }
    const QRect area = a.ToQRect().united(b.ToQRect());
    Surface()->update(area);
}

void TExStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
    if (FromCell.X < 0 || FromCell.Y < 0 || ToCell.X < 0 || ToCell.Y < 0) return;
    const QString text = GetGridCell(FromCell.X, FromCell.Y);
    TObject* object = GetGridObject(FromCell.X, FromCell.Y);
    TStringGrid::SetCells(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    TStringGrid::SetObjects(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    TStringGrid::SetCells(ToCell.X, ToCell.Y, text);
    TStringGrid::SetObjects(ToCell.X, ToCell.Y, object);
}

// ---- row flags ------------------------------------------------------------------------

bool TExStringGrid::GetRowModified(int ARow) const {
    return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->Items(ARow) == 1;
}

void TExStringGrid::SetRowModified(int ARow, bool Value) {
    if (ARow < 0) return;
    while (FModifiedRows->Count() <= ARow) FModifiedRows->Insert(FModifiedRows->Count(), 0);
    FModifiedRows->SetInteger(ARow, Value ? 1 : 0);
    RepaintCell(0, ARow);
}

int TExStringGrid::ModifiedRowCount() const {
    int count = 0;
    for (int i = 0; i < FModifiedRows->Count(); ++i) count += FModifiedRows->Items(i) == 1 ? 1 : 0;
    return count;
}

bool TExStringGrid::GetRowEnabled(int ARow) const {
    return ARow < 0 || ARow >= FEnabledRows->Count() || FEnabledRows->Items(ARow) == 0;
}

void TExStringGrid::SetRowEnabled(int ARow, bool Value) {
    if (ARow < 0) return;
    if (ARow == Row()) {
        for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) {
            if (r != ARow && GetRowEnabled(r)) {
                TStringGrid::SetRow(r);
                break;
            }
        }
    }
    FUseEnabledRows = true;
    while (FEnabledRows->Count() <= ARow) FEnabledRows->Insert(FEnabledRows->Count(), 0);
    FEnabledRows->SetInteger(ARow, Value ? 0 : 1);
    RepaintRow(ARow);
}
