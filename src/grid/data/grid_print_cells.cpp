// One cell on a printed page: its measured size, the row heights that follow from it,
// and its painting (background, text of every kind, graphic, borders). Graphics go
// through the screen's painters into an image at screen scale, which is stretched onto
// the page, so paper shows what the screen shows.

#include "controls/gradient_drawing.h"
#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/data/grid_print_job.h"
#include "grid/data/print_settings.h"
#include "grid/view/markup_renderer.h"
#include "grid/view/rich_text_plain.h"
#include "platform/image_list.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

bool IsPrintedGraphic(TCellType kind) {
    switch (kind) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage:
    case ctCheckBox:
    case ctTriStateCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctNode:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctProgress:
    case ctProgressPie:
    case ctInterface: return true;
    default: return false;
    }
}

bool IsCheckOrRadio(TCellType kind) {
    return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox ||
           kind == ctRadioButton;
}

// Offsets of a turned text's start from the top-left of its bounding box (y down), and
// the box's size, for text w wide and h high turned by angle degrees.
struct TurnedBox {
    int Width, Height, OriginX, OriginY;
};

TurnedBox TurnBox(int w, int h, int angle) {
    const double a = std::fmod(std::fmod(double(angle), 360.0) + 360.0, 360.0);
    const double rad = a * M_PI / 180.0;
    const double c = std::abs(std::cos(rad)), s = std::abs(std::sin(rad));
    TurnedBox box{int(w * c + h * s), int(w * s + h * c), 0, 0};
    if (a <= 90) box.OriginY = int(w * s);
    else if (a <= 180) {
        box.OriginX = int(w * c);
        box.OriginY = box.Height;
    } else if (a <= 270) {
        box.OriginX = box.Width;
        box.OriginY = int(h * c);
    } else box.OriginX = int(h * s);
    return box;
}

}  // namespace

QStringList TGridPrintJob::TextLines(const QString& text) const {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    QStringList lines = t.split(QLatin1Char('\r'));
    if (!FGrid.Multilinecells()) lines = lines.mid(0, 1);
    if (FGrid.URLShow() && !FGrid.URLFull())
        for (QString& line : lines) StripUrlScheme(line);
    return lines;
}

QString TGridPrintJob::PrintedText(int ACol, int ARow, int& kind) {
    kind = ckPlain;
    if (IsDataBoundCell(&FGrid, ACol, ARow)) return {};
    QString text = FGrid.GetFormattedCell(RealCol(ACol), DisplRow(ARow));
    kind = CellTextKind(text, FGrid.EnableHTML());
    if (kind == ckRichText) {
        text = RichTextToPlainText(text);
        kind = ckPlain;
    } else if (kind == ckFormula) {
        FGrid.GetSaveCellText(RealCol(ACol), DisplRow(ARow), text);
        kind = ckPlain;
    } else if (kind != ckMiniHtml) kind = ckPlain;
    return text;
}

TFont TGridPrintJob::CellFont(int col, int ARow, bool remap, TBrush& brush, TColor& colorTo, TVAlignment& VA,
                              bool& wordWrap) {
    TGridDrawState state;
    TColor mirror = clNone, mirrorTo = clNone;
    TAlignment horizontal = taLeftJustify;
    TCellGradientDirection direction = GradientVertical;
    TFont font = FSettings.Font;
    wordWrap = FGrid.WordWrap();
    FGrid.GetVisualProperties(col, ARow, state, true, false, remap, brush, colorTo, mirror, mirrorTo, font,
                              horizontal, VA, wordWrap, direction);
    FGrid.GetCellWordWrap(RealCol(remap ? FGrid.RealColIndex(col) : col), DisplRow(ARow), wordWrap);
    return Scaled(font);
}

