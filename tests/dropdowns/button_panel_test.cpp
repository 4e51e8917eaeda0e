#include "dropdowns/button_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

namespace {

class KeypadTest : public ::testing::Test {
protected:
    void SetUp() override {
        Panel = std::make_unique<TCustomButtonPanel>(nullptr);
        Panel->resize(228, 150);
        Panel->CreateDefaultButtons();
        Panel->OnButtonClick = [this](TObject* sender, int index) {
            EXPECT_EQ(sender, Panel.get());
            Clicks.push_back(index);
        };
    }
    TRect Key(int index) { return Panel->Buttons().Items(index)->KeyRect(); }
    QPoint Centre(int index) { return Key(index).ToQRect().center(); }

    std::unique_ptr<TCustomButtonPanel> Panel;
    std::vector<int> Clicks;
};

TEST_F(KeypadTest, TwentyEightKeysWithTheirNamesCodesAndColours) {
    ASSERT_EQ(Panel->Buttons().Count(), 28);
    const struct {
        int index;
        const char* caption;
        const char* name;
        int tag;
        bool special;
    } keys[] = {{0, "", "BTN_ON", 30, false},     {1, "Back", "BTN_BACK", 31, true}, {3, "C", "BTN_C", 16, true},
                {7, "M+", "BTN_M+", 36, true},    {8, "0", "BTN_0", 0, false},       {15, "+/-", "BTN_+/-", 14, false},
                {16, ".", "BTN_.", 15, false},    {20, "/", "BTN_/", 13, true},      {24, "=", "BTN_=", 17, true},
                {25, "1/x", "BTN_1/x", 38, false}, {26, "%", "BTN_%", 18, false},    {27, "sqrt", "BTN_sqrt", 37, true}};
    for (const auto& k : keys) {
        const TButtonItem* item = Panel->Buttons().Items(k.index);
        EXPECT_EQ(item->Caption(), QString::fromLatin1(k.caption)) << k.index;
        EXPECT_EQ(item->Name(), QString::fromLatin1(k.name)) << k.index;
        EXPECT_EQ(item->Tag(), k.tag) << k.index;
        EXPECT_EQ(item->Special(), k.special) << k.index;
        EXPECT_EQ(item->CaptionColor(), k.special ? 0x000080 : 0xFFFFFF) << k.index;
    }
    // Digits carry their own value as key code.
    for (int i = 0; i < 28; ++i) {
        const TButtonItem* item = Panel->Buttons().Items(i);
        if (item->Caption().size() == 1 && item->Caption()[0].isDigit())
            EXPECT_EQ(item->Tag(), item->Caption().toInt()) << i;
    }
    Panel->CreateDefaultButtons();  // keys already there: none added
    EXPECT_EQ(Panel->Buttons().Count(), 28);
    Panel->ResetButtonItems();
    EXPECT_EQ(Panel->Buttons().Count(), 28);
}

TEST_F(KeypadTest, SixColumnsWithSharedBordersInsideA228By150Panel) {
    TRect area;
    Panel->GetButtonArea(area);
    EXPECT_EQ(area, Rect(8, 8, 220, 142));
    const int columns[] = {8, 46, 79, 112, 150, 183};
    const int rows[] = {38, 63, 88, 113};
    const int grid[4][6] = {{4, 11, 12, 19, 20, 27}, {5, 10, 13, 18, 21, 26}, {6, 9, 14, 17, 22, 25}, {7, 8, 15, 16, 23, 24}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(Key(grid[row][column]), Rect(columns[column], rows[row], columns[column] + 34, rows[row] + 26))
                << "key " << grid[row][column];
    EXPECT_EQ(Key(0), Rect(8, 8, 42, 34));
    EXPECT_EQ(Key(1), Rect(46, 8, 100, 34));   // Back, 54 wide
    EXPECT_EQ(Key(2), Rect(104, 8, 158, 34));  // CE
    EXPECT_EQ(Key(3), Rect(162, 8, 217, 34));  // C, 55 wide to the grid's edge

    Panel->show();
    Panel->resize(300, 200);  // a new size arranges again
    EXPECT_EQ(Key(0).Width(), (300 - 16 - 8) / 6);
}

TEST_F(KeypadTest, AClickIsAPressAndReleaseOnTheSameEnabledKey) {
    Panel->Buttons().Items(9)->SetEnabled(false);
    Panel->show();
    QTest::mouseClick(Panel.get(), Qt::LeftButton, {}, Centre(11));  // "7"
    QTest::mouseClick(Panel.get(), Qt::RightButton, {}, Centre(24));  // any button counts
    QTest::mousePress(Panel.get(), Qt::LeftButton, {}, Centre(12));
    EXPECT_EQ(Panel->ButtonDown(), 12);
    QTest::mouseRelease(Panel.get(), Qt::LeftButton, {}, Centre(13));  // released over another key
    EXPECT_EQ(Panel->ButtonDown(), -1);
    QTest::mouseClick(Panel.get(), Qt::LeftButton, {}, Centre(9));  // disabled
    QTest::mouseClick(Panel.get(), Qt::LeftButton, {}, QPoint(3, 3));  // between keys
    EXPECT_EQ(Clicks, (std::vector<int>{11, 24}));
}

TEST_F(KeypadTest, ThePointerMakesKeysHotAndLeavingClearsIt) {
    Panel->Buttons().Items(9)->SetEnabled(false);
    Panel->show();
    QTest::mouseMove(Panel.get(), Centre(20));
    EXPECT_EQ(Panel->ButtonHot(), 20);
    QTest::mouseMove(Panel.get(), Centre(9));
    EXPECT_EQ(Panel->ButtonHot(), -1);
    QTest::mouseMove(Panel.get(), Centre(27));
    EXPECT_EQ(Panel->ButtonHot(), 27);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Panel.get(), &leave);
    EXPECT_EQ(Panel->ButtonHot(), -1);
    Panel->SetButtonHot(99);  // no such key
    EXPECT_EQ(Panel->ButtonHot(), -1);
}

TEST_F(KeypadTest, ACustomPanelMakesAndMovesNoKeys) {
    TCustomButtonPanel custom(nullptr);
    custom.SetButtonPanelType(plCustom);
    custom.resize(228, 150);
    custom.CreateDefaultButtons();
    EXPECT_EQ(custom.Buttons().Count(), 0);
    custom.Buttons().Add()->SetCaption(QStringLiteral("x"));
    custom.show();
    custom.resize(300, 200);
    EXPECT_EQ(custom.Buttons().Items(0)->KeyRect(), Rect(0, 0, 0, 0));
    EXPECT_EQ(custom.ButtonAtPos(0, 0), -1);
}

TEST_F(KeypadTest, KeysAreStyledPushButtonsWithTheAppearancesTextColours) {
    Panel->SetColor(clWhite);
    Panel->show();
    auto keyImage = [&](int index) { return Panel->grab(Key(index).ToQRect()).toImage(); };
    auto hasColour = [](const QImage& image, QColor colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) return true;
        return false;
    };
    Panel->ButtonAppearance().SetSpecialTextColor(clRed);
    Panel->ButtonAppearance().SetTextColor(clBlue);
    EXPECT_TRUE(hasColour(keyImage(3), Qt::red));    // "C" is special
    EXPECT_FALSE(hasColour(keyImage(3), Qt::blue));
    EXPECT_TRUE(hasColour(keyImage(11), Qt::blue));  // "7"

