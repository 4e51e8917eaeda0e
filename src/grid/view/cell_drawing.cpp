// TExStringGrid::DrawGridCell: the layers of one cell, in order, on the rectangle the
// base painter leaves inside the grid lines. The colour rules are in
// cell_drawing_colors.cpp; the text and the graphic layers are DrawCellText and
// DrawCellGraphic, which read and hand back the working values in TCellDrawWork.
//
// Order of the layers: colours and graphic info, fixed-cell looks, the list-view
// header, the modified marker, OnCustomCellBkgDraw, the text, then with the colours
// restored the borders, the fixed-cell edges, tree lines, the graphic, OnDrawCell,
// OnCustomCellDraw and last the focus rectangle.
//
// The hover, pressed and hot looks of fixed cells read the state the mouse handling
// keeps (the hovered and hot fixed cell, the pushed fixed cell, the open fixed
// drop-down); application styles do not exist here.

#include "controls/color_utilities.h"
#include "controls/gradient_drawing.h"
#include "grid/core/string_grid.h"
#include "grid/view/cell_scroll_bar.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace {
bool HasFixedGradientLook(TGridLook look) {
    return look == glZRT || look == glXP || look == glVista || look == glWin7 || look == glOffice2007;
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}
}  // namespace

void TExStringGrid::DrawGridCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TCellDrawWork W;
    W.Canvas = &Canvas;
    W.ACol = ACol;
    W.ARow = ARow;
    W.AState = AState;
    W.Rect = ARect;
    const int right = ARect.Right;
    // 1.
    const bool ctl3D = !FFlat;
    W.RCol = RealColIndex(ACol);
    W.FlagRow = FlagRowOf(ARow);
    if (ARow == FFilterDropDownRow && (FFilterDropDownAuto || OnGetColumnFilter))
        W.FilterGlyph = HasColumnFilter(RealCol(W.RCol));
    // 2.
    DrawCellScrollBar(W);
    // 3.
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TCellGradientDirection gd = GradientVertical;
    W.WW = WordWrap();
    GetVisualProperties(ACol, ARow, W.AState, false, false, true, Canvas.Brush, colorTo, mirrorColor, mirrorColorTo,
                        Canvas.Font, W.HA, W.VA, W.WW, gd);
    // 4.
    W.Graphic = GetCellGraphicInfo(W.RCol, ARow, W.GraphicVAlign, W.GraphicHAlign, W.TextShown, W.GraphicHeight,
                                   W.GraphicWidth);
    if (ACol == 0 && GetCellType(0, ARow) == ctNode)
        if (const TCellProperties* props = PropsOf(0, ARow)) W.GraphicWidth = props->NodeLevel() * 12 + 4;
    // 5.
    if (W.AState.Contains(gdSelected) && !W.AState.Contains(gdFocused) && FSelectionColor == clNone)
        Canvas.Brush.Color = clHighlight;
    // 6.
    Canvas.Font.Size += FZoomFactor;
    W.NormalBrushColor = Canvas.Brush.Color;
    W.NormalFontColor = Canvas.Font.Color;
    // 7.
    W.IsFixed = IsFixedForColors(ACol, ARow) &&
                !(HoverRow() && ARow == FHoverRowIdx && HoverRowCells().Contains(hcFixed));
    // 9.
    if (W.IsFixed && HasFixedGradientLook(FLook)) DrawFixedGradientLook(W, colorTo, mirrorColor, mirrorColorTo);
    // 10.
    const int indicatorWidth = DrawRowIndicator(W);
    // 11. The list-view header item is the platform style's header section.
    if (W.IsFixed && FLook == glListView && ctl3D) {
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = TRect{W.Rect.Left, W.Rect.Top, W.Rect.Right, W.Rect.Bottom + 1}.ToQRect();
        option.position = QStyleOptionHeader::End;
        option.state |= QStyle::State_Raised;
        // Hot under the mouse, pressed while the mouse is down on it.
        if (FHotFixedCell == TPoint{ACol, ARow}) option.state |= FMouseDown ? QStyle::State_Sunken : QStyle::State_MouseOver;
        style()->drawControl(QStyle::CE_HeaderSection, &option, Canvas.Painter(), this);
        Canvas.Pen.Color = clWhite;
        Canvas.Pen.Width = 1;
        Line(Canvas, W.Rect.Left, W.Rect.Top, W.Rect.Right, W.Rect.Top);
        Canvas.Brush.Style = bsClear;
    }
    // 12.
    if (ACol == 0 && FShowModified->Enabled && GetRowModified(W.FlagRow)) {
        const TColor brush = Canvas.Brush.Color;
        Canvas.Brush.Color = FShowModified->Color;
        Canvas.Brush.Style = bsSolid;
        Canvas.FillRect({W.Rect.Right - 4, W.Rect.Top, W.Rect.Right, W.Rect.Bottom});
        Canvas.Brush.Color = brush;
    }
    // 13.
    if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, &Canvas, W.RCol, ARow, W.AState, W.Rect, false);
    // 14.
    if (!W.IsFixed) DrawAlwaysVisibleEditorButtons(W);
    // 16.
    const bool customDrawn = (OnDrawCell || OnCustomCellDraw) && FNoDefaultDraw;
    if (!(FNoImageAndText && W.Graphic) && !customDrawn) DrawCellText(W);
    // 17.
    W.Rect.Right = right;
    Canvas.Brush.Color = W.NormalBrushColor;
    Canvas.Font.Color = W.NormalFontColor;
    W.Rect = {W.Rect.Left - 1, W.Rect.Top - 1, W.Rect.Right + 1, W.Rect.Bottom + 1};
    DrawCellBorders(W);
    W.Rect.Left -= indicatorWidth;
    // 18. to 21.
    DrawFixedEdges(W);
    // 22.
    if (ACol == 0 && HasNodes()) DrawTreeLines(W);
    // 23.
    if (W.Graphic) {
        TRect graphicRect = W.Rect;
        if (W.IsFixed) graphicRect.Top += 1;
        DrawCellGraphic(W, graphicRect, W.Graphic, W.GraphicVAlign);
    }
    // 24.
    if (OnDrawCell) {
        const TRect r{W.Rect.Left + 1, W.Rect.Top + 1, W.Rect.Right - GridLineWidth(), W.Rect.Bottom - GridLineWidth()};
        OnDrawCell(this, W.RCol, ARow, r, W.AState);
    }
    // 25.
    if (OnCustomCellDraw) OnCustomCellDraw(this, &Canvas, W.RCol, ARow, W.AState, W.Rect, false);
    // 26.
    DrawFocusRectangle(W);
    // 27.
    if (ARow == 0 && FShowColumnNumbers && InDesignMode()) DrawDesignColumnNumber(W);
}

