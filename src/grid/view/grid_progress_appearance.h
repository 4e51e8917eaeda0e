#pragma once
// The look of the grid's ctXPProgress bars. Every setter stores a value only when it
// differs from the current one and then calls Changed, which fires OnChange (the grid
// sets it to its repaint).

#include "platform/color.h"
#include "platform/component.h"

enum TProgressStyle { psXP, psClassic };

// X(type, name, default)
#define GRID_PROGRESS_APPEARANCE_PROPERTIES(X) \
    X(TColor, UnCompleteFontColor, clWindowText) \
    X(TColor, CompleteColor, clRed)             \
    X(TColor, UnCompleteColor, clNone)          \
    X(TColor, CompleteFontColor, clBlue)        \
    X(bool, Stacked, false)                     \
    X(bool, ShowPercentage, true)               \
    X(bool, ShowBorder, false)                  \
    X(bool, CompletionSmooth, true)             \
    X(bool, ShowGradient, true)                 \
    X(int, Level2Perc, 90)                      \
    X(int, Level1Perc, 70)                      \
    X(int, Steps, 11)                           \
    X(TColor, Level3Color, TColor(0x0000FF))    \
    X(TColor, Level1Color, TColor(0x00FFFF))    \
    X(TColor, Level0Color, TColor(0x00FF00))    \
    X(TColor, Level3ColorTo, TColor(0xCACAFF))  \
    X(TColor, Level2ColorTo, TColor(0xA8D3FF))  \
    X(TColor, Level0ColorTo, TColor(0xE1FFE1))  \
    X(TColor, Level1ColorTo, TColor(0xCAFFFF))  \
    X(TColor, BorderColor, clBlack)             \
    X(TColor, Level2Color, TColor(0x53A9FF))    \
    X(TProgressStyle, Style, psXP)

class TGridProgressAppearance : public TObject {
public:
#define GRID_PROGRESS_DECLARE(Type, Name, Default)  \
    Type Name() const { return F##Name; }          \
    void Set##Name(Type Value) {                   \
        if (F##Name == Value) return;              \
        F##Name = Value;                           \
        Changed();                                 \
    }
    GRID_PROGRESS_APPEARANCE_PROPERTIES(GRID_PROGRESS_DECLARE)
#undef GRID_PROGRESS_DECLARE

    // Copies every property but OnChange from another TGridProgressAppearance, then
    // Changed; any other source is ignored.
    void Assign(const TObject* Source);
    void Changed();

    TNotifyEvent OnChange;

private:
#define GRID_PROGRESS_FIELD(Type, Name, Default) Type F##Name = Default;
    GRID_PROGRESS_APPEARANCE_PROPERTIES(GRID_PROGRESS_FIELD)
#undef GRID_PROGRESS_FIELD
};
