#include "platform/form.h"
#include "platform/application.h"

#include <QCoreApplication>

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

TForm::TForm(TComponent* AOwner) : TControlOf<QWidget>(AOwner, nullptr) {
    // Forms are always top-level windows; the owner only decides who deletes them.
    setParent(nullptr);
    setWindowFlag(Qt::Window, true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

TForm::~TForm() {
    if (FModalLoop) FModalLoop->quit();
}

void TForm::SetClientSize(int width, int height) {
    resize(width, height);
    if (FBorderStyle == bsSingle || FBorderStyle == bsDialog || FBorderStyle == bsToolWindow) setFixedSize(width, height);
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    FBorderStyle = value;
    const bool fixed = value == bsSingle || value == bsDialog || value == bsToolWindow;
    if (fixed) {
        setFixedSize(size());
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

TModalResult TForm::ShowModal() {
    FModalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    FModalLoop = &loop;
    const QPointer<TForm> alive(this);
    if (FModalResult == mrNone) loop.exec(QEventLoop::DialogExec);
    // A form freed while it was shown ended the loop itself; nothing of it is left to hide.
    if (!alive) return mrCancel;
    FModalLoop = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    return FModalResult;
}

void TForm::SetModalResult(TModalResult value) {
    FModalResult = value;
    if (value != mrNone && FModalLoop) FModalLoop->quit();
}

void TForm::Close() { close(); }

void TForm::resizeEvent(QResizeEvent* event) {
    TControlOf<QWidget>::resizeEvent(event);
    if (OnResize) OnResize(this);
}

void TForm::showEvent(QShowEvent* event) {
    TControlOf<QWidget>::showEvent(event);
    if (!FPlaced && FPosition == poScreenCenter) CenterOnScreen();
    FPlaced = true;
    FormShow(this);
    if (FActiveControl && FActiveControl->CanFocus()) FActiveControl->SetFocus();
}

void TForm::closeEvent(QCloseEvent* event) {
    TCloseAction action = caHide;
    FormClose(this, action);
    if (action == caNone) {
        event->ignore();
        return;
    }
    event->accept();
    if (FModalLoop && FModalResult == mrNone) SetModalResult(mrCancel);
    if (Application()->MainForm() == this) QCoreApplication::quit();
}

void TForm::CenterOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    move(available.center() - rect().center());
}
