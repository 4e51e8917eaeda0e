#pragma once
// The grid pack's own push button: flat gradient faces with hot, pressed and checked
// colours, a glyph beside or above its caption, a check (toggle) style, exclusive groups
// among the buttons of one parent, a drop-down part and colour presets (Look) that can
// follow the desktop's visual style. A non-flat button is a themed or classic push button.

#include "controls/glyph_text_layout.h"
#include "platform/bitmap.h"
#include "platform/custom_control.h"
#include "platform/messages.h"
#include "platform/popup_menu.h"

#include <QPointer>

enum TExGridButtonStyle { tasButton, tasCheck };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TExGridButton : public TCustomControl, public IMessageHandler {
public:
    explicit TExGridButton(TComponent* AOwner, QWidget* AParent = nullptr);

    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& Value) override;
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

    // Setting Glyph also derives the grey disabled glyph unless one was given, and the shade.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& Value);
    const TBitmap& GlyphHot() const { return FGlyphHot; }
    void SetGlyphHot(const TBitmap& Value);
    const TBitmap& GlyphDown() const { return FGlyphDown; }
    void SetGlyphDown(const TBitmap& Value);
    const TBitmap& GlyphDisabled() const { return FGlyphDisabled; }
    void SetGlyphDisabled(const TBitmap& Value);
    // The grey silhouette drawn under the hot glyph.
    const TBitmap& GlyphShade() const { return FGlyphShade; }
    bool Shaded() const { return FShaded; }
    void SetShaded(bool Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    // -1 centres (Margin) or spreads evenly (Spacing); a Margin below -1 is ignored.
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // A non-flat button drawn as the style's push button instead of the classic frame.
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool Value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool Value);
    // A 12-pixel part at the right that fires OnDropDown and shows DropDownMenu.
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value) { FDropDownMenu = Value; }
    // The mouse is over the button.
    bool MouseInControl() const { return FMouseInControl; }

    // Color is the control's colour (button face by default): the normal face's start.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value);
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value);
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value);
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value);
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BorderDownColor() const { return FBorderDownColor; }
    void SetBorderDownColor(TColor Value);
    TColor BorderHotColor() const { return FBorderHotColor; }
    void SetBorderHotColor(TColor Value);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnDropDown;

    void WndProc(TMessage& Message) override;

protected:
    std::unique_ptr<TControlActionLink> CreateActionLink() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    // The control decides itself when a release is a click.
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool Inside(int X, int Y) const { return X >= 0 && X < width() && Y >= 0 && Y <= height(); }
    void UpdateExclusive();
    void ButtonPressed(int Group, TExGridButton* Sender);
    void RefreshHotState(bool Inside);
    void MouseEnter();
    void MouseLeave();
    void BuildShade();
    void PaintFlatFace(TCanvas& canvas, TRect& r, bool hot);
    void PaintGlyph(TCanvas& canvas, TPoint pos, bool hasCaption);
    void PaintCaption(TCanvas& canvas, const TRect& bounds);
    void CMDialogChar(TMessage& Message);

    QString FCaption;
    int FGroupIndex = 0;
    TBitmap FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FColorHot = 0xCAC7C7;
    TColor FColorHotTo = clNone;
    TColor FColorDown = 0xD8D3D2;
    TColor FColorDownTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderDownColor = clNone;
    TColor FBorderHotColor = clNone;
    TBitmap FGlyphDisabled;
    TBitmap FGlyphHot;
    TBitmap FGlyphDown;
    TBitmap FGlyphShade;
    // The disabled glyph was derived from Glyph, so a new Glyph derives it again.
    bool FGlyphDisabledDerived = false;
    bool FShaded = true;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    TExGridButtonStyle FStyle = tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    QPointer<TPopupMenu> FDropDownMenu;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
};
