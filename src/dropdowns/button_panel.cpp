#include "dropdowns/button_panel.h"

#include "dropdowns/dropdown_drawing.h"
#include "platform/image_list.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

struct TCalculatorKey {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
};

// In collection order; the arrangement addresses the keys by these indexes.
constexpr TCalculatorKey CalculatorKeys[] = {
    {"", "BTN_ON", 30, false},      {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
};

// Rows r1 to r4 of columns c0 to c5: the key index standing there.
constexpr int CalculatorGrid[4][6] = {
    {4, 11, 12, 19, 20, 27},
    {5, 10, 13, 18, 21, 26},
    {6, 9, 14, 17, 22, 25},
    {7, 8, 15, 16, 23, 24},
};

}  // namespace

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner, QWidget* AParent)
    : TCustomControlOf<QWidget>(AOwner, AParent), FButtons(this) {
    setFocusPolicy(Qt::NoFocus);
    FButtonAppearance.OnChange = [this](TObject*) {
        if (!FExDropDown) update();
    };
}

TCustomButtonPanel::~TCustomButtonPanel() {
    SetImages(nullptr);
    SetEdit(nullptr);
}

void TCustomButtonPanel::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    ArrangeButtonItems();
}

void TCustomButtonPanel::SetEdit(TControl* Value) {
    if (FEdit == Value) return;
    if (FEdit) FEdit->RemoveFreeNotification(this);
    FEdit = Value;
    if (FEdit) FEdit->FreeNotification(this);
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControlOf<QWidget>::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        ArrangeButtonItems();
    }
    if (AComponent == FEdit) FEdit = nullptr;
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
    if (FButtonPanelType == Value) return;
    FButtonPanelType = Value;
    ArrangeButtonItems();
}

void TCustomButtonPanel::Loaded() {
    TCustomControlOf<QWidget>::Loaded();
    if (!FExDropDown) CreateDefaultButtons();
}

void TCustomButtonPanel::ClearButtonItems() {
    FButtons.Clear();
    FButtonHot = FButtonDown = -1;
}

void TCustomButtonPanel::ResetButtonItems() {
    ClearButtonItems();
    CreateDefaultButtons();
}

void TCustomButtonPanel::CreateDefaultButtons() {
    if (FButtons.Count() == 0 && FButtonPanelType == plCalculator) {
        for (const TCalculatorKey& key : CalculatorKeys) {
            TButtonItem* item = FButtons.Add();
            item->SetCaption(QString::fromLatin1(key.Caption));
            item->SetName(QString::fromLatin1(key.Name));
            item->SetTag(key.Tag);
            item->SetSpecial(key.Special);
            if (key.Special) item->SetCaptionColor(0x000080);
        }
    }
    ArrangeButtonItems();
}

void TCustomButtonPanel::GetButtonArea(TRect& R) const {
    const TRect client = ClientRect();
    R = Rect(client.Left + FOffSetX, client.Top + FOffSetY, client.Right - FOffSetX, client.Bottom - FOffSetY);
}

void TCustomButtonPanel::ArrangeButtonItems() {
    if (FButtonPanelType == plCalculator && FButtons.Count() > 0) ArrangeCalculator();
    update();
}

void TCustomButtonPanel::ArrangeCalculator() {
    TRect area;
    GetButtonArea(area);
    constexpr int gap = 4;
    const int w = (area.Width() - 2 * gap) / 6;
    const int h = (area.Height() - gap) / 5;
    // The digit and operator blocks share the borders of neighbouring keys.
    int columns[6];
    columns[0] = area.Left;
    columns[1] = columns[0] + w + gap;
    columns[2] = columns[1] + w - 1;
    columns[3] = columns[2] + w - 1;
    columns[4] = columns[3] + w + gap;
    columns[5] = columns[4] + w - 1;
    int rows[5];
    rows[0] = area.Top;
    rows[1] = rows[0] + h + gap;
    for (int r = 2; r < 5; ++r) rows[r] = rows[r - 1] + h - 1;
    auto place = [&](int index, int left, int top, int width) {
        if (ValidIndex(index)) FButtons.Items(index)->SetKeyRect(left, top, width, h);
    };
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 6; ++column) place(CalculatorGrid[row][column], columns[column], rows[row + 1], w);
    // Top row: the unlabelled key at the left, then Back, CE and C to the grid's right edge.
    place(0, columns[0], rows[0], w);
    const int right = columns[5] + w;
    const int first = columns[0] + w + gap;
    const int third = (right - first - 2 * gap) / 3;
    place(1, first, rows[0], third);
    place(2, first + third + gap, rows[0], third);
    place(3, first + 2 * third + 2 * gap, rows[0], right - (first + 2 * third + 2 * gap));
}

