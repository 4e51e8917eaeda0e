// Screenshots of flat combos in a real window under X (xcb platform): the platform look,
// flat, framed, in colour tones, focused with a focus colour and a bold label, and
// disabled, once with an active visual style and once in the classic drawing. Runs only
// on the xcb platform (scripts/test-x11 starts Xvfb); GRID_SCREENSHOTS names the folder
// the PNGs are written to.

#include "controls/office_theme.h"
#include "grid/edit/flat_combo.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class X11FlatComboScreenshot : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
    }
    void TearDown() override { SetVisualStyleProbe(nullptr); }
};

TEST_P(X11FlatComboScreenshot, FlatCombosLookFinished) {
    const bool themed = GetParam();
    if (!themed) SetVisualStyleProbe([] { return TVisualStyleState{false, QString()}; });
    QWidget window;
    window.setWindowTitle(QStringLiteral("Flat combos"));
    window.resize(520, 330);
    auto add = [&](int top, const QString& caption) {
        auto* combo = new TAsgComboBox(nullptr, &window);
        combo->SetBounds(150, top, 160, 22);
        combo->Items().Assign({"Switch", "Dimming", "Scene", "Blind"});
        combo->SetItemIndex(1);
        combo->SetLabelCaption(caption);
        combo->SetLabelPosition(lpLeftCenter);
        return combo;
    };
    add(20, "Platform:");
    add(60, "Flat:")->SetFlat(true);
    TAsgComboBox* framed = add(100, "Border colour:");
    framed->SetBorderColor(RGBColor(0, 84, 166));
    TAsgComboBox* tones = add(140, "Colour tones:");
    tones->SetBorderColor(RGBColor(160, 160, 160));
    tones->SetButtonColor(RGBColor(230, 230, 230));
    tones->SetButtonColorHot(RGBColor(200, 220, 240));
    tones->SetButtonColorDown(RGBColor(160, 190, 220));
    tones->SetButtonBorderColor(RGBColor(160, 160, 160));
    TAsgComboBox* list = add(180, "List, flat line:");
    list->SetStyle(csDropDownList);
    list->SetFlat(true);
    list->SetFlatLineColor(RGBColor(0, 120, 215));
    TAsgComboBox* disabled = add(220, "Disabled:");
    disabled->SetDisabledBorder(false);
    disabled->SetEnabled(false);
    TAsgComboBox* focused = add(260, "Focused:");
    focused->Init();
    focused->SetFocusColor(RGBColor(255, 255, 200));
    focused->SetFocusLabel(true);
    focused->SetFocusBorderColor(RGBColor(0, 120, 215));
    TAsgComboBox* right = add(20, "Right");
    right->SetBounds(370, 60, 100, 22);
    right->SetLabelPosition(lpTopLeft);
    right->SetFlat(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    focused->SetFocus();
    QTest::qWait(300);

    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    ASSERT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(QDir(folder).filePath(themed ? "flat-combos-themed.png" : "flat-combos-classic.png")));
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, X11FlatComboScreenshot, ::testing::Values(true, false));

}  // namespace
