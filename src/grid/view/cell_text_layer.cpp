// The text layer of a cell: selection colours, filter glyph, background under the cell,
// the selection rectangle, then the text (plain, mini-HTML or RTF) and the sort
// indicator beside header text. The background routines are in cell_background.cpp.
#include "grid/core/string_grid.h"

#include "controls/cell_control_drawing.h"
#include "controls/gradient_drawing.h"
#include "controls/text_utilities.h"
#include "grid/view/markup_renderer.h"
#include "grid/edit/ex_rich_edit.h"
#include "grid/edit/rtf_codec.h"
#include "platform/image_list.h"

namespace {

// Right-to-left mirroring stays out, as in the rest of the grid: the grid does not mirror
// its layout, so no rectangle here is mirrored either.

constexpr int kFilterGlyphWidth = 16;

}  // namespace

bool TExStringGrid::ShowsSortIndicator(int RCol, int ARow) const {
    if (!IsSortIndicatorCell(RCol, ARow)) return false;
    const bool sorted = FSortSettings->Column == RCol || FSortIndexes->FindIndex(RCol) >= 0;
    return sorted && FixedRows() > 0 && (RCol >= FixedCols() || FSortSettings->FixedCols);
}

void TExStringGrid::DrawCellFilterGlyph(TCellDrawWork& Work, TRect R) {
    // The filter drop-down's own glyphs are not kept by the grid yet, so the built-in
    // picture stands for both the filtered and the plain state.
    R.Left = R.Right - kFilterGlyphWidth;
    DrawTransparentBitmapResource(*Work.Canvas, FixedColor(), R, QStringLiteral("glyphs/ASGFILT.png"));
}

