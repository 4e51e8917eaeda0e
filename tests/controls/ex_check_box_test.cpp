// The grid pack's check box under real mouse and key input.

#include "controls/ex_check_box.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace {

TEST(ExCheckBox, MouseAndSpaceToggleAndClick) {
    const struct {
        bool readOnly;
        bool releaseOutside;
        bool useSpace;
        bool toggles;
        int clicks;
    } cases[] = {
        {false, false, false, true, 1}, {false, true, false, false, 0}, {false, false, true, true, 1},
        {true, false, false, false, 1}, {true, false, true, false, 1},
    };
    for (const auto& c : cases) {
        QWidget parent;
        TExCheckBox box(nullptr, &parent);
        box.ReadOnly = c.readOnly;
        int clicks = 0;
        box.OnClick = [&](TObject*) { ++clicks; };
        if (c.useSpace) {
            box.setFocus();
            QTest::keyPress(&box, Qt::Key_Space);
            EXPECT_TRUE(box.Down());
            QTest::keyRelease(&box, Qt::Key_Space);
        } else {
            QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, {5, 5});
            QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, c.releaseOutside ? QPoint(300, 5) : QPoint(5, 5));
        }
        EXPECT_EQ(box.Checked(), c.toggles) << c.readOnly << c.releaseOutside << c.useSpace;
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_FALSE(box.Down());
    }
}

TEST(ExCheckBox, StatesAndDefaults) {
    TExCheckBox box(nullptr);
    EXPECT_EQ(box.Caption(), "TExCheckBox");
    EXPECT_EQ(box.width(), 98);
    box.SetState(cbGrayed);
    EXPECT_FALSE(box.Checked());
    box.Toggle();
    EXPECT_TRUE(box.Checked());
    box.SetChecked(false);
    EXPECT_EQ(box.State(), cbUnchecked);
    // Every state paints.
    for (TCheckBoxState s : {cbUnchecked, cbChecked, cbGrayed}) {
        box.SetState(s);
        EXPECT_FALSE(box.grab().toImage().isNull());
    }
}

}  // namespace
