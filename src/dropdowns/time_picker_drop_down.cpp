#include "dropdowns/time_picker_drop_down.h"

#include "dropdowns/drop_down_form.h"
#include "dropdowns/time_text.h"
#include "platform/format_settings.h"
#include "platform/standard_controls.h"

#include <QKeyEvent>
#include <QTimeEdit>

namespace {

QChar TimeSeparator() { return FormatSettings().TimeSeparator; }

QTime ToQTime(TDateTime value) {
    const TTimeOfDay t = DecodeTimeOfDay(value);
    return QTime(t.Hour, t.Minute, t.Second, t.MSec);
}

TDateTime FromQTime(TDateTime date, QTime time) {
    return WithTimeOfDay(date, {time.hour(), time.minute(), time.second(), time.msec()});
}

}  // namespace

TExTimePickerDropDown::TExTimePickerDropDown(TComponent* AOwner, QWidget* AParent) : TExCustomDropDown(AOwner, AParent) {
    SetShowTimePicker(false);
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    FInternalCall = true;
    SetEditMask(TimeEditMask(true, TimeSeparator()));
    TExCustomDropDown::SetTextDirect(TimeText({}, true, TimeSeparator()));
    FInternalCall = false;
    FDropDownHeader->SetVisible(false);
    FDropDownFooter->SetVisible(false);
}

TExTimePickerDropDown::~TExTimePickerDropDown() = default;

void TExTimePickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!FPanelCtrl) {
        FPanelCtrl = new TPanel(this, DropDownForm());
        FPanelCtrl->SetBevelOuter(bvNone);
        FPanelCtrl->SetBounds(0, 0, 170, 180);
    }
    if (!FExWatch) {
        FExWatch = new TExWatch(this, FPanelCtrl);
        FExWatch->setGeometry(FPanelCtrl->rect());
    }
    SetControl(FPanelCtrl);
}

void TExTimePickerDropDown::SetComponentStyle(TZRTStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    ApplyWatchComponentStyle(FWatchAppearance, AStyle);
}

void TExTimePickerDropDown::WriteTimeText() {
    const bool internal = FInternalCall;
    FInternalCall = true;
    TExCustomDropDown::SetTextDirect(TimeText(DecodeTimeOfDay(FTime), FShowSeconds, TimeSeparator()));
    FInternalCall = internal;
}

void TExTimePickerDropDown::SetTime(TDateTime Value) {
    if (Value == FTime) return;
    FTime = Value;
    WriteTimeText();
    if (!DroppedDown()) return;
    if (FExWatch) FExWatch->SetTime(FTime);
    if (FShowTimePicker && FDateTimePicker) {
        const QSignalBlocker quiet(FDateTimePicker);
        FDateTimePicker->setTime(ToQTime(FTime));
    }
}

void TExTimePickerDropDown::SetShowSeconds(bool Value) {
    if (Value == FShowSeconds) return;
    FShowSeconds = Value;
    const TDateTime remembered = FTime;
    FInternalCall = true;
    SetEditMask(QString());
    TExCustomDropDown::SetTextDirect(QString());
    SetEditMask(TimeEditMask(FShowSeconds, TimeSeparator()));
    FInternalCall = false;
    // Always rewrites the text: the stored value is made different first.
    FTime = remembered + 1;
    SetTime(remembered);
}

void TExTimePickerDropDown::Change() {
    TExCustomDropDown::Change();
    if (FInternalCall) return;
    const QString text = GetText();
    const std::optional<TTimeOfDay> typed = ParseTimeText(text, FShowSeconds, TimeSeparator());
    if (!typed) return;
    // Stored only: the text stays as typed, the clock is not moved, nothing is raised.
    FTime = WithTimeOfDay(0, *typed);
    const QString canonical = TimeText(*typed, FShowSeconds, TimeSeparator());
    if (canonical != text && typed->Minute == 0 && typed->Second == 0) WriteTimeText();
}

void TExTimePickerDropDown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const TShiftState shift = Message.Shift;
    TExCustomDropDown::WMKeyDown(Message);
    if (key != VK_UP && key != VK_DOWN) return;
    if (shift.Contains(ssAlt) || KeyboardShiftState().Contains(ssAlt) || shift.Contains(ssCtrl)) return;
    StepField(key == VK_UP);
}

void TExTimePickerDropDown::StepField(bool Up) {
    const QString text = GetText();
    const int caret = SelStart();
    const QChar separator = TimeSeparator();
    const int first = text.indexOf(separator) + 1;  // 1-based, 0 without one
    const int second = first > 0 ? text.mid(first).indexOf(separator) + 1 : 0;
    TTimeOfDay t = DecodeTimeOfDay(FTime);
    int* field = &t.Minute;
    int limit = 59;
    if (caret < first) {
        field = &t.Hour;
        limit = 23;
    } else if (FShowSeconds && second > 0 && caret - first >= second) {
        field = &t.Second;
    }
    const int stepped = Up ? (*field == 0 ? limit : *field - 1) : (*field == limit ? 0 : *field + 1);
    if (stepped != *field) {
        *field = stepped;
        SetTime(WithTimeOfDay(FTime, t));
        if (OnTimeChange) OnTimeChange(this);
    }
    SetSelStart(caret);
}

