#include "dropdowns/drop_down_form.h"

#include "controls/gradient_drawing.h"
#include "dropdowns/drop_down_edit.h"
#include "dropdowns/popup_input_relay.h"
#include "dropdowns/popup_strip.h"
#include "platform/mask_edit.h"
#include "platform/tick_clock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

TDropDownForm::TDropDownForm(TComponent* AOwner, int /*Dummy*/) : TForm(AOwner) {
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    // A click on the pop-up's surface takes no focus from the edit; keys reach the
    // pop-up while it shows all the same.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                     [this](QWindow* window) { FocusWindowChanged(window); });
}

TDropDownForm::~TDropDownForm() {
    if (OnDestroy) OnDestroy(this);
}

void TDropDownForm::SetBlockActivate(bool Value) {
    FBlockActivate = Value;
    if (!Value) FInputRelay.reset();
    else if (!FInputRelay) FInputRelay = std::make_unique<TPopupInputRelay>(this);
}

TRect TDropDownForm::InnerRect() const {
    const int border = FExDropDown ? std::max(0, FExDropDown->DropDownBorderWidth()) : 0;
    return {border, border, width() - border, height() - border};
}

void TDropDownForm::InitializeAndUpdate() {
    if (!FExDropDown) return;
    THeaderAppearance& headerLook = *FExDropDown->DropDownHeader();
    if (!FHeader && headerLook.Visible()) {
        FHeader = new TExHeader(this, this);
        FHeader->SetHeight(headerLook.Height());
    }
    if (FHeader) {
        FHeader->AttachDropDown(FExDropDown);
        FHeader->RebuildButtons();
        FHeader->SetVisible(headerLook.Visible());
        FHeader->OnDrawBackGround = FExDropDown->OnDrawHeader;
        FHeader->OnGetText = FExDropDown->OnGetHeaderText;
    }
    TFooterAppearance& footerLook = *FExDropDown->DropDownFooter();
    if (!FFooter && footerLook.Visible()) {
        FFooter = new TExFooter(this, this);
        FFooter->SetHeight(footerLook.Height());
    }
    if (FFooter) {
        FFooter->AttachDropDown(FExDropDown);
        FFooter->RebuildButtons();
        FFooter->SetVisible(footerLook.Visible());
        FFooter->OnDrawBackGround = FExDropDown->OnDrawFooter;
        FFooter->OnGetText = FExDropDown->OnGetFooterText;
    }
    if (isVisible()) LayOutChildren();
}

void TDropDownForm::FocusFirstControl() {
    QWidget* focus = focusWidget();
    if (focus && focus != this && isAncestorOf(focus)) return;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabled() && !child->isHidden()) {
            child->setFocus(Qt::PopupFocusReason);
            return;
        }
    }
}

void TDropDownForm::LayOutChildren() {
    TRect inner = InnerRect();
    if (FHeader && !IsHiddenByItself(FHeader)) {
        FHeader->setGeometry(inner.Left, inner.Top, inner.Width(), FHeader->height());
        inner.Top += FHeader->height();
    }
    if (FFooter && !IsHiddenByItself(FFooter)) {
        FFooter->setGeometry(inner.Left, inner.Bottom - FFooter->height(), inner.Width(), FFooter->height());
        inner.Bottom -= FFooter->height();
    }
    if (FExDropDown) {
        QWidget* content = FExDropDown->Control();
        if (content && content->parentWidget() == this && !IsHiddenByItself(content))
            content->setGeometry(inner.Left, inner.Top, std::max(0, inner.Width()), std::max(0, inner.Height()));
    }
}

void TDropDownForm::resizeEvent(QResizeEvent* event) {
    // The strips and the content are placed inside the frame here, not by alignment
    // over the whole window.
    QWidget::resizeEvent(event);
    LayOutChildren();
    update();
}

void TDropDownForm::paintEvent(QPaintEvent*) {
    if (!FExDropDown) return;
    QPainter painter(this);
    TCanvas canvas(&painter);
    const int border = FExDropDown->DropDownBorderWidth();
    const TColor borderColor = FExDropDown->DropDownBorderColor();
    // Without a frame colour no frame is drawn: the background reaches the edges.
    const TRect area = borderColor == clNone ? TRect{0, 0, width(), height()} : InnerRect();
    const TColor from = FExDropDown->DropDownColor();
    const TColor to = FExDropDown->DropDownColorTo();
    if (from != clNone && to != clNone) {
        DrawGradient(canvas, from, to, 80, area, FExDropDown->DropDownGradient() == gdHorizontal);
    } else if (from != clNone) {
        painter.fillRect(area.ToQRect(), ToQColor(from));
    }
    if (border > 0 && borderColor != clNone) {
        painter.setPen(ToQColor(borderColor));
        painter.setBrush(Qt::NoBrush);
        for (int i = 0; i < border; ++i) painter.drawRect(QRect(i, i, width() - 2 * i, height() - 2 * i).adjusted(0, 0, -1, -1));
    }
}