    const QImage normal = keyImage(12);
    Panel->SetButtonDown(12);
    EXPECT_NE(keyImage(12), normal);  // the pressed look differs
    Panel->SetButtonDown(-1);
    EXPECT_EQ(keyImage(12), normal);

    // Outside a drop-down the panel frames itself.
    EXPECT_EQ(Panel->grab().toImage().pixelColor(0, 0), QColor(Qt::black));
    int dropDown = 0;
    Panel->SetExDropDown(reinterpret_cast<TObject*>(&dropDown));
    EXPECT_EQ(Panel->grab().toImage().pixelColor(0, 0), QColor(Qt::white));
    Panel->SetExDropDown(nullptr);
}

TEST(KeypadAppearance, DefaultsAndWhichColoursReportAChange) {
    TButtonAppearance appearance;
    EXPECT_EQ(appearance.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(appearance.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(appearance.ColorDisabled(), 0xF2F2F2);
    EXPECT_EQ(appearance.ColorDisabledTo(), 0xF2F2F2);
    EXPECT_EQ(appearance.Font().Size, 10);
    EXPECT_TRUE(appearance.Font().Style.Contains(fsBold));
    EXPECT_EQ(appearance.SpecialTextColor(), 0x000080);

    int changes = 0;
    appearance.OnChange = [&](TObject*) { ++changes; };
    appearance.SetShineColor(clRed);
    appearance.SetGlowColorHot(clRed);
    appearance.SetGlowColorDown(clRed);
    EXPECT_EQ(changes, 0);
    appearance.SetTextColor(clRed);
    appearance.SetTextColor(clRed);
    appearance.SetColorHot(clRed);
    EXPECT_EQ(changes, 2);

    TButtonAppearance copy;
    copy.Assign(&appearance);
    EXPECT_EQ(copy.GlowColorHot(), clRed);
    EXPECT_EQ(copy.TextColor(), clRed);
    EXPECT_EQ(copy.ColorHot(), clRed);
}

}  // namespace
