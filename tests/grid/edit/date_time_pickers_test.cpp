// The flat, custom and extended date pickers on a shown window: creation defaults and
// versions, AutoTab with real digits, the embedded time picker's life and placement on
// every platform branch, whole seconds, the painting the platform keeps to itself, the
// outline and the metro button, and the caption label.
#include "grid/edit/asg_date_time_picker.h"
#include "grid/edit/ex_date_time_picker.h"

#include "platform/date_time_conversion.h"
#include "platform/format_settings.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DateTimePickersTest : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = FormatSettings();
        FormatSettings() = TFormatSettings{};
        Window = std::make_unique<QWidget>();
        Window->resize(400, 160);
        Window->show();
        QApplication::setActiveWindow(Window.get());
        (void)QTest::qWaitForWindowExposed(Window.get());
    }
    void TearDown() override {
        Window.reset();
        SetPickerPlatformProbe(nullptr);
        FormatSettings() = Saved;
    }
    template <class Picker>
    Picker* Make(int Top = 10) {
        auto* picker = new Picker(nullptr, Window.get());
        picker->SetBounds(100, Top, 200, 24);
        picker->show();
        return picker;
    }
    static void Settle() {
        for (int i = 0; i < 4; ++i) QApplication::processEvents();
    }

    TFormatSettings Saved;
    std::unique_ptr<QWidget> Window;
};

TEST_F(DateTimePickersTest, CreationDefaultsAndVersions) {
    auto* asg = Make<TAsgDateTimePicker>();
    auto* custom = Make<TCustomDateTimePicker>(40);
    auto* ex = Make<TExDateTimePicker>(70);
    const int buttonWidth = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    const struct {
        const char* name;
        TFlatDateTimePicker* picker;
        bool ctl3D;
        TBorderStyle border;
        TColor borderColor;
    } rows[] = {
        {"TAsgDateTimePicker", asg, true, bsNone, clNone},
        {"TCustomDateTimePicker", custom, false, bsNone, TColor(0)},
        {"TExDateTimePicker", ex, true, bsSingle, TColor(0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.picker->ButtonWidth(), buttonWidth);
        EXPECT_FALSE(row.picker->MetroStyle());
        EXPECT_TRUE(row.picker->DoubleBuffered());
        EXPECT_FALSE(row.picker->ParentCtl3D());
        EXPECT_EQ(row.picker->Ctl3D(), row.ctl3D);
        EXPECT_EQ(row.picker->BorderStyle(), row.border);
        EXPECT_EQ(row.picker->BorderColor(), row.borderColor);
        EXPECT_EQ(row.picker->ButtonColor(), clNone);
        EXPECT_EQ(row.picker->ButtonBorderColor(), clNone);
        EXPECT_TRUE(row.picker->IsThemed());
    }
    EXPECT_FALSE(custom->AutoTab());
    EXPECT_EQ(ex->Kind(), dkDateTime);
    EXPECT_EQ(ex->LabelMargin(), 4);
    EXPECT_EQ(ex->PickerLabel(), nullptr);
    // Metro stays off in the custom picker whatever MetroStyle says.
    custom->SetMetroStyle(true);
    EXPECT_FALSE(custom->MetroActive());
    ex->SetMetroStyle(true);
    EXPECT_TRUE(ex->MetroActive());

    EXPECT_EQ(asg->Version(), "1.0.0.0");
    EXPECT_EQ(ex->Version(), "1.2.0.0");
    asg->SetVersion("9.9.9.9");
    ex->SetVersion("9.9.9.9");
    EXPECT_EQ(asg->Version(), "1.0.0.0");
    EXPECT_EQ(ex->Version(), "1.2.0.0");
}

TEST_F(DateTimePickersTest, SetDateTimeKeepsWholeSecondsInBothParts) {
    auto* ex = Make<TExDateTimePicker>();
    const QDateTime moment(QDate(2024, 3, 5), QTime(12, 30, 45, 678));
    ex->SetDateTime(QDateTimeToDateTime(moment));
    const QDateTime stored(QDate(2024, 3, 5), QTime(12, 30, 45));
    EXPECT_EQ(DateTimeToQDateTime(ex->DateTime()), stored);
    ASSERT_NE(ex->TimePicker(), nullptr);
    EXPECT_EQ(ex->TimePicker()->time(), QTime(12, 30, 45));
    // The time typed in the time part is the value's time.
    ex->TimePicker()->setTime(QTime(8, 5, 0));
    EXPECT_EQ(DateTimeToQDateTime(ex->DateTime()), QDateTime(QDate(2024, 3, 5), QTime(8, 5)));
    EXPECT_DOUBLE_EQ(ex->Time(), QTime(8, 5).msecsSinceStartOfDay() / 86400000.0);
}

TEST_F(DateTimePickersTest, KindMakesPlacesAndFreesTheTimePicker) {
    auto* ex = Make<TExDateTimePicker>();
    int timeChanges = 0, changes = 0;
    ex->OnTimeChange = [&](TObject*) { ++timeChanges; };
    ex->OnChange = [&](TObject*) { ++changes; };
    QPointer<TCustomDateTimePicker> first = ex->TimePicker();
    ASSERT_TRUE(first);
    ex->SetKind(dkDate);
    EXPECT_FALSE(first);  // freed
    EXPECT_EQ(ex->TimePicker(), nullptr);
    ex->SetKind(dkTime);
    EXPECT_EQ(ex->TimePicker(), nullptr);
    EXPECT_EQ(ex->TDateTimePicker::Kind(), dtkTime);
    ex->SetKind(dkDateTime);
    TCustomDateTimePicker* second = ex->TimePicker();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->TDateTimePicker::Kind(), dtkTime);
    timeChanges = changes = 0;
    second->setTime(QTime(1, 2, 3));
    EXPECT_EQ(timeChanges, 1);
    EXPECT_EQ(changes, 1);

    // Placement: a = the time text's width + 31; b = 4 with a bevel.
    struct Branch {
        const char* name;
        TPickerPlatform platform;
        bool metro;
        bool bevel;
        int xOffset;  // x = Width - a - xOffset
        int y;
        int heightLess;  // height = Height - heightLess
    };
    const Branch branches[] = {
        {"themed, metro", {true, true, true, true}, true, false, 21, 1, 2},
        {"themed", {true, true, true, true}, false, false, 34, 1, 2},
        {"themed, bevel", {true, true, true, true}, false, true, 38, 1, 6},
        {"themes off", {true, true, true, false}, false, false, 21, 2, 4},
        {"no theme library", {true, true, false, true}, false, false, 23, -2, 0},
        {"no common controls 6, bevel", {true, false, true, true}, false, true, 27, -2, 4},
        {"before Vista", {false, true, true, true}, false, true, 21, -2, 0},
    };
    for (const Branch& branch : branches) {
        SCOPED_TRACE(branch.name);
        SetPickerPlatformProbe([p = branch.platform] { return p; });
        ex->SetMetroStyle(branch.metro);
        ex->SetBevelKind(branch.bevel ? bkSoft : bkNone);
        ex->SetKind(dkDateTime);
        TCustomDateTimePicker* picker = ex->TimePicker();
        const int a = QFontMetrics(ex->font()).horizontalAdvance(picker->Text()) + 31;
        EXPECT_EQ(picker->geometry(), QRect(ex->width() - a - branch.xOffset, branch.y, a, ex->height() - branch.heightLess));
    }
}

