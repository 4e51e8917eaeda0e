// The glyphs shared by the cell graphics and other drawing: the check box in its seven
// styles, the radio group and the header's sort indicator.
#include "grid/core/string_grid.h"

#include "controls/gradient_drawing.h"

namespace {

// The glyph pictures keep their key colour in the top-left pixel.
void DrawGlyphResource(TCanvas& canvas, const QString& name, int x, int y) {
    TBitmap bitmap;
    if (!bitmap.LoadFromFile(QStringLiteral(":/glyphs/") + name + QStringLiteral(".png"))) return;
    bitmap.SetTransparentColor(FromQColor(bitmap.Image().pixelColor(0, 0)));
    bitmap.SetTransparent(true);
    canvas.Draw(x, y, bitmap);
}

void DrawGlyphBitmap(TCanvas& canvas, const TBitmap& glyph, int x, int y) {
    if (glyph.Empty()) return;
    TBitmap shown = glyph;
    shown.SetTransparent(true);
    canvas.Draw(x, y, shown);
}

}  // namespace

void TExStringGrid::DrawCheckGlyph(TCanvas& Canvas, TRect ARect, bool Checked, TCheckBoxState State, bool TriState,
                                   TControlStyle Style, bool Grayed, bool Enabled) {
    const TControlLook& look = *FControlLook;
    if (look.NoDisabledCheckRadioLook || look.CheckAlwaysActive) Enabled = true;
    if (TriState) {
        Checked = State == cbChecked;
        Grayed = State == cbGrayed;
    }
    const int cs = look.CheckSize;
    switch (Style) {
    case csWinXP:
    case csZRT: {
        const int first = Style == csZRT ? 1 : 5;
        const int index = first + (Checked ? 0 : 1) + (Enabled ? 0 : 2);
        DrawGlyphResource(Canvas, QStringLiteral("ASGCHK%1").arg(index, 2, 10, QLatin1Char('0')), ARect.Left, ARect.Top);
        break;
    }
    case csGlyph: DrawGlyphBitmap(Canvas, Checked ? look.CheckedGlyph : look.UnCheckedGlyph, ARect.Left, ARect.Top); break;
    case csBrantel: {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Enabled ? clBtnFace : clBtnShadow;
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Width = 1;
        Canvas.Pen.Color = clBtnFace;
        Canvas.Rectangle(ARect);
        const int l = ARect.Left, t = ARect.Top, r = ARect.Right, b = ARect.Bottom;
        Canvas.Pen.Color = clBtnHighlight;
        Canvas.MoveTo(l, b - 1);
        Canvas.LineTo(l, t);
        Canvas.LineTo(r - 1, t);
        Canvas.Pen.Color = clBtnShadow;
        Canvas.LineTo(r - 1, b - 1);
        Canvas.LineTo(l, b - 1);
        if (Checked) {
            Canvas.Pen.Color = Enabled ? look.Color : TColor(0x808080);
            Canvas.MoveTo(l + 2, t + cs / 2);
            Canvas.LineTo(l + 2, b - 2);
            Canvas.MoveTo(l + 3, t - 1 + cs / 2);
            Canvas.LineTo(l + 3, b - 3);
            Canvas.MoveTo(l + 2, b - 2);
            Canvas.LineTo(r - 2, t + 2);
            Canvas.MoveTo(l + 3, b - 2);
            Canvas.LineTo(r - 1, t + 2);
        }
        break;
    }
    case csTheme:
        Canvas.DrawThemedPart(Rect(ARect.Left, ARect.Top, ARect.Left + cs, ARect.Top + cs), tpCheckBox,
                              Enabled ? 0 : 3, Grayed ? cmMixed : Checked ? cmChecked : cmUnchecked);
        break;
    case csClassic:
    case csFlat: {
        const int left = ARect.Left + (ARect.Width() - cs) / 2, top = ARect.Top + (ARect.Height() - cs) / 2;
        Canvas.DrawFrameControl(Rect(left, top, left + cs, top + cs), fcCheckBox, Checked, Grayed, Style == csFlat,
                                Enabled ? 0 : 3);
        break;
    }
    }
}

