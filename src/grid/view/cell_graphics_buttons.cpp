// The node button with its tree lines and the cell buttons (push, bitmap, expand chevron).
#include "grid/core/string_grid.h"

#include "controls/cell_control_drawing.h"
#include "controls/gradient_drawing.h"
#include "platform/picture.h"

void TExStringGrid::DrawCellNode(TCellDrawWork& Work, TRect R, TCellGraphic* Graphic) {
    TCanvas& canvas = *Work.Canvas;
    const TCellNode& node = *FCellNode;
    const int row = Work.ARow;
    const int indent = GetRowIndent(row);
    const int ni = node.NodeIndent();
    const bool contracted = Graphic->CellBoolean();

    R.Left = indent - ni;
    if (node.ShowTree() && row >= FixedRows()) {
        canvas.Pen.Style = psSolid;
        canvas.Pen.Width = 1;
        canvas.Pen.Color = node.TreeColor();
        const int x = R.Left + ni / 2 + 2;
        const bool nextIndented = row + 1 < RowCount() && GetRowIndent(row + 1) > 0;
        const bool nextLess = row + 1 < RowCount() && GetRowIndent(row + 1) < indent;
        if (nextIndented && !(contracted && nextLess)) {
            canvas.MoveTo(x, R.Top + R.Height() / 2);
            canvas.LineTo(x, R.Bottom);
        }
        if (row > 0 && GetRowIndent(row - 1) >= indent) {
            canvas.MoveTo(x, R.Top);
            canvas.LineTo(x, R.Top + 6);
        }
    }

    R.Left = indent - ni / 2 - 4;
    TColor background = canvas.Brush.Color;
    if (background == clNone) background = FixedCols() < 1 ? Color() : FixedColor();
    if (FShowSelection && Work.AState.Contains(gdSelected) && !Work.IsFixed) background = FSelectionColor;

    switch (node.NodeType()) {
    case cnLeaf:
        DrawTransparentBitmapResource(canvas, background,
                                      Rect(R.Left, R.Top + (R.Height() - 12) / 2, R.Right, R.Bottom),
                                      contracted ? QStringLiteral("glyphs/ASGLEAFCLOSE.png")
                                                 : QStringLiteral("glyphs/ASGLEAFOPEN.png"));
        return;
    case cnXP:
        DrawTransparentBitmapResource(canvas, background,
                                      Rect(R.Left + 4, R.Top + (R.Height() - 10) / 2, R.Right, R.Bottom),
                                      contracted ? QStringLiteral("glyphs/XPNODEC.png")
                                                 : QStringLiteral("glyphs/XPNODEO.png"));
        return;
    case cnGlyph:
        if (!node.ExpandGlyph().isNull() && !node.ContractGlyph().isNull()) {
            const QImage& glyph = contracted ? node.ContractGlyph() : node.ExpandGlyph();
            const int top = R.Top + (R.Height() - node.ContractGlyph().height()) / 2;
            DrawTransparentBitmap(canvas, glyph, background, Rect(R.Left, top, R.Right, R.Bottom));
            return;
        }
        break;
    case cn3D:
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = node.Color();
        canvas.FillRect(R);
        canvas.DrawEdge(R, ekRaised, false);
        break;
    default: break;
    }

    TRect box;
    box.Left = R.Left + 4;
    box.Right = R.Left + 12;
    box.Top = R.Top + qMax(0, R.Height() - 8) / 2;
    box.Bottom = box.Top + 8;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = node.Color();
    if (node.NodeType() == cn3D || node.NodeType() == cnGlyph) {
        canvas.FillRect(box);
        canvas.DrawEdge(box, contracted ? ekRaised : ekSunken, false);
        return;
    }
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = node.NodeColor();
    canvas.Rectangle(Rect(box.Left, box.Top, box.Right + 1, box.Bottom + 1));
    canvas.MoveTo(box.Left + 2, box.Top + 4);
    canvas.LineTo(box.Left + 7, box.Top + 4);
    if (contracted) {
        canvas.MoveTo(box.Left + 4, box.Top + 2);
        canvas.LineTo(box.Left + 4, box.Top + 7);
    }
}

void TExStringGrid::DrawCellButton(TCellDrawWork& Work, TRect R, TRect G, TCellGraphic* Graphic) {
    TCanvas& canvas = *Work.Canvas;
    const TCellType kind = Graphic->CellType();
    // The button's offset in the cell, for the mouse code's hit test.
    Graphic->SetCellValue(((G.Top - Work.Rect.Top) << 16) | ((G.Left - Work.Rect.Left) & 0xFFFF));
    const TColor keepBrush = canvas.Brush.Color;
    canvas.Brush.Color = clBtnFace;

    bool enabled = true;
    if (!FControlLook->NoDisabledButtonLook) CanEditBaseCell(RealCol(Work.RCol), DisplRow(Work.ARow), enabled);
    int style = FControlLook->FlatButton ? 2 : 0;
    if (Flat() && !(FTones == TColorTones{})) style = 3;
    int state = Graphic->CellBoolean() ? 2 : 0;
    if (!enabled && kind != ctExpand) state = 3;
    if (kind == ctExpand) G = Rect(R.Right - 13, R.Top, R.Right, R.Top + 13);

    DrawCellButtonFace(canvas, this, G, style, state, FTones);
    if (state == 2) G = Rect(G.Left + 1, G.Top + 1, G.Right + 1, G.Bottom + 1);

    if (kind == ctExpand) {
        canvas.Pen.Style = psSolid;
        canvas.Pen.Width = 1;
        canvas.Pen.Color = clBlack;
        const bool up = Graphic->CellVar().toBool();
        canvas.MoveTo(R.Right - 10, R.Top + (up ? 8 : 5));
        canvas.LineTo(R.Right - 7, R.Top + (up ? 5 : 8));
        canvas.LineTo(R.Right - 3, R.Top + (up ? 9 : 4));
        canvas.Brush.Color = keepBrush;
        return;
    }
    if (kind == ctBitButton)
        if (const auto* picture = dynamic_cast<const TPicture*>(Graphic->CellBitmap())) {
            int dy = G.Height() - picture->Height();
            dy = dy < 1 ? 3 : dy / 2;
            const int free = G.Width() - picture->Width();
            TBitmap glyph;
            glyph.LoadFromImage(picture->Image());
            glyph.SetTransparent(true);
            if (free < 1 || !Graphic->CellText().isEmpty()) {
                canvas.Draw(G.Left + 3, G.Top + dy, glyph);
                G.Left += picture->Width() + 4;
            } else {
                canvas.Draw(G.Left + free / 2, G.Top + dy, glyph);
            }
        }
    G.Left += 1;
    const bool transparent = canvas.TransparentText;
    canvas.TransparentText = true;
    const TColor keepFont = canvas.Font.Color;
    if (style == 3) {
        const TColorTone tones[] = {FTones.Background, FTones.Hover, FTones.Selected, FTones.Disabled};
        canvas.Font.Color = tones[state].TextColor;
    }
    const QString caption = Graphic->CellText();
    unsigned flags = DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    flags |= caption.contains(QLatin1Char('\r')) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    canvas.DrawText(caption, G, flags);
    canvas.Font.Color = keepFont;
    canvas.TransparentText = transparent;
    canvas.Brush.Color = keepBrush;
}
