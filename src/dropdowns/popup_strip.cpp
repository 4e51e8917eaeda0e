#include "dropdowns/popup_strip.h"

#include "controls/gradient_drawing.h"
#include "dropdowns/markup_text.h"
#include "dropdowns/strip_drop_down.h"
#include "platform/image_list.h"
#include "platform/messages.h"

#include <QCursor>
#include <algorithm>

namespace {

void FillArea(TCanvas& canvas, TColor color, const TRect& r) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color;
    canvas.FillRect(r);
}

}  // namespace

// ---------------------------------------------------------------------------
// Shared by header and footer

TPopupStrip::TPopupStrip(TComponent* AOwner, QWidget* AParent) : TCustomControlOf<QWidget>(AOwner, AParent) {
    setFocusPolicy(Qt::NoFocus);
}

void TPopupStrip::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    update();
}

void TPopupStrip::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControlOf<QWidget>::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        update();
    }
}

void TPopupStrip::AttachDropDown(IStripDropDown* ADropDown) {
    FExDropDown = ADropDown;
    if (!FExDropDown) {
        SetImages(nullptr);
        return;
    }
    SetImages(FExDropDown->Images());
    if (TStripAppearance* source = DropDownAppearance()) StripAppearance().Assign(source);
    update();
}

void TPopupStrip::RebuildButtons() {
    if (FExDropDown) CreateButtons();
}

TCollection* TPopupStrip::Buttons() const {
    TStripAppearance* source = FExDropDown ? DropDownAppearance() : nullptr;
    return source ? &source->ButtonItems() : nullptr;
}

void TPopupStrip::AppearanceChanged() {
    setVisible(StripAppearance().Visible());
    SetHeight(StripAppearance().Height());
}

void TPopupStrip::PrepareButton(TExButton&, const TStripButtonItem&) {}

void TPopupStrip::CreateButtons() {
    TCollection* items = Buttons();
    if (!items) return;
    ClearButtons();
    const int areaHeight = ButtonArea().Height();
    for (int i = 0; i < items->Count(); ++i) {
        const auto& item = static_cast<const TStripButtonItem&>(*items->Items(i));
        auto* button = new TExButton(this, this);
        button->SetAppearance(FExDropDown->ButtonAppearance());
        button->SetCaption(item.Caption());
        button->SetImages(FImages);
        button->SetImageIndex(item.ImageIndex());
        button->SetEnabled(item.Enabled());
        PrepareButton(*button, item);
        button->SizeToContent();
        if (item.Width() > 0) button->SetWidth(item.Width());
        if (item.Height() > 0) button->SetHeight(item.Height());
        if (button->Height() > areaHeight) button->SetHeight(areaHeight);
        button->SetTag(i);
        button->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
        button->show();
        FButtonList.Add(button);
    }
    ArrangeButtons();
}

void TPopupStrip::ClearButtons() {
    // A button may be rebuilt away from inside its own click: it goes once that returns.
    for (int i = FButtonList.Count() - 1; i >= 0; --i) {
        TExButton* button = FButtonList.Items(i);
        button->hide();
        button->OnClick = nullptr;
        button->deleteLater();
    }
    FButtonList.Clear();
}

void TPopupStrip::ArrangeButtons() {
    const TRect area = ButtonArea();
    const bool fromRight = StripAppearance().ButtonAlignment() == baRight;
    int previousLeft = fromRight ? area.Right : area.Left;
    int previousWidth = 0;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TExButton* button = FButtonList.Items(i);
        const int top = std::max(area.Top, (area.Bottom - button->Height()) / 2);
        const int left = fromRight ? previousLeft - button->Width() : previousLeft + previousWidth;
        button->move(left, top);
        previousLeft = left;
        previousWidth = button->Width();
    }
}

void TPopupStrip::ButtonClick(TObject* Sender) {
    auto* button = dynamic_cast<TExButton*>(Sender);
    if (button && FExDropDown) ButtonClicked(button->Tag());
}