void TExStringGrid::DrawRadioGroup(TCanvas& Canvas, TRect ARect, bool BottomUp, double Zoom, TControlStyle Style,
                                   int ARow, int ACol, bool Selected, const QStringList& Items, bool Disabled,
                                   bool Horizontal, int Index, int Count) {
    const TControlLook& look = *FControlLook;
    if (look.NoDisabledCheckRadioLook || look.RadioAlwaysActive) Disabled = false;
    if (Count < 1) return;
    const bool transparent = Canvas.TransparentText;
    const TBrushStyle brushStyle = Canvas.Brush.Style;
    Canvas.TransparentText = true;
    Canvas.Brush.Style = bsClear;
    if (Selected && FShowSelection && FSelectionTextColor != clNone) Canvas.Font.Color = FSelectionTextColor;
    const QString cellText = Cells(ACol, ARow);
    const int step = BottomUp ? -1 : 1;
    const int rs = look.RadioSize;
    const int rsZoomed = qRound(rs * Zoom);
    const bool glyphStyle = Style == csWinXP || Style == csZRT || Style == csGlyph;
    int widthSoFar = 0;
    for (int i = 1; i <= Count; ++i) {
        const QString text = i - 1 < Items.size() ? Items[i - 1] : QString();
        const bool on = i == Index + 1 || (Index == -1 && text == cellText);
        int x, y, textX, textY;
        if (Style == csClassic || Style == csFlat) {
            if (Horizontal) {
                x = (i - 1) * rs + widthSoFar + ARect.Left + 2;
                y = ARect.Top + (ARect.Height() - rs) / 2;
                textX = x + rsZoomed;
            } else if (!text.isEmpty()) {
                x = ARect.Left + 2;
                y = ARect.Top + step * (i - 1) * Canvas.TextHeight(QStringLiteral("gh")) + 2;
                textX = x + qRound(Zoom * (rs + 4));
            } else {
                x = ARect.Left + (ARect.Width() - rsZoomed) / 2;
                y = ARect.Top + step * (i - 1) * Canvas.TextHeight(QStringLiteral("gh")) + 2;
                textX = x + rsZoomed;
            }
            textY = y - 2;
            const int size = Style == csFlat ? rs + 2 : rsZoomed;
            Canvas.DrawFrameControl(Rect(x, y, x + size, y + size), fcRadioButton, on, false, Style == csFlat,
                                    Disabled ? 3 : 0);
        } else {
            if (Horizontal) {
                x = widthSoFar + ARect.Left + 16 * i - 14;
                y = ARect.Top + (ARect.Height() - 16) / 2;
                textX = x + 16;
            } else {
                const int lineHeight = qMax(16, Canvas.TextHeight(QStringLiteral("gh")));
                x = text.isEmpty() ? ARect.Left + (ARect.Width() - 16) / 2 : ARect.Left + 2;
                y = ARect.Top + step * (i - 1) * lineHeight + 2;
                textX = glyphStyle ? ARect.Left + 18 : ARect.Left + 20;
            }
            textY = glyphStyle ? y + 1 : y - 2;
            switch (Style) {
            case csBrantel:
                Canvas.Brush.Style = bsSolid;
                Canvas.Brush.Color = clBtnFace;
                Canvas.Pen.Style = psClear;
                Canvas.Polygon({{x + 2, y + 8}, {x + 8, y + 2}, {x + 14, y + 8}, {x + 8, y + 14}});
                Canvas.Pen.Style = psSolid;
                Canvas.Pen.Color = on ? TColor(0x808080) : clWhite;
                Canvas.Polyline({{x + 2, y + 8}, {x + 8, y + 2}, {x + 14, y + 8}});
                Canvas.Pen.Color = on ? clWhite : TColor(0x808080);
                Canvas.Polyline({{x + 14, y + 8}, {x + 8, y + 14}, {x + 2, y + 8}});
                if (on) {
                    Canvas.Brush.Color = look.Color;
                    Canvas.Pen.Color = look.Color;
                    Canvas.Polygon({{x + 6, y + 8}, {x + 8, y + 6}, {x + 10, y + 8}, {x + 8, y + 10}});
                }
                Canvas.Brush.Style = bsClear;
                break;
            case csTheme:
                Canvas.DrawThemedPart(Rect(x, y, x + 16, y + 16), tpRadioButton, Disabled ? 3 : 0,
                                      on ? cmChecked : cmUnchecked);
                break;
            case csGlyph: DrawGlyphBitmap(Canvas, on ? look.RadioOnGlyph : look.RadioOffGlyph, x, y); break;
            default: {
                const int first = Style == csZRT ? 1 : 5;
                const int index = first + (on ? 0 : 1) + (Disabled ? 2 : 0);
                DrawGlyphResource(Canvas, QStringLiteral("ASGRAD%1").arg(index, 2, 10, QLatin1Char('0')), x, y);
            }
            }
        }
        if (!text.isEmpty()) {
            Canvas.TextOut(textX, textY, text);
            widthSoFar += Canvas.TextWidth(text);
        }
    }
    Canvas.TransparentText = transparent;
    Canvas.Brush.Style = brushStyle;
}