void TDropDownForm::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // A key of a content control reached the drop-down through the content's own relay.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != this && isAncestorOf(focus)) return;
    if (!FExDropDown) return;
    const QPointer<TDropDownForm> alive(this);
    WORD key = VirtualKeyOf(event->key());
    const TShiftState shift = ShiftStateOf(event->modifiers());
    if (key != 0) FExDropDown->DropDownKeyDown(key, shift);
    if (!alive || !FExDropDown) return;
    QChar ch = KeyCharacterOf(event);
    if (!ch.isNull()) FExDropDown->DropDownKeyPress(ch);
}

void TDropDownForm::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != this && isAncestorOf(focus)) return;
    WORD key = VirtualKeyOf(event->key());
    if (key != 0 && FExDropDown) FExDropDown->DropDownKeyUp(key, ShiftStateOf(event->modifiers()));
}

void TDropDownForm::wheelEvent(QWheelEvent* event) {
    bool handled = false;
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const QPoint global = event->globalPosition().toPoint();
    const TPoint mousePos{global.x(), global.y()};
    if (event->angleDelta().y() < 0 && OnMouseWheelDown) OnMouseWheelDown(this, shift, mousePos, handled);
    else if (event->angleDelta().y() > 0 && OnMouseWheelUp) OnMouseWheelUp(this, shift, mousePos, handled);
    event->accept();
}

bool TDropDownForm::InSizingCorner(QPoint point) const {
    return FSizeable && point.x() > width() - 10 && point.y() > height() - 10 && rect().contains(point);
}

void TDropDownForm::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (!rect().contains(p)) {
        // Qt closes the pop-up on a press outside it: that is the loss of activation.
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton && InSizingCorner(p)) {
        FSizingByCorner = true;
        FSizingStart = event->globalPosition().toPoint();
        FSizingStartSize = size();
    }
    // The pop-up's own surface takes no other mouse input.
    event->accept();
}

void TDropDownForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (FSizingByCorner) {
        const QPoint delta = event->globalPosition().toPoint() - FSizingStart;
        SizeTo(FSizingStartSize.width() + delta.x(), FSizingStartSize.height() + delta.y());
    } else {
        setCursor(InSizingCorner(p) ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
    }
    event->accept();
}

void TDropDownForm::mouseReleaseEvent(QMouseEvent* event) {
    FSizingByCorner = false;
    event->accept();
}

void TDropDownForm::SizeTo(int width, int height) {
    resize(std::max(minimumWidth(), width), std::max(minimumHeight(), height));
    if (OnSizing) OnSizing(this);
}

void TDropDownForm::WndProc(TMessage& Message) {
    if (Message.Msg == WM_SIZING && OnSizing) OnSizing(this);
}

void TDropDownForm::HideByDropDown() {
    FHidingByDropDown = true;
    hide();
    FHidingByDropDown = false;
}

void TDropDownForm::hideEvent(QHideEvent* event) {
    TForm::hideEvent(event);
    FSizingByCorner = false;
    if (!event->spontaneous() && OnHide) OnHide(this);
}

void TDropDownForm::closeEvent(QCloseEvent* event) {
    if (FHidingByDropDown || !isVisible()) {
        event->accept();
        return;
    }
    if (DeActivate()) event->accept();
    else event->ignore();
}

bool TDropDownForm::DeActivate() {
    if (FBlockActivate) return false;
    FDeActivate = static_cast<std::uint32_t>(TickCount());
    if (FExDropDown) FExDropDown->DoHideDropDown(FCancelOnDeActivate);
    else HideByDropDown();
    return true;
}

bool TDropDownForm::IsOwnWindow(const QWindow* window) const {
    for (const QWindow* w = window; w; w = w->transientParent())
        if (w == windowHandle()) return true;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window) continue;
        for (QWidget* w = top; w; w = w->parentWidget())
            if (w == this) return true;
    }
    return false;
}

void TDropDownForm::FocusWindowChanged(QWindow* window) {
    if (!isVisible() || FBlockActivate || FHidingByDropDown || !window) return;
    if (window == windowHandle() || IsOwnWindow(window)) return;
    // The window that holds the edit stays active while its pop-up shows.
    if (FExDropDown && FExDropDown->window()->windowHandle() == window) return;
    DeActivate();
}