void TPopupStrip::resizeEvent(QResizeEvent* event) {
    TCustomControlOf<QWidget>::resizeEvent(event);
    ArrangeButtons();
}

void TPopupStrip::DrawBorder(TCanvas& Canvas, const TRect& R) {
    const TStripAppearance& a = StripAppearance();
    const int width = a.BorderWidth();
    const bool top = InnerEdgeAtTop();
    // The edge facing the pop-up's content.
    FillArea(Canvas, a.BorderColor(),
             top ? Rect(R.Left, R.Top, R.Right, R.Top + width) : Rect(R.Left, R.Bottom - width, R.Right, R.Bottom));
    // Where the pop-up paints no frame, the strip closes its outer edges itself.
    const bool ownFrame =
        !FExDropDown || FExDropDown->DropDownBorderWidth() <= 0 || FExDropDown->DropDownBorderColor() == clNone;
    if (ownFrame) {
        FillArea(Canvas, a.BorderColor(), Rect(R.Left, R.Top, R.Left + width, R.Bottom));
        FillArea(Canvas, a.BorderColor(), Rect(R.Right - width, R.Top, R.Right, R.Bottom));
        FillArea(Canvas, a.BorderColor(),
                 top ? Rect(R.Left, R.Bottom - width, R.Right, R.Bottom) : Rect(R.Left, R.Top, R.Right, R.Top + width));
    }
    // A light inner frame inside the edge.
    Canvas.Brush.Style = bsClear;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = BlendColor(a.BorderColor(), clWhite, 20);
    Canvas.FrameRect(top ? Rect(R.Left, R.Top + width, R.Right, R.Bottom)
                         : Rect(R.Left, R.Top, R.Right, R.Bottom - width));
}

void TPopupStrip::DrawExtras(TCanvas&, const TRect&) {}

void TPopupStrip::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect r = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, canvas, r);
        return;
    }
    const TStripAppearance& a = StripAppearance();
    if (a.ColorTo() == clNone) {
        if (a.Color() != clNone) FillArea(canvas, a.Color(), r);
    } else {
        DrawGradient(canvas, a.Color(), a.ColorTo(), 80, r, a.GradientDirection() == gdHorizontal);
    }
    if (a.BorderColor() != clNone && a.BorderWidth() > 0) DrawBorder(canvas, r);

    const int width = a.BorderWidth();
    TRect content = Rect(r.Left + width, r.Top + width, r.Right - width, r.Bottom - width);
    if (a.ImageIndex() >= 0 && FImages) {
        FImages->Draw(canvas, content.Left + 4, content.Top + (content.Height() - FImages->Height()) / 2,
                      a.ImageIndex(), isEnabled());
        content.Left += FImages->Width() + 8;
    }
    QString caption = a.Caption();
    if (OnGetText) OnGetText(this, caption);
    if (!caption.isEmpty()) {
        if (FButtonList.Count() > 0) {
            const TExButton* last = FButtonList.Items(FButtonList.Count() - 1);
            // The caption keeps 2 pixels clear of the buttons on whichever side they stand.
            if (a.ButtonAlignment() == baLeft) content.Left = last->Left() + last->Width() + 2;
            else content.Right = last->Left() - 2;
        }
        canvas.Font = a.Font();
        const HWND handle = WindowHandle(this);
        const TSize size = DrawMarkupText(canvas, caption, content, handle, FImages, false);
        if (size.cy < content.Height()) content.Top += (content.Height() - size.cy) / 2;
        DrawMarkupText(canvas, caption, content, handle, FImages, true);
    }
    DrawExtras(canvas, r);
}

// ---------------------------------------------------------------------------
// Header

TExHeader::TExHeader(TComponent* AOwner, QWidget* AParent) : TPopupStrip(AOwner, AParent), FAppearance(this) {
    FAppearance.OnChange = [this](TObject*) { AppearanceChanged(); };
}

