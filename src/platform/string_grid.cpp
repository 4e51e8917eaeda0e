// The string grid's dimensions, storage, current cell, selection and scrolling.
// Painting is in string_grid_paint.cpp, keys and mouse in string_grid_input.cpp, the
// in-place editor in string_grid_editor.cpp.

#include "platform/string_grid.h"

#include <QScrollBar>
#include <algorithm>
#include <cassert>
#include <utility>

TStringGrid::TStringGrid(TComponent* AOwner, QWidget* AParent)
    : TCustomControlOf<QAbstractScrollArea>(AOwner, AParent), FColAxis(5, 1, 64), FRowAxis(5, 1, 24),
      FCurrent{1, 1}, FAnchor{1, 1},
      FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect} {
    FCells.SetWidthHint(ColCount());
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    // Paint covers every pixel of the view; this also lets a scroll move the pixels on
    // screen instead of repainting them.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    ConnectScrollBar(sbHorizontal);
    ConnectScrollBar(sbVertical);
    UpdateScrollBars();
}

TStringGrid::~TStringGrid() = default;

int TStringGrid::ClientW() const { return const_cast<TStringGrid*>(this)->viewport()->width(); }
int TStringGrid::ClientH() const { return const_cast<TStringGrid*>(this)->viewport()->height(); }

// ---- counts and sizes -------------------------------------------------------------

void TStringGrid::SetColCount(int value) {
    value = std::max(1, value);
    if (value == ColCount()) return;
    HideEditor();
    const bool lowered = value < ColCount();
    FColAxis.SetCount(value);
    FCells.SetWidthHint(value);
    if (FixedCols() >= value) FColAxis.SetFixed(value - 1);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    if (lowered) StructureChanged();
}

void TStringGrid::SetRowCount(int value) {
    value = std::max(1, value);
    if (value == RowCount()) return;
    HideEditor();
    const bool lowered = value < RowCount();
    FRowAxis.SetCount(value);
    if (FixedRows() >= value) FRowAxis.SetFixed(value - 1);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    if (lowered) StructureChanged();
}

void TStringGrid::SetFixedCols(int value) {
    value = std::clamp(value, 0, ColCount() - 1);
    FColAxis.SetFixed(value);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
}

void TStringGrid::SetFixedRows(int value) {
    value = std::clamp(value, 0, RowCount() - 1);
    FRowAxis.SetFixed(value);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
}

void TStringGrid::SetDefaultColWidth(int value) {
    FColAxis.SetDefaultSize(std::max(0, value));
    ColWidthsChanged();
}

void TStringGrid::SetDefaultRowHeight(int value) {
    FRowAxis.SetDefaultSize(std::max(0, value));
    RowHeightsChanged();
}

void TStringGrid::SetColWidths(int ACol, int value) {
    if (ACol < 0 || ACol >= ColCount() || ColWidths(ACol) == value) return;
    FColAxis.SetSize(ACol, value);
    ColWidthsChanged();
    InvalidateEditor();
}

void TStringGrid::SetRowHeights(int ARow, int value) {
    if (ARow < 0 || ARow >= RowCount() || RowHeights(ARow) == value) return;
    FRowAxis.SetSize(ARow, value);
    RowHeightsChanged();
    InvalidateEditor();
}

void TStringGrid::SetGridLineWidth(int value) {
    FGridLineWidth = std::max(0, value);
    InvalidateGrid();
}

void TStringGrid::SetFixedColor(TColor value) {
    FFixedColor = value;
    InvalidateGrid();
}

void TStringGrid::SetBiDiMode(TBiDiMode value) {
    FBiDiMode = value;
    InvalidateGrid();
}

// Keeps the current cell, the anchor and the first scrolled lines on scrolled cells.
void TStringGrid::ClampCurrent() {
    auto clampLine = [](int v, int fixed, int count) { return std::clamp(v, std::min(fixed, count - 1), count - 1); };
    FCurrent.X = clampLine(FCurrent.X, FixedCols(), ColCount());
    FCurrent.Y = clampLine(FCurrent.Y, FixedRows(), RowCount());
    FAnchor.X = clampLine(FAnchor.X, FixedCols(), ColCount());
    FAnchor.Y = clampLine(FAnchor.Y, FixedRows(), RowCount());
    FColAxis.SetFirst(clampLine(LeftCol(), FixedCols(), ColCount()));
    FRowAxis.SetFirst(clampLine(TopRow(), FixedRows(), RowCount()));
}

// ---- storage ----------------------------------------------------------------------

