#include "dropdowns/item_selector.h"

#include "dropdowns/markup_text.h"
#include "dropdowns/number_text.h"
#include "platform/image_list.h"

#include <QToolTip>

// ---------------------------------------------------------------------------
// The outer, scrolling control

TExCustomItemSelector::TExCustomItemSelector(TComponent* AOwner, QWidget* AParent)
    : TScrollingWinControl(AOwner, AParent), FItems(this), FItemAppearance(this) {
    FItems.OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    FItemSelectorPanel = new TCustomItemSelector(this);
    FItemSelectorPanel->OnItemSelect = [this](TObject*) {
        if (OnItemSelect) OnItemSelect(this);
    };
    SetContent(FItemSelectorPanel);
    UpdateSelectorPanel();
}

TExCustomItemSelector::~TExCustomItemSelector() {
    // The panel reads the items and the look: it goes before them.
    delete FItemSelectorPanel;
    FItemSelectorPanel = nullptr;
    SetImages(nullptr);
}

void TExCustomItemSelector::SetSelectorType(TSelectorType Value) {
    if (FSelectorType == Value) return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColumns(int Value) {
    if (Value < 1 || FColumns == Value) return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxWidth(int Value) {
    if (FColorBoxWidth == Value) return;
    FColorBoxWidth = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxHeight(int Value) {
    if (FColorBoxHeight == Value) return;
    FColorBoxHeight = Value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    UpdateSelectorPanel();
}

void TExCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation) {
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages && !ComponentState().Contains(csDestroying)) {
        FImages = nullptr;
        UpdateSelectorPanel();
    }
}

int TExCustomItemSelector::ItemIndex() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1; }

void TExCustomItemSelector::SetItemIndex(int Value) {
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TExCustomItemSelector::ItemHot() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1; }

void TExCustomItemSelector::UpdateSelectorPanel() {
    if (FItemSelectorPanel) FItemSelectorPanel->UpdateSize();
}

void TExCustomItemSelector::MoveAndScroll(void (TCustomItemSelector::*Move)(), bool Hot) {
    if (!FItemSelectorPanel) return;
    (FItemSelectorPanel->*Move)();
    ScrollItemInView(Hot ? FItemSelectorPanel->ItemHot() : FItemSelectorPanel->ItemIndex());
}

void TExCustomItemSelector::SelectFirst() { MoveAndScroll(&TCustomItemSelector::SelectFirst, false); }

void TExCustomItemSelector::SelectLast() { MoveAndScroll(&TCustomItemSelector::SelectLast, false); }

void TExCustomItemSelector::SelectNext() { MoveAndScroll(&TCustomItemSelector::SelectNext, false); }

void TExCustomItemSelector::SelectPrevious() { MoveAndScroll(&TCustomItemSelector::SelectPrevious, false); }

void TExCustomItemSelector::HotNext() { MoveAndScroll(&TCustomItemSelector::HotNext, true); }

void TExCustomItemSelector::HotPrevious() { MoveAndScroll(&TCustomItemSelector::HotPrevious, true); }

bool TExCustomItemSelector::LookupItem(const QString& s) {
    return FItemSelectorPanel && FItemSelectorPanel->LookupItem(s);
}

void TExCustomItemSelector::ScrollItemInView(int Index) {
    if (!FItemSelectorPanel || Index < 0 || Index >= FItems.Count()) return;
    TControlScrollBar* bar = VertScrollBar();
    if (!bar->IsScrollBarVisible()) return;
    TRect r;
    FItemSelectorPanel->GetItemRect(Index, r);
    const QPoint offset = FItemSelectorPanel->pos();
    int top = r.Top - bar->Margin() + offset.y();
    int bottom = r.Bottom + bar->Margin() + offset.y();
    const int clientHeight = ViewportHeight();
    if (top < 0) {
        bar->SetPosition(bar->Position() + top);
    } else if (bottom > clientHeight) {
        if (bottom - top > clientHeight) bottom = top + clientHeight;
        bar->SetPosition(bar->Position() + bottom - clientHeight);
    }
}

int TExCustomItemSelector::GetVisibleItemCount() const {
    if (!FItemSelectorPanel || FItems.Count() == 0) return 0;
    const int itemHeight = FItems.Items(0)->ItemRect().Height();
    // Items without height (a size event answering nothing) fill no rows.
    if (itemHeight <= 0) return 0;
    const int height = Height() - (horizontalScrollBar()->isVisible() ? 20 : 0);
    return height / itemHeight * FColumns;
}

