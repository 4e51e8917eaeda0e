#include "dropdowns/watch.h"

#include "fake_timer.h"

#include "platform/form.h"
#include "platform/wall_clock.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

TDateTime At(int hour, int minute) { return WithTimeOfDay(45000, {hour, minute, 0, 0}); }

QString HourMinute(TDateTime time) {
    const TTimeOfDay t = DecodeTimeOfDay(time);
    return QStringLiteral("%1:%2").arg(t.Hour, 2, 10, QChar('0')).arg(t.Minute, 2, 10, QChar('0'));
}

class WatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->resize(200, 200);
        Watch = new TExWatch(Form.get(), Form.get());
        Watch->move(0, 0);
        Watch->OnChange = [this](TObject*) { ++Changes; };
        Form->show();
        // Created in this order by the clock.
        WatchTimer = Fakes.Timers.at(0);
        AnimationTimer = Fakes.Timers.at(1);
        SlideTimer = Fakes.Timers.at(2);
    }
    void TearDown() override {
        Form.reset();
        SetWallClock({});
    }
    void Click(int x, int y) { QTest::mouseClick(Watch, Qt::LeftButton, {}, QPoint(x, y)); }
    // Ticks a timer until it stops; the number of ticks that moved something.
    static int RunOut(FakeTimer* timer) {
        int ticks = 0;
        while (timer->running && ticks < 500) {
            timer->Fire();
            ++ticks;
        }
        return ticks;
    }
    QImage Rendered() { return Watch->grab().toImage(); }

    FakeTimersScope Fakes;
    std::unique_ptr<TForm> Form;
    TExWatch* Watch = nullptr;
    FakeTimer* WatchTimer = nullptr;
    FakeTimer* AnimationTimer = nullptr;
    FakeTimer* SlideTimer = nullptr;
    int Changes = 0;
};

TEST_F(WatchTest, GeometryOfANewClock) {
    EXPECT_EQ(Watch->width(), 180);
    EXPECT_EQ(Watch->height(), 180);
    EXPECT_EQ(Watch->FaceRect(), (TRect{10, 10, 170, 170}));
    EXPECT_EQ(Watch->Style(), wsClassic);
    // The appearance holds its defaults, not the classic preset; choosing it again changes nothing.
    Watch->SetStyle(wsClassic);
    EXPECT_EQ(Watch->Appearance()->HourMarkLength(), 0);
}

