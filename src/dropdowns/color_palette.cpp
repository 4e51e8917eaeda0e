#include "dropdowns/color_selector_panels.h"

#include "platform/virtual_keys.h"

#include <QPainter>

void TColorBoxItem::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    if (Collection()) Collection()->ItemChanged();
}

void TColorBoxItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TColorBoxItem*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetColor(source->FColor);
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner, QWidget* AParent) : TExCustomColorSelectorPanel(AOwner, AParent) {
    setFocusPolicy(Qt::NoFocus);
}

void TCustomColorSelector::SetColumns(int Value) {
    if (FColumns == Value) return;
    FColumns = Value;
    UpdateSize();
}

void TCustomColorSelector::SetColumnGap(int Value) {
    if (FColumnGap == Value) return;
    FColumnGap = Value;
    UpdateSize();
}

void TCustomColorSelector::SetColorBoxWidth(int Value) {
    if (FColorBoxWidth == Value) return;
    FColorBoxWidth = Value;
    UpdateSize();
}

void TCustomColorSelector::SetColorBoxHeight(int Value) {
    if (FColorBoxHeight == Value) return;
    FColorBoxHeight = Value;
    UpdateSize();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
    FItemColorStyle = Value;
    // The three styles give the same frame colours.
    if (Value != scCustom) FColorBoxAppearance = TColorBoxAppearance();
}

