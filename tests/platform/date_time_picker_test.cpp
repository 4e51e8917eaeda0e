// The platform's date and time picker driven with real keys: the format letters, the
// calendar opened by F4 and Alt+Down with its notices, a posted Right-arrow moving to the
// next field, check-box mode and the date limits.
#include "platform/date_time_picker.h"

#include "platform/date_time_conversion.h"
#include "platform/format_settings.h"
#include "platform/month_calendar.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = FormatSettings();
        FormatSettings() = TFormatSettings{};  // "M/d/yyyy" and ':'
        Window = std::make_unique<QWidget>();
        Window->resize(300, 100);
        Picker = new TDateTimePicker(nullptr, Window.get());
        Picker->SetBounds(10, 10, 160, 24);
        Picker->SetDateTime(QDateTimeToDateTime(QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30))));
        Window->show();
        QApplication::setActiveWindow(Window.get());
        (void)QTest::qWaitForWindowExposed(Window.get());
        Picker->setFocus(Qt::OtherFocusReason);
    }
    void TearDown() override {
        Window.reset();
        FormatSettings() = Saved;
    }

    TFormatSettings Saved;
    std::unique_ptr<QWidget> Window;
    TDateTimePicker* Picker = nullptr;
};

TEST(DateTimePickerFormat, PickerLettersBecomeQtDisplayFormats) {
    const struct {
        const char* picker;
        const char* qt;
    } cases[] = {
        {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"d.M.y", "d.M.yy"},
        {"yyy-MMM", "yyyy-MMM"},
        {"ddddd", "ddddd"},  // the longest run known, then the rest
        {"hh:mm tt", "hh:mm AP"},
        {"H:m:s t", "H:m:s AP"},
        {"'Week' d", "'Week' d"},
        {"x d", "'x' d"},  // a letter Qt would read is shown as it is
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(QtDisplayFormat(QString::fromLatin1(c.picker)), QString::fromLatin1(c.qt)) << c.picker;
}

TEST_F(DateTimePickerTest, FormatAndKindDecideTheShownText) {
    EXPECT_EQ(Picker->Text(), "3/5/2024");  // empty format: the short date format
    Picker->SetFormat("dd/MM/yyyy");
    EXPECT_EQ(Picker->Text(), "05/03/2024");
    Picker->SetKind(dtkTime);
    // A time picker shows its time whatever a date format says.
    EXPECT_EQ(Picker->Text(), "10:20:30");
    Picker->SetFormat(QString());
    EXPECT_EQ(Picker->Text(), "10:20:30");
    Picker->SetFormat("HH:mm");
    EXPECT_EQ(Picker->Text(), "10:20");
    // The date survives the change of kind and format.
    EXPECT_EQ(DateTimeToQDateTime(Picker->DateTime()), QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30)));
}

TEST_F(DateTimePickerTest, DateAndTimePartsWriteSeparately) {
    Picker->SetTime(0.5);
    EXPECT_EQ(DateTimeToQDateTime(Picker->DateTime()), QDateTime(QDate(2024, 3, 5), QTime(12, 0)));
    Picker->SetDate(EncodeDate(2020, 2, 29) + 0.75);
    EXPECT_EQ(DateTimeToQDateTime(Picker->DateTime()), QDateTime(QDate(2020, 2, 29), QTime(12, 0)));
    EXPECT_DOUBLE_EQ(Picker->Date(), EncodeDate(2020, 2, 29));
    EXPECT_DOUBLE_EQ(Picker->Time(), 0.5);
}

TEST_F(DateTimePickerTest, F4AndAltDownDropTheCalendarAndReportBothWays) {
    int dropped = 0, closed = 0;
    Picker->OnDropDown = [&](TObject*) { ++dropped; };
    Picker->OnCloseUp = [&](TObject*) { ++closed; };
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } openers[] = {{Qt::Key_F4, Qt::NoModifier}, {Qt::Key_Down, Qt::AltModifier}};
    for (const auto& opener : openers) {
        QTest::keyClick(Picker, opener.key, opener.modifiers);
        EXPECT_TRUE(Picker->DroppedDown());
        Picker->CloseUp();
        EXPECT_FALSE(Picker->DroppedDown());
    }
    EXPECT_EQ(dropped, 2);
    EXPECT_EQ(closed, 2);
    // Ctrl+F4 and the up-down mode drop nothing.
    QTest::keyClick(Picker, Qt::Key_F4, Qt::ControlModifier);
    Picker->SetDateMode(dmUpDown);
    QTest::keyClick(Picker, Qt::Key_F4);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(dropped, 2);
}

