// Cell graphics: the size of a cell's graphic object, where it sits in the cell and how
// each kind draws. The glyphs (check box, radio group, sort indicator) are in
// cell_graphics_glyphs.cpp, node and cell buttons in cell_graphics_buttons.cpp.
#include "grid/core/string_grid.h"

#include "controls/cell_control_drawing.h"
#include "grid/view/cell_graphic_interface.h"
#include "platform/bitmap.h"
#include "platform/image_list.h"
#include "platform/picture.h"

#include <QLocale>
#include <cmath>

namespace {

bool IsCheckKind(TCellType kind) {
    return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox ||
           kind == ctRadioButton || kind == ctTriStateCheckBox;
}

bool IsDataCheckKind(TCellType kind) {
    return kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox;
}

// A cell's text read as a number (Floats / Ints): the C locale, then the user's.
double CellNumber(const QString& text) {
    bool ok = false;
    double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok) value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

}  // namespace

TCellGraphic* TExStringGrid::GetCellGraphicInfo(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                                bool& TextShown, int& Height, int& Width) {
    VAlign = vaTop;
    HAlign = haLeft;
    TextShown = true;
    Height = 0;
    Width = 0;
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    VAlign = graphic->CellVAlign();
    HAlign = graphic->CellHAlign();
    const auto* images = dynamic_cast<const TCustomImageList*>(GetCellImageList());
    const int check = FControlLook->CheckSize;
    switch (graphic->CellType()) {
    case ctBitmap:
    case ctIcon:
        if (const auto* picture = dynamic_cast<const TPicture*>(graphic->CellType() == ctBitmap ? graphic->CellBitmap()
                                                                                              : graphic->CellIcon())) {
            Width = picture->Width();
            Height = picture->Height();
        }
        break;
    case ctImageList:
    case ctDataImage:
        if (images) {
            Width = images->Width();
            Height = images->Height();
        }
        TextShown = graphic->CellType() == ctImageList;
        break;
    case ctCheckBox:
    case ctTriStateCheckBox: Width = Height = check; break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        Width = Height = check;
        TextShown = false;
        break;
    case ctRating:
        Width = graphic->CellAngle() * 18;
        Height = 16;
        TextShown = false;
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: TextShown = false; break;
    case ctImages:
        if (images) {
            const auto* list = dynamic_cast<const TIntList*>(graphic->CellBitmap());
            const int n = list ? list->Count() : 0;
            Width = graphic->CellBoolean() ? n * images->Width() : images->Width();
            Height = graphic->CellBoolean() ? images->Height() : n * images->Height();
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(ACol, ARow);
        const TPoint size = graphic->GetPictureSize(cell.X, cell.Y, true);
        Width = size.X;
        Height = size.Y;
        break;
    }
    case ctButton:
    case ctBitButton:
        Width = graphic->CellIndex() & 0xFFFF;
        Height = (graphic->CellIndex() >> 16) & 0xFFFF;
        break;
    case ctProgressPie: Width = Height = 20; break;
    case ctInterface:
        if (const auto* object = dynamic_cast<const ICellGraphic*>(graphic->CellBitmap())) {
            Width = object->GetWidth();
            Height = object->GetHeight();
        }
        break;
    case ctRadioButton: Width = Height = FControlLook->RadioSize + 4; break;
    case ctShape: Width = Height = RowHeights(ARow) - 2 * FXYOffset.Y; break;
    default: break;
    }
    return graphic;
}