TRect TExHeader::ButtonArea() const {
    const TRect r = ClientRect();
    return Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
}

TStripAppearance* TExHeader::DropDownAppearance() const {
    return ExDropDown() ? ExDropDown()->DropDownHeader() : nullptr;
}

void TExHeader::ButtonClicked(int ButtonIndex) { ExDropDown()->DropDownHeaderButtonClick(ButtonIndex); }

// ---------------------------------------------------------------------------
// Footer

TExFooter::TExFooter(TComponent* AOwner, QWidget* AParent) : TPopupStrip(AOwner, AParent), FAppearance(this) {
    FAppearance.OnChange = [this](TObject*) { AppearanceChanged(); };
}

bool TExFooter::SizeGripApplies() const {
    return FAppearance.SizeGrip() && ExDropDown() && ExDropDown()->DropDownSizeable();
}

TRect TExFooter::ButtonArea() const {
    const TRect r = ClientRect();
    return Rect(r.Left + 2, r.Top + 2, SizeGripApplies() ? r.Right - 14 : r.Right - 2, r.Bottom - 2);
}

TStripAppearance* TExFooter::DropDownAppearance() const {
    return ExDropDown() ? ExDropDown()->DropDownFooter() : nullptr;
}

void TExFooter::ButtonClicked(int ButtonIndex) { ExDropDown()->DropDownFooterButtonClick(ButtonIndex); }

void TExFooter::PrepareButton(TExButton& Button, const TStripButtonItem& Item) {
    Button.SetExDropDown(ExDropDown());
    Button.SetModalResult(Item.ItemModalResult());
}

void TExFooter::DrawExtras(TCanvas& Canvas, const TRect& R) {
    if (!SizeGripApplies()) return;
    const int left = R.Right - FAppearance.BorderWidth() - 16;
    const int bottom = R.Bottom;
    const TPoint dots[] = {{left + 5, bottom - 2},  {left + 9, bottom - 2},  {left + 13, bottom - 2},
                           {left + 13, bottom - 6}, {left + 13, bottom - 10}, {left + 9, bottom - 6}};
    // White dots with the border colour's dots a pixel up and left: a raised look.
    for (const TPoint& p : dots) FillArea(Canvas, clWhite, Rect(p.X, p.Y - 2, p.X + 2, p.Y));
    for (const TPoint& p : dots) FillArea(Canvas, FAppearance.BorderColor(), Rect(p.X - 1, p.Y - 3, p.X + 1, p.Y - 1));
}

bool TExFooter::InGripCorner(int X, int Y) const {
    return SizeGripApplies() && X > Width() - 12 && Y > Height() - 15;
}

void TExFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TPopupStrip::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !InGripCorner(X, Y)) return;
    // The pop-up is a window no window manager sizes: the grip drags its size itself.
    FSizing = true;
    FSizingStart = mapToGlobal(QPoint(X, Y));
    FSizingStartSize = window()->size();
}

void TExFooter::MouseMove(TShiftState Shift, int X, int Y) {
    TPopupStrip::MouseMove(Shift, X, Y);
    if (FSizing) {
        QWidget* popup = window();
        const QPoint moved = mapToGlobal(QPoint(X, Y)) - FSizingStart;
        const QSize size = (FSizingStartSize + QSize(moved.x(), moved.y())).expandedTo(popup->minimumSize());
        popup->resize(size);
        Perform(popup, WM_SIZING, WMSZ_BOTTOMRIGHT, 0);
        return;
    }
    if (InGripCorner(X, Y)) setCursor(Qt::SizeFDiagCursor);
    else unsetCursor();
}

void TExFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FSizing = false;
    unsetCursor();
    TPopupStrip::MouseUp(Button, Shift, X, Y);
}

void TExFooter::leaveEvent(QEvent* event) {
    TPopupStrip::leaveEvent(event);
    if (!FSizing) unsetCursor();
}
