// Dimensions of the string grid (counts, fixed lines, default sizes), the setters that
// do more than store, the scroll bars, and the notices of changed sizes.
//
// Sections: counts and fixed lines; setters; scroll bars and scroll notices (hints
// while a thumb is dragged); stretching a column to the client width; size notices
// (user sizing of a column or row scales the others with AllColumnSize / AllRowSize,
// OnColumnSize / OnRowSize may forbid sizing a line).

#include "grid/core/string_grid.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {

bool IsLoading(const TComponent& component) { return component.ComponentState().Contains(csLoading); }

int ShownFixed(int Fixed, bool Always) { return Fixed == 0 && Always ? 1 : Fixed; }
int ClippedFixed(int Asked, bool Always, int Count) { return Always && Asked >= Count ? Count - 1 : Asked; }

// Scales a size, the nearest integer taken and a tie going to the even one.
int Scaled(int size, int newSize, int oldSize) {
    return int(std::nearbyint(double(size) * double(newSize) / double(oldSize)));
}

}  // namespace

// ---- counts and fixed lines --------------------------------------------------------

void TExStringGrid::SetRowCount(int Value) {
    const int old = RowCount();
    Value = std::max(1, Value);
    if (FFloatingFooter->Visible && Value != old && old > 1 && Value > 1)
        MoveFooterRow(Value);
    else
        SetRowCountRaw(Value);
    if (FFixedRowAlways && Value > FFixedRowsMin) TStringGrid::SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
    FNormalRowCount = Value;
    ApplyCountChange();
    if (FFloatingFooter->Visible && Value != old) CalcFooter(-1);
}

// The footer row moves whole to the new last row (texts and objects), so its
// calculations stay with it and no object is left behind or held twice.
void TExStringGrid::MoveFooterRow(int NewCount) {
    TRowBlock footer = TakeRowsOut({RowCount() - 1});
    SetRowCountRaw(NewCount - 1);
    TStringGrid::PutRowsBack({NewCount - 1}, std::move(footer));
}

void TExStringGrid::SetColCount(int Value) {
    SetColCountRaw(Value);
    if (FFixedColAlways && FFixedColsMin < ColCount()) TStringGrid::SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, ColCount());
    if (FIntegralHeight) SetBounds(x(), y(), width(), height());
    ApplyCountChange();
}

void TExStringGrid::ApplyCountChange() {
    RefreshScrollBars();
    ApplyScrollBarAlways(false);
    InvalidateGrid();
}

void TExStringGrid::SetCol(int Value) {
    if (Value == Col()) return;  // also ends the echo from a partner grid
    TStringGrid::SetCol(Value);
    if (TExStringGrid* partner = FSyncGrid->Grid(); partner && FSyncGrid->SelectionColumn()) partner->SetCol(Value);
}

// With FixedRowAlways (FixedColAlways) a grid shows at least one fixed line and keeps
// one scrolled line; the count asked for is remembered as the minimum to go back to.
int TExStringGrid::FixedRows() const { return ShownFixed(TStringGrid::FixedRows(), FFixedRowAlways); }

void TExStringGrid::SetFixedRows(int Value) {
    TStringGrid::SetFixedRows(ClippedFixed(Value, FFixedRowAlways, RowCount()));
    if (!IsLoading(*this)) FFixedRowsMin = Value;
}

int TExStringGrid::FixedCols() const { return ShownFixed(TStringGrid::FixedCols(), FFixedColAlways); }

void TExStringGrid::SetFixedCols(int Value) {
    TStringGrid::SetFixedCols(ClippedFixed(Value, FFixedColAlways, ColCount()));
    if (!IsLoading(*this)) FFixedColsMin = Value;
}

int TExStringGrid::FixedColWidth() const { return ColWidths(0); }