TPoint TGridPrintJob::MeasureCell(int ACol, int ARow) {
    int kind = ckPlain;
    const QString text = PrintedText(ACol, ARow, kind);
    TBrush brush;
    TColor colorTo = clNone;
    TVAlignment vertical = vtaTop;
    bool wordWrap = false;
    FCanvas.Font = CellFont(ACol, ARow, false, brush, colorTo, vertical, wordWrap);
    FMeasure.Font = FCanvas.Font;

    if (kind == ckMiniHtml) {
        const TMapMode keep = FMeasure.MapMode();
        const int display = FGrid.DisplColIndex(ACol);
        const int width = FSettings.NoAutoSize
                              ? FMeasure.LogicalToDevice(TPoint{int(std::lround((FGrid.ColWidths(display) + 12) * FK)), 0}).X
                              : 65535;
        FMeasure.SetMapMode(mmText);
        TMarkupTextParams params;
        params.Canvas = &FMeasure;
        params.Text = text;
        params.Bounds = Rect(0, 0, width, 65535);
        params.MeasureOnly = true;
        params.Printing = true;
        params.ResolutionFactor = FMeasure.ResolutionX() / 96.0;
        params.WordWrap = FSettings.NoAutoSize;
        DrawMarkupText(params);
        FMeasure.SetMapMode(keep);
        const TRect size = FMeasure.DeviceToLogical(Rect(0, 0, params.MaxLineWidth, params.TotalHeight));
        return {size.Right - size.Left, size.Top - size.Bottom};
    }

    int angle = 0;
    const bool turned = FGrid.IsRotated(ACol, ARow, angle) && angle % 360 != 0;
    TPoint graphic{0, 0};
    if (FSettings.PrintGraphics && FGrid.GetCellGraphic(ACol, ARow)) {
        const TPoint size = FGrid.GetCellGraphicSize(ACol, ARow);
        graphic = {int(std::lround(size.X * FK)), int(std::lround(size.Y * FK))};
    }
    const int lineHeight = FMeasure.TextHeight(QStringLiteral("gh"));
    TPoint size;
    int widest = 0;
    if (wordWrap && FSettings.NoAutoSize && !turned) {
        const int display = FGrid.DisplColIndex(ACol);
        const int width = FGrid.IsXMergedCell(ACol, ARow) ? 65535 : FWidths[std::size_t(display)];
        TRect r = Rect(0, 0, width, -65535);
        const QString shown = text.isEmpty() ? QStringLiteral("gh") : text;
        FMeasure.DrawText(shown, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS);
        size = {width, r.Top - r.Bottom};
        widest = width;
    } else {
        const QStringList lines = TextLines(text.isEmpty() ? QStringLiteral("gh") : text);
        for (const QString& line : lines) widest = std::max(widest, FMeasure.TextWidth(line));
        widest += graphic.X;
        size = {widest, int(lines.size()) * lineHeight};
    }
    if (turned) {
        const double rad = angle * M_PI / 180.0;
        size = {std::abs(int(std::lround(std::cos(rad) * size.X))) + std::abs(int(std::lround(std::sin(rad) * size.Y))),
                std::abs(int(std::lround(std::sin(rad) * widest))) + std::abs(int(std::lround(std::cos(rad) * size.Y)))};
    }
    size = {std::max(size.X, graphic.X), std::max(size.Y, graphic.Y)};
    if (FGrid.OnCustomCellSize) FGrid.OnCustomCellSize(&FGrid, &FCanvas, ACol, ARow, size, true);
    return size;
}

int TGridPrintJob::RowContentHeight(int ARow) {
    if (FSettings.NoAutoSizeRow) return int(std::lround(FGrid.RowHeights(ARow) * FK)) - 4;
    const bool cached = ARow >= 0 && ARow < int(FRowHeights.size());
    if (cached && FRowHeights[std::size_t(ARow)] != kUnmeasured) return FRowHeights[std::size_t(ARow)];
    int height = 0;
    if (FSettings.UseFixedHeight) height = FSettings.FixedHeight;
    else {
        int measured = 0;
        bool any = false;
        for (int c = FCells.Left; c <= FCells.Right; ++c) {
            const int real = FGrid.RealColIndex(c);
            measured = MeasureCell(real, ARow).Y;
            if (FGrid.IsYMergedCell(real, ARow)) continue;
            height = any ? std::max(height, measured) : measured;
            any = true;
        }
        if (!any) height = measured;
        height += int(unsigned(std::max(0, height)) / 8);
        if (FGrid.OnPrintSetRowHeight) FGrid.OnPrintSetRowHeight(&FGrid, ARow, height);
    }
    if (cached) FRowHeights[std::size_t(ARow)] = height;
    return height;
}

int TGridPrintJob::PrintedRowHeight(int ARow) {
    return 2 * FMargin + std::max(0, RowContentHeight(ARow)) + FSettings.RowSpacing;
}