TEST_F(DateTimePickersTest, UncheckingTheDateDisablesTheTimePart) {
    auto* ex = Make<TExDateTimePicker>();
    ex->SetShowCheckbox(true);
    int changes = 0;
    ex->OnChange = [&](TObject*) { ++changes; };
    ASSERT_TRUE(ex->TimePicker()->isEnabled());
    QTest::mouseClick(ex->CheckBoxWidget(), Qt::LeftButton);
    EXPECT_FALSE(ex->Checked());
    EXPECT_FALSE(ex->TimePicker()->isEnabled());
    QTest::mouseClick(ex->CheckBoxWidget(), Qt::LeftButton);
    EXPECT_TRUE(ex->TimePicker()->isEnabled());
    EXPECT_EQ(changes, 2);
    // Disabling the picker disables its time part whatever the check box says.
    ex->setEnabled(false);
    EXPECT_FALSE(ex->TimePicker()->isEnabled());
}

TEST_F(DateTimePickersTest, AutoTabWalksTheDateFieldsIntoTheTimePart) {
    auto* ex = Make<TExDateTimePicker>();
    ex->SetFormat("dd/MM/yyyy");
    ex->SetAutoTab(true);
    ex->SetDateTime(QDateTimeToDateTime(QDateTime(QDate(2024, 3, 5), QTime(10, 0))));
    ex->setFocus(Qt::OtherFocusReason);
    ex->SelectSection(0);
    QTest::keyClicks(ex, "1");  // day 05 -> 01: on to the month
    Settle();
    EXPECT_EQ(ex->date().day(), 1);
    EXPECT_EQ(ex->SectionIndex(), 1);
    ex->SelectSection(2);
    QTest::keyClicks(ex, "2025");  // the year, last field of the format: on to the time part
    Settle();
    EXPECT_EQ(ex->date().year(), 2025);
    EXPECT_TRUE(ex->TimePicker()->hasFocus());
}