TEST_F(DateTimePickerTest, TheCalendarsTodayLinePicksTheClocksToday) {
    QTest::keyClick(Picker, Qt::Key_F4);
    TMonthCalendar* calendar = Picker->CalendarWidget();
    ASSERT_NE(calendar, nullptr);
    ASSERT_TRUE(calendar->TodayButton()->isVisible());
    QTest::mouseClick(calendar->TodayButton(), Qt::LeftButton);
    EXPECT_EQ(DateTimeToQDateTime(Picker->DateTime()).date(), QDate::currentDate());
    EXPECT_FALSE(Picker->DroppedDown());
}

TEST_F(DateTimePickerTest, APostedRightArrowMovesToTheNextField) {
    Picker->SelectSection(0);
    ASSERT_TRUE(PostMessage(WindowHandle(Picker), WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(Picker->SectionIndex(), 0);  // posted: not yet
    QApplication::processEvents();
    EXPECT_EQ(Picker->SectionIndex(), 1);
    // Typed arrows move by field too, and stop at the ends.
    QTest::keyClick(Picker, Qt::Key_Right);
    QTest::keyClick(Picker, Qt::Key_Right);
    EXPECT_EQ(Picker->SectionIndex(), 2);
    QTest::keyClick(Picker, Qt::Key_Left);
    EXPECT_EQ(Picker->SectionIndex(), 1);
}

TEST_F(DateTimePickerTest, UncheckedTakesNoTypingAndSpaceChecksAgain) {
    int changes = 0;
    Picker->OnChange = [&](TObject*) { ++changes; };
    Picker->SetShowCheckbox(true);
    ASSERT_NE(Picker->CheckBoxWidget(), nullptr);
    EXPECT_TRUE(Picker->CheckBoxWidget()->isVisible());
    EXPECT_TRUE(Picker->Checked());
    Picker->SetChecked(false);
    EXPECT_FALSE(Picker->CheckBoxWidget()->isChecked());
    const TDateTime before = Picker->DateTime();
    Picker->SelectSection(0);
    QTest::keyClick(Picker, Qt::Key_Up);
    QTest::keyClicks(Picker, "7");
    EXPECT_DOUBLE_EQ(Picker->DateTime(), before);
    QLineEdit* fields = Picker->findChild<QLineEdit*>();
    ASSERT_NE(fields, nullptr);
    EXPECT_FALSE(fields->isEnabled());  // greyed
    QTest::keyClick(Picker, Qt::Key_Space);
    EXPECT_TRUE(Picker->Checked());
    EXPECT_EQ(changes, 1);
    // The fields stand right of the check box.
    EXPECT_TRUE(fields->isEnabled());
    EXPECT_GE(fields->x(), Picker->CheckBoxWidget()->geometry().right());
}

TEST_F(DateTimePickerTest, DateLimitsHoldWholeDaysAndZeroMeansNone) {
    Picker->SetMinDate(EncodeDate(2024, 1, 10));
    Picker->SetMaxDate(EncodeDate(2024, 1, 20));
    Picker->SetDate(EncodeDate(2024, 1, 1));
    EXPECT_EQ(DateTimeToQDateTime(Picker->Date()).date(), QDate(2024, 1, 10));
    Picker->SetDate(EncodeDate(2024, 1, 20));
    Picker->SetTime(0.99);  // the last day keeps its whole time range
    EXPECT_EQ(DateTimeToQDateTime(Picker->Date()).date(), QDate(2024, 1, 20));
    EXPECT_NEAR(Picker->Time(), 0.99, 1e-6);
    Picker->SetMinDate(0);
    Picker->SetMaxDate(0);
    Picker->SetDate(EncodeDate(1900, 1, 1));
    EXPECT_EQ(DateTimeToQDateTime(Picker->Date()).date(), QDate(1900, 1, 1));
}

}  // namespace