void TGridPrintJob::PaintCells(int y, int fromCol, int toCol, int ARow) {
    const int rowHeight = PrintedRowHeight(ARow);
    TCellBorders standard;
    switch (FSettings.Borders) {
    case pbSingle:
    case pbDouble: standard = TCellBorders{cbTop, cbLeft, cbRight, cbBottom}; break;
    case pbVertical:
    case pbAroundVertical: standard = TCellBorders{cbLeft, cbRight}; break;
    case pbHorizontal:
    case pbAroundHorizontal: standard = TCellBorders{cbTop, cbBottom}; break;
    default: break;
    }
    for (int c = fromCol; c <= toCol; ++c) {
        if (!ColPasses(c)) continue;
        const int real = FGrid.RealColIndex(c);
        // A merged area is painted whole by its base cell; the cells it covers add nothing.
        if (!FGrid.IsBaseCell(real, ARow)) continue;
        const TPoint span = FGrid.CellSpan(real, ARow);
        int width = 0;
        for (int dc = 0; dc <= span.X && c + dc < int(FWidths.size()); ++dc)
            width += FWidths[std::size_t(c + dc)] + FSpacing;
        int height = rowHeight;
        for (int dr = 1; dr <= span.Y && ARow + dr < FGrid.RowCount(); ++dr) height += PrintedRowHeight(ARow + dr);
        const int left = FOffsets[std::size_t(c)];
        TRect cell = Rect(left, y, left + width, y - height);
        // Nothing reaches past the block's last column.
        const int blockRight = FOffsets[std::size_t(FBlockEnd)] + FWidths[std::size_t(FBlockEnd)] + FSpacing;
        if (cell.Right > FPageWidth) cell.Right = std::max(cell.Left, blockRight);

        TPen pen;
        pen.Color = FSettings.BorderColor;
        pen.Width = 1;
        pen.Style = FSettings.BorderStyle;
        TCellBorders borders = standard;
        FGrid.GetCellPrintBorder(RealCol(real), DisplRow(ARow), &pen, borders);
        const int penWidth = FMode == pmPrintDraw ? int(std::lround(pen.Width * FK)) : pen.Width;

        const TPen pagePen = FCanvas.Pen;
        PaintCell(cell, c, ARow, borders, penWidth, span.X > 0 || span.Y > 0);

        FCanvas.Pen = pen;
        FCanvas.Pen.Width = penWidth;
        auto line = [&](int x1, int y1, int x2, int y2) {
            FCanvas.MoveTo(x1, y1);
            FCanvas.LineTo(x2, y2);
        };
        // Neighbours share their edge lines, so inner lines are as thick as outer ones.
        bool bottomSide = borders.Contains(cbBottom);
        if (cell.Bottom < FPageBottom + FSettings.FooterSize) {
            cell.Bottom = y - rowHeight;
            bottomSide = false;
        }
        if (borders.Contains(cbLeft)) line(cell.Left, cell.Top, cell.Left, cell.Bottom);
        if (borders.Contains(cbRight)) line(cell.Right, cell.Top, cell.Right, cell.Bottom);
        if (borders.Contains(cbTop)) line(cell.Left, cell.Top, cell.Right, cell.Top);
        if (bottomSide) line(cell.Left, cell.Bottom, cell.Right, cell.Bottom);
        FCanvas.Pen = pagePen;
    }
}

void TGridPrintJob::PaintGradient(TRect r, TColor from, TColor to) {
    const TRect device = FCanvas.LogicalToDevice(r);
    const TMapMode keep = FCanvas.MapMode();
    FCanvas.SetMapMode(mmText);
    FillGradientRect(FCanvas, from, to, 63, device, false);
    FCanvas.SetMapMode(keep);
}

