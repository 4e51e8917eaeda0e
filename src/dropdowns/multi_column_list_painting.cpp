// Cell painting of the multi-column drop-down's list grid.

#include "dropdowns/multi_column_drop_down.h"
#include "dropdowns/multi_column_list_grid.h"
#include "platform/image_list.h"

namespace multi_column {

namespace {

// The cell's place in its row, as the selection painter's segment types.
int SegmentType(int Column, int FixedCols, int ColCount) {
    if (ColCount - FixedCols <= 1) return 0;
    if (Column == FixedCols) return 1;
    if (Column == ColCount - 1) return 2;
    return 3;
}

unsigned AlignmentFlag(TAlignment Alignment) {
    switch (Alignment) {
        case taRightJustify: return DT_RIGHT;
        case taCenter: return DT_CENTER;
        default: return DT_LEFT;
    }
}

}  // namespace

void TExColGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TCanvas* canvas = Canvas();
    if (!canvas || !FExDropDown) return;
    TExMultiColumnDropDown& dropDown = *FExDropDown;
    if (dropDown.OnDropDownDrawItem) {
        dropDown.OnDropDownDrawItem(&dropDown, ACol, ARow, *canvas, ARect);
        return;
    }
    const bool header = ARow < FixedRows();
    const bool selected = AState.Contains(gdSelected) || AState.Contains(gdRowSelected);
    const int item = ARow - 1;
    const bool hasItem = !header && item >= 0 && item < dropDown.Items().Count();

    QString text = Cells(ACol, ARow);
    TColor background = Color();
    unsigned alignment = DT_LEFT;
    bool wrap = false;
    bool ellipsis = false;
    TFont font = FHeaderFont;
    int imageIndex = -1;
    if (ACol < FColumns.Count()) {
        const TDropDownColumn* column = FColumns.Items(ACol);
        background = column->Color();
        alignment = AlignmentFlag(column->Alignment());
        wrap = column->Wordwrap();
        ellipsis = column->Ellipsis();
        font = column->Font();
        if (hasItem) {
            const TDropDownItem* entry = dropDown.Items().Items(item);
            if (column->ColumnType() == ctImage) imageIndex = entry->ImageIndex();
            if (ACol < entry->Text().size()) text = entry->Text()[ACol];
        }
    }
    if (dropDown.OnDropDownGetItemText) dropDown.OnDropDownGetItemText(&dropDown, ACol, ARow, text);

    if (!header) {
        if (selected) {
            dropDown.DrawSelectionBackground(*canvas, ARect, SegmentType(ACol, FixedCols(), ColCount()), background);
        } else {
            canvas->Brush.Style = bsSolid;
            canvas->Brush.Color = background;
            canvas->Pen.Color = background;
            canvas->Pen.Width = 1;
            canvas->FillRect(ARect);
        }
    } else {
        text = ACol < FColumns.Count() ? FColumns.Items(ACol)->Header() : QString();
        imageIndex = -1;
        canvas->Brush.Style = bsSolid;
        if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
            canvas->Brush.Color = FHeaderColor;
            canvas->FillRect(ARect);
        } else {
            dropDown.DrawGradientRect(*canvas, FHeaderColor, FHeaderColorTo, 80, ARect, gdVertical);
        }
    }

    // The grid lines this grid draws itself, inside the cell.
    const int lineWidth = header ? 1 : FGridLineWidth;
    if (lineWidth > 0) {
        const int inset = header ? 1 : (FGridLineWidth + 1) / 2;
        canvas->Pen.Color = header ? FFixedLineColor : FLineColor;
        canvas->Pen.Width = lineWidth;
        canvas->Pen.Style = psSolid;
        if (Options().Contains(header ? goFixedHorzLine : goHorzLine)) {
            canvas->MoveTo(ARect.Left - inset + 1, ARect.Bottom - inset);
            canvas->LineTo(ARect.Right - inset + 1, ARect.Bottom - inset);
        }
        if (Options().Contains(header ? goFixedVertLine : goVertLine)) {
            const int x = UseRightToLeftAlignment() ? ARect.Right - inset + 1 : ARect.Right - inset;
            canvas->MoveTo(x, ARect.Bottom - inset);
            canvas->LineTo(x, ARect.Top - inset);
        }
    }

    TRect r{ARect.Left + FGridLineWidth, ARect.Top + FGridLineWidth, ARect.Right - FGridLineWidth,
            ARect.Bottom - FGridLineWidth};
    if (FImages && imageIndex >= 0) {
        const int top = FImages->Height() < r.Height() ? r.Top + (r.Height() - FImages->Height()) / 2 : r.Top;
        FImages->Draw(*canvas, r.Left + 2, top, imageIndex);
        r.Left += FImages->Width() + 4;
    } else {
        r.Left += 2;
    }
    if (text.isEmpty()) return;
    canvas->Font = font;
    if (header) canvas->Font = FHeaderFont;
    else if (selected) canvas->Font.Color = dropDown.SelectionTextColor();
    unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER | alignment;
    flags |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    if (ellipsis) flags |= DT_END_ELLIPSIS;
    canvas->Brush.Style = bsClear;
    canvas->DrawText(text, r, flags);
    canvas->Brush.Style = bsSolid;
}

}  // namespace multi_column