TEST_F(DateTimePickersTest, TimePickerAdvancesOnlyWhenTheDigitChangedTheHour) {
    const struct {
        QTime start;
        const char* digit;
        int section;  // after the digit
    } cases[] = {
        {QTime(10, 20, 30), "1", 1},
        {QTime(1, 20, 30), "1", 0},  // 01 stays 01: no advance
    };
    for (const auto& c : cases) {
        auto* picker = Make<TCustomDateTimePicker>();
        picker->SetKind(dtkTime);
        picker->SetFormat("HH:mm:ss");
        picker->SetAutoTab(true);
        picker->setTime(c.start);
        picker->setFocus(Qt::OtherFocusReason);
        picker->SelectSection(0);
        QTest::keyClicks(picker, c.digit);
        Settle();
        EXPECT_EQ(picker->SectionIndex(), c.section) << c.start.toString().toStdString();
        delete picker;
    }
}

TEST_F(DateTimePickersTest, PlatformPaintsAloneWithout3DOffOrMetro) {
    const QDateTime moment(QDate(2024, 3, 5), QTime(10, 0));
    auto* plain = new TDateTimePicker(nullptr, Window.get());
    plain->SetBounds(100, 10, 200, 24);
    plain->setDateTime(moment);
    auto* asg = Make<TAsgDateTimePicker>(50);
    asg->setDateTime(moment);
    asg->SetBorderColor(RGBColor(200, 0, 0));  // stored; without metro nothing paints it
    plain->show();
    Settle();
    EXPECT_EQ(asg->grab().toImage(), plain->grab().toImage());
}

TEST_F(DateTimePickersTest, CustomPickerOutlineTakesTheParentOrTheThemedColour) {
    auto* custom = Make<TCustomDateTimePicker>();
    const QImage shot = custom->grab().toImage();
    EXPECT_EQ(FromQColor(shot.pixelColor(0, 5)), ParentBrushColorOf(custom));
    TCustomDateTimePicker alone(nullptr);
    alone.resize(200, 24);
    // Without a parent the themed platform's outline colour is drawn.
    EXPECT_EQ(FromQColor(alone.grab().toImage().pixelColor(0, 5)), kThemedOutlineColor);
}

TEST_F(DateTimePickersTest, MetroButtonTakesItsColourAndHotColour) {
    auto* ex = Make<TExDateTimePicker>();
    ex->SetKind(dkDate);
    ex->SetMetroStyle(true);
    ex->SetButtonColor(RGBColor(0, 120, 215));
    ex->SetButtonColorHot(RGBColor(0, 200, 0));
    const QPoint inButton(ex->width() - ex->ButtonWidth() / 2, 4);
    EXPECT_EQ(FromQColor(ex->grab().toImage().pixelColor(inButton)), RGBColor(0, 120, 215));
    QTest::mouseMove(ex, QPoint(ex->width() - 3, 12));
    EXPECT_TRUE(ex->ButtonHover());
    EXPECT_EQ(FromQColor(ex->grab().toImage().pixelColor(inButton)), RGBColor(0, 200, 0));
}

TEST_F(DateTimePickersTest, LabelStandsBesideThePickerAndReportsClicks) {
    auto* ex = Make<TExDateTimePicker>();
    ex->SetLabelCaption("Start:");
    TLabel* label = ex->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), Window.get());
    const int tw = QFontMetrics(label->font()).horizontalAdvance("Start:");
    EXPECT_EQ(label->pos(), QPoint(100 - tw - 4, 10));
    ex->SetLabelPosition(lpRighBottom);
    EXPECT_EQ(label->pos(), QPoint(100 + 200 + 4, 10 + 24 - label->height()));
    TObject* sender = nullptr;
    ex->OnLabelClick = [&](TObject* s) { sender = s; };
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(sender, ex);
    ex->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    ex->hide();
    EXPECT_FALSE(label->isVisible());
}

}  // namespace