void TStringGrid::SetCells(int ACol, int ARow, const QString& value) {
    if (ACol < 0 || ARow < 0) return;
    FCells.SetText(ACol, ARow, value);
    if (ACol < ColCount() && ARow < RowCount()) InvalidateCell(ACol, ARow);
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* value) {
    if (ACol < 0 || ARow < 0) return;
    FCells.SetObject(ACol, ARow, value);
}

void TStringGrid::InsertRowsAt(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow > RowCount()) return;
    HideEditor();
    if (ARow < RowCount()) LinesMoving(true, ARow, RowCount() - 1, false);
    FCells.InsertRows(ARow, ACount);
    FRowAxis.InsertLines(ARow, ACount);
    if (FCurrent.Y >= ARow && FCurrent.Y >= FixedRows()) FCurrent.Y += ACount;
    if (FAnchor.Y >= ARow && FAnchor.Y >= FixedRows()) FAnchor.Y += ACount;
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    StructureChanged();
}

void TStringGrid::DeleteRowsAt(int ARow, int ACount) {
    if (ACount <= 0 || ARow < 0 || ARow >= RowCount()) return;
    ACount = std::min(ACount, RowCount() - std::max(ARow, 1));  // a grid keeps one row
    if (ACount <= 0) return;
    HideEditor();
    LinesMoving(true, ARow, ARow + ACount - 1, true);
    FCells.DeleteRows(ARow, ACount);
    FRowAxis.DeleteLines(ARow, ACount);
    if (FixedRows() >= RowCount()) FRowAxis.SetFixed(RowCount() - 1);
    auto follow = [&](int& y) {
        if (y >= ARow + ACount) y -= ACount;
        else if (y >= ARow) y = ARow;
    };
    follow(FCurrent.Y);
    follow(FAnchor.Y);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    StructureChanged();
}

TStringGrid::TRowBlock TStringGrid::TakeRowsOut(const std::vector<int>& ascendingRows) {
    TRowBlock block;
    if (ascendingRows.empty()) return block;
    assert(ascendingRows.front() >= 0 && ascendingRows.back() < RowCount());
    assert(int(ascendingRows.size()) < RowCount());  // a grid keeps one row
    HideEditor();
    for (int row : ascendingRows) LinesMoving(true, row, row, true);
    block.Cells = FCells.TakeRows(ascendingRows);
    block.Heights = FRowAxis.TakeLines(ascendingRows);
    if (FixedRows() >= RowCount()) FRowAxis.SetFixed(RowCount() - 1);
    auto follow = [&](int& y) {
        y -= int(std::lower_bound(ascendingRows.begin(), ascendingRows.end(), y) - ascendingRows.begin());
    };
    follow(FCurrent.Y);
    follow(FAnchor.Y);
    int top = TopRow();
    follow(top);
    FRowAxis.SetFirst(top);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    StructureChanged();
    return block;
}

void TStringGrid::PutRowsBack(const std::vector<int>& ascendingPositions, TRowBlock rows) {
    if (ascendingPositions.empty()) return;
    assert(rows.Cells.size() == ascendingPositions.size() && rows.Heights.size() == ascendingPositions.size());
    HideEditor();
    // Where each row goes in the grid as it is now: areas spanning that place are split.
    for (std::size_t i = 0; i < ascendingPositions.size(); ++i) {
        const int before = ascendingPositions[i] - int(i);
        if (before < RowCount()) LinesMoving(true, before, RowCount() - 1, false);
    }
    FCells.PutRows(ascendingPositions, std::move(rows.Cells));
    FRowAxis.PutLines(ascendingPositions, std::move(rows.Heights));
    // A line keeps its place below every row put back at or above it.
    auto follow = [&](int& y, bool scrolled) {
        if (scrolled && y < FixedRows()) return;
        int moved = 0;
        for (int position : ascendingPositions) {
            if (position > y + moved) break;
            ++moved;
        }
        y += moved;
    };
    follow(FCurrent.Y, true);
    follow(FAnchor.Y, true);
    int top = TopRow();
    follow(top, false);
    FRowAxis.SetFirst(top);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    StructureChanged();
}

int TStringGrid::TakeColumnLine(int ACol) {
    assert(ACol >= 0 && ACol < ColCount() && ColCount() > 1);
    HideEditor();
    const int width = FColAxis.TakeLines({ACol}).front();
    FCells.SetWidthHint(ColCount());
    if (FixedCols() >= ColCount()) FColAxis.SetFixed(ColCount() - 1);
    if (FCurrent.X > ACol) --FCurrent.X;
    if (FAnchor.X > ACol) --FAnchor.X;
    if (LeftCol() > ACol) FColAxis.SetFirst(LeftCol() - 1);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    return width;
}

