// Screenshots of the spin edit with its up arrow held, the unit edit with its menu open
// and the edit with a button, in a real window under X (xcb platform), themed and
// classic. Runs only on the xcb platform (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS
// names the folder the PNGs are written to.

#include "controls/office_theme.h"
#include "fake_timer.h"
#include "grid/edit/spin_edit.h"
#include "grid/edit/unit_edit_button.h"
#include "platform/standard_controls.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class X11SpecialEditsScreenshot : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    }
    void TearDown() override { SetVisualStyleProbe(nullptr); }
};

TEST_P(X11SpecialEditsScreenshot, SpinUnitAndButtonEditsLookFinished) {
    const bool themed = GetParam();
    if (!themed) SetVisualStyleProbe([] { return TVisualStyleState{false, QString()}; });
    FakeTimersScope timers;  // the held arrow must not run away while the shot is taken
    QWidget window;
    window.setWindowTitle(QStringLiteral("Special edits"));
    window.resize(420, 230);
    auto label = [&](int top, const QString& caption) {
        auto* l = new TLabel(nullptr, &window);
        l->SetCaption(caption);
        l->setGeometry(16, top + 4, 130, 20);
    };
    label(20, "Spin (held up):");
    auto* spin = new TAsgSpinEdit(nullptr, &window);
    spin->SetBounds(150, 20, 120, 24);
    spin->SetIsWinXP(true);
    spin->SetValue(42);
    label(60, "Spin, colour tones:");
    auto* tones = new TAsgSpinEdit(nullptr, &window);
    tones->SetBounds(150, 60, 120, 24);
    tones->SetSpinType(sptFloat);
    tones->SetPrecision(2);
    tones->SetFloatValue(3.5);
    tones->Button()->SetButtonColor(RGBColor(230, 230, 230));
    tones->Button()->SetButtonColorHot(RGBColor(200, 220, 240));
    tones->Button()->SetButtonColorDown(RGBColor(160, 190, 220));
    label(100, "Edit with button:");
    auto* edit = new TAsgEditBtn(nullptr, &window);
    edit->SetBounds(150, 100, 160, 24);
    edit->SetIsWinXP(true);
    edit->SetButtonWidth(24);
    edit->SetButtonCaption(QStringLiteral("..."));
    edit->SetText(QStringLiteral("C:/Projects/Hall"));
    label(140, "Unit edit:");
    auto* unit = new TAsgUnitEditBtn(nullptr, &window);
    unit->SetBounds(150, 140, 120, 24);
    unit->SetIsWinXP(true);
    unit->SetUnitSpace(26);
    // As the grid gives its unit editor: the button shows "...", not an empty face.
    unit->SetButtonCaption(QStringLiteral("..."));
    TStringList units;
    for (const char* u : {"mm", "cm", "m", "km"}) units.Add(QString::fromLatin1(u));
    unit->SetUnits(&units);
    unit->SetTextAndUnit(QStringLiteral("250mm"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTest::qWait(200);

    TExTimerSpeedButton* up = spin->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
    unit->ClickBtn(unit);
    ASSERT_NE(unit->UnitMenu(), nullptr);
    QTest::qWait(300);

    const QImage shot = window.screen()->grabWindow(0).toImage().copy(
        QRect(window.frameGeometry().topLeft(), QSize(window.frameGeometry().width(), 300)));
    QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(themed ? "special-edits-themed.png" : "special-edits-classic.png")));
    }
    unit->UnitMenu()->close();
}

INSTANTIATE_TEST_SUITE_P(Styles, X11SpecialEditsScreenshot, ::testing::Values(true, false));

}  // namespace
