#include "platform/month_calendar.h"

#include "platform/wall_clock.h"

#include <QLayout>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

TMonthCalendar::TMonthCalendar(QWidget* AParent) : QCalendarWidget(AParent) {
    setObjectName(QStringLiteral("MonthCalendar"));
    setGridVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    FTodayButton = new QPushButton(this);
    FTodayButton->setObjectName(QStringLiteral("TodayLine"));
    FTodayButton->setFlat(true);
    FTodayButton->setFocusPolicy(Qt::NoFocus);
    QObject::connect(FTodayButton, &QPushButton::clicked, this, [this] { PickToday(); });
    // Qt's calendar lays its navigation bar and month out in a vertical box: the line goes under.
    if (QLayout* box = layout()) box->addWidget(FTodayButton);
}

void TMonthCalendar::SetWeekNumbers(bool Value) {
    FWeekNumbers = Value;
    setVerticalHeaderFormat(Value ? QCalendarWidget::ISOWeekNumbers : QCalendarWidget::NoVerticalHeader);
}

void TMonthCalendar::SetTodayLine(bool Value) {
    FTodayLine = Value;
    FTodayButton->setVisible(Value);
}

void TMonthCalendar::SetTodayCircle(bool Value) {
    FTodayCircle = Value;
    update();
}

void TMonthCalendar::PickToday() {
    const QDate today = Now().date();
    setSelectedDate(today);
    emit clicked(today);
}

void TMonthCalendar::showEvent(QShowEvent* e) {
    FTodayButton->setText(QStringLiteral("Today: %1").arg(QLocale().toString(Now().date(), QLocale::ShortFormat)));
    QCalendarWidget::showEvent(e);
}

void TMonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    QCalendarWidget::paintCell(painter, rect, date);
    if (!FTodayCircle || date != Now().date()) return;
    painter->save();
    painter->setPen(QPen(QColor(0xCC, 0x00, 0x00), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    painter->restore();
}
