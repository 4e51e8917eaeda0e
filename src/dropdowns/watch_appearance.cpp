#include "dropdowns/watch_appearance.h"

namespace {

TFont TahomaOf(int size) {
    TFont font;
    font.Name = QStringLiteral("Tahoma");
    font.Size = size;
    return font;
}

}  // namespace

void TWatchAppearance::ResetToDefaults() {
    FSize = 0;
    FHourPointer = 0x000000;
    FBackgroundColor = 0xFFFFFF;
    FMinutePointerShadow = clBtnShadow;
    FBackgroundColorTo = clNone;
    FHourPointerShadow = clBtnShadow;
    FSecondPointerShadow = clBtnShadow;
    FSecondPointer = 0x0000FF;
    FBorderColor = 0x000000;
    FMinutePointer = 0x000000;
    FHourFont = TahomaOf(8);
    FAMPMFont = TahomaOf(10);
    FPicture = TPicture();
    FAMPMFrame = apRect;
    FWatchShape = wsCircle;
    FPointerStyle = psLine;
    FBorderStyle = wbLine;
    FHourPointerSize = 4;
    FSecondPointerSize = 1;
    FMinutePointerSize = 3;
    FHourColor = 0x000000;
    FMinuteColor = 0x808080;
    FCenterPointSize = 4;
    FCenterPointColor = 0x000000;
    FCenterPointBorderColor = clNone;
    FBackgroundGradient = wgVertical;
    FRounding = 5;
    FHourMarkLength = 0;
    FHourMarkWidth = 1;
    FMinuteMarkLength = 0;
    FMinuteMarkWidth = 1;
    FBorderWidth = 4;
    FAMPMColor = 0xFFFFFF;
    FAMPMBorderColor = 0x000000;
    FCenterPointOuterBorderColor = clNone;
    FTickMarks = tmAll;
    FHourMarkStyle = hmsLine;
}

void TWatchAppearance::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TWatchAppearance*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    FSize = source->FSize;
    FHourPointer = source->FHourPointer;
    FBackgroundColor = source->FBackgroundColor;
    FMinutePointerShadow = source->FMinutePointerShadow;
    FBackgroundColorTo = source->FBackgroundColorTo;
    FHourPointerShadow = source->FHourPointerShadow;
    FSecondPointerShadow = source->FSecondPointerShadow;
    FSecondPointer = source->FSecondPointer;
    FBorderColor = source->FBorderColor;
    FMinutePointer = source->FMinutePointer;
    FHourFont = source->FHourFont;
    FAMPMFont = source->FAMPMFont;
    FAMPMFrame = source->FAMPMFrame;
    FWatchShape = source->FWatchShape;
    FPointerStyle = source->FPointerStyle;
    FBorderStyle = source->FBorderStyle;
    FHourPointerSize = source->FHourPointerSize;
    FSecondPointerSize = source->FSecondPointerSize;
    FMinutePointerSize = source->FMinutePointerSize;
    FHourColor = source->FHourColor;
    FMinuteColor = source->FMinuteColor;
    FCenterPointSize = source->FCenterPointSize;
    FCenterPointColor = source->FCenterPointColor;
    FCenterPointBorderColor = source->FCenterPointBorderColor;
    FBackgroundGradient = source->FBackgroundGradient;
    FRounding = source->FRounding;
    FHourMarkLength = source->FHourMarkLength;
    FHourMarkWidth = source->FHourMarkWidth;
    FMinuteMarkLength = source->FMinuteMarkLength;
    FMinuteMarkWidth = source->FMinuteMarkWidth;
    FBorderWidth = source->FBorderWidth;
    FAMPMColor = source->FAMPMColor;
    FAMPMBorderColor = source->FAMPMBorderColor;
    // The picture's assignment and the last three setters raise the notice.
    SetPicture(source->FPicture);
    SetCenterPointOuterBorderColor(source->FCenterPointOuterBorderColor);
    SetTickMarks(source->FTickMarks);
    SetHourMarkStyle(source->FHourMarkStyle);
}

void TWatchSettings::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TWatchSettings*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FSeconds = source->FSeconds;
    FTimeOffset = source->FTimeOffset;
    SetAuto(source->FAuto);
}
