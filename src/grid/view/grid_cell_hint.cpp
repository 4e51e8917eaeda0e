// The hint of the cell under the mouse: an anchor's title, the cell's text, its whole
// text when it does not fit, then the application's OnGridHint. Shown through the
// platform's tooltip until the grid's own HTML hint window exists.

#include "grid/core/string_grid.h"

#include "controls/text_utilities.h"
#include "grid/view/markup_renderer.h"

namespace {

constexpr int kHintBelowCell = 6;
constexpr int kAnchorHintOffsetX = 8;
constexpr int kAnchorHintOffsetY = -16;

}  // namespace

void TExStringGrid::PrepareCellHint(QString& HintStr, THintInfo& HintInfo) {
    const TPoint cursor = HintInfo.CursorPos;
    int col = -1;
    int row = -1;
    MouseToCell(cursor.X, cursor.Y, col, row);
    if (FControlLook->HintMaxWidth > 0) HintInfo.HintMaxWidth = FControlLook->HintMaxWidth;
    TPoint position = cursor;
    if (col >= 0 && row >= 0) {
        ResolveBaseCell(col, row, col, row);
        FLastHintPos = {col, row};
        const TRect cell = CellRect(col, row);
        const int realCol = RealColIndex(col);
        const QString text = Cells(realCol, row);
        const int kind = CellTextKind(text, FEnableHTML);
        position = {cursor.X, cell.Bottom + kHintBelowCell};
        if (HasCellObject(realCol, row, {ctComment})) position = {cell.Right, cell.Top};
        if (kind == ckMiniHtml && FAnchorHint) {
            TMarkupTextParams params;
            if (HitTestCellMarkup(col, row, cursor.X, cursor.Y, params) && !params.AnchorHref.isEmpty()) {
                QString anchor = params.AnchorTitle.isEmpty() ? params.AnchorHref : params.AnchorTitle;
                if (OnAnchorHint) OnAnchorHint(this, row, realCol, anchor);
                FLastAnchorHint = anchor;
                HintStr = anchor;
                position = {cursor.X + kAnchorHintOffsetX, cursor.Y + kAnchorHintOffsetY};
            }
        }
        // The raw text where it is shown as written, else the text without its tags.
        const QString shown = kind == ckEscapedWide ? EscapedToWide(text)
                              : (FHTMLHint || kind != ckMiniHtml) ? text
                                                                  : StrippedCells(realCol, row);
        const bool normalCell = col >= TStringGrid::FixedCols() && col < ColCount() - FFixedRightCols &&
                                row >= TStringGrid::FixedRows() && row < RowCount() - FFixedFooters;
        if (FHintShowCells && normalCell) {
            position.Y = cell.Top;
            HintStr = shown;
        }
        if (FHintShowLargeText) {
            const bool enhanced = FEnhTextSize;
            FEnhTextSize = false;
            const TSize size = GetCellTextSize(realCol, row, false, false);
            FEnhTextSize = enhanced;
            if (size.cx > cell.Width() || size.cy > cell.Height()) {
                // HintShowLargeTextPos false is hpCell, true hpCursor.
                if (!FHintShowLargeTextPos) position = {cell.Left, cell.Top};
                HintStr = shown;
            }
        }
        if (!(FFloatingFooter->Visible && row == RowCount() - 1)) {
            QString wideHint;
            GetCellHint(RealCol(realCol), DisplRow(row), HintStr, wideHint);
        }
        const int hintKind = CellTextKind(HintStr, true);
        if ((hintKind == ckMiniHtml || hintKind == ckEscapedWide) && FUseInternalHintClass) {
            HintInfo.HintWindowClass = QStringLiteral("THTMLHintWindow");
            HintInfo.HintData = this;
        }
    }
    const QPoint screen = Surface()->mapToGlobal(QPoint(position.X, position.Y));
    HintInfo.HintPos = {screen.x(), screen.y()};
    HintInfo.HintColor = FHintColor;
}