void TStringGrid::PutColumnLine(int ACol, int Width) {
    assert(ACol >= 0 && ACol <= ColCount());
    HideEditor();
    FColAxis.PutLines({ACol}, {std::max(0, Width)});
    FCells.SetWidthHint(ColCount());
    if (FCurrent.X >= ACol && FCurrent.X >= FixedCols()) ++FCurrent.X;
    if (FAnchor.X >= ACol && FAnchor.X >= FixedCols()) ++FAnchor.X;
    if (LeftCol() > ACol) FColAxis.SetFirst(LeftCol() + 1);
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
}

void TStringGrid::InsertStoreColumns(int ACol, int ACount) { FCells.InsertColumns(ACol, ACount); }

void TStringGrid::DeleteStoreColumns(int ACol, int ACount) { FCells.DeleteColumns(ACol, ACount); }

void TStringGrid::DeleteColumn(int ACol) {
    if (ACol < 0 || ACol >= ColCount() || ColCount() <= 1) return;
    HideEditor();
    LinesMoving(false, ACol, ACol, true);
    FCells.DeleteColumns(ACol, 1);
    FColAxis.DeleteLines(ACol, 1);
    if (FixedCols() >= ColCount()) FColAxis.SetFixed(ColCount() - 1);
    if (FCurrent.X > ACol) --FCurrent.X;
    if (FAnchor.X > ACol) --FAnchor.X;
    ClampCurrent();
    UpdateScrollBars();
    InvalidateGrid();
    StructureChanged();
}

void TStringGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    HideEditor();
    // The line taken out, and the lines between that shift by one to make room.
    LinesMoving(true, FromIndex, FromIndex, false);
    LinesMoving(true, std::min(FromIndex + 1, ToIndex), std::max(FromIndex - 1, ToIndex), false);
    FRowAxis.MoveLine(FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    InvalidateGrid();
    StructureChanged();
}

void TStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    HideEditor();
    LinesMoving(false, FromIndex, FromIndex, false);
    LinesMoving(false, std::min(FromIndex + 1, ToIndex), std::max(FromIndex - 1, ToIndex), false);
    FColAxis.MoveLine(FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    InvalidateGrid();
    StructureChanged();
}

void TStringGrid::SwapRows(int ARow1, int ARow2) {
    if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    LinesMoving(true, ARow1, ARow1, false);
    LinesMoving(true, ARow2, ARow2, false);
    FCells.SwapRows(ARow1, ARow2);
    InvalidateRow(ARow1);
    InvalidateRow(ARow2);
    StructureChanged();
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
    FCells.MoveRow(FromIndex, ToIndex);
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    FCells.MoveColumn(FromIndex, ToIndex);
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

// ---- geometry ---------------------------------------------------------------------

TRect TStringGrid::CellScreenRect(int ACol, int ARow) const {
    const int x = FColAxis.LinePosition(ACol, ClientW());
    const int y = FRowAxis.LinePosition(ARow, ClientH());
    if (x < 0 || y < 0) return {};
    return {x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

TRect TStringGrid::CellRect(int ACol, int ARow) const { return CellScreenRect(ACol, ARow); }

TGridCoord TStringGrid::MouseCoord(int X, int Y) const {
    const int c = FColAxis.LineAt(X, ClientW());
    const int r = FRowAxis.LineAt(Y, ClientH());
    if (c < 0 || r < 0) return {-1, -1};
    return {c, r};
}

void TStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord coord = MouseCoord(X, Y);
    ACol = coord.X;
    ARow = coord.Y;
}

int TStringGrid::VisibleColCount() const { return FColAxis.VisibleCount(ClientW()); }
int TStringGrid::VisibleRowCount() const { return FRowAxis.VisibleCount(ClientH()); }

bool TStringGrid::IsScrolledCell(int ACol, int ARow) const {
    return ACol >= FixedCols() && ACol < ColCount() && ARow >= FixedRows() && ARow < RowCount();
}

void TStringGrid::InvalidateCell(int ACol, int ARow) {
    // A surface that is not shown or takes no updates (a grid filled under its update
    // lock) repaints whole when it is shown or takes them again: finding the cell would
    // be wasted, and a file load stores millions of cells.
    if (!Surface()->isVisible() || !Surface()->updatesEnabled()) return;
    const TRect r = CellScreenRect(ACol, ARow);
    if (!r.IsEmpty()) Surface()->update(r.ToQRect());
}

void TStringGrid::InvalidateRow(int ARow) {
    // Qt drops the update of a hidden surface or one whose updates are held back (the
    // grid's update lock, a sort), so its place is not looked for either.
    if (!Surface()->isVisible() || !Surface()->updatesEnabled()) return;
    const int y = FRowAxis.LinePosition(ARow, ClientH());
    if (y >= 0) Surface()->update(0, y, ClientW(), RowHeights(ARow));
}

// ---- current cell and selection ---------------------------------------------------

bool TStringGrid::SelectCell(int ACol, int ARow) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

void TStringGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
    if (!IsScrolledCell(ACol, ARow)) return;
    const bool moves = ACol != FCurrent.X || ARow != FCurrent.Y;
    if (moves && !SelectCell(ACol, ARow)) return;
    if (moves) HideEditor();
    // Handlers that ran while the editor closed may have removed the target.
    if (!IsScrolledCell(ACol, ARow)) return;
    const TGridRect oldSelection = Selection();
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
    if (Show) ScrollIntoView(ACol, ARow);
    if (!(oldSelection == Selection()) || moves) InvalidateGrid();
    if (FOptions.Contains(goAlwaysShowEditor) && Focused()) ShowEditor();
}

void TStringGrid::SetCol(int value) {
    if (value != Col()) MoveColRow(value, Row(), true, true);
}

void TStringGrid::SetRow(int value) {
    if (value != Row()) MoveColRow(Col(), value, true, true);
}

TGridRect TStringGrid::Selection() const {
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
                std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FixedCols();
        r.Right = ColCount() - 1;
    }
    return r;
}

