#pragma once
// The pop-up of a drop-down edit: a frameless top-level Qt::Popup window that holds the
// content control, paints the background and frame, carries the header and footer
// strips and closes when it loses activation.
//
// Loss of activation: a click outside (Qt closes the pop-up), or another window that is
// not one of the pop-up's own (a nested pop-up, its content's context menu) taking the
// input. Then DeActivateTime takes the tick count and the drop-down hides it through
// DoHideDropDown(CancelOnDeActivate). While BlockActivate is set neither happens.
// Escape and every other key go to the edit through the pop-up's key events, never
// through Qt's own closing. Qt keeps all input for an open pop-up; while BlockActivate
// is set TPopupInputRelay passes what belongs to other windows on.
//
// The window manager does not size pop-ups: with Sizeable the 10 x 10 corner at the
// bottom right sizes the window by mouse, firing OnSizing while dragging; the footer's
// grip sizes it and sends WM_SIZING, which fires OnSizing too. Shadow is stored only.

#include "platform/custom_control.h"
#include "platform/form.h"
#include "platform/messages.h"

#include <QPointer>
#include <cstdint>
#include <memory>

class TExCustomDropDown;
class TExHeader;
class TExFooter;
class TPopupInputRelay;

// A control's own Visible flag: false only when it was hidden itself, not while it waits
// for its window to be shown for the first time.
inline bool IsHiddenByItself(const QWidget* widget) {
    return widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// The toolkit's wheel notice: the mouse position in screen coordinates.
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TDropDownForm : public TForm, public IMessageHandler {
public:
    // Dummy exists for the original signature and is not read.
    TDropDownForm(TComponent* AOwner, int Dummy = 0);
    ~TDropDownForm() override;

    std::uint32_t DeActivateTime() const { return FDeActivate; }
    bool Shadow() const { return FShadow; }
    void SetShadow(bool Value) { FShadow = Value; }
    TExHeader* Header() const { return FHeader; }
    TExFooter* Footer() const { return FFooter; }
    TExCustomDropDown* ExDropDown() const { return FExDropDown; }
    void SetExDropDown(TExCustomDropDown* Value) { FExDropDown = Value; }
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool Value) { FSizeable = Value; }
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
    bool BlockActivate() const { return FBlockActivate; }
    // While set, input the pop-up catches goes on to a dialog opened meanwhile.
    void SetBlockActivate(bool Value);

    // Creates or refreshes the header and footer strips from the drop-down's settings.
    void InitializeAndUpdate();
    void UpdateSize() {}
    // Hides the window as the drop-down's own closing (no loss of activation).
    void HideByDropDown();
    // Resizes the window (never below its minimum) and fires OnSizing.
    void SizeTo(int width, int height);
    // The window's client rectangle inside the drop-down's border width.
    TRect InnerRect() const;
    // Gives the focus to the first control that takes it by Tab, as a window that
    // becomes active does.
    void FocusFirstControl();
    // Places the header at the top, the footer at the bottom and the content control
    // in between, all inside the frame.
    void LayOutChildren();

    // WM_SIZING (the footer's grip sizing the window) fires OnSizing.
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnSizing;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab stays in the pop-up's key events.
    bool focusNextPrevChild(bool) override { return false; }

private:
    // The loss of activation: closes through the drop-down unless blocked.
    bool DeActivate();
    void FocusWindowChanged(QWindow* window);
    bool IsOwnWindow(const QWindow* window) const;
    bool InSizingCorner(QPoint point) const;

    std::uint32_t FDeActivate = 0;
    bool FShadow = true;
    TExFooter* FFooter = nullptr;
    TExHeader* FHeader = nullptr;
    TExCustomDropDown* FExDropDown = nullptr;
    bool FSizeable = false;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
    std::unique_ptr<TPopupInputRelay> FInputRelay;
    bool FHidingByDropDown = false;
    bool FSizingByCorner = false;
    QPoint FSizingStart;
    QSize FSizingStartSize;
};