// A cell whose text is taller than the cell shows its scroll bar at the right edge; the
// text moves up by the bar's position and keeps clear of the bar.
void TExStringGrid::DrawCellScrollBar(TCellDrawWork& W) {
    const TCellGraphic* bar = BaseCellObjectOf(W.RCol, W.ARow, {ctScrollbar});

    if (!bar) return;
    const TScrollProp prop = GetScrollProp(W.RCol, W.ARow);
    if (prop.PageSize >= prop.Range) return;
    const int position = GetScrollPosition(W.RCol, W.ARow);
    const TRect barRect{W.Rect.Right - TCellScrollBar::BarWidth, W.Rect.Top, W.Rect.Right, W.Rect.Bottom};
    if (FScrollBar && W.Canvas->Painter())
        FScrollBar->PaintCellBar(*W.Canvas->Painter(), barRect.ToQRect(), position, prop.PageSize, prop.Range);
    W.Rect.Right = barRect.Left;
    W.ScrollOffset = position;
}

int TExStringGrid::DrawRowIndicator(TCellDrawWork& W) {
    const int fixedCols = TStringGrid::FixedCols();
    if (W.ACol != 0 || W.ARow != Row() || fixedCols == 0 || FRowIndicator.isNull()) return 0;
    if (RowCount() == TStringGrid::FixedRows() && FixedRowAlways()) return 0;
    const int h = FRowIndicator.height();
    int top = W.Rect.Top;
    if (VAlignment() == vtaCenter) top = (W.Rect.Top + W.Rect.Bottom - h) / 2;
    else if (VAlignment() == vtaBottom) top = W.Rect.Bottom - h;
    DrawTransparentBitmap(*W.Canvas, FRowIndicator, W.Canvas->Brush.Color,
                          {W.Rect.Left + 2, top, W.Rect.Left + 2 + FRowIndicator.width(), top + h});
    const int width = FRowIndicator.width() + 2;
    W.Rect.Left += width;
    return width;
}