void TExStringGrid::DrawCellText(TCellDrawWork& Work) {
    TCanvas& canvas = *Work.Canvas;
    const int rcol = Work.RCol, row = Work.ARow;

    // 1. Selection colours.
    TColor linkColor = FURLColor;
    const bool rowSelected = Options().Contains(goRowSelect) && RowSelect(row) && Work.ACol >= FixedCols() &&
                             Work.ACol < ColCount() - FFixedRightCols;
    if ((Work.AState.Contains(gdSelected) || rowSelected) && !Work.IsFixed) {
        if (FShowSelection) {
            if (FSelectionColor != clNone) canvas.Brush.Color = FSelectionColor;
            if (FSelectionTextColor != clNone && Enabled()) canvas.Font.Color = FSelectionTextColor;
            linkColor = FSelectionTextColor;
        } else if (!Focused() || HasCellObject(rcol, row, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox})) {
            canvas.Brush.Color = Work.NormalBrushColor;
            canvas.Font.Color = Work.NormalFontColor;
            linkColor = FURLColor;
        }
    }

    // 5. (ahead of the text's colours) A disjunct selection colours only the rows or
    // columns it holds: the others get the grid's colours and their own back. The font
    // keeps its size: the zoom is already in it.
    if (Work.ACol >= FixedCols() && row >= FixedRows() && !FMouseDown &&
        ((FMouseActions->DisjunctRowSelect() && !RowSelect(Work.FlagRow)) ||
         (FMouseActions->DisjunctColSelect() && !ColSelect(Work.ACol)))) {
        canvas.Brush.Color = GridColor();
        canvas.Font.Color = GridFont().Color;
        linkColor = FURLColor;
        TGridDrawState state = Work.AState;
        GetCellColor(RealCol(rcol), DisplRow(row), state, &canvas.Brush, &canvas.Font);
    }

    // 2. The text and its kind.
    QString text = GetFormattedCell(RealCol(rcol), DisplRow(row));
    int kind = CellTextKind(text, FEnableHTML);
    bool password = false;
    IsPasswordCell(RealCol(rcol), DisplRow(row), password);
    if (password && !FPasswordChar.isEmpty()) text = QString(text.size(), FPasswordChar.at(0));
    const TCellGraphic* graphic = Work.Graphic;
    const int errPos = graphic ? graphic->CellMarkerPos() : 0;
    const int errLen = graphic ? graphic->CellMarkerLen() : 0;

    // 3. The working rectangle; a scrolled cell is clipped to itself.
    TRect r = Work.Rect;
    if (Work.IsFixed) {
        r.Left += GridLineWidth();
        r.Top += GridLineWidth();
    }
    const bool clipped = Work.ScrollOffset > 0;
    if (clipped) {
        canvas.IntersectClip(r);
        r.Top -= Work.ScrollOffset;
    }

    // 4. Filter glyph.
    if (Work.FilterGlyph) DrawCellFilterGlyph(Work, r);

    // 6, 7. The background picture under the cell and the selection rectangle.
    DrawCellBackground(Work, r);
    DrawSelectionRectangle(Work, r);

    const TRect beforeText = r;
    int leftGraphicOffset = 0;
    Work.TextHeight = canvas.TextHeight(QStringLiteral("hg"));
    const bool sortIndicator = ShowsSortIndicator(rcol, row);

    // 8. The text proper.
    if (Work.TextShown) {
        if (!FXYOffsetTopLeftOnly) r.Right -= FXYOffset.X;
        r.Left += FXYOffset.X;
        r.Top += FXYOffset.Y;
        const int gw = Work.GraphicWidth, gh = Work.GraphicHeight;
        const TCellHAlign gha = Work.GraphicHAlign;
        if (graphic) {
            if (gha == haBeforeText) r.Left += gw;
            if (gha == haAfterText) r.Right -= gw;
            if (gha == haLeft || (gha == haBeforeText && Work.HA == taLeftJustify)) leftGraphicOffset = gw;
            if (Work.GraphicVAlign == vaAboveText) r.Top += gh;
            if (Work.GraphicVAlign == vaUnderText) r.Bottom -= gh;
        }
        if (rcol == 0 && HasNodes() && !HasCellObject(rcol, row, {ctNode})) r.Left += GetRowIndent(row);

        if (kind == ckMiniHtml) {
            if (Work.FilterGlyph) r.Right -= 18;
            r.Left -= 1;
            if (sortIndicator) r.Right -= 10;
            TMarkupTextParams params;
            params.Canvas = &canvas;
            params.Text = text;
            params.Bounds = r;
            params.Images = dynamic_cast<const TCustomImageList*>(GetCellImageList());
            params.AnchorColor = linkColor;
            params.ShadowColor = TColor(0x808080);
            params.UnderlineOnHoverOnly = FURLUnderlineOnHover;
            // The anchor under the mouse, when the mouse is over this cell, takes the hover look.
            params.HoverAnchorIndex = FHoverCell == TPoint{Work.ACol, row} ? FHoverlink : -1;
            params.ControlPressed = FCtrlDown && FCtrlXY == TPoint{rcol, row};
            // Without blinking, blinking text stays in its blink-on colours.
            params.BlinkOn = FGridBlink || !EnableBlink();
            params.WordWrap = Work.WW || FMultilinecells;
            DrawMarkupText(params);
            Work.TextWidth = params.MaxLineWidth + 2;
            if (sortIndicator) {
                const int y = Work.VA == vtaTop ? r.Top + 8 : Work.VA == vtaBottom ? r.Bottom - 8 : (r.Top + r.Bottom) / 2;
                DrawSortIndicator(canvas, rcol, y, r.Right + 2);
            }
        } else if (kind == ckRichText) {
            DrawRichTextCell(rcol, row, r, canvas);
        } else {
            if (Work.HA == taCenter && sortIndicator && FSortSettings->Show && row == FSortSettings->Row) r.Left += 10;
            const bool link = FURLShow && IsUrlText(text);
            const TFontStyles keepStyle = canvas.Font.Style;
            const TColor keepColor = canvas.Font.Color;
            if (link) {
                if (!FURLFull) StripUrlScheme(text);
                canvas.Font.Style.Include(fsUnderline);
                canvas.Font.Color = linkColor;
            }
            unsigned flags = DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX;
            if (CountTextLines(text, FMultilinecells) <= 1 && !Work.WW) {
                text = TakeFirstLine(text, false);
                flags = DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;
                if (FEnhTextSize) flags |= DT_END_ELLIPSIS;
            } else if (Work.WW && !FMultilinecells && FEnhTextSize) {
                flags |= DT_END_ELLIPSIS;
            }
            flags |= Work.HA == taRightJustify ? DT_RIGHT : Work.HA == taCenter ? DT_CENTER : DT_LEFT;
            // The in-place editor opens with the vertical alignment of the last plain text.
            FVAlign = static_cast<int>(Work.VA == vtaBottom ? DT_BOTTOM : Work.VA == vtaCenter ? DT_VCENTER : DT_TOP);
            flags |= static_cast<unsigned>(FVAlign);
            if (Work.WW || FMultilinecells) flags |= DT_WORDBREAK | DT_EDITCONTROL;
            else flags |= DT_SINGLELINE;
            const bool transparent = canvas.TransparentText;
            canvas.TransparentText = true;
            if (Work.FilterGlyph) r.Right -= kFilterGlyphWidth;
            if (!text.isEmpty()) {
                TRect measured = r;
                canvas.DrawText(text, measured, flags | DT_CALCRECT);
                Work.TextWidth = measured.Width() + 2;
                canvas.DrawText(text, r, flags);
                const TCellType graphicKind = graphic ? graphic->CellType() : ctEmpty;
                if (errLen > 0 && (graphicKind == ctEmpty || graphicKind == ctValue))
                    DrawErrorUnderline(this, canvas, text, r, canvas.TextHeight(text), errPos, errLen);
            }
            canvas.TransparentText = transparent;
            canvas.Font.Style = keepStyle;
            canvas.Font.Color = keepColor;
        }
    }

    // 9. The sort indicator beside plain text.
    if (sortIndicator && kind != ckMiniHtml) {
        TRect s = beforeText;
        if (Work.FilterGlyph) s.Right -= kFilterGlyphWidth;
        const int room = qMax(0, qMin(s.Right - s.Left - 16, Work.TextWidth));
        const int x = Work.HA == taRightJustify ? s.Right - room - 10
                      : Work.HA == taCenter     ? s.Left + 8
                                                : s.Left + room + leftGraphicOffset + 10;
        const int y = Work.VA == vtaTop ? s.Top + 8 : Work.VA == vtaBottom ? s.Bottom - 8 : (s.Top + s.Bottom) / 2;
        const int place = FSortIndexes->FindIndex(rcol);
        if (!(place > 0 && !FSortSettings->IndexShow)) DrawSortIndicator(canvas, rcol, y, x);
    }

    // 10.
    if (clipped) canvas.RestoreClip();
}

void TExStringGrid::DrawRichTextCell(int ACol, int ARow, TRect ARect, TCanvas& Canvas) {
    if (InDesignMode()) return;
    RtfToDocument(GetFormattedCell(RealCol(ACol), DisplRow(ARow)), *RichEdit()->document());
    DrawRichEditContent(ARect, Canvas);
}