void TCustomButtonPanel::resizeEvent(QResizeEvent* event) {
    TCustomControlOf<QWidget>::resizeEvent(event);
    ArrangeButtonItems();
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const {
    for (int i = 0; i < FButtons.Count(); ++i)
        if (FButtons.Items(i)->KeyRect().Contains(Point(X, Y))) return i;
    return -1;
}

bool TCustomButtonPanel::AcceptsState(int Index) const {
    if (Index == -1) return true;
    return ValidIndex(Index) && FButtons.Items(Index)->Enabled();
}

void TCustomButtonPanel::InvalidateButtonItem(int Index) {
    if (!ValidIndex(Index)) return;
    const TRect r = FButtons.Items(Index)->KeyRect();
    update(QRect(r.Left - 8, r.Top - 8, r.Width() + 16, r.Height() + 16));
}

void TCustomButtonPanel::SetButtonHot(int Index) {
    if (Index == FButtonHot || !AcceptsState(Index)) return;
    const int old = FButtonHot;
    FButtonHot = -1;
    InvalidateButtonItem(old);
    FButtonHot = Index;
    InvalidateButtonItem(Index);
}

void TCustomButtonPanel::SetButtonDown(int Index) {
    if (Index == FButtonDown || !AcceptsState(Index)) return;
    const int old = FButtonDown;
    FButtonDown = -1;
    InvalidateButtonItem(old);
    FButtonDown = Index;
    InvalidateButtonItem(Index);
}

void TCustomButtonPanel::ButtonItemClick(int Index) {
    if (OnButtonClick) OnButtonClick(this, Index);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControlOf<QWidget>::MouseDown(Button, Shift, X, Y);
    const int index = ButtonAtPos(X, Y);
    if (index >= 0 && FButtons.Items(index)->Enabled()) SetButtonDown(index);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControlOf<QWidget>::MouseMove(Shift, X, Y);
    const int index = ButtonAtPos(X, Y);
    SetButtonHot(index >= 0 && FButtons.Items(index)->Enabled() ? index : -1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControlOf<QWidget>::MouseUp(Button, Shift, X, Y);
    if (FButtonDown < 0) return;
    const int pressed = FButtonDown;
    const bool counts = ButtonAtPos(X, Y) == pressed;
    SetButtonDown(-1);
    if (counts) ButtonItemClick(pressed);
}

void TCustomButtonPanel::leaveEvent(QEvent* event) {
    TCustomControlOf<QWidget>::leaveEvent(event);
    SetButtonHot(-1);
}

TColor TCustomButtonPanel::PanelColor() const {
    const TColor color = Color();
    return color == clDefault || color == clNone ? clBtnFace : color;
}

void TCustomButtonPanel::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = PanelColor();
    canvas.FillRect(ClientRect());
    if (!FExDropDown) {
        canvas.Pen.Color = clBlack;
        canvas.Pen.Style = psSolid;
        canvas.Pen.Width = 1;
        canvas.FrameRect(ClientRect());
    }
    // The hot key last, so its edge lies over its neighbours' shared borders.
    for (int i = 0; i < FButtons.Count(); ++i)
        if (i != FButtonHot) DrawButtonItem(i, canvas);
    if (ValidIndex(FButtonHot)) DrawButtonItem(FButtonHot, canvas);
}

void TCustomButtonPanel::DrawButtonItem(int Index, TCanvas& Canvas) {
    if (!ValidIndex(Index)) return;
    const TButtonItem& key = *FButtons.Items(Index);
    const TRect r = key.KeyRect();
    if ((r.Left < 0 && r.Right < 0) || r.IsEmpty()) return;

    // 1. The push button in its state.
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = PanelColor();
    Canvas.FillRect(r);
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = r.ToQRect();
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Sunken);
    if (isEnabled()) {
        option.state |= QStyle::State_Enabled;
        if (Index == FButtonDown) option.state |= QStyle::State_Sunken;
        else if (Index == FButtonHot) option.state |= QStyle::State_MouseOver;
        else option.state |= QStyle::State_Raised;
    } else {
        option.state &= ~QStyle::State_Enabled;
    }
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, Canvas.Painter(), this);

    // 2. The image beside the caption and its size.
    const bool picture = !key.Image().Empty();
    const bool listImage = !picture && FImages && key.ImageIndex() >= 0;
    const int w = picture ? key.Image().Width() : listImage ? FImages->Width() : 0;
    const int h = picture ? key.Image().Height() : listImage ? FImages->Height() : 0;
    const bool hasImage = picture || listImage;
    auto drawImage = [&](int x, int y) {
        if (picture) Canvas.Painter()->drawImage(QPoint(x, y), key.Image().Image());
        else if (listImage) FImages->Draw(Canvas, x, y, key.ImageIndex(), key.Enabled() && isEnabled());
    };

    // 3. Content rectangle and caption font.
    const TRect content = Rect(r.Left + FButtonOffSetX, r.Top + FButtonOffSetY, r.Right - FButtonOffSetX,
                               r.Bottom - FButtonOffSetY);
    TRect c = content;
    TPoint p{content.Left, content.Top};
    Canvas.Font = FButtonAppearance.Font();
    Canvas.Font.Color = key.Special() ? FButtonAppearance.SpecialTextColor() : FButtonAppearance.TextColor();
    Canvas.Brush.Style = bsClear;
    const QString& caption = key.Caption();
    // A caption wider than its key ("sqrt" in bold on a narrow key) is drawn smaller
    // until it fits, rather than clipped.
    const bool imageBeside = FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight;
    const int captionRoom = content.Width() - (imageBeside && hasImage ? w + FCaptionGap : 0);
    while (Canvas.Font.Size > 6 && !caption.isEmpty() && GetTextSize(Canvas, caption).cx > captionRoom)
        --Canvas.Font.Size;
    const unsigned line = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    const int centredTop = content.Top + (content.Height() - h) / 2;

    // 4. By layout.
    switch (FButtonLayout) {
    case ilCaptionLeft:
        if (!caption.isEmpty()) {
            c.Right -= w;
            Canvas.DrawText(caption, c, line | (hasImage ? DT_LEFT : DT_CENTER));
            p.X = c.Left + GetTextSize(Canvas, caption).cx + FCaptionGap;
        }
        drawImage(p.X, centredTop);
        break;
    case ilCaptionRight:
        drawImage(p.X, centredTop);
        c.Left = p.X + w + FCaptionGap;
        Canvas.DrawText(caption, c, line | (hasImage ? DT_LEFT : DT_CENTER));
        break;
    case ilCaptionTop:
        if (!caption.isEmpty()) {
            c.Bottom -= h;
            Canvas.DrawText(caption, c, line | DT_CENTER);
            p.Y = c.Top + GetTextSize(Canvas, caption).cy + FCaptionGap;
        } else {
            p.Y = centredTop;
        }
        drawImage(p.X, p.Y);
        break;
    case ilCaptionBottom:
        if (caption.isEmpty()) p.Y = centredTop;
        drawImage(p.X, p.Y);
        c.Top = p.Y + h + FCaptionGap;
        Canvas.DrawText(caption, c, line | DT_CENTER);
        break;
    }
}