void TExCustomItemSelector::GetSelectorSize(TSize& ASize) const {
    if (!FItemSelectorPanel) {
        ASize = {100, 50};
        return;
    }
    ASize = {FItemSelectorPanel->Width(), FItemSelectorPanel->Height()};
}

// ---------------------------------------------------------------------------
// The panel: layout, selection, hot item and mouse

namespace {

TExCustomItemSelector* OwningSelector(TComponent* AOwner) {
    auto* selector = dynamic_cast<TExCustomItemSelector*>(AOwner);
    if (!selector) throw Exception(QStringLiteral("Invalid parent"));
    return selector;
}

}  // namespace

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControlOf<QWidget>(AOwner, nullptr), FExItemSelector(OwningSelector(AOwner)) {
    setFocusPolicy(Qt::NoFocus);
}

void TCustomItemSelector::GetItemsRect(TRect& R) const {
    R = ClientRect();
    R = Rect(R.Left + FOffSetX, R.Top + FOffSetY, R.Right - FOffSetX, R.Bottom - FOffSetY);
}

void TCustomItemSelector::UpdateSize() {
    TSelectorItems& items = Items();
    if (items.Count() == 0) {
        resize(100, 50);
        return;
    }
    FItemHot = -1;
    TSize size;
    GetItemSize(size);
    TRect area;
    GetItemsRect(area);
    const int columns = Columns();
    int right = area.Left, bottom = area.Top;
    for (int i = 0; i < items.Count(); ++i) {
        const int left = area.Left + (i % columns) * size.cx;
        const int top = area.Top + (i / columns) * size.cy;
        items.Items(i)->SetItemRect(Rect(left, top, left + size.cx, top + size.cy));
        right = std::max(right, left + size.cx);
        bottom = std::max(bottom, top + size.cy);
    }
    resize(right + FOffSetX, bottom + FOffSetY);
    update();
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
    const TSelectorItems& items = Items();
    for (int i = 0; i < items.Count(); ++i)
        if (items.Items(i)->ItemRect().Contains(Point(X, Y))) return i;
    return -1;
}

void TCustomItemSelector::GetItemRect(int Index, TRect& R) const {
    R = ValidIndex(Index) ? Items().Items(Index)->ItemRect() : Rect(-1, -1, -1, -1);
}

void TCustomItemSelector::InvalidateItem(int Index) {
    if (ValidIndex(Index)) update(Items().Items(Index)->ItemRect().ToQRect());
}

void TCustomItemSelector::SetItemIndex(int Value) {
    if (Value < -1 || Value >= Items().Count() || DisabledItem(Value)) return;
    if (FItemIndex >= 0 && FItemIndex != Value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (FItemIndex < 0) return;
    repaint(Items().Items(FItemIndex)->ItemRect().ToQRect());
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int Index) {
    if (Index == FItemHot || Index < -1 || Index >= Items().Count() || DisabledItem(Index)) return;
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
    FItemHot = Index;
    if (FItemHot >= 0) repaint(Items().Items(FItemHot)->ItemRect().ToQRect());
}

void TCustomItemSelector::SelectFirst() {
    if (Items().Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
    if (Items().Count() > 0) SetItemIndex(Items().Count() - 1);
}

void TCustomItemSelector::SelectNext() {
    if (Items().Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex + 1 < Items().Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious() {
    if (Items().Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext() {
    if (Items().Count() == 0) return;
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot + 1 < Items().Count()) SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious() {
    if (Items().Count() == 0) return;
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const QString& s) {
    const TSelectorItems& items = Items();
    for (int i = 0; i < items.Count(); ++i) {
        const QString caption = FoldCase(MarkupToPlainText(items.Items(i)->Caption()).trimmed(), false);
        if (caption.startsWith(s)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControlOf<QWidget>::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0 && Items().Items(index)->Enabled()) SetItemIndex(index);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControlOf<QWidget>::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index < 0) {
        SetItemHot(-1);
        return;
    }
    if (index == FItemHot) return;
    const TSelectorItem* item = Items().Items(index);
    SetItemHot(item->Enabled() ? index : -1);
    SetHint(item->Hint());
    QToolTip::hideText();
}

void TCustomItemSelector::leaveEvent(QEvent* event) {
    TCustomControlOf<QWidget>::leaveEvent(event);
    SetItemHot(-1);
}
