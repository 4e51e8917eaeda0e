// The grid's date picker in a real window under X (xcb platform): opened in its cell,
// its calendar dropped down under the cell by F4, a day clicked with the mouse going
// into the cell, and screenshots of the picker closed and open and of the date-and-time
// picker. Runs only on the xcb platform (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS
// names the folder the PNGs are written to.

#include "grid/core/string_grid.h"
#include "grid/edit/grid_date_pickers.h"
#include "platform/format_settings.h"
#include "platform/month_calendar.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class X11DatePicker : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
        Saved = FormatSettings();
        FormatSettings() = TFormatSettings{};
        Window = std::make_unique<QWidget>();
        Window->setWindowTitle(QStringLiteral("Date pickers"));
        Window->resize(520, 320);
        Grid = new TExStringGrid(nullptr);
        Grid->setParent(Window.get());
        Grid->setGeometry(10, 10, 500, 150);  // columns 30, 120, 210, 120
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetDefaultColWidth(120);
        Grid->SetColWidths(0, 30);
        Grid->SetDefaultRowHeight(24);
        Grid->SetColWidths(2, 210);
        Grid->SetOptions(Grid->Options().Include(goEditing));
        const char* headers[] = {"", "Date", "Date and time", "Note"};
        for (int c = 0; c < 4; ++c) Grid->SetCells(c, 0, QString::fromLatin1(headers[c]));
        for (int r = 1; r < 5; ++r) {
            Grid->SetCells(1, r, QString("3/%1/2024").arg(r + 4));
            Grid->SetCells(2, r, QString("3/%1/2024 10:%2").arg(r + 4).arg(r * 10));
            Grid->SetCells(3, r, QString("Rule %1").arg(r));
        }
        Grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
            if (ACol == 1) AEditor = edDateEdit;
            if (ACol == 2) AEditor = edDateTimeEdit;
        };
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        Window->activateWindow();
        QTest::qWait(150);
    }
    void TearDown() override {
        Window.reset();
        FormatSettings() = Saved;
    }
    void Open(int Col, int Row) {
        Grid->FocusCell(Col, Row);
        QTest::keyClick(Grid, Qt::Key_F2);
        QTest::qWait(150);
    }
    void Shot(const char* Name, int Height) {
        const QImage shot = Window->screen()->grabWindow(0).toImage().copy(
            QRect(Window->frameGeometry().topLeft(), QSize(Window->frameGeometry().width(), Height)));
        ASSERT_FALSE(shot.isNull());
        const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromLatin1(Name))));
    }

    TFormatSettings Saved;
    std::unique_ptr<QWidget> Window;
    TExStringGrid* Grid = nullptr;
};

TEST_F(X11DatePicker, CalendarDropsUnderTheCellAndAClickedDayGoesIntoTheCell) {
    Open(1, 2);
    TGridDatePicker* picker = Grid->DateTimePicker();
    ASSERT_TRUE(picker->isVisible());
    Shot("date-picker-in-cell.png", 200);

    QTest::keyClick(picker, Qt::Key_F4);
    QTest::qWait(250);
    ASSERT_TRUE(picker->DroppedDown());
    TMonthCalendar* calendar = picker->CalendarWidget();
    QWidget* popup = calendar->window();
    const QPoint pickerBottom = picker->mapToGlobal(QPoint(0, picker->height()));
    EXPECT_GE(popup->geometry().top(), pickerBottom.y() - 2);
    EXPECT_NEAR(popup->geometry().left(), pickerBottom.x(), 40);
    Shot("date-picker-calendar-open.png", 420);

    // A real click on the 20th of the month shown.
    auto* table = calendar->findChild<QTableView*>();
    ASSERT_NE(table, nullptr);
    QModelIndex day;
    for (int r = 0; r < table->model()->rowCount() && !day.isValid(); ++r)
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            const QModelIndex index = table->model()->index(r, c);
            if (table->model()->data(index).toString() == "20" && r > 1) {
                day = index;
                break;
            }
        }
    ASSERT_TRUE(day.isValid());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(day).center());
    QTest::qWait(150);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->date(), QDate(2024, 3, 20));
    QTest::keyClick(picker, Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(Grid->Cells(1, 2), "3/20/2024");
}

TEST_F(X11DatePicker, DateAndTimePickerLooksFinishedInItsCell) {
    Open(2, 1);
    TGridDateTimePicker* picker = Grid->DateAndTimePicker();
    ASSERT_TRUE(picker->isVisible());
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->isVisible());
    // The time part stands inside the picker, clear of its drop-down button.
    EXPECT_GE(picker->TimePicker()->x(), 0);
    EXPECT_LE(picker->TimePicker()->geometry().right(), picker->width() - picker->ButtonWidth());
    Shot("date-and-time-picker-in-cell.png", 200);
    QTest::keyClick(picker, Qt::Key_Escape);
}

}  // namespace