void TExStringGrid::SetFixedColWidth(int Value) {
    if (IsLoading(*this) || Value == DefaultColWidth()) return;
    for (int c = 0; c < TStringGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TExStringGrid::SetFixedRowHeight(int Value) {
    FFixedRowHeight = Value;
    if (IsLoading(*this)) return;
    if (Value == DefaultRowHeight())
        SetDefaultRowHeight(Value);
    else
        for (int r = 0; r < TStringGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

void TExStringGrid::SetDefaultRowHeight(int Value) {
    TStringGrid::SetDefaultRowHeight(Value);
    if (InDesignMode()) FFixedRowHeight = Value;
    FFloatingFooter->Height = Value;
}

void TExStringGrid::AppendRow() { SetRowCount(RowCount() + 1); }

// ---- setters -------------------------------------------------------------------------

void TExStringGrid::SetWordWrap(bool Value) {
    TBaseGrid::SetWordWrap(Value);
    if (FUpdateCount == 0) InvalidateGrid();
}

void TExStringGrid::SetIntegralHeight(bool Value) {
    FIntegralHeight = Value;
    SetBounds(x(), y(), width(), height());
}

void TExStringGrid::SetAutoSize(bool Value) { FAutoSize = Value; }

void TExStringGrid::SetAutoThemeAdapt(bool Value) {
    if (FAutoThemeAdapt == Value) return;
    FAutoThemeAdapt = Value;
    if (Value) InvalidateGrid();
}

void TExStringGrid::SetFlat(bool Value) {
    FFlat = Value;
    if (!IsLoading(*this)) InvalidateGrid();
}

void TExStringGrid::SetHovering(bool Value) { FHovering = Value; }

void TExStringGrid::SetVAlignment(TVAlignment Value) {
    FVAlignment = Value;
    FVAlign = Value == vtaCenter ? 4 : Value == vtaBottom ? 8 : 0;  // the text-drawing flags
    if (FUpdateCount == 0) InvalidateGrid();
}

void TExStringGrid::SetSpreadSheet(bool Value) {
    // Whatever the value, the grid takes the spreadsheet's selection and editing.
    FSpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation->SetAllowSmartClipboard(true);
    TGridOptions options = Options();
    options.Include(goRangeSelect);
    options.Include(goEditing);
    SetOptions(options);
    FMouseActions->SetRangeSelectAndEdit(true);
}

void TExStringGrid::SetMaxEditLength(int Value) {
    FMaxEditLength = Value;
    if (InplaceEditor()) InplaceEditor()->SetMaxLength(Value);
}

void TExStringGrid::SetBorderColor(TColor Value) {
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    if (parentWidget()) InvalidateGrid();
}

void TExStringGrid::SetSelection(const TGridRect& Value) {
    TStringGrid::SetSelection(Value);
    if (FActiveCellShow) {
        InvalidateRow(0);
        RepaintCol(0);
    }
    if (ActiveRowShow()) RepaintRow(Value.Bottom);
}

// ---- scroll bars ---------------------------------------------------------------------

void TExStringGrid::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    const bool horizontal = Value == ssHorizontal || Value == ssBoth;
    const bool vertical = Value == ssVertical || Value == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    ApplyScrollBarAlways(false);
}

// Flat and Encarta bars come from a platform library that is not there: the grid keeps
// its normal bars (FIsFlat stays false). The thin Metro bars take the place of the
// window's bars, so those go.
void TExStringGrid::SetScrollType(TScrollType Value) {
    if (FScrollType == Value) return;
    FScrollType = Value;
    FIsFlat = false;
    SetScrollBars(Value == ssMetro ? ssNone : ssBoth);
    if (Value == ssMetro)
        CreateScrollControls();
    else
        FreeScrollControls();
}

void TExStringGrid::SetScrollColor(TColor Value) { FScrollColor = Value; }

void TExStringGrid::SetScrollWidth(int Value) { FScrollWidth = Value; }

void TExStringGrid::SetScrollProportional(bool Value) {
    FScrollProportional = Value;
    RefreshScrollBars();
}

int TExStringGrid::ScrollThumbPage(TScrollBarKind Bar) const {
    if (FScrollProportional && !FScrollLock) return TBaseGrid::ScrollThumbPage(Bar);
    return 1;  // a thumb of fixed length
}

void TExStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
    FScrollBarAlways = Value;
    ApplyScrollBarAlways(true);
}

void TExStringGrid::ApplyScrollBarAlways(bool Force) {
    const bool rowsFit = VisibleRowCount() + TStringGrid::FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + TStringGrid::FixedCols() >= ColCount();
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    if (FScrollBarAlways == saNone) {
        if (!Force) return;
        if (rowsFit) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (colsFit) setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return;
    }
    if (rowsFit) {
        const bool show = FScrollBarAlways == saVert || FScrollBarAlways == saBoth;
        setVerticalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
    if (colsFit) {
        const bool show = FScrollBarAlways == saHorz || FScrollBarAlways == saBoth;
        setHorizontalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
    vertical->setEnabled(!rowsFit);
    horizontal->setEnabled(!colsFit);
}

bool TExStringGrid::ScrollNotice(TScrollBarKind Bar, TScrollCode Code, int Pos) {
    const bool vertical = Bar == sbVertical;
    const bool hints = FScrollHints == shBoth || FScrollHints == (vertical ? shVertical : shHorizontal);
    if (Code == scEndScroll) {
        if (FScrollHintWindow) FScrollHintWindow->hide();
        return false;
    }
    if (Code != scThumbTrack) return false;
    // The bar's position is the first scrolled line the view shows when the thumb is let go.
    if (hints) {
        QString text = (vertical ? QStringLiteral("Row : ") : QStringLiteral("Col : ")) + QString::number(Pos);
        if (OnScrollHint) OnScrollHint(this, Pos, text);
        if (!FScrollHintWindow) {
            FScrollHintWindow = new QLabel(this, Qt::ToolTip);
            FScrollHintWindow->setAutoFillBackground(true);
            FScrollHintWindow->setMaximumWidth(100);
        }
        QPalette palette = FScrollHintWindow->palette();
        palette.setColor(QPalette::Window, ToQColor(FHintColor));
        FScrollHintWindow->setPalette(palette);
        FScrollHintWindow->setText(text);
        FScrollHintWindow->adjustSize();
        FScrollHintWindow->move(QCursor::pos() + QPoint(10, 0));
        FScrollHintWindow->show();
    }
    if (FScrollSynch) {
        if (vertical)
            SetTopRow(Pos);
        else
            SetLeftCol(Pos);
    }
    return false;
}

// ---- stretching ----------------------------------------------------------------------

void TExStringGrid::StretchColumn(int Index) {
    if (IsLoading(*this) || ComponentState().Contains(csDestroying)) return;
    if (Index < -1 || Index >= ColCount()) throw EExGridError("Stretch column index out of range");
    StretchColumnAt(Index);
}

void TExStringGrid::StretchRightColumn() { StretchColumn(-1); }

void TExStringGrid::StretchFromNotice() {
    const int index = FColumnSize->StretchColumn();
    if (!FColumnSize->Stretch() || index < -1 || index >= ColCount()) return;
    if (IsLoading(*this) || ComponentState().Contains(csDestroying)) return;
    StretchColumnAt(index);
}

void TExStringGrid::StretchColumnAt(int Index) {
    if (ColCount() == 0 || !FColumnSize->Stretch() || FStretching) return;
    if (Index == -1) Index = ColCount() - 1;
    const int client = viewport()->width();
    FStretching = true;
    if (ColCount() == 1) {
        SetColWidths(Index, client);
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != Index) others += ColWidths(c);
        if (others < client)
            SetColWidths(Index, client - others - 1);
        else if (LeftCol() == TStringGrid::FixedCols())
            SetColWidths(Index, DefaultColWidth());
    }
    FStretching = false;
}

// ---- size notices ----------------------------------------------------------------------

void TExStringGrid::SizeChanged() {
    if (!parentWidget() || IsLoading(*this) || ComponentState().Contains(csReading)) return;
    StretchFromNotice();
}

void TExStringGrid::ColWidthsChanged() {
    if (!FStretching) StretchFromNotice();
    TBaseGrid::ColWidthsChanged();
    // Only the notice of the user's own sizing; the sizes this handling sets come back
    // here as notices of their own.
    if (GridState() == gsColSizing && SizingIndex() >= 0 && !FStretching && !FIsColChanging) {
        const int sized = SizingIndex();
        const int oldWidth = SizingStartSize();
        FIsColChanging = true;
        if (FMouseActions->AllColumnSize() && oldWidth > 0) {
            const int newWidth = ColWidths(sized);
            for (int c = TStringGrid::FixedCols(); c < ColCount(); ++c)
                if (c != sized) SetColWidths(c, Scaled(ColWidths(c), newWidth, oldWidth));
        }
        if (OnEndColumnSize) OnEndColumnSize(this, sized);
        int width = ColWidths(sized);
        DoUpdateColumnSize(DisplCol(sized), width);
        if (width != ColWidths(sized)) SetColWidths(sized, width);
        FIsColChanging = false;
    }
    Colclicked = -1;
    Rowclicked = -1;
}

void TExStringGrid::RowHeightsChanged() {
    TBaseGrid::RowHeightsChanged();
    if (GridState() == gsRowSizing && SizingIndex() >= 0 && !FIsColChanging) {
        const int sized = SizingIndex();
        const int oldHeight = SizingStartSize();
        FIsColChanging = true;
        if (FMouseActions->AllRowSize() && oldHeight > 0) {
            const int newHeight = RowHeights(sized);
            for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r)
                if (r != sized) SetRowHeights(r, Scaled(RowHeights(r), newHeight, oldHeight));
        }
        if (OnEndRowSize) OnEndRowSize(this, sized);
        FIsColChanging = false;
    }
    Colclicked = -1;
    Rowclicked = -1;
}

void TExStringGrid::CalcSizingState(int, int, TGridState& State, int& Index) {
    bool allow = true;
    if (State == gsColSizing && OnColumnSize) OnColumnSize(this, Index, allow);
    if (State == gsRowSizing && OnRowSize) OnRowSize(this, Index, allow);
    if (!allow) State = gsNormal;
}
