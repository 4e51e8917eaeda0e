#include "drop_down_fixture.h"

#include "dropdowns/drop_down_button.h"

namespace {

using PopUpTest = DropDownWindowTest;

QPoint ButtonCentre(TExCustomDropDown* dropDown) {
    return dropDown->Button()->InnerButton()->rect().center();
}

void ClickDropButton(TExCustomDropDown* dropDown) {
    QTest::mouseClick(dropDown->Button()->InnerButton(), Qt::LeftButton, {}, ButtonCentre(dropDown));
}

TEST_F(PopUpTest, TheButtonOpensOnTheReleaseOfTheLeftButton) {
    auto* dropDown = Make();
    QTest::mousePress(dropDown->Button()->InnerButton(), Qt::LeftButton, {}, ButtonCentre(dropDown));
    EXPECT_FALSE(dropDown->DroppedDown());
    QTest::mouseRelease(dropDown->Button()->InnerButton(), Qt::LeftButton, {}, ButtonCentre(dropDown));
    EXPECT_TRUE(dropDown->DroppedDown());
    EXPECT_TRUE(dropDown->DropDownForm()->isVisible());
    EXPECT_TRUE(dropDown->DropDownForm()->windowFlags().testFlag(Qt::Popup));
    EXPECT_EQ(dropDown->BeforeCount, 1);
}

TEST_F(PopUpTest, KeysOpenAndCloseIt) {
    auto* dropDown = Make();
    QTest::keyClick(dropDown, Qt::Key_F4);
    EXPECT_TRUE(dropDown->DroppedDown());
    QTest::keyClick(PopUpKeyTarget(dropDown), Qt::Key_F4);
    EXPECT_FALSE(dropDown->DroppedDown());
    QTest::keyClick(dropDown, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(dropDown->DroppedDown());
    QTest::keyClick(PopUpKeyTarget(dropDown), Qt::Key_Up, Qt::AltModifier);
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_TRUE(dropDown->hasFocus());
}

TEST_F(PopUpTest, WithTypingOffAClickOnTheEditOpensItAndOnlyEnterAndEscReachTheKeyHandlers) {
    auto* dropDown = Make();
    dropDown->SetEditorEnabled(false);
    std::vector<WORD> keys;
    dropDown->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { keys.push_back(Key); };
    int characters = 0;
    dropDown->OnKeyPress = [&](TObject*, QChar&) { ++characters; };
    QTest::keyClicks(dropDown, "ab");
    QTest::keyClick(dropDown, Qt::Key_Return);
    QTest::keyClick(dropDown, Qt::Key_Escape);
    EXPECT_EQ(keys, (std::vector<WORD>{VK_RETURN, VK_ESCAPE}));
    EXPECT_EQ(characters, 0);
    EXPECT_EQ(dropDown->Text(), "");
    QTest::mouseClick(dropDown, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(dropDown->DroppedDown());
}

TEST_F(PopUpTest, ARefusingOnDropDownKeepsItClosedAfterBeforeDropDownRan) {
    auto* dropDown = Make();
    dropDown->OnDropDown = [](TObject*, bool& accept) { accept = false; };
    ClickDropButton(dropDown);
    EXPECT_EQ(dropDown->BeforeCount, 1);
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_FALSE(dropDown->DropDownForm()->isVisible());
}

TEST_F(PopUpTest, ItDoesNotOpenWhileDisabledOrReadOnly) {
    auto* dropDown = Make();
    dropDown->SetReadOnly(true);
    dropDown->ShowDropDown();
    EXPECT_FALSE(dropDown->DroppedDown());
    dropDown->SetReadOnly(false);
    dropDown->setEnabled(false);
    dropDown->ShowDropDown();
    EXPECT_FALSE(dropDown->DroppedDown());
}

TEST_F(PopUpTest, AClickOutsideClosesItAndTheButtonWaits250MsBeforeReopening) {
    auto* dropDown = Make();
    bool cancelled = false;
    dropDown->OnDropUp = [&](TObject*, bool Cancelled) { cancelled = Cancelled; };
    ClickDropButton(dropDown);
    ASSERT_TRUE(dropDown->DroppedDown());
    ClickThroughWindow(Other, QPoint(5, 5));
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(dropDown->DropDownForm()->DeActivateTime(), std::uint32_t(Now));

    Tick(250);
    ClickDropButton(dropDown);
    EXPECT_FALSE(dropDown->DroppedDown());
    Tick(1);
    ClickDropButton(dropDown);
    EXPECT_TRUE(dropDown->DroppedDown());
}

TEST_F(PopUpTest, AClickOnTheButtonOfTheOpenPopUpClosesItWithoutReopening) {
    auto* dropDown = Make();
    ClickDropButton(dropDown);
    ASSERT_TRUE(dropDown->DroppedDown());
    ClickThroughWindow(dropDown->Button()->InnerButton(), ButtonCentre(dropDown));
    EXPECT_FALSE(dropDown->DroppedDown());
}

TEST_F(PopUpTest, WhileActivationIsBlockedAClickOutsideDoesNothing) {
    auto* dropDown = Make();
    ClickDropButton(dropDown);
    dropDown->DropDownForm()->SetBlockActivate(true);
    ClickThroughWindow(Other, QPoint(5, 5));
    EXPECT_TRUE(dropDown->DroppedDown());
    dropDown->DropDownForm()->SetBlockActivate(false);
    ClickThroughWindow(Other, QPoint(5, 5));
    EXPECT_FALSE(dropDown->DroppedDown());
}

TEST_F(PopUpTest, WithoutCancelOnDeActivateAClickOutsideKeepsTheText) {
    auto* dropDown = Make();
    ClickDropButton(dropDown);
    dropDown->DropDownForm()->SetCancelOnDeActivate(false);
    dropDown->SetTextDirect("changed");
    ClickThroughWindow(Other, QPoint(5, 5));
    EXPECT_EQ(dropDown->Text(), "changed");
}

TEST_F(PopUpTest, EnterKeepsAndEscRestoresTheTextFromTheEditAndFromThePopUp) {
    struct Case {
        const char* name;
        bool inPopUp;
        Qt::Key key;
        const char* expected;
    };
    const Case cases[] = {
        {"Enter in the edit", false, Qt::Key_Return, "typed"},
        {"Esc in the edit", false, Qt::Key_Escape, "start"},
        {"F4 in the edit", false, Qt::Key_F4, "typed"},
        {"Enter in the pop-up", true, Qt::Key_Return, "typed"},
        {"Esc in the pop-up", true, Qt::Key_Escape, "start"},
        {"F4 in the pop-up", true, Qt::Key_F4, "typed"},
    };
    auto* dropDown = Make();
    for (const Case& c : cases) {
        dropDown->SetText("start");
        dropDown->ShowDropDown();
        ASSERT_TRUE(dropDown->DroppedDown()) << c.name;
        dropDown->SetTextDirect("typed");
        QWidget* target = c.inPopUp ? PopUpKeyTarget(dropDown) : dropDown;
        QTest::keyClick(target, c.key);
        EXPECT_FALSE(dropDown->DroppedDown()) << c.name;
        EXPECT_EQ(dropDown->Text(), c.expected) << c.name;
        Tick(1000);
    }
}

TEST_F(PopUpTest, EscRestoresWhatThePopUpOpenedWithEvenAfterDirectWrites) {
    auto* dropDown = Make();
    dropDown->SetText("given");
    dropDown->SetTextDirect("shown");
    dropDown->ShowDropDown();
    dropDown->SetTextDirect("chosen");
    QTest::keyClick(PopUpKeyTarget(dropDown), Qt::Key_Escape);
    EXPECT_EQ(dropDown->Text(), "shown");
}

TEST_F(PopUpTest, KeysOfTheContentReachTheEdit) {
    auto* dropDown = Make();
    dropDown->SetText("start");
    dropDown->SetFocusControl(nullptr);
    dropDown->ShowDropDown();
    dropDown->Content->setFocus();
    dropDown->SetTextDirect("typed");
    QTest::keyClick(dropDown->Content, Qt::Key_Escape);
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_EQ(dropDown->Text(), "start");
}

TEST_F(PopUpTest, TheFocusGoesToTheFocusControlAndBackWithoutExitOrEntry) {
    auto* dropDown = Make();
    int exits = 0, entries = 0;
    dropDown->OnExit = [&](TObject*) { ++exits; };
    dropDown->OnEnter = [&](TObject*) { ++entries; };
    dropDown->SetFocusControl(dropDown->Content);
    dropDown->ShowDropDown();
    EXPECT_TRUE(dropDown->Content->hasFocus());
    QTest::keyClick(dropDown->Content, Qt::Key_Return);
    EXPECT_FALSE(dropDown->DroppedDown());
    EXPECT_TRUE(dropDown->hasFocus());
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(entries, 0);
}

TEST_F(PopUpTest, TheSizeIsComputedRememberedAndResetAndNeverBelowTheMinimum) {
    auto* dropDown = Make();
    dropDown->ShowDropDown();
    TDropDownForm* popUp = dropDown->DropDownForm();
    // Content 150 x 100 plus the frame; no strips.
    EXPECT_EQ(popUp->size(), QSize(150, 102));
    popUp->resize(260, 180);
    dropDown->HideDropDown(false);
    EXPECT_EQ(dropDown->UserDropDownWidth(), 260);
    dropDown->ShowDropDown();
    EXPECT_EQ(popUp->size(), QSize(260, 180));
    dropDown->HideDropDown(false);
    dropDown->SetDropDownWidth(120);
    dropDown->ShowDropDown();
    EXPECT_EQ(popUp->size(), QSize(120, 102));
    dropDown->HideDropDown(false);
    dropDown->SetDropDownWidth(10);
    dropDown->SetDropDownHeight(10);
    dropDown->ShowDropDown();
    EXPECT_EQ(popUp->size(), QSize(80, 50));
}

TEST_F(PopUpTest, TheSizingCornerSizesTheWindowByMouse) {
    auto* dropDown = Make();
    int sizing = 0;
    struct SizingDropDown : PanelDropDown {};
    dropDown->ShowDropDown();
    TDropDownForm* popUp = dropDown->DropDownForm();
    popUp->OnSizing = [&](TObject*) { ++sizing; };
    const QSize before = popUp->size();
    const QPoint corner(before.width() - 3, before.height() - 3);
    QTest::mousePress(popUp, Qt::LeftButton, {}, corner);
    QTest::mouseMove(popUp, corner + QPoint(40, 30));
    QTest::mouseRelease(popUp, Qt::LeftButton, {}, corner + QPoint(40, 30));
    EXPECT_EQ(popUp->size(), before) << "not sizeable by default";

    popUp->SetSizeable(true);
    QTest::mousePress(popUp, Qt::LeftButton, {}, corner);
    QMouseEvent move(QEvent::MouseMove, QPointF(corner + QPoint(40, 30)),
                     QPointF(popUp->mapToGlobal(corner + QPoint(40, 30))), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(popUp, &move);
    QTest::mouseRelease(popUp, Qt::LeftButton, {}, corner + QPoint(40, 30));
    EXPECT_EQ(popUp->size(), before + QSize(40, 30));
    EXPECT_GE(sizing, 1);
}

}  // namespace
