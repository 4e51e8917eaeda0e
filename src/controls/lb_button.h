#pragma once
// The command button of every window: painted whole by its own face drawing, with a
// hot-track colour while the pointer is over it (fading out when SlowDecease is on),
// Enter and Escape for its window as a default or cancel button, its caption's
// accelerator, and the modal result it gives its form when clicked.

#include "controls/lb_button_face.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/interval_timer.h"
#include "platform/messages.h"

#include <QWidget>
#include <memory>

class QShortcut;

enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TLbButton : public TControlOf<QWidget>, public IMessageHandler {
public:
    explicit TLbButton(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TLbButton() override;

    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& value) override;
    TModalResult ModalResult() const { return FModalResult; }
    // Also makes Kind bkCustom.
    void SetModalResult(TModalResult value);
    // Runs OnClick and then gives the form the modal result; nothing happens while
    // the button is hidden or disabled.
    void Click();

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    // The face colour.
    void SetColor(TColor value) override;
    // Always lcsCustom: a colour style is applied, not kept.
    TLbColorStyle ColorStyle() const { return lcsCustom; }
    void SetColorStyle(TLbColorStyle value);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor value) { FColorWhenDown = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    const TBitmap& Glyph() const { return FGlyph; }
    // A picture strip of square images; nullptr removes the glyph. Makes Kind bkCustom.
    void SetGlyph(const TBitmap* value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value) { FHotTrackColor = value; }
    const TFont& HotTrackFont() const { return FHTFont; }
    void SetHotTrackFont(const TFont& value) { FHTFont = value; }
    TLbButtonKind Kind() const { return FKind; }
    void SetKind(TLbButtonKind value);
    TLbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TLbButtonLayout value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool value);
    TLbButtonStyle Style() const { return FStyle; }
    void SetStyle(TLbButtonStyle value);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool value) { FUseHTFont = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Hot-track intensity, 0 (none) to 8 (full).
    int HotTrackStep() const { return FHotTrackStep; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

    void WndProc(TMessage& Message) override;

protected:
    virtual void Paint();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CMMouseEnter();
    void CMMouseLeave();
    // A hidden button, or one whose window lost the activation, may never hear that the
    // pointer left it; it drops its hot-track look at once.
    void DropHover();
    void CMDialogChar(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void FadeTick();
    void StopFade();
    void UpdateAccelerator();
    bool ParentShowing() const;
    bool ActiveControlIsPushButton() const;
    TFont WorkingFont() const;

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = RGBColor(128, 128, 128);
    TColor FColorWhenDown = clNone;
    bool FFlat = false;
    bool FWordWrap = false;
    TBitmap FGlyph;
    TColor FHotTrackColor = clNone;
    TFont FHTFont;
    TLbButtonKind FKind = bkCustom;
    TLbButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = clWhite;
    TModalResult FModalResult = mrNone;
    int FNumGlyphs = 0;
    bool FUseHTFont = false;
    TLbButtonStyle FStyle = bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    // Fades the hot-track colour out on the user-interface thread; absent once
    // SlowDecease was switched off.
    std::unique_ptr<TIntervalTimer> FFadeTimer;
    int FHotTrackStep = 0;

    QString FCaption;
    QShortcut* FAccelerator = nullptr;
};
