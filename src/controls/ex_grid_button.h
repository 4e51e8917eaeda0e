#pragma once
// The grid pack's own push button: flat gradient faces with hot, pressed and checked
// colours, a check (toggle) style, exclusive groups among the buttons of one parent and
// colour presets (Look) that can follow the desktop's visual style.

#include "platform/custom_control.h"

enum TExGridButtonStyle { tasButton, tasCheck };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TExGridButton : public TCustomControl {
public:
    explicit TExGridButton(TComponent* AOwner, QWidget* AParent = nullptr);

    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    TExGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExGridButtonStyle Value);
    TButtonState State() const { return FState; }
    // Applies preset 0 to 6 and keeps the number; any other number changes nothing.
    int Look() const { return FLook; }
    void SetLook(int Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // Preset 2 "NormalColor", 3 "HomeStead", 4 "Metallic", else 1 (also without a style).
    void AdaptToTheme();

    TColor Color = clBtnFace;
    TColor ColorTo = clNone;
    TColor ColorHot = 0xCAC7C7;
    TColor ColorHotTo = clNone;
    TColor ColorDown = 0xD8D3D2;
    TColor ColorDownTo = clNone;
    TColor ColorChecked = 0x808080;
    TColor ColorCheckedTo = clNone;
    TColor BorderColor = clNone;
    TColor BorderDownColor = clNone;
    TColor BorderHotColor = clNone;
    bool Flat = true;
    bool Rounded = false;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The control decides itself when a release is a click.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Inside(int X, int Y) const { return X >= 0 && X < width() && Y >= 0 && Y <= height(); }
    void UpdateExclusive();
    void ButtonPressed(int Group, TExGridButton* Sender);

    int FGroupIndex = 0;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TExGridButtonStyle FStyle = tasButton;
    TButtonState FState = bsUp;
    int FLook = 0;
    bool FAutoThemeAdapt = false;
};
