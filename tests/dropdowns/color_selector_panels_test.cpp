#include "drop_down_fixture.h"

#include "dropdowns/color_picker_drop_down.h"
#include "dropdowns/color_selector_panels.h"

namespace {

TEST(ColorCubePanel, CellsSelectionAndHitTest) {
    TExColorCubePanel cube(nullptr);
    EXPECT_EQ(cube.width(), 182);
    EXPECT_EQ(cube.height(), 160);
    EXPECT_EQ(cube.Cell(64).Color, TColor(0xFFFFFF));
    EXPECT_EQ(cube.Cell(64).Center, (TPoint{19 + 6 * 12, 80}));
    cube.SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(cube.SelectedIndex(), 64);
    cube.SetSelectedColor(0x123456);
    EXPECT_EQ(cube.SelectedIndex(), -1);
    const struct {
        int x, y, cell;
    } hits[] = {{55, 20, 1}, {61, 20, 1}, {62, 20, 2}, {49, 30, 8}, {109, 30, 13}, {0, 0, -1}, {55, 27, -1}};
    for (const auto& h : hits) EXPECT_EQ(cube.CellAtPos(h.x, h.y), h.cell) << h.x << "," << h.y;
}

TEST(ColorCubePanel, HotCellAndHint) {
    TExColorCubePanel cube(nullptr);
    cube.show();
    QTest::mouseMove(&cube, QPoint(109, 30));
    EXPECT_EQ(cube.HotIndex(), 13);
    EXPECT_EQ(cube.Hint(), "Red: 0,  Green: 0,  Blue: 255");
    // Between cells the hot cell stays and the hint goes.
    QTest::mouseMove(&cube, QPoint(2, 2));
    EXPECT_EQ(cube.HotIndex(), 13);
    EXPECT_EQ(cube.Hint(), "");
}

TEST(ColorSpectrumPanel, LayoutAndSamplingThePicture) {
    const QImage& spectrum = SpectrumBitmap();
    EXPECT_EQ(spectrum.size(), QSize(128, 128));
    EXPECT_EQ(FromQColor(spectrum.pixelColor(0, 0)), TColor(0xFFFFFF));
    EXPECT_EQ(FromQColor(spectrum.pixelColor(0, 63)), TColor(0x0000FF));
    EXPECT_EQ(FromQColor(spectrum.pixelColor(0, 127)), TColor(0x000000));
    EXPECT_EQ(FromQColor(spectrum.pixelColor(64, 64)), TColor(0xFFFF00));  // 180 degrees: cyan
    TExColorSpectrumPanel panel(nullptr);
    panel.show();
    EXPECT_EQ(panel.size(), QSize(150, 174));
    EXPECT_EQ(panel.PictureRect(), (TRect{11, 10, 139, 138}));
    EXPECT_EQ(panel.SelectedRect(), (TRect{10, 146, 73, 166}));
    EXPECT_EQ(panel.HotRect(), (TRect{77, 146, 140, 166}));
    EXPECT_EQ(panel.HotColor(), clNone);
    int selects = 0;
    panel.OnSelect = [&](TObject*) { ++selects; };
    QTest::mouseMove(&panel, QPoint(11 + 64, 10 + 64));
    EXPECT_EQ(panel.HotColor(), TColor(0xFFFF00));
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(11 + 64, 10 + 64));
    EXPECT_EQ(panel.SelectedColor(), TColor(0xFFFF00));
    EXPECT_EQ(selects, 1);
    panel.UpdateLayout();
    EXPECT_EQ(panel.HotColor(), clNone);
}