void TCustomColorSelector::AddDiscreteColors() {
    static constexpr TColor rows[6][10] = {
        {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
        {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
        {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
        {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
        {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
        {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
    };
    static constexpr TItemPos positions[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
    FItems.Clear();
    for (int row = 0; row < 6; ++row) {
        for (TColor color : rows[row]) {
            TColorBoxItem* item = FItems.Add();
            item->SetColor(color);
            item->SetColorBoxPos(positions[row]);
        }
    }
}

void TCustomColorSelector::GetItemsRect(TRect& R) const {
    R = {FOffSetX, FOffSetY, width() - FOffSetX, height() - FOffSetY};
}

void TCustomColorSelector::GetItemSize(TSize& Size) const { Size = {FColorBoxWidth, FColorBoxHeight}; }

void TCustomColorSelector::UpdateSize() {
    if (FItems.Count() == 0) {
        resize(100, 50);
        return;
    }
    FItemHot = -1;
    TSize size;
    GetItemSize(size);
    TRect area;
    GetItemsRect(area);
    const int x0 = area.Left, y0 = area.Top;
    int x = x0, y = y0, column = 0, widest = 0;
    bool gapRow = false;
    for (int i = 0; i < FItems.Count(); ++i) {
        TColorBoxItem* item = FItems.Items(i);
        item->SetBoxRect({x, y, x + size.cx, y + size.cy});
        ++column;
        if (i == FItems.Count() - 1) break;
        if (item->ColorBoxPos() == ipStandAlone) gapRow = true;
        if (column >= FColumns) {
            widest = std::max(widest, x);
            x = x0;
            y += size.cy + (gapRow ? FColumnGap : 0);
            column = 0;
            gapRow = false;
        } else {
            x += size.cx + FColumnGap;
        }
    }
    resize(std::max(widest, x) + size.cx + x0 + 1, y + size.cy + y0);
    update();
}

void TCustomColorSelector::DrawItem(int Index, TCanvas& Canvas) {
    if (Index < 0 || Index >= FItems.Count()) return;
    const TColorBoxItem* item = FItems.Items(Index);
    TRect r = item->BoxRect();
    TColor outer = FColorBoxAppearance.BorderColor, inner = clNone;
    bool marked = false;
    if (Index == FItemHot) {
        outer = FColorBoxAppearance.OuterBorderColorHot;
        inner = FColorBoxAppearance.InnerBorderColorHot;
        marked = true;
    }
    if (Index == FItemIndex) {
        outer = FColorBoxAppearance.OuterBorderColorSelected;
        inner = FColorBoxAppearance.InnerBorderColorSelected;
        marked = true;
    }
    if (item->Color() != clNone) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = item->Color();
        Canvas.FillRect(r);
    }
    Canvas.Brush.Style = bsClear;
    if (marked) {
        if (outer != clNone) {
            Canvas.Pen.Color = outer;
            Canvas.FrameRect(r);
            r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        }
        if (inner != clNone) {
            Canvas.Pen.Color = inner;
            Canvas.FrameRect(r);
        }
        return;
    }
    Canvas.Pen.Color = FColorBoxAppearance.BorderColor;
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (item->ColorBoxPos()) {
    case ipStandAlone:
        Canvas.MoveTo(L, B); Canvas.LineTo(L, T); Canvas.LineTo(R, T); Canvas.LineTo(R, B); Canvas.LineTo(L, B);
        break;
    case ipTop:
        Canvas.MoveTo(L, B); Canvas.LineTo(L, T); Canvas.LineTo(R, T); Canvas.LineTo(R, B);
        break;
    case ipMiddle:
        Canvas.MoveTo(L, T); Canvas.LineTo(L, B);
        Canvas.MoveTo(R, T); Canvas.LineTo(R, B);
        break;
    case ipBottom:
        Canvas.MoveTo(L, T); Canvas.LineTo(L, B); Canvas.LineTo(R, B);
        Canvas.MoveTo(R, T); Canvas.LineTo(R, B + 1);
        break;
    }
}

void TCustomColorSelector::InvalidateItem(int Index) {
    if (Index < 0 || Index >= FItems.Count()) return;
    update(FItems.Items(Index)->BoxRect().ToQRect().adjusted(-1, -1, 1, 1));
}

void TCustomColorSelector::Paint() {
    for (int i = 0; i < FItems.Count(); ++i) DrawItem(i, *Canvas());
}

void TCustomColorSelector::SetItemHot(int Index) {
    if (Index == FItemHot) return;
    InvalidateItem(FItemHot);
    FItemHot = Index;
    InvalidateItem(Index);
}

void TCustomColorSelector::SetItemIndex(int Index) {
    if (FItemIndex >= 0 && FItemIndex != Index) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Index;
    if (Index < 0 || Index >= FItems.Count()) return;
    FSelectedColor = FItems.Items(Index)->Color();
    InvalidateItem(Index);
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    if (Value == clNone) SetItemIndex(-1);
    for (int i = 0; i < FItems.Count(); ++i) {
        if (FItems.Items(i)->Color() == Value) {
            SetItemIndex(i);
            return;
        }
    }
    SetItemIndex(-1);
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const {
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.Items(i)->BoxRect().Contains({X, Y})) return i;
    return -1;
}

void TCustomColorSelector::SelectFirst() {
    if (FItems.Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast() {
    if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TCustomColorSelector::SelectNext() {
    const int next = FItemIndex < 0 ? 0 : FItemIndex + 1;
    if (next < FItems.Count()) SetItemIndex(next);
}

void TCustomColorSelector::SelectPrevious() {
    if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext() {
    const int next = FItemHot < 0 ? 0 : FItemHot + 1;
    if (next < FItems.Count()) SetItemHot(next);
}

void TCustomColorSelector::HotPrevious() {
    if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::SelectByKey(WORD Key, bool EditorEnabled, bool DroppedDown) {
    if (!isEnabled()) return;
    const bool sideways = !(EditorEnabled && !DroppedDown);
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
        if (sideways) SelectPrevious();
        break;
    case VK_RIGHT:
        if (sideways) SelectNext();
        break;
    case VK_UP:
        if (!DroppedDown) SelectPrevious();
        else if (const int target = FItemIndex < 0 ? 0 : FItemIndex - FColumns; target >= 0) SetItemIndex(target);
        break;
    case VK_DOWN:
        if (!DroppedDown) SelectNext();
        else if (const int target = FItemIndex < 0 ? 0 : FItemIndex + FColumns; target < FItems.Count()) SetItemIndex(target);
        break;
    default: break;
    }
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int box = ItemAtPos(X, Y);
    if (box >= 0) SetItemIndex(box);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    SetItemHot(ItemAtPos(X, Y));
}

void TCustomColorSelector::leaveEvent(QEvent* event) {
    TExCustomColorSelectorPanel::leaveEvent(event);
    SetItemHot(-1);
}
