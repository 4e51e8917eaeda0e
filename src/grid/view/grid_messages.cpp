// The grid's small message handlers: the update lock, the enabled, colour and cursor
// notices, the size notice, the hint request and the grid timer.
//
// Qt stands in for the window messages: WM_SETREDRAW is setUpdatesEnabled on the
// viewport, the notices arrive through changeEvent, the hint request is
// QEvent::ToolTip, and timer 111 is an interval timer of the platform's seam.

#include "grid/core/string_grid.h"

#include "controls/text_utilities.h"
#include "grid/data/search_panel.h"

#include <QCursor>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

namespace {

constexpr int kGridTimerIdentifier = 111;
constexpr int kGridTimerPeriodMs = 500;
// Ticks of 500 ms after the last typed search character before the search text goes.
constexpr int kSearchExpiryTicks = 4;

}  // namespace

// ---- update lock ------------------------------------------------------------------------

void TExStringGrid::BeginUpdate() {
    if (!Visible()) return;
    ++FUpdateCount;
    Surface()->setUpdatesEnabled(false);
}

void TExStringGrid::EndUpdate() {
    // A lock taken while the grid was visible is still lowered when it was hidden since,
    // else a grid hidden inside a BeginUpdate/EndUpdate pair would never paint again.
    if (!Visible() && FUpdateCount == 0) return;
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0 && !ComponentState().Contains(csDestroying)) {
        FSelChange = false;
        Surface()->setUpdatesEnabled(true);
        InvalidateGrid();
        PaintBorderColor();
    }
}

void TExStringGrid::SetLockUpdate(bool Value) {
    if (Value) BeginUpdate();
    else EndUpdate();
}

// ---- fixed-cell hover highlight ----------------------------------------------------------

bool TExStringGrid::IsHoverFixedCell(int ACol, int ARow) const {
    const bool fixedColumn = ACol < TStringGrid::FixedCols();
    const bool fixedRow = ARow < TStringGrid::FixedRows();
    switch (FHoverFixedCellsKind) {
    case hfAll: return fixedColumn || fixedRow;
    case hfFixedColumns: return fixedColumn;
    case hfFixedRows: return fixedRow;
    case hfNone: break;
    }
    return false;
}

void TExStringGrid::ResetFixedCellHighlight() {
    FSizeFixed = false;
    FSizeFixedR = false;
    FNoMouseLeave = false;
    if (FHoverFixedCellsKind == hfNone || (FHoverFixedX == -1 && FHoverFixedY == -1)) return;
    const int col = FHoverFixedX;
    const int row = FHoverFixedY;
    FHoverFixedX = -1;
    FHoverFixedY = -1;
    InvalidateCell(col, row);
}

// ---- notices ----------------------------------------------------------------------------

void TExStringGrid::CMEnabledChanged() { InvalidateGrid(); }

void TExStringGrid::CMColorChanged() {
    if (FFloatingFooter->Visible) InvalidateGrid();
}

void TExStringGrid::CMCursorChanged() {
    if (!Invokedchange) FMouseSelectMode = msNormal;
    Invokedchange = false;
}

bool TExStringGrid::CMHintShow(QHelpEvent* Event) {
    THintInfo info;
    info.CursorPos = {Event->pos().x(), Event->pos().y()};
    QString hint;
    PrepareCellHint(hint, info);
    if (hint.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    if (info.HintWindowClass == QLatin1String("THTMLHintWindow")) {
        QToolTip::hideText();
        ShowHTMLHint(hint, info);
        return true;
    }
    const QString text = Qt::convertFromPlainText(hint, Qt::WhiteSpaceNormal);
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, ToQColor(info.HintColor));
    QToolTip::setPalette(palette);
    QToolTip::showText(QPoint(info.HintPos.X, info.HintPos.Y), text, viewport());
    return true;
}

// ---- size --------------------------------------------------------------------------------

void TExStringGrid::WMSize() {
    // Width synchronisation: the stored widths scaled by the change of the grid's width.
    if (FOldWidth > 0 && FColumnSize->SynchWithGrid() && !FDisableSize) {
        FDisableSize = true;
        HideEditor();
        const double factor = double(FBorderStyle == bsSingle ? width() + 2 : width()) / FOldWidth;
        const bool normalOnly = FColumnSize->SynchNormalCellsOnly();
        const int first = normalOnly ? TStringGrid::FixedCols() : 0;
        const int last = normalOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
        for (int c = first; c <= last; ++c)
            if (c < FOrigColSizes->Count()) SetColWidths(c, int(FOrigColSizes->Items(c) * factor));
        FDisableSize = false;
    }
    // The stretch column follows through the base control's size notice (SizeChanged),
    // which also sets the scroll bars for the new size.
    ApplyScrollBarAlways(false);
    if (FSearchPanel && FSearchPanel->Visible()) {
        FSearchPanel->SetHeight(kSearchPanelHeight);
        AlignSearchPanel();
    }
}

// ---- grid timer ----------------------------------------------------------------------------

void TExStringGrid::StartGridTimer() {
    if (!FGridTimer) {
        FGridTimer = CreateIntervalTimer();
        FGridTimer->OnTick = [this] { WMTimer(); };
    }
    FGridTimer->Start(kGridTimerPeriodMs);
    FGridTimerID = kGridTimerIdentifier;
}

void TExStringGrid::WMTimer() {
    ++FTimerTicks;
    if (FNavigation->AutoGotoIncremental()) {
        if (++SearchTics >= kSearchExpiryTicks) {
            SearchInc.clear();
            SearchTics = 0;
        }
    }
    if (FHovering && !InDesignMode()) {
        const QPoint p = CursorPosition ? CursorPosition() : viewport()->mapFromGlobal(QCursor::pos());
        if (viewport()->rect().contains(p)) {
            int col = -1;
            int row = -1;
            MouseToCell(p.x(), p.y(), col, row);
            if (col >= TStringGrid::FixedCols() && row >= TStringGrid::FixedRows() && col < ColCount() &&
                row < RowCount()) {
                setFocus();
                SetRow(row);
                SetCol(col);
            }
        }
    }
    if (FEnableBlink) {
        FGridBlink = !FGridBlink;
        RepaintBlinkingCells();
    }
}

void TExStringGrid::RepaintBlinkingCells() {
    auto repaintIfBlinking = [this](int realCol, int row) {
        if (Cells(realCol, row).toUpper().contains(QLatin1String("<BLI"))) InvalidateCell(DisplColIndex(realCol), row);
    };
    const int fixedRows = TStringGrid::FixedRows();
    const int fixedCols = TStringGrid::FixedCols();
    const int lastRow = std::min(RowCount(), TopRow() + VisibleRowCount());
    const int lastCol = std::min(TotalColCount(), LeftCol() + VisibleColCount() + NumHiddenColumns());
    for (int r = TopRow(); r < lastRow; ++r)
        for (int c = RealColIndex(LeftCol()); c < lastCol; ++c) repaintIfBlinking(c, r);
    for (int r = 0; r < fixedRows; ++r)
        for (int c = LeftCol(); c < std::min(ColCount(), LeftCol() + VisibleColCount()); ++c)
            repaintIfBlinking(RealColIndex(c), r);
    for (int c = 0; c < fixedCols; ++c)
        for (int r = TopRow(); r < lastRow; ++r) repaintIfBlinking(RealColIndex(c), r);
}
