#include "dropdowns/drop_down_button.h"

#include "dropdowns/drop_down_edit.h"

#include <QStyle>
#include <QStyleOptionButton>

TExDropDownSpeedButton::TExDropDownSpeedButton(TComponent* AOwner, QWidget* AParent)
    : TCustomControl(AOwner, AParent) {
    // The button never takes the focus from its edit.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TExDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
    FButtonStyle = Value;
    update();
}

void TExDropDownSpeedButton::SetEtched(bool Value) {
    if (FEtched == Value) return;
    FEtched = Value;
    update();
}

void TExDropDownSpeedButton::SetFocused(bool Value) {
    if (FFocused == Value) return;
    FFocused = Value;
    update();
}

void TExDropDownSpeedButton::SetButtonCaption(const QString& Value) {
    FCaption = Value;
    update();
}

void TExDropDownSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FDown = true;
        update();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TExDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FDown = false;
        update();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TExDropDownSpeedButton::enterEvent(QEnterEvent* event) {
    TCustomControl::enterEvent(event);
    FHot = true;
    update();
}

void TExDropDownSpeedButton::leaveEvent(QEvent* event) {
    TCustomControl::leaveEvent(event);
    FHot = false;
    update();
}

bool TExDropDownSpeedButton::DrawsEnabled() const {
    if (!FDropDown) return isEnabled();
    return FDropDown->isEnabled() && !FDropDown->ReadOnly();
}

void TExDropDownSpeedButton::Paint() {
    QPainter& painter = *Canvas()->Painter();
    if (FButtonStyle == bsDropDown) PaintDropArrow(painter);
    else PaintPushButton(painter);
}

void TExDropDownSpeedButton::PaintDropArrow(QPainter& painter) {
    auto* container = dynamic_cast<TDropDownEditButton*>(parentWidget());
    const QRect client = rect();
    if (container && container->ButtonColor() != clNone) {
        TColor face = container->ButtonColor();
        if (FHot) face = container->ButtonColorHot();
        if (Pressed()) face = container->ButtonColorDown();
        TColor arrow = container->ButtonTextColor();
        if (FHot) arrow = container->ButtonTextColorHot();
        if (Pressed()) arrow = container->ButtonTextColorDown();
        if (face != clNone) painter.fillRect(client, ToQColor(face));
        if (FDropDown && FDropDown->BorderColor() != clNone) {
            painter.setPen(ToQColor(FDropDown->BorderColor()));
            painter.drawLine(0, 0, 0, client.height() - 1);
        }
        if (arrow != clNone) {
            painter.setPen(ToQColor(arrow));
            painter.setBrush(ToQColor(arrow));
            const QPoint triangle[3] = {QPoint(5, 7), QPoint(11, 7), QPoint(8, 10)};
            painter.drawPolygon(triangle, 3);
        }
        return;
    }
    if (!FGlyph.Empty()) {
        painter.setPen(ToQColor(0x808080));
        painter.setBrush(ToQColor(clBtnFace));
        painter.drawRect(client.adjusted(0, 0, -1, -1));
        TCanvas canvas(&painter);
        TBitmap glyph(FGlyph);
        glyph.SetTransparent(true);
        canvas.Draw(0, 0, glyph);
        return;
    }
    // The style's combo-box arrow in the state the drop-down is in.
    setEnabled(DrawsEnabled());
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = client.adjusted(1, 0, 0, 0);
    option.state &= ~QStyle::State_HasFocus;
    if (isEnabled()) option.state |= QStyle::State_Enabled;
    if (FHot) option.state |= QStyle::State_MouseOver;
    option.state |= Pressed() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    QStyleOption arrow = option;
    const int size = std::min(9, std::max(5, client.width() - 8));
    arrow.rect = QRect(client.left() + 1 + (client.width() - 1 - size) / 2, (client.height() - size) / 2, size, size);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}

void TExDropDownSpeedButton::PaintPushButton(QPainter& painter) {
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect();
    option.state &= ~QStyle::State_HasFocus;
    if (DrawsEnabled()) option.state |= QStyle::State_Enabled;
    else option.state &= ~QStyle::State_Enabled;
    if (FHot) option.state |= QStyle::State_MouseOver;
    option.state |= Pressed() ? QStyle::State_Sunken : QStyle::State_Raised;
    option.text = FCaption;
    if (!FGlyph.Empty()) {
        option.icon = QIcon(QPixmap::fromImage(FGlyph.MaskedImage()));
        option.iconSize = QSize(FGlyph.Width(), FGlyph.Height());
    }
    if (FDropDown) painter.setFont(FDropDown->font());
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner, QWidget* AParent) : TControlOf<QWidget>(AOwner, AParent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FButton = new TExDropDownSpeedButton(this, this);
    FButton->SetButtonStyle(bsDropDown);
    FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft && Sender == FButton && OnClick) OnClick(this);
    };
    FButton->setGeometry(0, 0, 16, 25);
    FButton->show();
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    (void)AWidth;
    TControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
    ApplySizeRule();
}

void TDropDownEditButton::ApplySizeRule() {
    if (!FButton || FApplyingSizeRule) return;
    FApplyingSizeRule = true;
    if (width() != FBWidth) resize(FBWidth, height());
    FButton->setGeometry(0, 0, FBWidth, height());
    FApplyingSizeRule = false;
}

void TDropDownEditButton::resizeEvent(QResizeEvent* event) {
    TControlOf<QWidget>::resizeEvent(event);
    ApplySizeRule();
}

void TDropDownEditButton::changeEvent(QEvent* event) {
    TControlOf<QWidget>::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && FButton) FButton->setEnabled(isEnabled());
}