void TStringGrid::SetSelection(const TGridRect& value) {
    HideEditor();
    FAnchor = {value.Left, value.Top};
    FCurrent = {value.Right, value.Bottom};
    InvalidateGrid();
}

void TStringGrid::SetOptions(TGridOptions value) {
    if (value == FOptions) return;
    if (!value.Contains(goEditing) && FOptions.Contains(goEditing)) HideEditor();
    FOptions = value;
    if (FOptions.Contains(goRowSelect)) FOptions.Exclude(goAlwaysShowEditor);
    horizontalScrollBar()->setTracking(FOptions.Contains(goThumbTracking));
    verticalScrollBar()->setTracking(FOptions.Contains(goThumbTracking));
    InvalidateGrid();
}

// ---- scrolling --------------------------------------------------------------------

void TStringGrid::SetLeftCol(int value) {
    value = std::clamp(value, std::min(FixedCols(), ColCount() - 1), std::max(FixedCols(), FColAxis.MaxFirst(ClientW())));
    if (value == LeftCol()) return;
    const int oldFirst = LeftCol();
    FColAxis.SetFirst(value);
    UpdateScrollBars();
    ScrollPicture(false, oldFirst, value);
    KeepEditorOnItsCell();
    TopLeftChanged();
}

void TStringGrid::SetTopRow(int value) {
    value = std::clamp(value, std::min(FixedRows(), RowCount() - 1), std::max(FixedRows(), FRowAxis.MaxFirst(ClientH())));
    if (value == TopRow()) return;
    const int oldFirst = TopRow();
    FRowAxis.SetFirst(value);
    UpdateScrollBars();
    ScrollPicture(true, oldFirst, value);
    KeepEditorOnItsCell();
    TopLeftChanged();
}

// Scrolling moves an open editor with its cell; a cell scrolled out of view ends the edit,
// storing its text, so that the editor never stands over another cell.
void TStringGrid::KeepEditorOnItsCell() {
    if (!FEditorMode) return;
    if (CellScreenRect(Col(), Row()).IsEmpty()) HideEditor();
    else PlaceEditor();
}

// The scrolled area shifts by the extent of the lines that left or entered the view, as
// an item view does; the fixed lines stay. Qt repaints the strip the shift uncovers.
void TStringGrid::ScrollPicture(bool Rows, int OldFirst, int NewFirst) {
    const TGridAxis& axis = Rows ? FRowAxis : FColAxis;
    const int fixed = axis.FixedExtent();
    const int extent = Rows ? ClientH() : ClientW();
    // Only a shift smaller than the scrolled area matters, so the lines are summed no
    // further than that: a jump over a million rows costs what a short one does.
    int distance = 0;
    for (int i = std::min(OldFirst, NewFirst); i < std::max(OldFirst, NewFirst) && distance < extent - fixed; ++i)
        distance += axis.Size(i);
    const int shift = NewFirst > OldFirst ? -distance : distance;
    QWidget* surface = Surface();
    if (!CanScrollPicture() || !surface->isVisible() || !surface->updatesEnabled() || std::abs(shift) >= extent - fixed) {
        InvalidateGrid();
        return;
    }
    const QRect area = Rows ? QRect(0, fixed, ClientW(), extent - fixed) : QRect(fixed, 0, extent - fixed, ClientH());
    surface->scroll(Rows ? 0 : shift, Rows ? shift : 0, area);
}