void TGridPrintJob::PaintCell(TRect cell, int c, int ARow, TCellBorders borders, int penWidth,
                              bool merged) {
    const int real = FGrid.RealColIndex(c);
    TBrush brush;
    TColor colorTo = clNone;
    TVAlignment vertical = vtaTop;
    bool wordWrap = false;
    const TFont font = CellFont(c, ARow, true, brush, colorTo, vertical, wordWrap);
    int kind = ckPlain;
    const QString text = PrintedText(real, ARow, kind);

    TRect back = cell;
    if (!borders.Contains(cbLeft)) back.Left += 2 * penWidth;
    if (!borders.Contains(cbTop)) back.Top -= 2 * penWidth;
    if (brush.Color != clNone) {
        FCanvas.Brush.Style = bsSolid;
        if (colorTo != clNone) PaintGradient(back, brush.Color, colorTo);
        else {
            FCanvas.Brush.Color = brush.Color;
            FCanvas.FillRect(back);
        }
    }

    TAlignment horizontal = taLeftJustify;
    TVAlignment ignored = vtaTop;
    FGrid.ResolveCellAlignment(RealCol(real), DisplRow(ARow), horizontal, ignored);

    TCellDrawWork work;
    work.ACol = c;
    work.RCol = real;
    work.ARow = ARow;
    work.FlagRow = ARow;
    work.HA = horizontal;
    work.VA = vertical;
    work.WW = wordWrap;
    TRect textRect = cell;
    bool textShown = true;
    if (FSettings.PrintGraphics) {
        TCellGraphic* graphic = FGrid.GetCellGraphicInfo(real, ARow, work.GraphicVAlign, work.GraphicHAlign,
                                                         work.TextShown, work.GraphicHeight, work.GraphicWidth);
        if (graphic && IsPrintedGraphic(graphic->CellType())) {
            work.Graphic = graphic;
            const TCellType type = graphic->CellType();
            textShown = work.TextShown && type != ctRadio;
            const int gw = int(std::lround(work.GraphicWidth * FK)), gh = int(std::lround(work.GraphicHeight * FK));
            // An empty check box follows the cell's alignment.
            const bool alone = IsCheckOrRadio(type) && text.isEmpty();
            if (!alone) switch (work.GraphicHAlign) {
                case haLeft:
                case haBeforeText: textRect.Left += gw + int(std::lround(FK)); break;
                case haRight:
                case haAfterText: textRect.Right -= gw; break;
                default: break;
                }
            if (work.GraphicVAlign == vaUnderText) textRect.Bottom += gh;
            if (work.GraphicVAlign == vaAboveText) textRect.Top -= gh;
        }
    }

    FCanvas.Font = font;
    FMeasure.Font = font;
    FCanvas.Brush.Style = bsClear;
    if (textShown && !text.isEmpty()) {
        FCanvas.IntersectClip(cell);
        if (kind == ckMiniHtml)
            PaintMarkupText(text, Rect(textRect.Left + FPadding, textRect.Top - FMargin, textRect.Right - FPadding,
                                       textRect.Bottom),
                            wordWrap || FGrid.Multilinecells());
        else {
            int angle = 0;
            if (!FGrid.IsRotated(real, ARow, angle)) angle = 0;
            PaintPlainText(text, textRect, horizontal, vertical, wordWrap, angle, merged);
        }
        FCanvas.RestoreClip();
    }
    if (work.Graphic) {
        work.TextWidth = textShown ? int(FCanvas.TextWidth(TextLines(text).value(0)) / FK) : 0;
        PaintGraphic(work, cell, font);
    }
    FCanvas.Brush.Style = bsSolid;

    if (FGrid.OnCustomCellDraw) {
        const TRect device = FCanvas.LogicalToDevice(cell);
        const TMapMode keep = FCanvas.MapMode();
        FCanvas.SetMapMode(mmText);
        FGrid.OnCustomCellDraw(&FGrid, &FCanvas, real, ARow, TGridDrawState{}, device, true);
        FCanvas.SetMapMode(keep);
    }
}

