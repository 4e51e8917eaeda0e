#include "dropdowns/watch.h"

#include "platform/virtual_keys.h"
#include "platform/wall_clock.h"

#include <QDate>
#include <cmath>

namespace {

constexpr double MSecsPerDay = 86400000.0;

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

TTimeOfDay DecodeTimeOfDay(TDateTime Value) {
    const double fraction = std::fabs(Value - std::trunc(Value));
    long long ms = std::llround(fraction * MSecsPerDay);
    if (ms >= 86400000) ms = 86399999;
    TTimeOfDay t;
    t.Hour = static_cast<int>(ms / 3600000);
    t.Minute = static_cast<int>(ms / 60000 % 60);
    t.Second = static_cast<int>(ms / 1000 % 60);
    t.MSec = static_cast<int>(ms % 1000);
    return t;
}

TDateTime WithTimeOfDay(TDateTime Value, const TTimeOfDay& Time) {
    const double day = std::trunc(Value);
    const double fraction = ((Time.Hour * 60.0 + Time.Minute) * 60.0 + Time.Second) * 1000.0 + Time.MSec;
    return day < 0 ? day - fraction / MSecsPerDay : day + fraction / MSecsPerDay;
}

TDateTime NowAsDateTime() {
    const QDateTime now = Now();
    return static_cast<double>(QDate(1899, 12, 30).daysTo(now.date())) + now.time().msecsSinceStartOfDay() / MSecsPerDay;
}

TExWatch::TExWatch(TComponent* AOwner, QWidget* AParent) : TCustomControl(AOwner, AParent) {
    FAppearance.OnChange = [this](TObject*) { update(); };
    FSettings.OnChange = [this](TObject*) { SettingsChanged(); };
    FWatchTimer = CreateIntervalTimer();
    FWatchTimer->OnTick = [this] { update(); };
    FAnimationTimer = CreateIntervalTimer();
    FAnimationTimer->OnTick = [this] { AnimationStep(); };
    FSlideTimer = CreateIntervalTimer();
    FSlideTimer->OnTick = [this] { SlideStep(); };
    // Corners outside a round face show the parent.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
    resize(180, 180);
}

TExWatch::~TExWatch() = default;

bool TExWatch::Quiet() const {
    return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

bool TExWatch::Animating() const { return FAnimationTimer->Running() || FSlideStep >= 0; }

TDateTime TExWatch::DisplayedTime() const {
    if (!FSettings.Auto()) return FTime;
    return NowAsDateTime() + FSettings.TimeOffset() / 1440.0;
}

void TExWatch::StoreTime(TDateTime Value) {
    if (Value == FTime) return;
    FTime = Value;
    // The box follows the half of the day without sliding.
    FAM = DecodeTimeOfDay(FTime).Hour < 12;
}

void TExWatch::SetTime(TDateTime Value) {
    if (Value == FTime) return;
    StoreTime(Value);
    update();
}

void TExWatch::SetShowAMPM(bool Value) {
    if (FShowAMPM == Value) return;
    FShowAMPM = Value;
    update();
}

void TExWatch::SetShowNumbers(bool Value) {
    if (FShowNumbers == Value) return;
    FShowNumbers = Value;
    update();
}

void TExWatch::RaiseChange() {
    if (OnChange) OnChange(this);
}

void TExWatch::SetHourDirect(int Hour) {
    FInternalCall = true;
    SetHour(static_cast<std::uint8_t>(Hour));
    FInternalCall = false;
}

void TExWatch::SetMinuteDirect(int Minute) {
    FInternalCall = true;
    SetMinute(static_cast<std::uint8_t>(Minute));
    FInternalCall = false;
}

void TExWatch::SetHour(std::uint8_t Value) {
    TTimeOfDay t = DecodeTimeOfDay(DisplayedTime());
    if (Value == t.Hour) return;
    if (FAnimation && !FInternalCall && !Quiet()) {
        FCurrentHourTo = Value;
        FHourAnimating = true;
        FAnimationTimer->Start(1);
        return;
    }
    t.Hour = Value % 24;
    StoreTime(WithTimeOfDay(DisplayedTime(), t));
    update();
    if (Value == FCurrentHourTo) RaiseChange();
}

void TExWatch::SetMinute(std::uint8_t Value) {
    if (Value >= 60) throw EConvertError(QStringLiteral("Invalid time"));
    TTimeOfDay t = DecodeTimeOfDay(DisplayedTime());
    if (Value == t.Minute) return;
    if (FAnimation && !FInternalCall && !Quiet()) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = static_cast<std::uint8_t>(t.Minute);
        FAnimationTimer->Start(1);
        return;
    }
    if (!FAnimation) FMinuteFrom = static_cast<std::uint8_t>(t.Minute);
    if (Value == 0 && FMinuteFrom > 30) {
        t.Hour = (t.Hour + 1) % 24;
        FMinuteFrom = 0;
    }
    t.Minute = Value;
    StoreTime(WithTimeOfDay(DisplayedTime(), t));
    update();
    if (Value == FCurrentMinuteTo) RaiseChange();
}

void TExWatch::AnimationStep() {
    if (!FAnimation || Quiet()) return;
    const TTimeOfDay t = DecodeTimeOfDay(DisplayedTime());
    const int factor = std::max(1, FAnimationFactor);
    if (FHourAnimating) {
        if (t.Hour == FCurrentHourTo) {
            FAnimationTimer->Stop();
            return;
        }
        const int step = std::max(1, RoundHalfEven(std::abs(FCurrentHourTo - t.Hour) / double(factor)));
        SetHourDirect(t.Hour < FCurrentHourTo ? t.Hour + step : t.Hour - step);
        return;
    }
    if (t.Minute == FCurrentMinuteTo) {
        FAnimationTimer->Stop();
        return;
    }
    const bool throughTwelve = FCurrentMinuteTo == 0 && t.Minute > 30;
    const int distance = throughTwelve ? 60 - t.Minute : std::abs(FCurrentMinuteTo - t.Minute);
    const int step = std::max(1, RoundHalfEven(distance / double(factor)));
    int minute = (t.Minute < FCurrentMinuteTo || throughTwelve) ? t.Minute + step : t.Minute - step;
    if (minute >= 60) minute = 0;
    SetMinuteDirect(minute);
}

void TExWatch::SwitchAMPM(bool AM) {
    if (AM == FAM) return;
    FAM = AM;
    if (FAnimation && FShowAMPM && FAppearance.AMPMColor() != clNone) {
        FSlideToAM = AM;
        FSlideStep = 0;
        FSlideTimer->Start(10);
    }
    update();
}

void TExWatch::SlideStep() {
    if (FSlideStep < 0) return;
    const int innerHeight = std::max(0, AMPMRect().Height() - 2);
    if (++FSlideStep >= innerHeight) {
        FSlideStep = -1;
        FSlideTimer->Stop();
    }
    update();
}

void TExWatch::SettingsChanged() {
    if (FSettings.Auto()) FWatchTimer->Start(100);
    else FWatchTimer->Stop();
    if (FSettings.Auto()) StoreTime(NowAsDateTime());
    update();
}

void TExWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings.Auto()) return;
    const TRect face = FaceRect();
    const double rx = face.Width() / 2.0, ry = face.Height() / 2.0;
    const double dx = X - (face.Left + rx), dy = Y - (face.Top + ry);
    const bool insideFace = rx > 0 && ry > 0 && (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
    if (!insideFace) {
        SetMinute(static_cast<std::uint8_t>(MinuteValueOf(X, Y)));
        return;
    }
    if (FShowAMPM && AMPMRect().Contains({X, Y})) {
        const int hour = DecodeTimeOfDay(DisplayedTime()).Hour;
        const int target = hour < 12 ? hour + 12 : hour - 12;
        if (FAnimation) SwitchAMPM(target < 12);
        FCurrentHourTo = static_cast<std::uint8_t>(target);
        SetHourDirect(target);
        return;
    }
    SetHour(static_cast<std::uint8_t>(HourValueOf(X, Y)));
}

