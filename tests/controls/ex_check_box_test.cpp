// The grid pack's check box under real mouse and key input.

#include "controls/ex_check_box.h"

#include <gtest/gtest.h>

#include "controls/office_theme.h"

#include <QLineEdit>
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
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
        box.SetReadOnly(c.readOnly);
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

TEST(ExCheckBox, BoxPlaceFollowsAlignmentAndVerticalAlignThemedAndClassic) {
    // Where a box pixel is found for (themed, alignment, vertical alignment) on a 100 x 40 box.
    const struct {
        bool themed;
        TAlignment alignment;
        TTextLayout valign;
        QRect box;
    } cases[] = {
        {true, taLeftJustify, tlTop, QRect(0, 4, 14, 14)},
        {true, taRightJustify, tlTop, QRect(85, 4, 14, 14)},
        {true, taLeftJustify, tlCenter, QRect(0, 14, 14, 14)},
        {true, taLeftJustify, tlBottom, QRect(0, 26, 14, 14)},
        {false, taLeftJustify, tlTop, QRect(0, 4, 13, 13)},
        {false, taRightJustify, tlBottom, QRect(87, 23, 13, 13)},
    };
    for (const auto& c : cases) {
        SetVisualStyleProbe([&] { return TVisualStyleState{c.themed, "NormalColor"}; });
        QWidget parent;
        TExCheckBox box(nullptr, &parent);
        box.resize(100, 40);
        box.SetColor(0x00FF00);
        box.SetCaption("");
        box.SetAlignment(c.alignment);
        box.SetButtonVertAlign(c.valign);
        const QImage image = box.grab().toImage();
        const QColor green(0, 255, 0);
        // The box's centre is not background; just outside its corner is.
        EXPECT_NE(image.pixelColor(c.box.center()), green) << c.themed << c.alignment << c.valign;
        const QPoint outside = c.alignment == taRightJustify ? c.box.topLeft() - QPoint(2, 0) : c.box.topRight() + QPoint(2, 0);
        EXPECT_EQ(image.pixelColor(outside), green) << c.themed << c.alignment << c.valign;
    }
    SetVisualStyleProbe({});
}

TEST(ExCheckBox, ClassicBoxShowsItsCheckAndTransparentBoxLeavesTheParent) {
    SetVisualStyleProbe([] { return TVisualStyleState{false, ""}; });
    QWidget parent;
    TExCheckBox box(nullptr, &parent);
    box.SetColor(0x00FF00);
    const QImage unchecked = box.grab().toImage();
    box.SetChecked(true);
    EXPECT_NE(box.grab().toImage(), unchecked);
    SetVisualStyleProbe({});

    parent.setAutoFillBackground(true);
    parent.setPalette(QPalette(QColor(255, 0, 0)));
    parent.resize(200, 50);
    box.SetTransparent(true);
    EXPECT_EQ(parent.grab().toImage().pixelColor(90, 2), QColor(255, 0, 0));
    box.SetTransparent(false);
    EXPECT_EQ(parent.grab().toImage().pixelColor(90, 2), QColor(0, 255, 0));
}

TEST(ExCheckBox, EllipsisShortensALongCaption) {
    QWidget parent;
    TExCheckBox box(nullptr, &parent);
    box.resize(60, 20);
    box.SetColor(0xFFFFFF);
    box.SetCaption("A caption far too long for the box");
    const QImage cut = box.grab().toImage();
    box.SetEllipsis(true);
    EXPECT_NE(box.grab().toImage(), cut);
}

TEST(ExCheckBox, AcceleratorTogglesAndReturnCanActAsTab) {
    QWidget parent;
    TExCheckBox box(nullptr, &parent);
    QLineEdit next(&parent);
    box.SetCaption("Match &case");
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    EXPECT_EQ(Perform(&box, CM_DIALOGCHAR, 'C'), 1);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(Perform(&box, CM_DIALOGCHAR, 'x'), 0);
    box.SetReadOnly(true);
    EXPECT_EQ(Perform(&box, CM_DIALOGCHAR, 'c'), 1);
    EXPECT_TRUE(box.Checked());

    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_TRUE(box.hasFocus());
    box.SetReturnIsTab(true);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_TRUE(next.hasFocus());
}

}  // namespace