// The real column index, small and gray in the bottom-right corner of the header.
void TExStringGrid::DrawDesignColumnNumber(TCellDrawWork& W) {
    TCanvas& canvas = *W.Canvas;
    const TFont savedFont = canvas.Font;
    const TBrushStyle savedStyle = canvas.Brush.Style;
    canvas.Font.Size = 8;
    canvas.Font.Color = clGray;
    canvas.Font.Style = {};
    canvas.Brush.Style = bsClear;
    const QString number = QString::number(W.RCol);
    canvas.TextOut(W.Rect.Right - 2 - canvas.TextWidth(number), W.Rect.Bottom - canvas.TextHeight(number), number);
    canvas.Font = savedFont;
    canvas.Brush.Style = savedStyle;
}

void TExStringGrid::DrawFixedGradientLook(TCellDrawWork& W, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo) {
    TCanvas& canvas = *W.Canvas;
    const int fixedCols = TStringGrid::FixedCols(), fixedRows = TStringGrid::FixedRows();
    const bool activeHeader = FActiveCellShow && ((W.ARow == Row() && fixedCols > 0 && W.ACol == fixedCols - 1) ||
                                                  (W.ACol == Col() && fixedRows > 0 && W.ARow == fixedRows - 1));
    const bool sortHeader = FSortSettings->Show && FSortSettings->Column == W.RCol &&
                            FSortSettings->HeaderColor != clNone && W.ARow == fixedRows - 1 && W.ACol >= fixedCols;
    if (IsHoveredFixedCell(W.ACol, W.ARow)) {
        DrawHoveredFixedCell(W);
    } else if (activeHeader) {
        DrawGradientMirrorRect(canvas, W.Rect, FActiveCellColor, FActiveCellColorTo, clNone, clNone, true, clNone,
                               false, true);
    } else if (sortHeader) {
        DrawGradientMirrorRect(canvas, W.Rect, FSortSettings->HeaderColor, FSortSettings->HeaderColorTo,
                               FSortSettings->HeaderMirrorColor, FSortSettings->HeaderMirrorColorTo, true, clNone,
                               false, true);
    } else if (!FFlat) {
        DrawGradientMirrorRect(canvas, W.Rect, canvas.Brush.Color, ColorTo, MirrorColor, MirrorColorTo, true,
                               FLook == glVista ? clWhite : clNone, false, true);
    }
}

bool TExStringGrid::IsHoveredFixedCell(int ACol, int ARow) const {
    if (!IsHoverFixedCell(ACol, ARow) || InDesignMode()) return false;
    const bool columnMoving = GridState() == gsColMoving;
    if (columnMoving) return ACol == Movecell && ARow < TStringGrid::FixedRows();
    return ACol == FHoverFixedX && ARow == FHoverFixedY;
}

void TExStringGrid::DrawHoveredFixedCell(TCellDrawWork& W) {
    TCanvas& canvas = *W.Canvas;
    TRect r = W.Rect;
    r.Bottom += 1;
    const bool pressed = FMouseDownMove || GridState() == gsColMoving;
    bool withButton = FControlLook->FixedDropDownButton;
    if (withButton && OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, W.RCol, withButton);
    auto hoverLook = [&](TRect part) {
        DrawGradientMirrorRect(canvas, part, FZRTGradientHoverFrom, FZRTGradientHoverTo, FZRTGradientHoverMirrorFrom,
                               FZRTGradientHoverMirrorTo, true, FZRTGradientHoverBorder, false, true);
    };
    auto downLook = [&](TRect part) {
        DrawGradientMirrorRect(canvas, part, FZRTGradientDownFrom, FZRTGradientDownTo, FZRTGradientDownMirrorFrom,
                               FZRTGradientDownMirrorTo, true, FZRTGradientDownBorder, false, true);
    };
    const TRect button{r.Right - 16, r.Top, r.Right, r.Bottom};
    const TRect rest{r.Left, r.Top, r.Right - 16, r.Bottom};
    if (!pressed) {
        hoverLook(r);
    } else if (withButton) {
        // The part under the press looks down, the other part only hovered.
        if (FDropDownDown) {
            hoverLook(rest);
            downLook(button);
        } else {
            downLook(rest);
            hoverLook(button);
        }
    } else {
        downLook(r);
    }
    if (!withButton) return;
    const TPen saved = canvas.Pen;
    canvas.Pen.Color = pressed ? FZRTGradientDownBorder : FZRTGradientHoverBorder;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    Line(canvas, button.Left, r.Top, button.Left, r.Bottom);
    canvas.Pen = saved;
    DrawSmallDownArrow(canvas, r.Right - 8, r.Top + 7, canvas.Font.Color);
    W.Rect.Right -= 16;
}

