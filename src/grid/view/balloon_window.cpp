#include "grid/view/balloon_window.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int kPadding = 8;
constexpr int kIconSize = 16;
constexpr int kCornerRadius = 6;
constexpr int kBelowCursor = 20;
// A tooltip's usual timing: it stays ten times as long as it waited to show, and the
// next one waits a fifth of that first wait.
constexpr int kAutoPopPerInitialDelay = 10;
constexpr int kInitialPerReshowDelay = 5;

QStyle::StandardPixmap IconPixmap(int icon) {
    switch (icon) {
        case TBalloonWindow::biInfoIcon: return QStyle::SP_MessageBoxInformation;
        case TBalloonWindow::biWarningIcon: return QStyle::SP_MessageBoxWarning;
        default: return QStyle::SP_MessageBoxCritical;
    }
}

}  // namespace

TBalloonWindow::TBalloonWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("Tooltips_Class32"));
    FShowTimer.setSingleShot(true);
    FPopTimer.setSingleShot(true);
    FReshowWindow.setSingleShot(true);
    QObject::connect(&FShowTimer, &QTimer::timeout, this, [this] { Popup(FRestPosition); });
    QObject::connect(&FPopTimer, &QTimer::timeout, this, [this] { Pop(); });
    QObject::connect(&FReshowWindow, &QTimer::timeout, this, [this] { FRecentlyShown = false; });
}

TBalloonWindow::~TBalloonWindow() {
    if (FTool) FTool->removeEventFilter(this);
}

void TBalloonWindow::AddTool(QWidget* Tool, TTextRequest Request) {
    if (FTool) FTool->removeEventFilter(this);
    FTool = Tool;
    FRequest = std::move(Request);
    if (FTool) FTool->installEventFilter(this);
}

void TBalloonWindow::SetTitle(int Icon, const QString& Title) {
    FIcon = Icon >= biNoIcon && Icon <= biErrorIcon ? Icon : biNoIcon;
    FTitle = Title;
    update();
}

void TBalloonWindow::SetInitialDelay(int Value) { FInitialDelay = Value; }
void TBalloonWindow::SetReshowDelay(int Value) { FReshowDelay = Value; }
void TBalloonWindow::SetAutoPopDelay(int Value) { FAutoPopDelay = Value; }

void TBalloonWindow::SetColors(TColor Background, TColor Text) {
    FBackgroundColor = Background;
    FTextColor = Text;
    update();
}

void TBalloonWindow::SetOpacity(int Alpha) {
    FOpacity = std::clamp(Alpha, 0, 255);
    setWindowOpacity(FOpacity / 255.0);
}

int TBalloonWindow::StyleHint(QStyle::StyleHint Hint) const {
    const QStyle* style = FTool ? FTool->style() : QApplication::style();
    return style->styleHint(Hint);
}

int TBalloonWindow::InitialWait() const {
    return FInitialDelay != -1 ? std::max(0, FInitialDelay) : StyleHint(QStyle::SH_ToolTip_WakeUpDelay);
}

int TBalloonWindow::ReshowWait() const {
    return FReshowDelay != -1 ? std::max(0, FReshowDelay) : InitialWait() / kInitialPerReshowDelay;
}

int TBalloonWindow::AutoPopWait() const {
    return FAutoPopDelay != -1 ? std::max(0, FAutoPopDelay) : kAutoPopPerInitialDelay * InitialWait();
}

bool TBalloonWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FTool) return false;
    switch (event->type()) {
        case QEvent::MouseMove: {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            FRestPosition = {at.x(), at.y()};
            if (!isVisible())
                FShowTimer.start(FRecentlyShown ? ReshowWait() : InitialWait());
            break;
        }
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::Hide:
            FShowTimer.stop();
            Pop();
            break;
        default: break;
    }
    return false;
}

QSize TBalloonWindow::ContentSize() const {
    const QFontMetrics metrics(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics titleMetrics(bold);
    const int textWidth = kMaxWidth - 2 * kPadding;
    const QRect textBox = metrics.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, FText);
    const int iconWidth = FIcon != biNoIcon ? kIconSize + kPadding / 2 : 0;
    const int titleWidth = iconWidth + titleMetrics.horizontalAdvance(FTitle);
    const int titleHeight = std::max(FIcon != biNoIcon ? kIconSize : 0, titleMetrics.height());
    const int width = std::min(kMaxWidth, std::max(titleWidth, textBox.width()) + 2 * kPadding);
    return {width, titleHeight + textBox.height() + 3 * kPadding};
}

void TBalloonWindow::Popup(TPoint Position) {
    if (!FTool || !FRequest) return;
    const TBalloonContent content = FRequest(Position);
    if (!content.Shown || content.Text.isEmpty()) return;
    SetTitle(content.Icon, content.Title);
    FText = content.Text;
    resize(ContentSize());
    move(FTool->mapToGlobal(QPoint(Position.X, Position.Y + kBelowCursor)));
    show();
    FPopTimer.start(AutoPopWait());
}

void TBalloonWindow::Pop() {
    FPopTimer.stop();
    if (!isVisible()) return;
    hide();
    FRecentlyShown = true;
    FReshowWindow.start(StyleHint(QStyle::SH_ToolTip_FallAsleepDelay));
}

void TBalloonWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor background = FBackgroundColor != clNone ? ToQColor(FBackgroundColor) : palette().color(QPalette::ToolTipBase);
    const QColor text = FTextColor != clNone ? ToQColor(FTextColor) : palette().color(QPalette::ToolTipText);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.fillPath(outline, background);
    painter.setPen(text);
    painter.drawPath(outline);
    int x = kPadding;
    QFont bold = font();
    bold.setBold(true);
    const int titleHeight = std::max(FIcon != biNoIcon ? kIconSize : 0, QFontMetrics(bold).height());
    if (FIcon != biNoIcon) {
        style()->standardIcon(IconPixmap(FIcon)).paint(&painter, QRect(x, kPadding, kIconSize, kIconSize));
        x += kIconSize + kPadding / 2;
    }
    painter.setFont(bold);
    painter.drawText(QRect(x, kPadding, width() - x - kPadding, titleHeight), Qt::AlignVCenter, FTitle);
    painter.setFont(font());
    painter.drawText(QRect(kPadding, 2 * kPadding + titleHeight, width() - 2 * kPadding, height()),
                     Qt::TextWordWrap, FText);
}
