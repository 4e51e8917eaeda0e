#include "drop_down_fixture.h"

#include "dropdowns/color_picker_drop_down.h"
#include "fake_timer.h"

namespace {

TEST(ColorValueText, TextsOfAColourValue) {
    const struct {
        TColor color;
        TColorValueText kind;
        const char* expected;
    } cases[] = {
        {0x0000FF, cvtHTML, "#FF0000"},
        {0x0000FF, cvtRGB, "Red:255,Green:0,Blue:0"},
        {0x0000FF, cvtHex, "0000FF"},
        {0x0000FF, cvtWebName, "Red"},
        {0xFFFF00, cvtWebName, "Aqua"},  // shared with Cyan: the first name wins
        {0x563412, cvtWebName, "#123456"},
        {0x0000FF, cvtNone, ""},
        {0xABCDEF, cvtHex, "ABCDEF"},
        {0x00000A, cvtHex, "00000A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorValueText(c.color, c.kind), QString::fromLatin1(c.expected)) << c.expected;
    // A system colour shows the value it stands for.
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(ColorValueText(clBtnFace, cvtRGB),
              QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(GetRValue(face)).arg(GetGValue(face)).arg(GetBValue(face)));
}

class ColorPickerTest : public DropDownWindowTest {
protected:
    void SetUp() override {
        DropDownWindowTest::SetUp();
        Fakes = std::make_unique<FakeTimersScope>();
        Picker = Make<TExColorPickerDropDown>();
        Picker->AddDefaultColors();
        Picker->OnSelect = [this](TObject*) { ++Selects; };
        KeyTimer = Fakes->Timers.at(0);
    }
    void TearDown() override {
        DropDownWindowTest::TearDown();
        Fakes.reset();
    }
    void Open() {
        Picker->ShowDropDown();
        ASSERT_TRUE(Picker->DroppedDown());
    }
    void KeyInPopUp(Qt::Key key) { QTest::keyClick(PopUpKeyTarget(Picker), key); }

    std::unique_ptr<FakeTimersScope> Fakes;
    TExColorPickerDropDown* Picker = nullptr;
    FakeTimer* KeyTimer = nullptr;
    int Selects = 0;
};

TEST_F(ColorPickerTest, IndexAndColourSelectEachOther) {
    EXPECT_EQ(Picker->Colors().Count(), 16);
    Picker->SetSelectedColor(0x0000FF);
    EXPECT_EQ(Picker->ItemIndex(), 9);
    EXPECT_EQ(Picker->SelectedColorText(), "Red");
    EXPECT_EQ(Selects, 1);
    Picker->SetItemIndex(16);
    EXPECT_EQ(Picker->ItemIndex(), 9);
    EXPECT_EQ(Selects, 1);
    Picker->SetItemIndex(-1);
    EXPECT_EQ(Picker->SelectedColor(), 0x0000FF);
    EXPECT_EQ(Selects, 2);
    // Without an item the text follows ColorValueText.
    EXPECT_EQ(Picker->SelectedColorText(), "");
    Picker->SetColorValueText(cvtHTML);
    EXPECT_EQ(Picker->SelectedColorText(), "#FF0000");
    // A colour no item holds keeps the index.
    Picker->SetItemIndex(3);
    Picker->SetSelectedColor(0x123456);
    EXPECT_EQ(Picker->ItemIndex(), 3);
}

TEST_F(ColorPickerTest, KeysOnTheClosedEditMoveThroughTheColours) {
    const struct {
        int start;
        Qt::Key key;
        int expected;
    } cases[] = {{-1, Qt::Key_Down, 0}, {4, Qt::Key_Down, 5},  {15, Qt::Key_Down, 15}, {-1, Qt::Key_Up, 0},
                 {4, Qt::Key_Up, 3},    {6, Qt::Key_Home, 0}, {6, Qt::Key_End, 15}};
    for (const auto& c : cases) {
        Picker->SetItemIndex(c.start);
        QTest::keyClick(Picker, c.key);
        EXPECT_EQ(Picker->ItemIndex(), c.expected) << c.start << " key " << c.key;
        EXPECT_FALSE(Picker->DroppedDown());
    }
}

TEST_F(ColorPickerTest, KeysInTheOpenListMoveLiveAndCancelPutsTheIndexBack) {
    Picker->SetItemIndex(2);
    Open();
    Selects = 0;
    KeyInPopUp(Qt::Key_Down);
    KeyInPopUp(Qt::Key_Down);
    EXPECT_TRUE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 4);
    EXPECT_EQ(Selects, 2);
    KeyInPopUp(Qt::Key_Escape);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 2);
    EXPECT_EQ(Selects, 3);

    Open();
    Picker->SetItemIndex(12);
    Picker->ItemSelector()->SetItemIndex(12);
    const int visible = Picker->ItemSelector()->GetVisibleItemCount();
    ASSERT_GT(visible, 0);
    KeyInPopUp(Qt::Key_PageDown);
    EXPECT_EQ(Picker->ItemIndex(), std::min(12 + visible, 15));
    KeyInPopUp(Qt::Key_Return);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), std::min(12 + visible, 15));
}

TEST_F(ColorPickerTest, TypingLooksTheCaptionsUpWithinABurst) {
    Open();
    KeyInPopUp(Qt::Key_B);
    EXPECT_EQ(Picker->CurrentSearch(), "B");
    EXPECT_EQ(Picker->SelectedColorText(), "Black");
    KeyInPopUp(Qt::Key_Shift);
    KeyInPopUp(Qt::Key_F2);
    EXPECT_EQ(Picker->CurrentSearch(), "B");
    KeyInPopUp(Qt::Key_L);
    EXPECT_EQ(Picker->CurrentSearch(), "BL");
    EXPECT_EQ(Picker->SelectedColorText(), "Black");
    KeyInPopUp(Qt::Key_U);
    EXPECT_EQ(Picker->SelectedColorText(), "Blue");
    EXPECT_TRUE(Picker->DroppedDown());
    // 500 ms after the first key the search starts again.
    ASSERT_TRUE(KeyTimer->running);
    KeyTimer->Fire();
    EXPECT_EQ(Picker->CurrentSearch(), "");
    KeyInPopUp(Qt::Key_T);
    EXPECT_EQ(Picker->SelectedColorText(), "Teal");
}

TEST_F(ColorPickerTest, AClickOnAnEntryChoosesItAndCloses) {
    Open();
    TExCustomItemSelector* selector = Picker->ItemSelector();
    TRect r;
    selector->ItemSelectorPanel()->GetItemRect(5, r);
    QWidget* panel = selector->ItemSelectorPanel();
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 5);
    EXPECT_EQ(Picker->SelectedColor(), 0x800080);
}

}  // namespace
