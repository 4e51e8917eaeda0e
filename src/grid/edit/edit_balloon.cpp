#include "grid/edit/edit_balloon.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>

TEditBalloon::TEditBalloon(QWidget* AOwner)
    : QFrame(AOwner), FIconLabel(new QLabel(this)), FTitleLabel(new QLabel(this)), FTextLabel(new QLabel(this)),
      FTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("InvalidEntryBalloon"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(255, 255, 225));
    look.setColor(QPalette::WindowText, Qt::black);
    setPalette(look);
    for (QLabel* label : {FTitleLabel, FTextLabel}) label->setTextFormat(Qt::PlainText);
    QFont bold = FTitleLabel->font();
    bold.setBold(true);
    FTitleLabel->setFont(bold);
    FTextLabel->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 8, 6);
    layout->setHorizontalSpacing(6);
    layout->addWidget(FIconLabel, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(FTitleLabel, 0, 1);
    layout->addWidget(FTextLabel, 1, 1);
    FTimer->setSingleShot(true);
    QObject::connect(FTimer, &QTimer::timeout, this, [this] { Dismiss(); });
    hide();
}

TEditBalloon::~TEditBalloon() { qApp->removeEventFilter(this); }

QString TEditBalloon::Title() const { return FTitleLabel->text(); }
QString TEditBalloon::Text() const { return FTextLabel->text(); }

void TEditBalloon::ShowAt(QWidget* Editor, const QString& Title, const QString& Text, TInvalidEntryIcon Icon) {
    if (Title.isEmpty() && Text.isEmpty()) return;
    FIcon = Icon;
    QWidget* window = Editor->window();
    if (parentWidget() != window) setParent(window);
    FTitleLabel->setText(Title);
    FTitleLabel->setVisible(!Title.isEmpty());
    FTextLabel->setText(Text);
    FTextLabel->setVisible(!Text.isEmpty());
    QStyle::StandardPixmap picture = QStyle::SP_MessageBoxWarning;
    if (Icon == ieInfo) picture = QStyle::SP_MessageBoxInformation;
    if (Icon == ieError) picture = QStyle::SP_MessageBoxCritical;
    FIconLabel->setVisible(Icon != ieNone);
    if (Icon != ieNone) FIconLabel->setPixmap(style()->standardIcon(picture).pixmap(24, 24));
    FTextLabel->setMaximumWidth(std::max(160, window->width() / 2));
    adjustSize();
    QPoint at = Editor->mapTo(window, QPoint(Editor->width() / 4, Editor->height()));
    at.setX(std::clamp(at.x(), 0, std::max(0, window->width() - width())));
    if (at.y() + height() > window->height()) at.setY(std::max(0, Editor->mapTo(window, QPoint()).y() - height()));
    move(at);
    raise();
    show();
    qApp->installEventFilter(this);
    FTimer->start(VisibleMilliseconds);
}

bool TEditBalloon::eventFilter(QObject*, QEvent* Event) {
    switch (Event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: Dismiss(); break;
    default: break;
    }
    return false;
}

void TEditBalloon::Dismiss() {
    qApp->removeEventFilter(this);
    FTimer->stop();
    hide();
}
