#pragma once
// Top-level windows. A form is shown modally with ShowModal, which returns when its
// ModalResult becomes non-zero (a button with a modal result, or the window closing).

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
    void SetPosition(TPosition value) { FPosition = value; }

    // mrCancel when the window was closed, or the form freed, without a result.
    TModalResult ShowModal();
    bool Modal() const { return FModalLoop != nullptr; }
    TModalResult ModalResult() const { return FModalResult; }
    // A non-zero result ends a running ShowModal.
    void SetModalResult(TModalResult value);
    void Close();

    // The control that takes the focus when the form is shown.
    void SetActiveControl(TControl* control) { FActiveControl = control; }

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
    void closeEvent(QCloseEvent* event) override;

private:
    void CenterOnScreen();

    TModalResult FModalResult = mrNone;
    QEventLoop* FModalLoop = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    TControl* FActiveControl = nullptr;
    bool FPlaced = false;
    bool FKeyPreview = false;
};
