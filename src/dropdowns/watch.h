#pragma once
// TExWatch: an owner-drawn analogue clock. In manual mode a click inside the face sets
// the hour, a click in the margin around it the minute, a click on the AM/PM box
// switches morning and afternoon; hand movements are animated. In automatic mode it
// shows the current time plus Settings.TimeOffset minutes and ignores the user.
//
// Files: watch.cpp (time, clicks, keys, animation), watch_painting.cpp (geometry, face
// and hands), watch_styles.cpp (Style presets and SetComponentStyle).
//
// Timers run on the platform's interval timer (tests tick them by hand): the 100 ms
// watch timer repaints in automatic mode, the 1 ms animation timer moves the hands,
// and the AM/PM slide advances one pixel per 10 ms tick (Qt paints only in paint
// events, so the slide is not drawn in a loop that sleeps).
//
// Decided here: the AM state follows every stored time (the AM/PM box always shows the
// half of the day of the hour); AnimationFactor below 1 counts as 1; a click next to 12
// o'clock gives hour 0 in the morning and 12 in the afternoon on both sides of 12.

#include "controls/control_styles.h"
#include "dropdowns/watch_appearance.h"
#include "platform/custom_control.h"
#include "platform/date_time.h"
#include "platform/interval_timer.h"

#include <QImage>
#include <memory>

enum TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia,
    wsBlack, wsBlackWhite, wsGray, wsSuperNova, wsSports, wsSmooth
};

// Hour, minute, second and millisecond of a date-time's time of day.
struct TTimeOfDay {
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
};
TTimeOfDay DecodeTimeOfDay(TDateTime Value);
// Value's date with the given time of day.
TDateTime WithTimeOfDay(TDateTime Value, const TTimeOfDay& Time);
// The wall clock's current date and time.
TDateTime NowAsDateTime();

// The clock's colours for a control style; the time picker applies them to its own
// appearance too.
void ApplyWatchComponentStyle(TWatchAppearance& Appearance, TZRTStyle AStyle);

class TExWatch : public TCustomControl {
public:
    explicit TExWatch(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExWatch() override;

    TWatchAppearance* Appearance() { return &FAppearance; }
    void SetAppearance(const TWatchAppearance& Value) { FAppearance.Assign(&Value); }
    TWatchSettings* Settings() { return &FSettings; }
    void SetSettings(const TWatchSettings& Value) { FSettings.Assign(&Value); }
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    TWatchStyle Style() const { return FStyle; }
    void SetStyle(TWatchStyle Value);
    // The AM/PM state the box shows.
    bool AM() const { return FAM; }

    void SetComponentStyle(TZRTStyle AStyle);
    void SetHour(std::uint8_t Value);
    // Raises EConvertError "Invalid time" for 60 or more.
    void SetMinute(std::uint8_t Value);
    // Keys of the time picker's pop-up.
    void HandleKeyDown(WORD Key);

    // The time shown: Time, or now plus the offset in automatic mode.
    TDateTime DisplayedTime() const;
    // Geometry of the current size.
    TRect FaceRect() const;
    TRect AMPMRect() const;
    int MinuteValueOf(int X, int Y) const;
    int HourValueOf(int X, int Y) const;
    // True while the hands or the AM/PM box move.
    bool Animating() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StoreTime(TDateTime Value);
    void SetHourDirect(int Hour);
    void SetMinuteDirect(int Minute);
    void RaiseChange();
    void AnimationStep();
    void SlideStep();
    void SwitchAMPM(bool AM);
    void SettingsChanged();
    bool Quiet() const;

    // Painting (watch_painting.cpp).
    void PaintFace(TCanvas& Canvas, const TTimeOfDay& Time);
    void PaintBackground(TCanvas& Canvas);
    void PaintMarks(TCanvas& Canvas);
    void PaintNumbers(TCanvas& Canvas);
    void PaintAMPM(TCanvas& Canvas);
    void PaintHands(TCanvas& Canvas, const TTimeOfDay& Time);
    void PaintCenterPoint(TCanvas& Canvas);
    TPoint PointAt(double Degrees, double Distance) const;

    TWatchAppearance FAppearance;
    TWatchSettings FSettings;
    TDateTime FTime = 0;
    QImage FBKGCache;
    std::unique_ptr<TIntervalTimer> FWatchTimer;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    std::unique_ptr<TIntervalTimer> FAnimationTimer;
    std::uint8_t FCurrentHourTo = 0;
    std::uint8_t FCurrentMinuteTo = 0;
    std::uint8_t FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    TWatchStyle FStyle = wsClassic;
    // The AM/PM slide: the pixel the strip window has reached, -1 when none runs.
    std::unique_ptr<TIntervalTimer> FSlideTimer;
    int FSlideStep = -1;
    bool FSlideToAM = true;
};