void TGridPrintJob::PaintPlainText(const QString& text, TRect r, TAlignment HA, TVAlignment VA, bool wordWrap,
                                   int angle, bool merged) {
    const int pitchBase = FMeasure.TextHeight(QStringLiteral("gh")) + FSettings.RowSpacing;
    const int pitch = pitchBase + int(unsigned(std::max(0, pitchBase)) / 8);
    const int step = pitch - FSettings.RowSpacing;
    const QStringList lines = TextLines(text);

    if (angle % 360 != 0) {
        int widest = 0;
        for (const QString& line : lines) widest = std::max(widest, FCanvas.TextWidth(line));
        const TRect area = Rect(r.Left + FPadding, r.Top - FMargin, r.Right - FPadding, r.Bottom + FMargin);
        const TurnedBox box = TurnBox(widest, step * int(lines.size()), angle);
        int left = area.Left;
        if (HA == taRightJustify) left = area.Right - box.Width;
        else if (HA == taCenter) left = area.Left + (area.Width() - box.Width) / 2;
        const int free = (area.Top - area.Bottom) - box.Height;
        int top = area.Top;
        if (VA == vtaBottom) top -= free;
        else if (VA == vtaCenter) top -= free / 2;
        // Further lines stand below the first, across the turned direction.
        const double rad = angle * M_PI / 180.0;
        for (int i = 0; i < int(lines.size()); ++i) {
            const int x = left + box.OriginX + int(std::lround(i * step * std::sin(rad)));
            const int y = top - box.OriginY - int(std::lround(i * step * std::cos(rad)));
            FCanvas.TextOutRotated(x, y, angle * 10, lines[i]);
        }
        return;
    }

    if (wordWrap && FSettings.NoAutoSize) {
        TRect box = Rect(r.Left + int(std::lround(2 * FK)), r.Top - FMargin, r.Right, r.Bottom);
        unsigned flags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;
        if (HA == taRightJustify) {
            box.Right -= FPadding;
            flags |= DT_RIGHT;
        } else if (HA == taCenter) {
            box.Left += FPadding;
            box.Right -= FPadding;
            flags |= DT_CENTER;
        } else box.Left += FPadding;
        FCanvas.DrawText(text, box, flags);
        return;
    }

    auto xOf = [&](const QString& line) {
        const int width = FCanvas.TextWidth(line);
        if (HA == taRightJustify) return r.Right - FPadding - width;
        if (HA == taCenter) return r.Left + (r.Width() - width) / 2;
        return r.Left + FPadding;
    };
    if (lines.size() <= 1) {
        const QString line = lines.value(0);
        const int height = (r.Top - r.Bottom) - 2 * FMargin - FSettings.RowSpacing;
        if (FGrid.EnhTextSize() && FSettings.NoAutoSize) {
            TRect box = Rect(r.Left + FGrid.XYOffset().X * int(FK), r.Top - FMargin, r.Right, r.Top - FMargin - height);
            const unsigned align = HA == taRightJustify ? DT_RIGHT : HA == taCenter ? DT_CENTER : DT_LEFT;
            FCanvas.DrawText(line, box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | align);
            return;
        }
        const int free = height - FCanvas.TextHeight(line);
        int y = r.Top - FMargin;
        if (VA == vtaBottom) y -= free;
        else if (VA == vtaCenter) y -= free / 2;
        FCanvas.TextOut(xOf(line), y, line);
        return;
    }
    const int free = (r.Top - r.Bottom) - 2 * FMargin - FSettings.RowSpacing - step * int(lines.size());
    int y = r.Top - FMargin;
    if (!merged) {
        if (VA == vtaBottom) y -= std::max(0, free);
        else if (VA == vtaCenter) y -= std::max(0, free) / 2;
    }
    for (const QString& line : lines) {
        FCanvas.TextOut(xOf(line), y, line);
        y -= step;
    }
}

void TGridPrintJob::PaintMarkupText(const QString& text, TRect r, bool wordWrap) {
    const TRect device = FCanvas.LogicalToDevice(r);
    const TMapMode keep = FCanvas.MapMode();
    FCanvas.SetMapMode(mmText);
    TMarkupTextParams params;
    params.Canvas = &FCanvas;
    params.Text = text;
    params.Bounds = device;
    params.Images = dynamic_cast<const TCustomImageList*>(FGrid.GetCellImageList());
    params.AnchorColor = FGrid.URLColor();
    params.Printing = true;
    params.ResolutionFactor = FCanvas.ResolutionX() / 96.0;
    params.WordWrap = wordWrap;
    DrawMarkupText(params);
    FCanvas.SetMapMode(keep);
}

void TGridPrintJob::PaintGraphic(const TCellDrawWork& work, TRect cell, const TFont& font) {
    // Drawn at screen size into an image, then stretched over the cell.
    const int width = std::max(1, int(std::lround(cell.Width() / FK)));
    const int height = std::max(1, int(std::lround((cell.Top - cell.Bottom) / FK)));
    // Up to four image pixels per screen pixel, and never a huge image for a huge cell.
    constexpr int kLargestSide = 4096;
    const double scale = std::clamp(FCanvas.ResolutionX() / 96.0, 1.0, 4.0);
    const int imageWidth = std::clamp(int(width * scale), 1, kLargestSide);
    const int imageHeight = std::clamp(int(height * scale), 1, kLargestSide);
    QImage image(imageWidth, imageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(double(imageWidth) / width, double(imageHeight) / height);
        TCanvas canvas(&painter);
        canvas.Font = font;
        if (FFit > 0) canvas.Font.Size = std::max(1, int(std::lround(font.Size / FFit)));
        TCellDrawWork drawn = work;
        drawn.Canvas = &canvas;
        drawn.Rect = Rect(0, 0, width, height);
        FGrid.DrawCellGraphic(drawn, drawn.Rect, drawn.Graphic, drawn.GraphicVAlign);
    }
    FCanvas.StretchDraw(cell, image);
}