TEST(ColorPalette, LayoutSelectionAndKeys) {
    TCustomColorSelector palette(nullptr);
    palette.UpdateSize();
    EXPECT_EQ(palette.size(), QSize(100, 50));
    palette.AddDiscreteColors();
    palette.UpdateSize();
    EXPECT_EQ(palette.size(), QSize(165, 84));
    EXPECT_EQ(palette.Items().Items(10)->BoxRect().Top - palette.Items().Items(0)->BoxRect().Top, 16);
    EXPECT_EQ(palette.Items().Items(20)->BoxRect().Top - palette.Items().Items(10)->BoxRect().Top, 12);
    EXPECT_EQ(palette.ItemAtPos(4, 4), 0);
    EXPECT_EQ(palette.ItemAtPos(16, 4), -1);  // the gap between columns
    int selects = 0;
    palette.OnItemSelect = [&](TObject*) { ++selects; };
    palette.SetSelectedColor(0x7F7F7F);
    EXPECT_EQ(palette.ItemIndex(), 11);
    EXPECT_EQ(selects, 1);
    palette.SetSelectedColor(0x123456);
    EXPECT_EQ(palette.ItemIndex(), -1);
    EXPECT_EQ(selects, 1);
    const struct {
        int start;
        WORD key;
        bool dropped;
        int expected;
    } keys[] = {{-1, VK_UP, true, 0},   {3, VK_UP, true, 3},     {13, VK_UP, true, 3},   {13, VK_DOWN, true, 23},
                {55, VK_DOWN, true, 55}, {13, VK_UP, false, 12},  {13, VK_HOME, true, 0}, {13, VK_NEXT, true, 59},
                {13, VK_LEFT, true, 12}, {13, VK_RIGHT, false, 14}};
    for (const auto& k : keys) {
        palette.SetItemIndex(k.start);
        palette.SelectByKey(k.key, false, k.dropped);
        EXPECT_EQ(palette.ItemIndex(), k.expected) << k.start << " key " << k.key;
    }
    // With typing on and the pop-up closed, Left and Right stay with the edit.
    palette.SetItemIndex(13);
    palette.SelectByKey(VK_LEFT, true, false);
    EXPECT_EQ(palette.ItemIndex(), 13);
}

class ColorPickerStylesTest : public DropDownWindowTest {};

TEST_F(ColorPickerStylesTest, ACubeCellChoosesTheColourAndCloses) {
    auto* picker = Make<TExColorPickerDropDown>();
    picker->AddDefaultColors();
    int selects = 0;
    picker->OnSelect = [&](TObject*) { ++selects; };
    picker->SetColorSelectionStyle(csColorCube);
    picker->ShowDropDown();
    ASSERT_TRUE(picker->DroppedDown());
    ASSERT_NE(picker->ColorCubePanel(), nullptr);
    EXPECT_TRUE(picker->ColorCubePanel()->isVisible());
    EXPECT_FALSE(picker->DropDownForm()->Sizeable());
    QTest::mouseClick(picker->ColorCubePanel(), Qt::LeftButton, {}, QPoint(109, 30));
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), TColor(0xFF0000));
    EXPECT_EQ(picker->ItemIndex(), -1);
    EXPECT_EQ(selects, 2);  // once for the matching item ("Blue"), once for -1
    picker->SetColorValueText(cvtHTML);
    EXPECT_EQ(picker->SelectedColorText(), "#0000FF");
}

TEST_F(ColorPickerStylesTest, ThePaletteMovesLiveAndCancelPutsTheColourBack) {
    auto* picker = Make<TExColorPickerDropDown>();
    picker->SetColorSelectionStyle(csDiscrete);
    picker->SetSelectedColor(0xFFFFFF);
    picker->ShowDropDown();
    ASSERT_TRUE(picker->DroppedDown());
    TCustomColorSelector* palette = picker->ColorSelector();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->ItemIndex(), 0);
    QTest::keyClick(PopUpKeyTarget(picker), Qt::Key_Down);
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_EQ(palette->ItemIndex(), 10);
    EXPECT_EQ(picker->SelectedColor(), TColor(0xF2F2F2));
    QTest::keyClick(PopUpKeyTarget(picker), Qt::Key_Escape);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), TColor(0xFFFFFF));
    // A click on a box chooses it and closes.
    picker->ShowDropDown();
    const TRect box = palette->Items().Items(5)->BoxRect();
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(box.Left + 2, box.Top + 2));
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), TColor(0x4D50C0));
}

}  // namespace
