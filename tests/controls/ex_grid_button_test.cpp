// The grid pack's button: groups, AllowAllUp, check style, release outside, presets and
// the visual-style probe, all through real mouse input on a real widget.

#include "controls/ex_grid_button.h"
#include "controls/office_theme.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace {

void ClickAt(QWidget* w, QPoint press, QPoint release) {
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, release);
}

TEST(ExGridButton, CheckStyleFlipsOnEveryClickInsideOnly) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.SetStyle(tasCheck);
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    ClickAt(&button, {5, 5}, {5, 5});
    EXPECT_TRUE(button.Down());
    ClickAt(&button, {5, 5}, {5, 5});
    EXPECT_FALSE(button.Down());
    // Released outside: no state change and no Click.
    ClickAt(&button, {5, 5}, {60, 60});
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks, 2);
}

TEST(ExGridButton, GroupMembersAreExclusive) {
    QWidget parent;
    TExGridButton first(nullptr, &parent);
    TExGridButton second(nullptr, &parent);
    first.SetGroupIndex(1);
    second.SetGroupIndex(1);
    ClickAt(&first, {5, 5}, {5, 5});
    EXPECT_TRUE(first.Down());
    ClickAt(&second, {5, 5}, {5, 5});
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());
    // Without AllowAllUp the down button stays down.
    second.SetDown(false);
    EXPECT_TRUE(second.Down());
    second.SetAllowAllUp(true);
    EXPECT_TRUE(first.AllowAllUp());  // the group takes the setting
    second.SetDown(false);
    EXPECT_FALSE(second.Down());
    // A plain button never stays down.
    TExGridButton plain(nullptr, &parent);
    plain.SetDown(true);
    EXPECT_FALSE(plain.Down());
}

TEST(ExGridButton, LooksAndThemeAdaptation) {
    TExGridButton button(nullptr);
    button.SetLook(2);
    EXPECT_EQ(button.Color, TColor(0xFDEADA));
    EXPECT_FALSE(button.Rounded);
    button.SetLook(7);  // unknown: nothing changes
    EXPECT_EQ(button.Look(), 2);
    EXPECT_EQ(button.Color, TColor(0xFDEADA));
    button.SetLook(0);
    EXPECT_TRUE(button.Rounded);

    const struct {
        bool active;
        const char* name;
        int look;
    } cases[] = {{true, "NormalColor", 2}, {true, "HomeStead", 3}, {true, "Metallic", 4},
                 {true, "metallic", 1},    {false, "NormalColor", 1}};
    for (const auto& c : cases) {
        SetVisualStyleProbe([&] { return TVisualStyleState{c.active, c.name}; });
        button.SetAutoThemeAdapt(true);
        EXPECT_EQ(button.Look(), c.look) << c.name;
    }
    SetVisualStyleProbe({});
}

TEST(ExGridButton, PaintsTheCheckedFaceWhileDown) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.SetStyle(tasCheck);
    button.ColorChecked = 0x0000FF;  // red
    button.SetDown(true);
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(10, 10), QColor(255, 0, 0));
    button.SetDown(false);
    button.Color = 0x00FF00;
    EXPECT_EQ(button.grab().toImage().pixelColor(10, 10), QColor(0, 255, 0));
}

TEST(ExGridButton, EachLookPaintsItsFaceAndPressedBorder) {
    const TColor faces[] = {0xEDF1F1, clBtnFace, 0xFDEADA, 0xCFF0EA, 0xECE2E1, clBtnFace, 0xCAFFFF};
    for (int look = 0; look < 7; ++look) {
        QWidget parent;
        TExGridButton button(nullptr, &parent);
        button.resize(40, 30);
        button.SetLook(look);
        const TColor face = ColorToRGB(faces[look]);
        EXPECT_EQ(button.grab().toImage().pixelColor(1, 1), QColor(GetRValue(face), GetGValue(face), GetBValue(face)))
            << "look " << look;
        // A down check button shows the pressed border where the look has one.
        button.SetStyle(tasCheck);
        button.SetDown(true);
        if (button.BorderDownColor == clNone) continue;
        const TColor border = ColorToRGB(button.BorderDownColor);
        EXPECT_EQ(button.grab().toImage().pixelColor(0, 15),
                  QColor(GetRValue(border), GetGValue(border), GetBValue(border)))
            << "look " << look;
    }
}

}  // namespace
