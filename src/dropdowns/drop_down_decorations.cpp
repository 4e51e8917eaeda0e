// The label beside a drop-down edit, the border colours painted over its frame and
// the focus box that stands in for the caret while typing is off.

#include "dropdowns/drop_down_button.h"
#include "dropdowns/drop_down_edit.h"
#include "platform/standard_controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Reports double clicks on the label, which has no event of its own for them.
class TLabelDoubleClick : public QObject {
public:
    TLabelDoubleClick(QObject* label, std::function<void()> onDoubleClick)
        : QObject(label), FOnDoubleClick(std::move(onDoubleClick)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) FOnDoubleClick();
        return false;
    }

private:
    std::function<void()> FOnDoubleClick;
};

void FrameRect(QPainter& painter, const QRect& r, TColor color) {
    painter.setPen(ToQColor(color));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

}  // namespace

QString TExCustomDropDown::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TExCustomDropDown::SetLabelCaption(const QString& Value) {
    if (!FLabel) CreateLabel();
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TExCustomDropDown::SetLabelPosition(dropdowns::TLabelPosition Value) {
    FLabelPosition = Value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelMargin(int Value) {
    FLabelMargin = Value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelTransparent(bool Value) {
    FLabelTransparent = Value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelFont(const TFont& Value) {
    FLabelFont.Assign(Value);
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetParentFont(bool Value) {
    FParentFnt = Value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::CreateLabel() {
    FLabel = new TLabel(this, parentWidget());
    FLabel->setBuddy(this);
    FLabel->OnClick = [this](TObject*) { LabelClick(); };
    FLabel->installEventFilter(new TLabelDoubleClick(FLabel, [this] { LabelDblClick(); }));
}

void TExCustomDropDown::UpdateLabel() {
    if (!FLabel) return;
    FLabel->setAutoFillBackground(!FLabelTransparent);
    if (FParentFnt) {
        FLabel->setFont(font());
    } else {
        FLabel->setFont(FLabelFont.ToQFont());
        QPalette palette = FLabel->palette();
        palette.setColor(QPalette::WindowText, ToQColor(FLabelFont.Color));
        FLabel->setPalette(palette);
    }
    FLabel->adjustSize();
    QString shown = FLabel->Caption();
    shown.remove(QLatin1Char('&'));
    const int w = FLabel->fontMetrics().horizontalAdvance(shown);
    const int L = x(), T = y(), W = width(), H = height();
    const int lw = FLabel->width(), lh = FLabel->height(), m = FLabelMargin;
    int top = T, left = L;
    using namespace dropdowns;
    switch (FLabelPosition) {
        case lpLeftTop: top = T; left = L - w - m; break;
        case lpLeftCenter: top = T + (H - lh) / 2; left = L - w - m; break;
        case lpLeftBottom: top = T + H - lh; left = L - w - m; break;
        case lpTopLeft: top = T - lh - m; left = L; break;
        case lpBottomLeft: top = T + H + m; left = L; break;
        case lpLeftTopLeft: top = T; left = L - m; break;
        case lpLeftCenterLeft: top = T + (H - lh) / 2; left = L - m; break;
        case lpLeftBottomLeft: top = T + H - lh; left = L - m; break;
        case lpTopCenter: top = T - lh - m; left = L + (W - lw) / 2; break;
        case lpBottomCenter: top = T + H + m; left = L + (W - lw) / 2; break;
        case lpRightTop: top = T; left = L + W + m; break;
        case lpRightCenter: top = T + (H - lh) / 2; left = L + W + m; break;
        case lpRighBottom: top = T + H - lh; left = L + W + m; break;
        case lpTopRight: top = T - lh - m; left = L + W - lw; break;
        case lpBottomRight: top = T + H + m; left = L + W - lw; break;
    }
    FLabel->move(left, top);
    FLabel->setVisible(!isHidden());
}

void TExCustomDropDown::DrawFocusText(QPainter& Painter) {
    if (FEditorEnabled || !hasFocus() || Designing() || !FFocusDraw) return;
    QRect r(QPoint(2, 2), QPoint(width() - FButtonWidth - 1 - 1, height() - 2 - 1));
    Painter.setPen(Qt::black);
    Painter.setBrush(palette().color(QPalette::Highlight));
    Painter.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(2, 0, -3, 0);
    Painter.setPen(palette().color(QPalette::HighlightedText));
    Painter.setFont(font());
    Painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, GetText());
}

void TExCustomDropDown::PaintBorders(QPainter& Painter) {
    if (Designing()) return;
    if (isEnabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    QRect r = rect();
    const bool focused = hasFocus();
    bool hot = false;
    if (!isEnabled() && FIsThemed && FDisabledBorder) {
        FrameRect(Painter, r, 0xC0C0C0);
    } else if (FBorderColor != clNone && (!focused || FFocusBorderColor == clNone)) {
        FrameRect(Painter, r, FBorderColor);
    } else if (FFocusBorderColor != clNone) {
        if (focused) FrameRect(Painter, r, FFocusBorderColor);
    } else {
        hot = isEnabled() && (FMouseInControl || focused);
        if (hot) {
            Painter.setPen(ToQColor(0x808080));
            Painter.drawLine(r.left(), r.bottom(), r.left(), r.top());
            Painter.drawLine(r.left(), r.top(), r.right(), r.top());
            Painter.setPen(Qt::white);
            Painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
            Painter.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
            r.adjust(1, 1, -1, -1);
            FrameRect(Painter, r, clBtnFace);
        } else {
            const QColor parentColor =
                parentWidget() ? parentWidget()->palette().color(QPalette::Window) : palette().color(QPalette::Window);
            for (int i = 0; i < 2; ++i) {
                FrameRect(Painter, r, FromQColor(parentColor));
                r.adjust(1, 1, -1, -1);
            }
        }
    }
    hot = isEnabled() && (FMouseInControl || focused);
    if (FButton) FButton->InnerButton()->SetFocused(hot);
}

void TExCustomDropDown::paintEvent(QPaintEvent* event) {
    TCustomMaskEdit::paintEvent(event);
    QPainter painter(this);
    DrawFocusText(painter);
    PaintBorders(painter);
}
