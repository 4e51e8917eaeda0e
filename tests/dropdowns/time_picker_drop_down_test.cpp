#include "drop_down_fixture.h"
#include "fake_timer.h"

#include "dropdowns/time_picker_drop_down.h"
#include "dropdowns/time_text.h"
#include "platform/wall_clock.h"

#include <QTimeEdit>

namespace {

TDateTime At(int hour, int minute, int second = 0) { return WithTimeOfDay(0, {hour, minute, second, 0}); }

QString Clock(TDateTime time) {
    const TTimeOfDay t = DecodeTimeOfDay(time);
    return TimeText(t, true, QLatin1Char(':'));
}

class TimeSeparatorScope {
public:
    explicit TimeSeparatorScope(QChar separator) : FSaved(FormatSettings()) { FormatSettings().TimeSeparator = separator; }
    ~TimeSeparatorScope() { FormatSettings() = FSaved; }

private:
    TFormatSettings FSaved;
};

TEST(TimeText, ParsingTypedTextsUnderBothSeparators) {
    const struct {
        const char* text;  // with '|' for the separator
        bool seconds;
        const char* expected;  // nullptr: no time
    } cases[] = {
        {"13|45|30", true, "13:45:30"}, {"07|05", false, "07:05:00"},   {"07| 5|09", true, "07:05:09"},
        {"13|45", true, nullptr},       {"13|45|30", false, nullptr},   {"13-45-30", true, nullptr},
        {"13|45|3|", true, nullptr},    {"24|00|00", true, nullptr},    {"23|60|00", true, nullptr},
        {"23|59|59", true, "23:59:59"}, {"", true, nullptr},            {"1a|00|00", true, nullptr},
        {"00|00", false, "00:00:00"},   {"   |  |  ", true, nullptr},
    };
    for (const QChar separator : {QLatin1Char(':'), QLatin1Char('.')}) {
        for (const auto& c : cases) {
            const QString text = QString::fromLatin1(c.text).replace(QLatin1Char('|'), separator);
            const auto parsed = ParseTimeText(text, c.seconds, separator);
            if (!c.expected) {
                EXPECT_FALSE(parsed.has_value()) << text.toStdString();
                continue;
            }
            ASSERT_TRUE(parsed.has_value()) << text.toStdString();
            EXPECT_EQ(TimeText(*parsed, true, QLatin1Char(':')), QString::fromLatin1(c.expected)) << text.toStdString();
        }
    }
}

class TimePickerTest : public DropDownWindowTest {
protected:
    TExTimePickerDropDown* MakePicker() {
        auto* picker = Make<TExTimePickerDropDown>();
        picker->SetAnimation(false);
        picker->OnTimeChange = [this](TObject*) { ++TimeChanges; };
        return picker;
    }
    int TimeChanges = 0;
};

TEST_F(TimePickerTest, ANewPickerShowsMidnightAndSecondsCanBeSwitched) {
    for (const QChar separator : {QLatin1Char(':'), QLatin1Char('.')}) {
        TimeSeparatorScope scope(separator);
        auto* picker = MakePicker();
        const QString s(separator);
        EXPECT_EQ(picker->Text(), "00" + s + "00" + s + "00");
        EXPECT_EQ(picker->Time(), 0.0);
        picker->SetTime(At(13, 45, 30));
        EXPECT_EQ(picker->Text(), "13" + s + "45" + s + "30");
        picker->SetShowSeconds(false);
        EXPECT_EQ(picker->Text(), "13" + s + "45");
        picker->SetShowSeconds(true);
        EXPECT_EQ(picker->Text(), "13" + s + "45" + s + "30");
        EXPECT_EQ(TimeChanges, 0);
        delete picker;
    }
}

TEST_F(TimePickerTest, UpAndDownStepTheFieldUnderTheCaret) {
    const struct {
        bool seconds, typing;
        TDateTime start;
        int caret;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* expected;
    } cases[] = {
        {true, false, At(0, 10, 10), 0, Qt::Key_Up, {}, "23:10:10"},
        // Qt's masked edit puts no caret before a separator: 1 and 4 end the hour and minute.
        {true, false, At(0, 10, 10), 1, Qt::Key_Down, {}, "01:10:10"},
        {true, false, At(5, 59, 10), 3, Qt::Key_Down, {}, "05:00:10"},  // the hour stays
        {true, false, At(5, 0, 10), 4, Qt::Key_Up, {}, "05:59:10"},
        {true, false, At(5, 10, 59), 6, Qt::Key_Down, {}, "05:10:00"},
        {true, false, At(5, 10, 0), 8, Qt::Key_Up, {}, "05:10:59"},
        {true, true, At(5, 10, 0), 7, Qt::Key_Down, {}, "05:10:01"},
        {true, true, At(5, 10, 0), 1, Qt::Key_Down, Qt::ShiftModifier, "06:10:00"},
        {true, false, At(5, 10, 0), 1, Qt::Key_Down, Qt::ControlModifier, "05:10:00"},
        {false, false, At(5, 10, 0), 4, Qt::Key_Down, {}, "05:11:00"},
        {false, true, At(5, 59, 0), 5, Qt::Key_Down, {}, "05:00:00"},
        {false, true, At(23, 10, 0), 0, Qt::Key_Down, {}, "00:10:00"},
    };
    for (const auto& c : cases) {
        auto* picker = MakePicker();
        picker->SetShowSeconds(c.seconds);
        picker->SetEditorEnabled(c.typing);
        picker->SetTime(c.start);
        picker->SetSelStart(c.caret);
        TimeChanges = 0;
        QTest::keyClick(picker, c.key, c.modifiers);
        SCOPED_TRACE(std::string(c.expected) + " caret " + std::to_string(c.caret));
        EXPECT_EQ(Clock(picker->Time()), QString::fromLatin1(c.expected));
        EXPECT_EQ(TimeChanges, Clock(c.start) == QString::fromLatin1(c.expected) ? 0 : 1);
        EXPECT_EQ(picker->SelStart(), c.caret);
        EXPECT_FALSE(picker->DroppedDown());
        delete picker;
    }
}

TEST_F(TimePickerTest, TypedTimesAreTakenAndImpossibleOnesLeftAlone) {
    auto* picker = MakePicker();
    picker->SetEditorEnabled(true);
    picker->SetTime(At(8, 15, 0));
    picker->SetText(QStringLiteral("09:30:15"));
    EXPECT_EQ(Clock(picker->Time()), "09:30:15");
    picker->SetText(QStringLiteral("25:30:15"));
    EXPECT_EQ(Clock(picker->Time()), "09:30:15");
    picker->SetText(QStringLiteral("09:75:15"));
    EXPECT_EQ(Clock(picker->Time()), "09:30:15");
    EXPECT_EQ(TimeChanges, 0);
    // Setting the time it has rewrites nothing.
    picker->SetText(QStringLiteral("09:30:15"));
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    picker->SetTime(picker->Time());
    EXPECT_EQ(changes, 0);
}

TEST_F(TimePickerTest, ClosingTakesTheClocksTimeAndCancellingPutsEverythingBack) {
    FakeTimersScope fakes;
    std::vector<FakeTimer*>& timers = fakes.Timers;
    // The clock reports a change at the end of an animation.
    auto runAnimations = [&] {
        for (int tick = 0; tick < 100; ++tick)
            for (FakeTimer* timer : timers)
                if (timer->running && timer->OnTick) timer->OnTick();
    };
    for (const bool cancel : {false, true}) {
        auto* picker = MakePicker();
        picker->SetAnimation(true);
        TimeChanges = 0;
        picker->SetShowTimePicker(true);
        picker->SetTime(At(9, 30));
        picker->ShowDropDown();
        ASSERT_TRUE(picker->DroppedDown());
        ASSERT_NE(picker->DateTimePicker(), nullptr);
        EXPECT_TRUE(picker->DateTimePicker()->isVisible());
        EXPECT_EQ(Clock(picker->Watch()->Time()), "09:30:00");
        // PageUp moves the clock's hour; the edit and the time picker follow.
        QTest::keyClick(PopUpKeyTarget(picker), Qt::Key_PageUp);
        runAnimations();
        EXPECT_EQ(Clock(picker->Watch()->Time()), "10:30:00");
        EXPECT_EQ(picker->Text(), "10:30:00");
        EXPECT_EQ(picker->DateTimePicker()->time(), QTime(10, 30));
        EXPECT_EQ(TimeChanges, 1);
        QTest::keyClick(PopUpKeyTarget(picker), cancel ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_FALSE(picker->DroppedDown());
        const char* expected = cancel ? "09:30:00" : "10:30:00";
        EXPECT_EQ(Clock(picker->Time()), QString::fromLatin1(expected)) << cancel;
        EXPECT_EQ(picker->Text(), QString::fromLatin1(expected)) << cancel;
        EXPECT_EQ(Clock(picker->Watch()->Time()), QString::fromLatin1(expected)) << cancel;
        delete picker;
        timers.clear();
    }
}

TEST_F(TimePickerTest, InAutomaticModeClosingTakesTheTimeTheClockShows) {
    SetWallClock([] { return QDateTime(QDate(2026, 3, 14), QTime(10, 20, 0)); });
    auto* picker = MakePicker();
    picker->WatchSettings()->SetAuto(true);
    picker->WatchSettings()->SetTimeOffset(90);
    picker->SetTime(At(7, 0));
    picker->ShowDropDown();
    ASSERT_TRUE(picker->DroppedDown());
    EXPECT_NE(Clock(picker->Watch()->Time()), "07:00:00");
    SetWallClock([] { return QDateTime(QDate(2026, 3, 14), QTime(10, 25, 0)); });
    QTest::keyClick(PopUpKeyTarget(picker), Qt::Key_Return);
    EXPECT_EQ(Clock(picker->Time()), "11:55:00");
    SetWallClock({});
}

}  // namespace
