#pragma once
// A push button of a pop-up's header or footer strip. It paints the strip's button
// appearance by state (disabled, pressed, hot or focused, normal) over whatever lies
// behind it, with an optional image and a one-line caption. A footer button's modal
// result may close the pop-up before the button's click event is raised; Enter or
// Space on the focused button, and the caption's accelerator, act as a click.

#include "dropdowns/button_appearance.h"
#include "platform/custom_control.h"
#include "platform/form.h"
#include "platform/messages.h"

class IStripDropDown;
class TCustomImageList;

class TExButton : public TCustomControl, public IMessageHandler {
public:
    explicit TExButton(TComponent* AOwner, QWidget* AParent = nullptr);

    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& Value);
    // The look; not owned (the drop-down's ButtonAppearance).
    TExButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TExButtonAppearance* Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // The drop-down whose pop-up a modal result closes (footer buttons only).
    void SetExDropDown(IStripDropDown* Value) { FExDropDown = Value; }

    // Sizes the button to its caption and image: 8 wider and 4 higher than them.
    void SizeToContent();

    // Gives the pop-up form the modal result, hides the pop-up when the result asks
    // for it (cancelling for cancel, abort, ignore, no and no to all), then raises
    // OnClick.
    void Click() override;

    // A dialog character matching the caption's accelerator clicks and is taken.
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    virtual void DrawButton(TCanvas& ACanvas);
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString FCaption;
    bool FMouseInControl = false;
    bool FMouseDownInControl = false;
    TExButtonAppearance* FAppearance = nullptr;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    IStripDropDown* FExDropDown = nullptr;
};