void TExTimePickerDropDown::CreatePicker() {
    if (FDateTimePicker) return;
    FDateTimePicker = new QTimeEdit(FPanelCtrl);
    QObject::connect(FDateTimePicker, &QTimeEdit::timeChanged, FDateTimePicker, [this](QTime) { PickerChanged(); });
    // The keys that close or toggle the pop-up go to the edit, as the pop-up's do.
    class KeyRelay : public QObject {
    public:
        explicit KeyRelay(TExTimePickerDropDown* owner) : QObject(owner->FDateTimePicker), FOwner(owner) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            WORD key = VirtualKeyOf(keyEvent->key());
            const TShiftState shift = ShiftStateOf(keyEvent->modifiers());
            const bool alt = shift.Contains(ssAlt) && (key == VK_UP || key == VK_DOWN);
            if (!alt && key != VK_ESCAPE && key != VK_RETURN && key != VK_F4) return false;
            if (event->type() == QEvent::KeyPress) FOwner->ControlKeyDown(key, shift);
            else FOwner->ControlKeyUp(key, shift);
            return true;
        }

    private:
        TExTimePickerDropDown* FOwner;
    };
    FDateTimePicker->installEventFilter(new KeyRelay(this));
}

void TExTimePickerDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    FTimeAtOpen = FTime;
    FPanelCtrl->resize(170, 170);
    DropDownForm()->SetCancelOnDeActivate(false);
    FPanelCtrl->setAutoFillBackground(true);
    QPalette palette = FPanelCtrl->palette();
    palette.setColor(QPalette::Window, ToQColor(DropDownColor()));
    FPanelCtrl->setPalette(palette);

    FExWatch->SetAppearance(FWatchAppearance);
    FExWatch->SetSettings(FWatchSettings);
    FExWatch->SetShowAMPM(FShowWatchAMPM);
    FExWatch->SetShowNumbers(FShowWatchNumbers);
    FExWatch->SetAnimation(FAnimation);
    FExWatch->SetAnimationFactor(FAnimationFactor);
    FExWatch->OnChange = nullptr;
    if (!FWatchSettings.Auto()) FExWatch->SetTime(FTime);
    FExWatch->OnChange = [this](TObject*) { ClockChanged(); };

    int height = 170;
    if (FShowTimePicker) {
        CreatePicker();
        {
            const QSignalBlocker quiet(FDateTimePicker);
            FDateTimePicker->setTime(ToQTime(FTime));
        }
        FDateTimePicker->setDisplayFormat(FShowSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
        FDateTimePicker->show();
        FDateTimePicker->raise();
        height += FDateTimePicker->sizeHint().height();
    } else if (FDateTimePicker) {
        FDateTimePicker->hide();
    }
    FPanelCtrl->resize(170, height);
    FExWatch->setGeometry(0, 0, 170, 170);
    if (FDateTimePicker && FShowTimePicker)
        FDateTimePicker->setGeometry(0, 170, 170, FDateTimePicker->sizeHint().height());
}

TDateTime TExTimePickerDropDown::ClockTime() const {
    // In automatic mode the clock shows now plus its offset.
    return FExWatch ? FExWatch->DisplayedTime() : FTime;
}

void TExTimePickerDropDown::ClockChanged() {
    if (!FExWatch) return;
    if (FDateTimePicker && FShowTimePicker && FDateTimePicker->time() != ToQTime(ClockTime())) {
        {
            const QSignalBlocker quiet(FDateTimePicker);
            FDateTimePicker->setTime(ToQTime(ClockTime()));
        }
        if (OnTimeChange) OnTimeChange(this);
    }
    SetTime(ClockTime());
}

void TExTimePickerDropDown::PickerChanged() {
    if (!FExWatch || FWatchSettings.Auto()) return;
    FExWatch->SetTime(FromQTime(FExWatch->Time(), FDateTimePicker->time()));
    // The clock's Time setter reports nothing: the change is taken from here.
    ClockChanged();
}

void TExTimePickerDropDown::DoHideDropDown(bool Cancel) {
    FCancelling = Cancel;
    TExCustomDropDown::DoHideDropDown(Cancel);
    FCancelling = false;
    if (!Cancel) return;
    // Everything as it was when the pop-up opened.
    if (FExWatch) {
        FExWatch->OnChange = nullptr;
        FExWatch->SetTime(FTimeAtOpen);
    }
    FTime = FTimeAtOpen + 1;
    SetTime(FTimeAtOpen);
}

void TExTimePickerDropDown::DropDownHidden() {
    TExCustomDropDown::DropDownHidden();
    if (!FCancelling && FExWatch) SetTime(ClockTime());
}

bool TExTimePickerDropDown::StaysInPopUp(WORD Key, TShiftState Shift) {
    return !Shift.Contains(ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
}

void TExTimePickerDropDown::DropDownKeyDown(WORD& Key, TShiftState Shift) {
    const WORD key = Key;
    if (!StaysInPopUp(Key, Shift)) TExCustomDropDown::DropDownKeyDown(Key, Shift);
    if (FExWatch && PopUpVisible()) FExWatch->HandleKeyDown(key);
}

void TExTimePickerDropDown::DropDownKeyUp(WORD& Key, TShiftState Shift) {
    if (!StaysInPopUp(Key, Shift)) TExCustomDropDown::DropDownKeyUp(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (!StaysInPopUp(Key, Shift)) TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (!StaysInPopUp(Key, Shift)) TExCustomDropDown::ControlKeyUp(Key, Shift);
}
