// Showing and hiding the pop-up, its size and place, and the relays of the pop-up's
// keys and wheel to the edit.

#include "dropdowns/drop_down_edit.h"
#include "dropdowns/drop_down_form.h"
#include "dropdowns/drop_down_placement.h"
#include "dropdowns/popup_strip.h"
#include "platform/screen_geometry.h"
#include "platform/tick_clock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>

namespace {

constexpr int kMinimumPopupWidth = 80;
constexpr int kMinimumPopupHeight = 50;
constexpr std::uint32_t kReopenGuardMs = 250;

// Relays the keys of the pop-up's content control to the drop-down's operations
// ControlKeyDown, ControlKeyPress and ControlKeyUp, then lets the content handle them;
// a key a handler sets to 0 stays from the content. A key the content ignores goes no
// further: it has reached the edit already.
class TContentKeyRelay : public QObject {
public:
    TContentKeyRelay(QObject* content, std::function<bool(QKeyEvent*, bool)> relay)
        : QObject(content), FRelay(std::move(relay)) {
        setObjectName(QStringLiteral("ContentKeyRelay"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        const QPointer<QObject> content(watched);
        const bool dropped = FRelay(static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
        if (!dropped && content) content->event(event);
        event->accept();
        return true;
    }

private:
    std::function<bool(QKeyEvent*, bool)> FRelay;
};

}  // namespace

void TExCustomDropDown::BeforeDropDown() {
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExCustomDropDown::DropDownClick() {
    if (Designing() || PopUpVisible()) return;
    const auto now = static_cast<std::uint32_t>(TickCount());
    const std::uint32_t since = FDropDownForm ? now - FDropDownForm->DeActivateTime() : kReopenGuardMs + 1;
    if (since > kReopenGuardMs) DoShowDropDown();
}

void TExCustomDropDown::FitPopUpToList(QWidget* List, int Width) {
    List->resize(Width, List->height());
    FDropDownForm->resize(Width + 2 * FDropDownBorderWidth, FDropDownForm->height());
    FDropDownForm->LayOutChildren();
}

void TExCustomDropDown::AdaptDropDownSize() {
    if (!FDropDownForm) return;
    const bool content = FControl && !IsHiddenByItself(FControl);
    int w = width();
    if (FDropDownWidth > 0) w = FDropDownWidth;
    else if (content) w = FControl->width();
    int h = 0;
    if (FDropDownHeight > 0) {
        h = FDropDownHeight;
    } else {
        h = 2 * FDropDownBorderWidth;
        if (FDropDownHeader->Visible()) h += FDropDownHeader->Height();
        if (FDropDownFooter->Visible()) h += FDropDownFooter->Height();
        if (content) h += FControl->height();
    }
    FDropDownForm->resize(w, h);
}

void TExCustomDropDown::PlaceDropDownControl() {
    if (!FDropDownForm || !FControl) return;
    if (FControl->parentWidget() != FDropDownForm) FControl->setParent(FDropDownForm);
    const bool header = FDropDownForm->Header() && !IsHiddenByItself(FDropDownForm->Header());
    // The content keeps its own size until the pop-up has the size made from it; the
    // pop-up then fills its client area with it.
    FControl->move(FControl->x(), header ? FDropDownHeader->Height() + 2 : FDropDownBorderWidth);
    if (FDropDownForm->isVisible()) FDropDownForm->LayOutChildren();
}

void TExCustomDropDown::BindContentKeys() {
    if (!FControl || FControl->findChild<QObject*>(QStringLiteral("ContentKeyRelay"), Qt::FindDirectChildrenOnly))
        return;
    QPointer<QWidget> content = FControl;
    auto* relay = new TContentKeyRelay(FControl, [this, content](QKeyEvent* event, bool press) {
        if (!content || content != FControl) return false;
        const TKeyboardStateScope keyboard(event->modifiers());
        WORD key = VirtualKeyOf(event->key());
        const TShiftState shift = ShiftStateOf(event->modifiers());
        if (!press) {
            if (key != 0) ControlKeyUp(key, shift);
            return false;
        }
        const WORD typed = key;
        if (key != 0) ControlKeyDown(key, shift);
        const bool dropped = typed != 0 && key == 0;
        QChar ch = KeyCharacterOf(event);
        if (!ch.isNull()) {
            ControlKeyPress(ch);
            if (ch.isNull() && typed == 0) return true;
        }
        return dropped;
    });
    FControl->installEventFilter(relay);
}

void TExCustomDropDown::DoShowDropDown() {
    if (Designing() || !FDropDownForm || PopUpVisible() || !isEnabled() || ReadOnly()) return;
    // A cancelling hide puts back what the pop-up opened with.
    FOldText = GetText();
    BeforeDropDown();
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->InitializeAndUpdate();

    const QPoint origin = mapToGlobal(QPoint(0, 0));
    FDropDownForm->move(origin);
    AdaptDropDownSize();
    PlaceDropDownControl();
    FDropDownForm->setMinimumSize(kMinimumPopupWidth, kMinimumPopupHeight);
    BindContentKeys();

    // The final size first (a size the user gave it included), then the place for it.
    int w = FDropDownForm->width();
    int h = FDropDownForm->height();
    if (FUserDropDownWidth != -1) w = FUserDropDownWidth;
    if (FUserDropDownHeight != -1) h = FUserDropDownHeight;
    w = std::max(w, kMinimumPopupWidth);
    h = std::max(h, kMinimumPopupHeight);

    bool accept = true;
    if (OnDropDown) OnDropDown(this, accept);
    if (!accept) return;

    const TPoint editTopLeft{origin.x(), origin.y()};
    const TPoint place = DropDownPosition(editTopLeft, height(), TSize{w, h}, FDropPosition,
                                         ScreenWorkAreaAt({editTopLeft.X, editTopLeft.Y + height() - 1}));
    int adjusted = h;
    AdjustDropDownHeight(adjusted);
    FDropDownForm->setGeometry(place.X, place.Y, w, adjusted);
    FDroppedDown = true;
    FDropDownForm->show();
    FDropDownForm->raise();
    FDropDownForm->LayOutChildren();
    FDropDownForm->FocusFirstControl();
    FocusDropDownControl();
}

void TExCustomDropDown::FocusDropDownControl() {
    QWidget* target = FFocusControl;
    if (!target || target->focusPolicy() == Qt::NoFocus || !target->isEnabled() || !target->isVisible() ||
        target->hasFocus())
        return;
    target->setFocus(Qt::PopupFocusReason);
}

void TExCustomDropDown::DoHideDropDown(bool Cancel) {
    if (Designing() || !PopUpVisible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->width();
    FUserDropDownHeight = FDropDownForm->height();
    FDropDownForm->HideByDropDown();
    QToolTip::hideText();
    if (Cancel) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, Cancel);
}

void TExCustomDropDown::DropDownHidden() {
    FDroppedDown = false;
    if (ComponentState().Contains(csDestroying)) return;
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible() && !hasFocus()) setFocus(Qt::PopupFocusReason);
}

void TExCustomDropDown::DropDownMouseWheelDown(TShiftState, bool&) { HandleWheelDown(); }

void TExCustomDropDown::DropDownMouseWheelUp(TShiftState, bool&) { HandleWheelUp(); }

void TExCustomDropDown::DropDownKeyPress(QChar& Key) { Perform(this, WM_CHAR, Key.unicode(), 0); }

void TExCustomDropDown::DropDownKeyDown(WORD& Key, TShiftState) { Perform(this, WM_KEYDOWN, Key, 0); }

void TExCustomDropDown::DropDownKeyUp(WORD& Key, TShiftState) { Perform(this, WM_KEYUP, Key, 0); }

void TExCustomDropDown::ControlKeyDown(WORD& Key, TShiftState) { Perform(this, WM_KEYDOWN, Key, 0); }

void TExCustomDropDown::ControlKeyUp(WORD& Key, TShiftState) { Perform(this, WM_KEYUP, Key, 0); }

void TExCustomDropDown::ControlKeyPress(QChar& Key) { Perform(this, WM_CHAR, Key.unicode(), 0); }