void TExStringGrid::DrawSortIndicator(TCanvas& Canvas, int ACol, int Y, int X) {
    const TSortSettings& sort = *FSortSettings;
    if (sort.IndexShow) {
        const int position = FSortIndexes->FindIndex(ACol);
        if (position < 0) return;
        const TFont keep = Canvas.Font;
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = sort.IndexColor;
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Width = 1;
        Canvas.Pen.Color = clBlack;
        Canvas.Font.Color = clBlack;
        Canvas.Font.Size = 6;
        const bool bothGlyphs = !sort.IndexUpGlyph.Empty() && !sort.IndexDownGlyph.Empty();
        const QString number = QString::number(position + 1);
        const bool transparent = Canvas.TransparentText;
        Canvas.TransparentText = true;
        if (FSortIndexes->SortDirections(position)) {
            if (bothGlyphs) DrawGlyphBitmap(Canvas, sort.IndexUpGlyph, X - 7, Y - 7);
            else Canvas.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
            Canvas.TextOut(X - 2, Y - 4, number);
        } else {
            if (bothGlyphs) DrawGlyphBitmap(Canvas, sort.IndexDownGlyph, X - 7, Y - 7);
            else Canvas.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
            Canvas.TextOut(X - 2, Y - 2, number);
        }
        Canvas.TransparentText = transparent;
        Canvas.Font = keep;
        return;
    }
    if (sort.UpGlyph.Empty() || sort.DownGlyph.Empty()) {
        Canvas.Pen.Style = psSolid;
        Canvas.Pen.Width = 1;
        if (sort.Direction == sdDescending) {
            Canvas.Pen.Color = clWhite;
            Canvas.MoveTo(X + 4, Y - 4);
            Canvas.LineTo(X, Y + 4);
            Canvas.Pen.Color = TColor(0x808080);
            Canvas.LineTo(X - 4, Y - 4);
            Canvas.LineTo(X + 4, Y - 4);
        } else {
            Canvas.Pen.Color = clWhite;
            Canvas.MoveTo(X - 4, Y + 4);
            Canvas.LineTo(X + 4, Y + 4);
            Canvas.LineTo(X, Y - 4);
            Canvas.Pen.Color = TColor(0x808080);
            Canvas.LineTo(X - 4, Y + 4);
        }
        Canvas.Pen.Color = clBlack;
        return;
    }
    DrawGlyphBitmap(Canvas, sort.Direction == sdDescending ? sort.DownGlyph : sort.UpGlyph, X - 4, Y - 4);
    Canvas.Brush.Color = FixedColor();
}
