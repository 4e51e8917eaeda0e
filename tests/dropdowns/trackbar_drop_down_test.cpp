#include "drop_down_fixture.h"

#include "dropdowns/trackbar_drop_down.h"
#include "platform/track_bar.h"

namespace {

using TrackBarTest = DropDownWindowTest;

TEST_F(TrackBarTest, UpAndDownStepByTheFrequencyWithinMinAndMax) {
    auto* dropDown = Make<TExTrackBarDropDown>();
    dropDown->SetPosition(10);
    QTest::keyClick(dropDown, Qt::Key_Down);
    EXPECT_EQ(dropDown->Position(), 10);
    dropDown->SetFrequency(3);
    QTest::keyClick(dropDown, Qt::Key_Up);
    EXPECT_EQ(dropDown->Position(), 7);
    EXPECT_EQ(dropDown->Text(), "7");
    QTest::keyClick(dropDown, Qt::Key_Up);
    QTest::keyClick(dropDown, Qt::Key_Up);
    QTest::keyClick(dropDown, Qt::Key_Up);
    EXPECT_EQ(dropDown->Position(), 1);
    EXPECT_FALSE(dropDown->DroppedDown());
}

TEST_F(TrackBarTest, PositionIsReadBackClampedFromTheTrackBar) {
    auto* dropDown = Make<TExTrackBarDropDown>();
    dropDown->SetPosition(25);
    EXPECT_EQ(dropDown->Position(), 10);
    dropDown->SetPosition(-3);
    EXPECT_EQ(dropDown->Position(), 0);
}

TEST_F(TrackBarTest, ADragOverTheEditMovesByOnePerPageSizePixels) {
    auto* dropDown = Make<TExTrackBarDropDown>();
    dropDown->SetPosition(2);
    auto drag = [&](std::initializer_list<int> xs) {
        const TKeyboardStateScope keyboard(Qt::NoModifier);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 10), dropDown->mapToGlobal(QPointF(50, 10)),
                          Qt::RightButton, Qt::RightButton, {});
        QApplication::sendEvent(dropDown, &press);
        for (int x : xs) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, 10), dropDown->mapToGlobal(QPointF(x, 10)), Qt::NoButton,
                             Qt::RightButton, {});
            QApplication::sendEvent(dropDown, &move);
        }
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 10), dropDown->mapToGlobal(QPointF(50, 10)),
                            Qt::RightButton, Qt::NoButton, {});
        QApplication::sendEvent(dropDown, &release);
    };
    drag({57});
    EXPECT_EQ(dropDown->Position(), 5) << "+7 pixels with page size 2";
    drag({49, 48, 47, 46});
    EXPECT_EQ(dropDown->Position(), 5) << "-1 pixel per move never moves";
    dropDown->SetPageSize(0);
    drag({52});
    EXPECT_EQ(dropDown->Position(), 7) << "page size 0 counts as 1";
}

TEST_F(TrackBarTest, TheTrackBarWritesTheNumberAndEscPutsBackTheStart) {
    auto* dropDown = Make<TExTrackBarDropDown>();
    dropDown->SetPosition(4);
    int changes = 0;
    dropDown->OnTrackChange = [&](TObject*) { ++changes; };
    dropDown->ShowDropDown();
    ASSERT_TRUE(dropDown->DroppedDown());
    dropDown->TrackBar()->SetPosition(8);
    EXPECT_EQ(dropDown->Text(), "8");
    EXPECT_EQ(dropDown->Position(), 8);
    EXPECT_EQ(changes, 1);
    QTest::keyClick(dropDown->TrackBar(), Qt::Key_Escape);
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_EQ(dropDown->Text(), "4");
    EXPECT_EQ(dropDown->Position(), 4);
}

TEST_F(TrackBarTest, TypedTextThatIsNoWholeNumberLeavesThePosition) {
    auto* dropDown = Make<TExTrackBarDropDown>();
    dropDown->SetEditorEnabled(true);
    dropDown->SetPosition(6);
    dropDown->SetTextDirect("");
    EXPECT_EQ(dropDown->Position(), 6);
    dropDown->SetTextDirect("3");
    EXPECT_EQ(dropDown->Position(), 3);
}

}  // namespace
