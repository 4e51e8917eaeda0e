#pragma once
// Top-level windows. A form is shown modally with ShowModal, which returns when its
// ModalResult becomes non-zero (a button with a modal result, or the window closing).
// A window is shrunk to the screen's available area when it is shown, and placed
// inside it.

#include "platform/control.h"
#include "platform/custom_control.h"

#include <QWidget>

class QEventLoop;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrTryAgain = 10;
constexpr TModalResult mrContinue = 11;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

class TForm : public TControlOf<QWidget> {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    QString Caption() const override { return windowTitle(); }
    void SetCaption(const QString& value) override { setWindowTitle(value); }

    // Sets the inside size; with a single border the window cannot be resized by the user.
    void SetClientSize(int width, int height);
    void SetBorderStyle(TFormBorderStyle value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    // The buttons of the title bar. Without the system menu there is no close box and
    // no other button; a window the user cannot resize gets no maximize button and a
    // window shown modally no minimize button, whatever the set holds.
    void SetBorderIcons(TBorderIcons value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetPosition(TPosition value) { FPosition = value; }

    // The largest inside size the window can have on its screen's available area, its
    // frame counted (the window manager's, or room for a title bar before it has one).
    QSize AvailableClientSize() const;
    // Moves the window so that its frame lies inside the screen's available area, as far
    // as it fits.
    void KeepOnScreen();

    // mrCancel when the window was closed, or the form freed, without a result.
    TModalResult ShowModal();
    bool Modal() const { return FModalLoop != nullptr; }
    TModalResult ModalResult() const { return FModalResult; }
    // A non-zero result ends a running ShowModal.
    void SetModalResult(TModalResult value);
    void Close();

    // The control that takes the focus when the form is shown.
    void SetActiveControl(TControl* control) { FActiveControl = control; }

    // Fired after the window changed its size.
    TNotifyEvent OnResize;

    // With key preview the form's key events see every key of its edits first.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TCustomKeyPressEvent OnKeyPress;

protected:
    // Event handlers; the defaults do nothing.
    virtual void FormShow(TObject* /*Sender*/) {}
    virtual void FormClose(TObject* /*Sender*/, TCloseAction& /*Action*/) {}

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A window shown modally is never left minimised: its owner would stay blocked with
    // nothing on the screen to answer (a window manager may minimise it all the same).
    void changeEvent(QEvent* event) override;

private:
    void CenterOnScreen();
    // A window never opens larger than the screen's available area.
    void ShrinkToScreen();
    QMargins FrameMargins() const;
    QRect AvailableArea() const;
    void ApplyWindowFlags();

    TModalResult FModalResult = mrNone;
    QEventLoop* FModalLoop = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    bool FShownModally = false;
    TPosition FPosition = poDesigned;
    TControl* FActiveControl = nullptr;
    bool FPlaced = false;
    bool FKeyPreview = false;
};