void TExWatch::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    setCursor(FShowAMPM && AMPMRect().Contains({X, Y}) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

int TExWatch::MinuteValueOf(int X, int Y) const {
    const TRect face = FaceRect();
    const int cx = face.Left + face.Width() / 2, cy = face.Top + face.Height() / 2;
    const double dx = std::max(1, std::abs(cx - X)), dy = std::max(1, std::abs(cy - Y));
    const int f = RoundHalfEven(std::atan(dy / dx) * 180.0 / M_PI / 6.0);
    int minute;
    if (X >= cx && Y >= cy) minute = 15 + f;
    else if (X <= cx && Y >= cy) minute = 45 - f;
    else if (X <= cx && Y <= cy) minute = 45 + f;
    else minute = 15 - f;
    return minute < 0 || minute > 59 ? 0 : minute;
}

int TExWatch::HourValueOf(int X, int Y) const {
    // Both sides of 12 o'clock give the hour that starts the half of the day.
    const int c = RoundHalfEven(MinuteValueOf(X, Y) / 5.0) % 12;
    return FAM ? c : c + 12;
}

void TExWatch::HandleKeyDown(WORD Key) {
    if (FSettings.Auto()) return;
    const TTimeOfDay t = DecodeTimeOfDay(DisplayedTime());
    switch (Key) {
    case 'A':
        if (t.Hour >= 12) SetHour(static_cast<std::uint8_t>(t.Hour - 12));
        break;
    case 'P':
        if (t.Hour < 12) SetHour(static_cast<std::uint8_t>(t.Hour + 12));
        break;
    case VK_PRIOR:
        if (t.Hour == 23) SetHourDirect(0);
        else SetHour(static_cast<std::uint8_t>(t.Hour + 1));
        break;
    case VK_NEXT:
        if (t.Hour == 0) SetHourDirect(23);
        else SetHour(static_cast<std::uint8_t>(t.Hour - 1));
        break;
    case VK_HOME:
        SetHourDirect(12);
        break;
    case VK_END:
        SetMinute(0);
        break;
    case VK_LEFT:
        if (t.Minute == 0) {
            TTimeOfDay earlier = t;
            earlier.Hour = t.Hour == 0 ? 23 : t.Hour - 1;
            earlier.Minute = 59;
            SetTime(WithTimeOfDay(DisplayedTime(), earlier));
        } else {
            SetMinute(static_cast<std::uint8_t>(t.Minute - 1));
        }
        break;
    case VK_RIGHT:
        SetMinute(static_cast<std::uint8_t>(t.Minute == 59 ? 0 : t.Minute + 1));
        break;
    default:
        break;
    }
}

void TExWatch::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    FBKGCache = QImage();
}