void TExStringGrid::DrawCellGraphic(TCellDrawWork& Work, TRect ARect, TCellGraphic* Graphic, TCellVAlign VA) {
    if (!Graphic || !Work.Canvas) return;
    TCanvas& canvas = *Work.Canvas;
    const TCellType kind = Graphic->CellType();
    const int w = Work.GraphicWidth, h = Work.GraphicHeight;
    const int tw = Work.TextWidth;
    const TRect received = ARect;
    TRect r = ARect;
    if (kind != ctNode && kind != ctProgress && kind != ctRangeIndicator && kind != ctXPProgress)
        r = Rect(r.Left - (1 - FXYOffset.X), r.Top - (1 - FXYOffset.Y), r.Right + (1 - FXYOffset.X),
                 r.Bottom + (1 - FXYOffset.Y));

    // Horizontal place by the graphic's own alignment.
    TRect g = r;
    switch (Graphic->CellHAlign()) {
    case haLeft: g.Left = r.Left + 1; break;
    case haRight: g.Left = r.Right - 1 - w; break;
    case haCenter: g.Left = w < r.Width() ? r.Left + (r.Width() - w) / 2 : r.Left + 1; break;
    case haBeforeText:
        g.Left = Work.HA == taRightJustify ? r.Right - tw - w
                 : Work.HA == taCenter     ? r.Left + (r.Width() - tw - w) / 2
                                           : r.Left + 1;
        g.Left = qMax(g.Left, r.Left + 1);
        break;
    case haAfterText:
        g.Left = Work.HA == taRightJustify ? r.Right - 1 - w
                 : Work.HA == taCenter     ? qMax(r.Left + 1, r.Left + tw + (r.Width() - tw - w) / 2)
                                           : r.Left + tw;
        break;
    case haFull: break;
    }
    if (Graphic->CellHAlign() != haFull) g.Right = g.Left + w;

    // Vertical place; the check kinds follow the cell's own vertical alignment when it
    // differs from the grid's.
    TCellVAlign vertical = VA;
    if (IsCheckKind(kind) && Work.VA != FVAlignment)
        vertical = Work.VA == vtaTop ? vaTop : Work.VA == vtaCenter ? vaCenter : vaBottom;
    switch (vertical) {
    case vaTop:
    case vaAboveText: g.Top = r.Top + 1; break;
    case vaBottom: g.Top = r.Bottom - 1 - h; break;
    case vaCenter: g.Top = h < r.Height() ? r.Top + (r.Height() - h) / 2 : r.Top + 1; break;
    case vaUnderText: g.Top = r.Bottom - h; break;
    case vaFull: break;
    }
    if (vertical != vaFull) g.Bottom = g.Top + h;

    // The check kinds are placed again by the cell's text alignment, which is what the
    // mouse code's hit test assumes.
    if (IsCheckKind(kind)) {
        const bool data = IsDataCheckKind(kind);
        switch (Work.HA) {
        case taLeftJustify: g.Left = r.Left + 1; break;
        case taRightJustify: g.Left = (data ? r.Right : r.Right - tw) - w - 1; break;
        case taCenter:
            g.Left = data || tw < 1 ? r.Left + qMax(0, r.Width() - w) / 2 : r.Left + qMax(0, r.Width() - tw) / 2 - w;
            break;
        }
        g.Left = qMax(g.Left, r.Left + 1);
        g.Right = g.Left + w;
    }

    const int realCol = Work.RCol, row = Work.ARow;
    auto canEdit = [&] {
        bool can = true;
        CanEditBaseCell(RealCol(realCol), DisplRow(row), can);
        return can;
    };
    const auto* images = dynamic_cast<const TCustomImageList*>(GetCellImageList());
    switch (kind) {
    case ctBitmap:
    case ctIcon:
        if (const auto* picture =
                dynamic_cast<const TPicture*>(kind == ctBitmap ? Graphic->CellBitmap() : Graphic->CellIcon())) {
            // A transparent bitmap leaves out its corner colour.
            TBitmap shown;
            shown.LoadFromImage(picture->Image());
            shown.SetTransparent(kind == ctBitmap && Graphic->CellTransparent());
            canvas.Draw(g.Left, g.Top, shown);
        }
        break;
    case ctImageList:
        if (images) images->Draw(canvas, g.Left, g.Top, Graphic->CellIndex(), true);
        break;
    case ctDataImage:
        if (images) {
            const int index = static_cast<int>(CellNumber(Cells(realCol, row))) + Graphic->CellIndex();
            if (index >= 0 && index < images->Count()) images->Draw(canvas, g.Left, g.Top, index, true);
        }
        break;
    case ctImages:
        if (images)
            if (const auto* list = dynamic_cast<const TIntList*>(Graphic->CellBitmap())) {
                int x = g.Left, y = g.Top;
                for (int i = 0; i < list->Count(); ++i) {
                    images->Draw(canvas, x, y, list->Items(i), true);
                    (Graphic->CellBoolean() ? x : y) += Graphic->CellBoolean() ? images->Width() : images->Height();
                }
            }
        break;
    case ctCheckBox:
    case ctRowCheckBox:
        DrawCheckGlyph(canvas, g, Graphic->CellBoolean(), cbUnchecked, false, FControlLook->ControlStyle,
                       Graphic->CellAngle() > 0, canEdit());
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checkTrue;
        GetCheckTrue(RealCol(realCol), DisplRow(row), checkTrue);
        DrawCheckGlyph(canvas, g, Cells(realCol, row) == checkTrue, cbUnchecked, false, FControlLook->ControlStyle,
                       false, canEdit());
        break;
    }
    case ctTriStateCheckBox:
        DrawCheckGlyph(canvas, g, false, Graphic->CellCheckBoxState(), true, FControlLook->ControlStyle,
                       Graphic->CellAngle() > 0, canEdit());
        break;
    case ctRadioButton: {
        const int size = FControlLook->RadioSize;
        const TRect square = Rect(g.Left + FXYOffset.X, g.Top, g.Left + FXYOffset.X + size, g.Top + size);
        DrawRadioGroup(canvas, square, false, 1.0, FControlLook->ControlStyle, row, realCol, false, {QString()},
                       !canEdit(), false, Graphic->CellBoolean() ? 0 : -2, 1);
        break;
    }
    case ctRadio: {
        const QStringList items = Graphic->CellVar().toStringList();
        DrawRadioGroup(canvas, r, false, 1.0, FControlLook->ControlStyle, row, realCol,
                       Work.AState.Contains(gdSelected), items, !canEdit(), Graphic->CellBoolean(),
                       Graphic->CellIndex(), static_cast<int>(items.size()));
        break;
    }
    case ctRotated: {
        const TRect inner = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
        canvas.IntersectClip(inner);
        const bool transparent = canvas.TransparentText;
        canvas.TransparentText = true;
        const QString text = Cells(realCol, row);
        // A text turned up by 1 to 180 degrees starts at the bottom so it runs up into the cell.
        const int angle = Graphic->CellAngle();
        const int startY = angle > 0 && angle <= 180 ? inner.Bottom : inner.Top;
        canvas.TextOutRotated(inner.Left, startY, angle * 10, text);
        canvas.TransparentText = transparent;
        canvas.RestoreClip();
        if (ShowsSortIndicator(realCol, row) &&
            (FSortIndexes->FindIndex(realCol) <= 0 || FSortSettings->IndexShow))
            DrawSortIndicator(canvas, realCol, r.Top + 8, r.Right - 10);
        break;
    }
    case ctPicture:
        if (const auto* picture = dynamic_cast<const TPicture*>(Graphic->CellBitmap())) {
            if (Graphic->CellAngle() != 0) canvas.StretchDraw(g, picture->Image());
            else canvas.Painter()->drawImage(QPoint(g.Left, g.Top), picture->Image());
        }
        break;
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const TFilePicture*>(Graphic->CellBitmap())) picture->DrawPicture(canvas, g);
        break;
    case ctNode: DrawCellNode(Work, received, Graphic); break;
    case ctProgress: {
        const double value = CellNumber(Cells(realCol, row));
        if ((FControlLook->ControlStyle == csWinXP || FControlLook->ControlStyle == csTheme) &&
            FControlLook->ProgressXP) {
            TRect bar = Rect(r.Left + FControlLook->ProgressMarginX, r.Top + FControlLook->ProgressMarginY,
                             r.Right - FControlLook->ProgressMarginX, r.Bottom - FControlLook->ProgressMarginY);
            canvas.DrawThemedPart(bar, tpProgressBar, 0);
            bar = Rect(bar.Left + 2, bar.Top + 2, bar.Right - 2, bar.Bottom - 2);
            canvas.DrawThemedPart(
                Rect(bar.Left, bar.Top, bar.Left + qRound(ClampPercent(value) * bar.Width() / 100), bar.Bottom),
                tpProgressChunk, 0);
        } else {
            const TColor fill = Graphic->CellColor(), back = Graphic->CellColorTo();
            const TColor text = Graphic->CellBoolean() ? Graphic->CellTextColor() : TColor(fill ^ 0xFFFFFF);
            const TColor text2 = Graphic->CellBoolean() ? Graphic->CellTextColorTo() : TColor(back ^ 0xFFFFFF);
            DrawProgressCell(canvas, Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2), fill, text, back, text2,
                             value, FControlLook->ProgressMarginX, FControlLook->ProgressMarginY,
                             Graphic->CellErrFrom(), Graphic->CellErrLen(), Graphic->CellText(),
                             FControlLook->ProgressBorderColor, false);
        }
        break;
    }
    case ctXPProgress: {
        const TRect bar = Rect(r.Left + FControlLook->ProgressMarginX, r.Top + FControlLook->ProgressMarginY,
                               r.Right - FControlLook->ProgressMarginX - 1, r.Bottom - FControlLook->ProgressMarginY - 1);
        const double range = Graphic->CellErrLen() - Graphic->CellErrFrom();
        // An empty range has no share to show: 0 %.
        const int percent =
            range == 0 ? 0 : qRound(std::fabs(CellNumber(Cells(realCol, row)) - Graphic->CellErrFrom()) / range * 100);
        TProgressDrawParams params;
        params.Font = &canvas.Font;
        params.UnCompleteColor = Color();
        DrawProgressBar(canvas, bar, static_cast<int>(ClampPercent(percent)), params);
        break;
    }
    case ctProgressPie:
        DrawProgressPie(canvas, Rect(g.Left, g.Top, g.Left + 20, g.Top + 20), Graphic->CellColor(),
                        Graphic->CellAngle(), false);
        break;
    case ctRangeIndicator:
        DrawRangeIndicator(canvas,
                           Rect(r.Left + FControlLook->ProgressMarginX, r.Top + FControlLook->ProgressMarginY,
                                r.Right - FControlLook->ProgressMarginX, r.Bottom - FControlLook->ProgressMarginY),
                           static_cast<int>(CellNumber(Cells(realCol, row))), Graphic->CellIndex(),
                           Graphic->CellBoolean(), Graphic->CellColor(), Graphic->CellColorTo());
        break;
    case ctComment:
        if (FControlLook->CommentColor != clNone) {
            const TColor colour = Graphic->CellTextColor() != clNone ? Graphic->CellTextColor() : FControlLook->CommentColor;
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = colour;
            canvas.Pen.Color = colour;
            canvas.Pen.Style = psSolid;
            canvas.Polygon({{received.Right - 7, received.Top}, {received.Right - 2, received.Top},
                            {received.Right - 2, received.Top + 5}});
            canvas.Brush.Color = Color();
        }
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand: DrawCellButton(Work, r, g, Graphic); break;
    case ctInterface:
        if (auto* object = dynamic_cast<ICellGraphic*>(Graphic->CellBitmap()))
            object->Draw(canvas, Rect(r.Left - 1, r.Top - 1, r.Right, r.Bottom), realCol, row,
                         Work.AState.Contains(gdSelected), this);
        break;
    case ctShape:
        DrawCellShape(canvas, g.Left, g.Top, g.Width() - 1, g.Height() - 1, static_cast<TCellShape>(Graphic->CellAngle()),
                      Graphic->CellColor(), Graphic->CellTextColor());
        break;
    case ctRating: {
        const double v = std::round(2 * CellNumber(Cells(realCol, row))) / 2;
        int x = g.Left;
        for (int i = 0; i < Graphic->CellAngle(); ++i, x += 18) {
            DrawCellShape(canvas, x, g.Top, 16, 16, csStar, i + 1 > v ? Graphic->CellColor() : Graphic->CellTextColor(),
                          i + 1 > v ? Graphic->CellColor() : Graphic->CellTextColor());
            if (i + 1 > v && v > i)
                DrawCellShape(canvas, x, g.Top, 16, 16, csHalfStar, Graphic->CellTextColor(), Graphic->CellTextColor());
        }
        break;
    }
    default: break;
    }
}
