#include "platform/control.h"

#include "platform/action_link.h"

#include <QFont>
#include <QTextDocument>
#include <QPalette>

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}
TControl::~TControl() = default;

QAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(QAction* Value) {
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) FActionLink = CreateActionLink();
    FActionLink->SetAction(Value);
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() {
    return std::make_unique<TControlActionLink>(this);
}

void TControl::ClickOrExecute() {
    if (OnClick) OnClick(this);
    else if (FActionLink) FActionLink->Execute();
}

void TControl::SetName(const QString& name) {
    TComponent::SetName(name);
    Widget()->setObjectName(name);
}

void TControl::SetWidth(int value) { Widget()->resize(qMax(0, value), Height()); }
void TControl::SetHeight(int value) { Widget()->resize(Width(), qMax(0, value)); }

void TControl::SetBounds(int left, int top, int width, int height) {
    Widget()->setGeometry(left, top, qMax(0, width), qMax(0, height));
}

bool TControl::CMMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled) return true;
    TControl* parent = ControlOf(Widget()->parentWidget());
    return parent && parent->CMMouseWheel(Shift, WheelDelta, MousePos);
}

void TControl::SetHint(const QString& value) {
    FHint = value;
    ApplyToolTip();
}

void TControl::SetShowHint(bool value) {
    FShowHint = value;
    ApplyToolTip();
}

void TControl::ApplyToolTip() {
    // A hint is plain text: one that looks like markup (texts come from language files)
    // is escaped, so it shows as written and loads nothing it names.
    const QString hint = FShowHint ? FHint : QString();
    Widget()->setToolTip(Qt::mightBeRichText(hint)
                             ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(hint.toHtmlEscaped())
                             : hint);
}

void TControl::SetColor(TColor value) {
    FColor = value;
    QWidget* w = Widget();
    if (value == clDefault || value == clNone) {
        w->setAutoFillBackground(false);
        w->setPalette(QPalette());
        return;
    }
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, ToQColor(value));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

void TControl::SetAlign(TAlign value) {
    FAlign = value;
    if (QWidget* parent = Widget()->parentWidget()) AlignChildren(parent);
}

void TControl::SetCursor(TCursor value) {
    static const Qt::CursorShape shapes[] = {Qt::ArrowCursor, Qt::ArrowCursor,   Qt::PointingHandCursor,
                                             Qt::IBeamCursor, Qt::SplitHCursor,  Qt::SplitVCursor,
                                             Qt::SizeHorCursor, Qt::SizeVerCursor, Qt::DragMoveCursor,
                                             Qt::ForbiddenCursor};
    Widget()->setCursor(shapes[value]);
}

void TControl::SetFontName(const QString& family) {
    QFont f = Widget()->font();
    f.setFamily(family);
    Widget()->setFont(f);
}

void TControl::SetFontSize(int points) {
    QFont f = Widget()->font();
    f.setPointSize(points);
    Widget()->setFont(f);
}

void TControl::SetFontBold(bool bold) {
    QFont f = Widget()->font();
    f.setBold(bold);
    Widget()->setFont(f);
}

void TControl::SetFontColor(TColor color) {
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    palette.setColor(QPalette::Text, ToQColor(color));
    palette.setColor(QPalette::ButtonText, ToQColor(color));
    Widget()->setPalette(palette);
}

bool TControl::CanFocus() const {
    const QWidget* w = Widget();
    return w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

void TControl::AlignChildren(QWidget* container) {
    QRect free = container->contentsRect();
    for (QObject* child : container->children()) {
        TControl* control = ControlOf(child);
        if (!control || control->Align() == alNone || control->Widget()->isHidden()) continue;
        QWidget* w = control->Widget();
        switch (control->Align()) {
        case alTop:
            w->setGeometry(free.left(), free.top(), free.width(), w->height());
            free.setTop(free.top() + w->height());
            break;
        case alBottom:
            w->setGeometry(free.left(), free.bottom() + 1 - w->height(), free.width(), w->height());
            free.setBottom(free.bottom() - w->height());
            break;
        case alLeft:
            w->setGeometry(free.left(), free.top(), w->width(), free.height());
            free.setLeft(free.left() + w->width());
            break;
        case alRight:
            w->setGeometry(free.right() + 1 - w->width(), free.top(), w->width(), free.height());
            free.setRight(free.right() - w->width());
            break;
        case alClient:
            break;
        case alNone:
            break;
        }
    }
    for (QObject* child : container->children()) {
        TControl* control = ControlOf(child);
        if (control && control->Align() == alClient && !control->Widget()->isHidden())
            control->Widget()->setGeometry(free);
    }
}

QWidget* DefaultParentWidget(TComponent* AOwner, QWidget* AParent) {
    if (AParent) return AParent;
    if (auto* ownerControl = dynamic_cast<TControl*>(AOwner)) return ownerControl->Widget();
    return nullptr;
}

TControl* ControlOf(QObject* object) { return dynamic_cast<TControl*>(object); }