TEST_F(WatchTest, ClicksSetTheMinuteInTheMarginAndTheHourOnTheFace) {
    Watch->SetAnimation(false);
    const struct {
        TDateTime start;
        QPoint at;
        const char* expected;
    } cases[] = {
        {At(9, 30), {90, 3}, "09:00"},    // straight above: minute 0
        {At(9, 30), {177, 90}, "09:15"},  // straight right
        {At(9, 30), {90, 177}, "09:30"},  // straight below
        {At(9, 30), {3, 90}, "09:45"},    // straight left
        {At(9, 30), {2, 2}, "09:53"},     // the corner: 45 degrees, 7.5 rounds to even 8
        {At(9, 30), {140, 90}, "03:30"},  // the face at 3 o'clock in the morning
        {At(21, 30), {140, 90}, "15:30"}, // ... and in the afternoon
        // Both sides of 12 o'clock give the hour that starts the half of the day.
        {At(9, 30), {92, 40}, "00:30"},
        {At(9, 30), {80, 40}, "00:30"},
        {At(21, 30), {92, 40}, "12:30"},
        {At(21, 30), {80, 40}, "12:30"},
    };
    for (const auto& c : cases) {
        Watch->SetTime(c.start);
        Click(c.at.x(), c.at.y());
        EXPECT_EQ(HourMinute(Watch->Time()), QString::fromLatin1(c.expected)) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(WatchTest, TheAMPMBoxSwitchesTheHalfOfTheDayWithASlide) {
    Watch->SetTime(At(9, 30));
    EXPECT_TRUE(Watch->AM());
    const TRect box = Watch->AMPMRect();
    Click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(HourMinute(Watch->Time()), "21:30");
    EXPECT_FALSE(Watch->AM());
    EXPECT_EQ(Changes, 1);
    ASSERT_TRUE(SlideTimer->running);
    EXPECT_EQ(SlideTimer->interval, 10);
    // One pixel per step over the box's inner height.
    EXPECT_EQ(RunOut(SlideTimer), box.Height() - 2);
    EXPECT_FALSE(Watch->Animating());
}

TEST_F(WatchTest, KeysOfThePopUp) {
    Watch->SetAnimation(false);
    const struct {
        TDateTime start;
        WORD key;
        const char* expected;
    } cases[] = {
        {At(13, 10), 'A', "01:10"},      {At(9, 10), 'A', "09:10"},      {At(9, 10), 'P', "21:10"},
        {At(21, 10), 'P', "21:10"},      {At(23, 10), VK_PRIOR, "00:10"}, {At(10, 10), VK_PRIOR, "11:10"},
        {At(0, 10), VK_NEXT, "23:10"},   {At(10, 10), VK_NEXT, "09:10"},  {At(10, 10), VK_HOME, "12:10"},
        {At(10, 10), VK_END, "10:00"},   {At(10, 0), VK_LEFT, "09:59"},   {At(0, 0), VK_LEFT, "23:59"},
        {At(10, 20), VK_RIGHT, "10:21"}, {At(10, 59), VK_RIGHT, "11:00"}, {At(10, 20), VK_UP, "10:20"},
    };
    for (const auto& c : cases) {
        Watch->SetTime(c.start);
        Watch->HandleKeyDown(c.key);
        EXPECT_EQ(HourMinute(Watch->Time()), QString::fromLatin1(c.expected)) << HourMinute(c.start).toStdString() << " key " << c.key;
    }
    EXPECT_THROW(Watch->SetMinute(60), EConvertError);
}

TEST_F(WatchTest, AnimationsStepTowardsTheTargetAndCarryTheHourOnce) {
    const struct {
        TDateTime start;
        bool hour;
        int target;
        const char* expected;
        int ticks;
    } cases[] = {
        {At(10, 50), false, 0, "11:00", 11},  // forwards through 60: ten steps of 1, then the stop
        {At(10, 20), false, 0, "10:00", 18},  // backwards, steps 2, 2, 2, then 1: the hour stays
        {At(3, 0), true, 9, "09:00", 7},      // hour steps of 1 (6 / 10 rounds to 1)
        {At(10, 0), false, 40, "10:40", 24},  // steps shrink from 4 as the hand nears
    };
    for (const auto& c : cases) {
        Watch->SetTime(c.start);
        Changes = 0;
        if (c.hour) Watch->SetHour(static_cast<std::uint8_t>(c.target));
        else Watch->SetMinute(static_cast<std::uint8_t>(c.target));
        EXPECT_EQ(HourMinute(Watch->Time()), HourMinute(c.start)) << "nothing moves before the first tick";
        EXPECT_EQ(AnimationTimer->interval, 1);
        EXPECT_EQ(RunOut(AnimationTimer), c.ticks) << c.expected;
        EXPECT_EQ(HourMinute(Watch->Time()), QString::fromLatin1(c.expected));
        EXPECT_EQ(Changes, 1) << c.expected;
    }
    // A factor below 1 counts as 1: the hand jumps in one step.
    Watch->SetAnimationFactor(0);
    Watch->SetTime(At(3, 0));
    Watch->SetHour(9);
    EXPECT_EQ(RunOut(AnimationTimer), 2);
    EXPECT_EQ(HourMinute(Watch->Time()), "09:00");
}

TEST_F(WatchTest, AutomaticModeShowsNowPlusTheOffsetAndIgnoresTheUser) {
    SetWallClock([] { return QDateTime(QDate(2026, 3, 14), QTime(10, 20, 0)); });
    Watch->Settings()->SetTimeOffset(60);
    Watch->Settings()->SetAuto(true);
    EXPECT_TRUE(WatchTimer->running);
    EXPECT_EQ(WatchTimer->interval, 100);
    EXPECT_EQ(HourMinute(Watch->DisplayedTime()), "11:20");
    EXPECT_EQ(HourMinute(Watch->Time()), "10:20");
    Click(140, 90);
    Watch->HandleKeyDown(VK_HOME);
    EXPECT_EQ(HourMinute(Watch->Time()), "10:20");
    EXPECT_FALSE(AnimationTimer->running);
    Watch->Settings()->SetAuto(false);
    EXPECT_FALSE(WatchTimer->running);
}

TEST_F(WatchTest, HandsArePaintedAtTheTimeInTwoPresets) {
    const struct {
        TWatchStyle style;
        TColor hand, face;
    } cases[] = {{wsGray, 0x4E4E4E, clNone}, {wsBlack, 0xFFFFFF, 0x202020}};
    for (const auto& c : cases) {
        Watch->SetAnimation(false);
        Watch->SetStyle(c.style);
        Watch->SetTime(At(3, 0));
        QImage image = Rendered();
        // 3 o'clock: the hour hand points right, the minute hand up.
        EXPECT_EQ(FromQColor(image.pixelColor(115, 90)), c.hand) << c.style;
        EXPECT_EQ(FromQColor(image.pixelColor(90, 45)), c.hand) << c.style;
        // Nothing of a hand towards 9 o'clock.
        EXPECT_NE(FromQColor(image.pixelColor(60, 90)), c.hand) << c.style;
        if (c.face != clNone) EXPECT_EQ(FromQColor(image.pixelColor(60, 90)), c.face) << c.style;
        Watch->SetTime(At(9, 30));
        image = Rendered();
        EXPECT_EQ(FromQColor(image.pixelColor(90, 140)), c.hand) << "minute hand down";
        EXPECT_NE(FromQColor(image.pixelColor(115, 90)), c.hand) << "no hand at 3 o'clock";
    }
}

}  // namespace
