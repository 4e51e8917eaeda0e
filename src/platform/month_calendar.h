#pragma once
// TMonthCalendar: the month calendar a date picker drops down. Besides Qt's calendar it
// can show ISO week numbers, a "Today" line under the month that picks today (as a
// click on today's cell would), and a frame around today's cell. Today is the wall
// clock's date, so tests can fix it.

#include <QCalendarWidget>

class QPushButton;

class TMonthCalendar : public QCalendarWidget {
public:
    explicit TMonthCalendar(QWidget* AParent = nullptr);

    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool Value);
    bool TodayLine() const { return FTodayLine; }
    void SetTodayLine(bool Value);
    bool TodayCircle() const { return FTodayCircle; }
    void SetTodayCircle(bool Value);
    QPushButton* TodayButton() const { return FTodayButton; }
    // Picks today: selected and reported as a click on its cell.
    void PickToday();

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
    void showEvent(QShowEvent* e) override;

private:
    bool FWeekNumbers = false;
    bool FTodayLine = true;
    bool FTodayCircle = true;
    QPushButton* FTodayButton = nullptr;
};
