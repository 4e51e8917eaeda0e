#pragma once
// The look the date pickers share (TAsgDateTimePicker, TCustomDateTimePicker and through
// it TExDateTimePicker): a flat outline, a coloured or themed drop-down button in the
// metro look, border and focus-border colours, painted inside the widget after the
// platform's own painting with the flat combo's button and border routines. The classes
// differ only where the virtual questions below say so.
//
// The platform tests the painting asks (Vista or later, common controls 6, the visual
// styles library bound, themes active) come from the landed probes; tests replace them
// through SetPickerPlatformProbe so every branch can be reached.

#include "grid/edit/flat_combo_painting.h"
#include "platform/date_time_picker.h"
#include "platform/form.h"

#include <functional>

using TBorderStyle = TFormBorderStyle;

struct TPickerPlatform {
    bool VistaOrLater = true;
    bool ComCtl6 = true;
    bool ThemeLibraryBound = true;
    // The visual style is on (asked at each paint).
    bool ThemesActive = true;
};
// The probes' answer, or the test's; an empty function restores the probes.
TPickerPlatform CurrentPickerPlatform();
void SetPickerPlatformProbe(std::function<TPickerPlatform()> Probe);

// The outline's colour on a themed platform.
constexpr TColor kThemedOutlineColor = RGBColor(127, 157, 185);

class TFlatDateTimePicker : public TDateTimePicker {
public:
    explicit TFlatDateTimePicker(TComponent* AOwner, QWidget* AParent = nullptr);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value) { FButtonColor = Value; }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool Value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value) { FDisabledBorder = Value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value) { FParentCtl3D = Value; }
    bool DoubleBuffered() const { return FDoubleBuffered; }
    int ButtonWidth() const { return FButtonWidth; }
    bool IsThemed() const { return FIsThemed; }
    bool IsWinXP() const { return FIsWinXP; }
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }
    bool HasFocus() const { return FHasFocus; }

    // A version number's four bytes from the high end, joined by ".".
    static QString VersionText(unsigned VersionNr);

    // Whether the metro look is on for this class.
    virtual bool MetroActive() const = 0;
    bool ThemesActive() const;

protected:
    // The width k of the strip the metro look fills left of the button on a themed platform.
    virtual int MetroFillInset() const = 0;
    // Whether the client painting draws the flat outline when Ctl3D is off.
    virtual bool ClientOutline() const { return false; }
    // Whether the non-client outline needs a BorderColor as well.
    virtual bool OutlineNeedsBorderColor() const { return false; }
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    // The frame and the metro look after every paint: the non-client part, then the client part.
    void PaintNonClient(TCanvas& Canvas);
    void PaintClient(TCanvas& Canvas);
    void PaintBorders(TCanvas& Canvas);
    // The one-pixel flat outline of a picker without the 3D look.
    void PaintOutline(TCanvas& Canvas);
    TFlatComboLook Look() const;
    TColor ParentBrushColor() const;

    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void DoEnter() override;
    void DoExit() override;
    void CalendarShown() override;
    void CalendarHidden() override;

    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clNone;
    bool FIsThemed = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    int FButtonWidth = 0;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP = false;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    bool FHasFocus = false;
    bool FFocusBorder = false;
    bool FCtl3D = true;
    bool FParentCtl3D = false;
    bool FDoubleBuffered = true;
};