void TStringGrid::TopLeftChanged() {
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TStringGrid::ScrollIntoView(int ACol, int ARow) {
    if (ACol >= FixedCols()) {
        const int first = FColAxis.FirstShowing(ACol, ClientW());
        if (first != LeftCol()) SetLeftCol(first);
    }
    if (ARow >= FixedRows()) {
        const int first = FRowAxis.FirstShowing(ARow, ClientH());
        if (first != TopRow()) SetTopRow(first);
    }
}

void TStringGrid::UpdateScrollBars() {
    FUpdatingScrollBars = true;
    QScrollBar* h = horizontalScrollBar();
    h->setRange(FixedCols(), std::max(FixedCols(), FColAxis.MaxFirst(ClientW())));
    h->setPageStep(std::max(1, ScrollThumbPage(sbHorizontal)));
    h->setValue(LeftCol());
    QScrollBar* v = verticalScrollBar();
    v->setRange(FixedRows(), std::max(FixedRows(), FRowAxis.MaxFirst(ClientH())));
    v->setPageStep(std::max(1, ScrollThumbPage(sbVertical)));
    v->setValue(TopRow());
    FUpdatingScrollBars = false;
}

int TStringGrid::ScrollThumbPage(TScrollBarKind Bar) const {
    return Bar == sbVertical ? VisibleRowCount() : VisibleColCount();
}

void TStringGrid::ConnectScrollBar(TScrollBarKind Bar) {
    QScrollBar* bar = Bar == sbVertical ? verticalScrollBar() : horizontalScrollBar();
    bar->setTracking(FOptions.Contains(goThumbTracking));
    connect(bar, &QScrollBar::valueChanged, this, [this] { ScrollBarMoved(); });
    connect(bar, &QScrollBar::actionTriggered, this, [this, Bar](int action) { ScrollBarAction(Bar, action); });
    // While the thumb is dragged, with or without tracking.
    connect(bar, &QScrollBar::sliderMoved, this, [this, Bar](int position) { ScrollNotice(Bar, scThumbTrack, position); });
    connect(bar, &QScrollBar::sliderReleased, this, [this, Bar, bar] {
        // Without tracking, the release has moved the bar and reported the position already.
        if (!std::exchange(FThumbPositionReported, false)) ScrollNotice(Bar, scThumbPosition, bar->value());
        ScrollNotice(Bar, scEndScroll, bar->value());
    });
}

void TStringGrid::ScrollBarAction(TScrollBarKind Bar, int Action) {
    QScrollBar* bar = Bar == sbVertical ? verticalScrollBar() : horizontalScrollBar();
    TScrollCode code;
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub: code = scLineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: code = scLineDown; break;
    case QAbstractSlider::SliderPageStepSub:
    case QAbstractSlider::SliderPageStepAdd: {
        // A page is the lines in view, whatever length the thumb shows.
        const int page = std::max(1, Bar == sbVertical ? VisibleRowCount() : VisibleColCount());
        const bool up = Action == QAbstractSlider::SliderPageStepSub;
        bar->setSliderPosition(bar->value() + (up ? -page : page));
        code = up ? scPageUp : scPageDown;
        break;
    }
    case QAbstractSlider::SliderToMinimum: code = scTop; break;
    case QAbstractSlider::SliderToMaximum: code = scBottom; break;
    case QAbstractSlider::SliderMove:
        if (bar->isSliderDown()) return;  // reported as sliderMoved
        code = scThumbPosition;
        FThumbPositionReported = true;
        break;
    default: return;
    }
    // The bar has taken its new position but not yet told anyone: a swallowed notice
    // puts it back.
    if (ScrollNotice(Bar, code, bar->sliderPosition())) {
        bar->setSliderPosition(bar->value());
        return;
    }
    if (code != scThumbTrack && code != scThumbPosition)
        QMetaObject::invokeMethod(this, [this, Bar, bar] { ScrollNotice(Bar, scEndScroll, bar->value()); },
                                  Qt::QueuedConnection);
}

void TStringGrid::ScrollBarMoved() {
    if (FUpdatingScrollBars) return;
    SetLeftCol(horizontalScrollBar()->value());
    SetTopRow(verticalScrollBar()->value());
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
    TCustomControlOf<QAbstractScrollArea>::resizeEvent(event);
    UpdateScrollBars();
    InvalidateEditor();
    SizeChanged();
}
