#pragma once
// The look and the behaviour settings of the analogue clock TExWatch. Every setter that
// changes a value raises OnChange (the clock repaints, or re-reads its settings);
// AMPMColor and AMPMBorderColor are plain values without notice.

#include "platform/canvas.h"
#include "platform/component.h"
#include "platform/persistent.h"
#include "platform/picture.h"

#include <cstdint>

enum TAMPMFrame { apRect, apRoundRect };
enum TWatchShape { wsCircle, wsRect, wsRoundRect };
// psShortLine and psLineArrow are kept but draw no hands.
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TWatchBorderStyle { wbLine, wbDoubleLine, wbNone };
// wgDiagonalForward and wgDiagonalBackward fill as wgVertical; wgRadial fills left to right.
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };

class TWatchAppearance : public TPersistent {
public:
    TWatchAppearance() { ResetToDefaults(); }

    // Puts back the constructor's values, with fresh fonts and picture; raises nothing.
    void ResetToDefaults();
    void Assign(const TPersistent* Source) override;

    int Size() const { return FSize; }
    void SetSize(int Value) { Change(FSize, Value); }
    TColor HourPointer() const { return FHourPointer; }
    void SetHourPointer(TColor Value) { Change(FHourPointer, Value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { Change(FBackgroundColor, Value); }
    TColor MinutePointerShadow() const { return FMinutePointerShadow; }
    void SetMinutePointerShadow(TColor Value) { Change(FMinutePointerShadow, Value); }
    TColor BackgroundColorTo() const { return FBackgroundColorTo; }
    void SetBackgroundColorTo(TColor Value) { Change(FBackgroundColorTo, Value); }
    TColor HourPointerShadow() const { return FHourPointerShadow; }
    void SetHourPointerShadow(TColor Value) { Change(FHourPointerShadow, Value); }
    TColor SecondPointer() const { return FSecondPointer; }
    void SetSecondPointer(TColor Value) { Change(FSecondPointer, Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Change(FBorderColor, Value); }
    TColor MinutePointer() const { return FMinutePointer; }
    void SetMinutePointer(TColor Value) { Change(FMinutePointer, Value); }
    const TFont& HourFont() const { return FHourFont; }
    void SetHourFont(const TFont& Value) { FHourFont = Value; Changed(); }
    const TFont& AMPMFont() const { return FAMPMFont; }
    void SetAMPMFont(const TFont& Value) { FAMPMFont = Value; Changed(); }
    const TPicture& Picture() const { return FPicture; }
    void SetPicture(const TPicture& Value) { FPicture.Assign(Value); Changed(); }
    TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
    void SetAMPMFrame(TAMPMFrame Value) { Change(FAMPMFrame, Value); }
    TWatchShape Shape() const { return FWatchShape; }
    void SetShape(TWatchShape Value) { Change(FWatchShape, Value); }
    TPointerStyle PointerStyle() const { return FPointerStyle; }
    void SetPointerStyle(TPointerStyle Value) { Change(FPointerStyle, Value); }
    int HourPointerSize() const { return FHourPointerSize; }
    void SetHourPointerSize(std::uint8_t Value) { Change(FHourPointerSize, Value); }
    int SecondPointerSize() const { return FSecondPointerSize; }
    void SetSecondPointerSize(std::uint8_t Value) { Change(FSecondPointerSize, Value); }
    int MinutePointerSize() const { return FMinutePointerSize; }
    void SetMinutePointerSize(std::uint8_t Value) { Change(FMinutePointerSize, Value); }
    TColor HourColor() const { return FHourColor; }
    void SetHourColor(TColor Value) { Change(FHourColor, Value); }
    TColor MinuteColor() const { return FMinuteColor; }
    void SetMinuteColor(TColor Value) { Change(FMinuteColor, Value); }
    int CenterPointSize() const { return FCenterPointSize; }
    void SetCenterPointSize(std::uint8_t Value) { Change(FCenterPointSize, Value); }
    TColor CenterPointColor() const { return FCenterPointColor; }
    void SetCenterPointColor(TColor Value) { Change(FCenterPointColor, Value); }
    TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
    void SetCenterPointBorderColor(TColor Value) { Change(FCenterPointBorderColor, Value); }
    TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
    void SetBackgroundGradient(TWatchGradient Value) { Change(FBackgroundGradient, Value); }
    int HourMarkLength() const { return FHourMarkLength; }
    void SetHourMarkLength(std::uint8_t Value) { Change(FHourMarkLength, Value); }
    int HourMarkWidth() const { return FHourMarkWidth; }
    void SetHourMarkWidth(std::uint8_t Value) { Change(FHourMarkWidth, Value); }
    int MinuteMarkLength() const { return FMinuteMarkLength; }
    void SetMinuteMarkLength(std::uint8_t Value) { Change(FMinuteMarkLength, Value); }
    int MinuteMarkWidth() const { return FMinuteMarkWidth; }
    void SetMinuteMarkWidth(std::uint8_t Value) { Change(FMinuteMarkWidth, Value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { Change(FBorderWidth, Value); }
    TColor AMPMColor() const { return FAMPMColor; }
    void SetAMPMColor(TColor Value) { FAMPMColor = Value; }
    TColor AMPMBorderColor() const { return FAMPMBorderColor; }
    void SetAMPMBorderColor(TColor Value) { FAMPMBorderColor = Value; }
    TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
    void SetCenterPointOuterBorderColor(TColor Value) { Change(FCenterPointOuterBorderColor, Value); }
    TTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMarks Value) { Change(FTickMarks, Value); }
    THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
    void SetHourMarkStyle(THourMarkStyle Value) { Change(FHourMarkStyle, Value); }

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    template <class T, class V>
    void Change(T& Field, V Value) {
        if (Field == static_cast<T>(Value)) return;
        Field = static_cast<T>(Value);
        Changed();
    }

    int FSize = 0;
    TColor FHourPointer = 0;
    TColor FBackgroundColor = 0;
    TColor FMinutePointerShadow = 0;
    TColor FBackgroundColorTo = 0;
    TColor FHourPointerShadow = 0;
    // Stored and copied only; no drawing reads the next four.
    TColor FSecondPointerShadow = 0;
    TWatchBorderStyle FBorderStyle = wbLine;
    int FRounding = 0;
    TColor FSecondPointer = 0;
    TColor FBorderColor = 0;
    TColor FMinutePointer = 0;
    TFont FHourFont;
    TFont FAMPMFont;
    TPicture FPicture;
    TAMPMFrame FAMPMFrame = apRect;
    TWatchShape FWatchShape = wsCircle;
    TPointerStyle FPointerStyle = psLine;
    std::uint8_t FHourPointerSize = 0;
    std::uint8_t FSecondPointerSize = 0;
    std::uint8_t FMinutePointerSize = 0;
    TColor FHourColor = 0;
    TColor FMinuteColor = 0;
    std::uint8_t FCenterPointSize = 0;
    TColor FCenterPointColor = 0;
    TColor FCenterPointBorderColor = 0;
    TWatchGradient FBackgroundGradient = wgVertical;
    std::uint8_t FHourMarkLength = 0;
    std::uint8_t FHourMarkWidth = 0;
    std::uint8_t FMinuteMarkLength = 0;
    std::uint8_t FMinuteMarkWidth = 0;
    int FBorderWidth = 0;
    TColor FAMPMColor = 0;
    TColor FAMPMBorderColor = 0;
    TColor FCenterPointOuterBorderColor = 0;
    TTickMarks FTickMarks = tmAll;
    THourMarkStyle FHourMarkStyle = hmsLine;
};

class TWatchSettings : public TPersistent {
public:
    bool Auto() const { return FAuto; }
    void SetAuto(bool Value) { Change(FAuto, Value); }
    bool Second() const { return FSeconds; }
    void SetSecond(bool Value) { Change(FSeconds, Value); }
    // Minutes added to the current time in automatic mode.
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int Value) { Change(FTimeOffset, Value); }
    // Copies Second and TimeOffset silently and Auto through its setter.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    template <class T>
    void Change(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        if (OnChange) OnChange(this);
    }

    bool FAuto = false;
    bool FSeconds = true;
    int FTimeOffset = 0;
};
