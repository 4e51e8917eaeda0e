#include "platform/form.h"
#include "platform/application.h"

#include <QCoreApplication>

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

TForm::TForm(TComponent* AOwner) : TControlOf<QWidget>(AOwner, nullptr) {
    // Forms are always top-level windows; the owner only decides who deletes them.
    setParent(nullptr);
    setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyWindowFlags();
}

TForm::~TForm() {
    if (FModalLoop) FModalLoop->quit();
}

namespace {
bool IsFixedBorder(TFormBorderStyle style) { return style == bsSingle || style == bsDialog || style == bsToolWindow; }

// Room for a title bar and borders while the window manager has not told the frame yet.
constexpr QMargins kAssumedFrame(4, 32, 4, 4);
}  // namespace

void TForm::SetClientSize(int width, int height) {
    resize(width, height);
    if (IsFixedBorder(FBorderStyle)) setFixedSize(width, height);
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    FBorderStyle = value;
    if (IsFixedBorder(value)) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons value) {
    FBorderIcons = value;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    // A window shown modally is a dialog for the window manager too, which then offers
    // no button to minimise it.
    Qt::WindowFlags flags = (FShownModally ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if (FBorderStyle == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint;
        if (FBorderIcons.Contains(biSystemMenu)) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            // A minimised modal window would leave its owner blocked with nothing to click.
            if (FBorderIcons.Contains(biMinimize) && !FShownModally) flags |= Qt::WindowMinimizeButtonHint;
            if (FBorderIcons.Contains(biMaximize) && !IsFixedBorder(FBorderStyle)) flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    if (flags == windowFlags()) return;
    // New flags make the window system window again, which hides it and may lose its place.
    const bool shown = isVisible();
    const QPoint place = pos();
    setWindowFlags(flags);
    if (testAttribute(Qt::WA_Moved)) move(place);
    if (shown) show();
}

TModalResult TForm::ShowModal() {
    FModalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    // A window shown modally once is a dialog: it keeps the title bar of one.
    FShownModally = true;
    ApplyWindowFlags();
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
    // The window is placed at the size its FormShow gives it.
    FormShow(this);
    // A pop-up is sized and placed by the control that opens it.
    if (windowType() != Qt::Popup) {
        ShrinkToScreen();
        if (!FPlaced && FPosition == poScreenCenter) CenterOnScreen();
        FPlaced = true;
        KeepOnScreen();
    }
    if (FActiveControl && FActiveControl->CanFocus()) FActiveControl->SetFocus();
}

void TForm::changeEvent(QEvent* event) {
    TControlOf<QWidget>::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !Modal() || !(windowState() & Qt::WindowMinimized)) return;
    // Restored once the window system has finished minimising it.
    QTimer::singleShot(0, this, [this] {
        if (!Modal() || !(windowState() & Qt::WindowMinimized)) return;
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    });
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

QMargins TForm::FrameMargins() const {
    const QMargins known = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    // The offscreen platform knows its frame from the start, and draws none before the
    // window exists; a window manager tells the frame only once the window is on screen.
    if (!known.isNull() || FBorderStyle == bsNone || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return known;
    return kAssumedFrame;
}

QRect TForm::AvailableArea() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize TForm::AvailableClientSize() const {
    const QRect available = AvailableArea();
    if (available.isEmpty()) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return available.size().shrunkBy(FrameMargins());
}

void TForm::ShrinkToScreen() {
    const QSize fitted = size().boundedTo(AvailableClientSize());
    if (fitted == size()) return;
    if (IsFixedBorder(FBorderStyle)) setFixedSize(fitted);
    else resize(fitted);
}

void TForm::CenterOnScreen() {
    const QRect available = AvailableArea();
    if (available.isEmpty()) return;
    const QMargins frame = FrameMargins();
    const QSize outer = size().grownBy(frame);
    // move() places the frame's corner.
    move(available.x() + (available.width() - outer.width()) / 2,
         available.y() + (available.height() - outer.height()) / 2);
}

void TForm::KeepOnScreen() {
    const QRect available = AvailableArea();
    if (available.isEmpty()) return;
    const QSize outer = size().grownBy(FrameMargins());
    int left = qMin(pos().x(), available.right() + 1 - outer.width());
    int top = qMin(pos().y(), available.bottom() + 1 - outer.height());
    left = qMax(left, available.left());
    top = qMax(top, available.top());
    if (QPoint(left, top) != pos()) move(left, top);
}