void TExStringGrid::DrawCellBorders(TCellDrawWork& W) {
    TCanvas& canvas = *W.Canvas;
    const TPen saved = canvas.Pen;
    TCellBorders borders;
    TPen pen = canvas.Pen;
    GetCellBorder(RealCol(W.RCol), DisplRow(W.ARow), &pen, borders);
    if (borders.Empty()) {
        canvas.Pen = saved;
        return;
    }
    TPen leftPen = pen, topPen = pen, rightPen = pen, bottomPen = pen;
    if (OnGetCellBorderProp) OnGetCellBorderProp(this, W.ARow, W.RCol, &leftPen, &topPen, &rightPen, &bottomPen);
    const int h = (pen.Width + 1) / 2;
    const int dx = Options().Contains(goVertLine) ? h : 0;
    const int dy = Options().Contains(goHorzLine) ? h : 0;
    TRect r = W.Rect;
    r.Left += dx;
    r.Bottom -= dy;
    if (borders.Contains(cbLeft)) {
        canvas.Pen = leftPen;
        Line(canvas, std::max(0, r.Left), r.Top, std::max(0, r.Left), r.Bottom);
    }
    r.Right -= dx;
    if (borders.Contains(cbRight)) {
        canvas.Pen = rightPen;
        Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    }
    if (borders.Contains(cbTop)) {
        canvas.Pen = topPen;
        r.Top += dy;
        const int y = GridLineWidth() == 0 ? r.Top + 1 : std::max(0, r.Top - GridLineWidth());
        Line(canvas, r.Left, y, r.Right, y);
    }
    if (borders.Contains(cbBottom)) {
        canvas.Pen = bottomPen;
        Line(canvas, r.Left - GridLineWidth() - 1, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    canvas.Pen = saved;
}

void TExStringGrid::DrawFixedEdges(TCellDrawWork& W) {
    if (!W.IsFixed) return;
    TCanvas& canvas = *W.Canvas;
    const TPen saved = canvas.Pen;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    const TGridOptions options = Options();
    TRect r = W.Rect;
    if (FFixedCellPushed && FPushedFixedCell == TPoint{W.ACol, W.ARow}) {
        // A fixed cell pressed as a button sinks: dark on the top and left, light below.
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom};
        canvas.Pen.Color = clBtnShadow;
        Line(canvas, r.Left, r.Bottom - 1, r.Left, r.Top);
        canvas.LineTo(r.Right, r.Top);
        canvas.Pen.Color = clBtnHighlight;
        Line(canvas, r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Bottom - 1);
    } else if (FLook == glClassic && !FFlat) {
        // Raised inner edge on the left and top, raised outer edge on the right and bottom.
        r.Top += 1;
        r.Bottom += 1;
        r.Left += 1;
        canvas.Pen.Color = clBtnHighlight;
        Line(canvas, r.Left, r.Bottom - 2, r.Left, r.Top);
        canvas.Pen.Color = clBtnHighlight;
        Line(canvas, r.Left, r.Top, r.Right - 1, r.Top);
        canvas.Pen.Color = clBtnShadow;
        Line(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 2);
        Line(canvas, r.Right - 2, r.Bottom - 2, r.Left - 1, r.Bottom - 2);
        canvas.Pen.Color = clBlack;
        Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        canvas.Pen.Color = clBlack;
        canvas.LineTo(r.Left - 1, r.Bottom - 1);
    } else if ((FLook == glZRT || FLook == glXP) && !FFlat) {
        r.Bottom += 1;
        if (options.Contains(goFixedHorzLine)) {
            canvas.Pen.Color = HalfColor(FixedColor());
            Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
            canvas.Pen.Color = clWhite;
            Line(canvas, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1);
            canvas.LineTo(r.Left + 1, r.Bottom - 1);
        }
    } else if (FLook == glSoft && !FFlat) {
        r.Bottom += 1;
        if (options.Contains(goFixedHorzLine)) {
            canvas.Pen.Color = HalfColor(FixedColor());
            Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
            canvas.Pen.Color = clWhite;
            Line(canvas, r.Right, r.Top + 1, r.Left + 1, r.Top + 1);
            canvas.LineTo(r.Left + 1, r.Bottom - 1);
        }
        if (options.Contains(goFixedVertLine)) {
            canvas.Pen.Color = HalfColor(FixedColor());
            Line(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
            canvas.Pen.Color = clWhite;
            Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        }
    } else if (FFlat && FLook != glClassic && W.ACol >= ColCount() - FFixedRightCols) {
        canvas.Pen.Color = clGray;
        if (options.Contains(goFixedHorzLine)) {
            Line(canvas, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
            Line(canvas, r.Left - 1, r.Bottom, r.Right + 1, r.Bottom);
        }
        if (options.Contains(goFixedVertLine)) {
            Line(canvas, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
            Line(canvas, r.Right, r.Top - 1, r.Right, r.Bottom + 1);
        }
    }
    canvas.Pen = saved;
}

// Tree lines in column 0: the horizontal line into the row, the line on to the next row
// of the same branch, and one vertical line per level that runs on down while the branch
// goes on. The lines reach 4 pixels below the cell so they meet the next row's.
void TExStringGrid::DrawTreeLines(TCellDrawWork& W) {
    if (W.ARow < TStringGrid::FixedRows() || !FCellNode->ShowTree()) return;
    TCanvas& canvas = *W.Canvas;
    const TPen saved = canvas.Pen;
    canvas.Pen.Color = FCellNode->TreeColor();
    canvas.Pen.Width = 1;
    const TCellProperties* props = PropsOf(0, W.ARow);
    const int level = props ? props->NodeLevel() : 0;
    const int indent = FCellNode->NodeIndent();
    const int x0 = W.Rect.Left + level * indent;
    const int c = x0 + indent / 2 - indent + 2;
    const int mid = (W.Rect.Top + W.Rect.Bottom) / 2;
    if (level > 0) Line(canvas, c, mid, FCellNode->ShowTreeFull() ? W.Rect.Right : x0 + 4, mid);
    const int span = GetNodeSpanType(W.ARow);
    if (span == 1) Line(canvas, c, W.Rect.Top, c, mid);
    else if (span == 2) Line(canvas, c, W.Rect.Top, c, W.Rect.Bottom + 4);
    const bool lastRow = W.ARow >= RowCount() - 1;
    const TCellProperties* next = lastRow ? nullptr : PropsOf(0, W.ARow + 1);
    const bool nextIndented = next && next->NodeLevel() != 0;
    for (int i = 1; i <= level; ++i) {
        const int x = c - indent * i;
        canvas.MoveTo(x, W.Rect.Top);
        canvas.LineTo(x, mid);
        if (!lastRow && nextIndented) canvas.LineTo(x, W.Rect.Bottom + 4);
        else if (i < level) canvas.LineTo(x + indent, mid);
    }
    canvas.Pen = saved;
    canvas.Pen.Style = psSolid;
}

void TExStringGrid::DrawFocusRectangle(TCellDrawWork& W) {
    if (FHideFocusRect || Options().Contains(goRowSelect) || !hasFocus()) return;
    const TPoint base = BaseCell(W.RCol, W.ARow);
    if (base.X != RealColIndex(Col()) || base.Y != Row()) return;
    if (IsFixedForColors(Col(), Row())) return;
    TRect r = W.Rect;
    const int grow = GridLineWidth() - 1;
    r = {r.Left - grow, r.Top - grow, r.Right + grow - 1, r.Bottom + grow - 1};
    W.Canvas->DrawFocusRect(r);
}
