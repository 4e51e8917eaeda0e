#include "drop_down_fixture.h"

#include "dropdowns/drop_down_button.h"
#include "platform/standard_controls.h"

namespace {

using DecorationsTest = DropDownWindowTest;

TEST_F(DecorationsTest, TheLabelStandsInEachOfTheFifteenPlaces) {
    auto* dropDown = Make();
    dropDown->SetBounds(150, 100, 120, 22);
    dropDown->SetLabelMargin(4);
    dropDown->SetLabelCaption("Name");
    TLabel* label = dropDown->Label();
    ASSERT_NE(label, nullptr);
    const int w = label->fontMetrics().horizontalAdvance("Name");
    const int lw = label->width(), lh = label->height();
    const int L = 150, T = 100, W = 120, H = 22, m = 4;
    using namespace dropdowns;
    const struct {
        TLabelPosition position;
        int left, top;
    } cases[] = {
        {lpLeftTop, L - w - m, T},
        {lpLeftCenter, L - w - m, T + (H - lh) / 2},
        {lpLeftBottom, L - w - m, T + H - lh},
        {lpTopLeft, L, T - lh - m},
        {lpBottomLeft, L, T + H + m},
        {lpLeftTopLeft, L - m, T},
        {lpLeftCenterLeft, L - m, T + (H - lh) / 2},
        {lpLeftBottomLeft, L - m, T + H - lh},
        {lpTopCenter, L + (W - lw) / 2, T - lh - m},
        {lpBottomCenter, L + (W - lw) / 2, T + H + m},
        {lpRightTop, L + W + m, T},
        {lpRightCenter, L + W + m, T + (H - lh) / 2},
        {lpRighBottom, L + W + m, T + H - lh},
        {lpTopRight, L + W - lw, T - lh - m},
        {lpBottomRight, L + W - lw, T + H + m},
    };
    for (const auto& c : cases) {
        dropDown->SetLabelPosition(c.position);
        EXPECT_EQ(label->pos(), QPoint(c.left, c.top)) << c.position;
    }
    dropDown->SetBounds(10, 150, 120, 22);
    EXPECT_EQ(label->pos(), QPoint(10 + W - lw, 150 + H + m)) << "follows the edit";
}

TEST_F(DecorationsTest, AnEmptiedCaptionKeepsTheLabel) {
    auto* dropDown = Make();
    int clicks = 0;
    dropDown->OnLabelClick = [&](TObject*) { ++clicks; };
    dropDown->SetLabelCaption("Name");
    TLabel* label = dropDown->Label();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    dropDown->SetLabelCaption("");
    EXPECT_EQ(dropDown->Label(), label);
    dropDown->hide();
    EXPECT_TRUE(label->isVisibleTo(Form.get()));
}

QImage Render(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

TColor Pixel(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

TEST_F(DecorationsTest, BordersArePaintedOverTheFrame) {
    auto* dropDown = Make();
    dropDown->SetBorderColor(0x0000FF);
    dropDown->SetFocusBorderColor(0x00FF00);
    Other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Pixel(Render(dropDown), 0, 10), TColor(0x0000FF)) << "unfocused";
    dropDown->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Pixel(Render(dropDown), 0, 10), TColor(0x00FF00)) << "focused";
    dropDown->setEnabled(false);
    EXPECT_EQ(Pixel(Render(dropDown), 0, 10), TColor(0xC0C0C0)) << "disabled silver";
    dropDown->SetDisabledBorder(false);
    dropDown->SetBorderColor(clNone);
    dropDown->SetFocusBorderColor(clNone);
    const QImage flat = Render(dropDown);
    EXPECT_EQ(Pixel(flat, 0, 10), FromQColor(Form->palette().color(QPalette::Window))) << "flat look when disabled";
}

TEST_F(DecorationsTest, TheFocusBoxStandsInForTheCaretWithTypingOff) {
    auto* dropDown = Make();
    dropDown->SetEditorEnabled(false);
    dropDown->SetTextDirect("ab");
    dropDown->setFocus();
    QApplication::processEvents();
    const QImage focused = Render(dropDown);
    EXPECT_EQ(Pixel(focused, 2, 2), TColor(0x000000));
    EXPECT_EQ(Pixel(focused, 3, focused.height() - 4), FromQColor(dropDown->palette().color(QPalette::Highlight)));
    dropDown->SetFocusDraw(false);
    EXPECT_NE(Pixel(Render(dropDown), 2, 2), TColor(0x000000));
}

TEST_F(DecorationsTest, CustomButtonColoursReplaceTheStyleArrow) {
    auto* dropDown = Make();
    TColorTones tones;
    tones.Background.BrushColor = 0x00FFFF;
    tones.Background.BorderColor = 0x800000;
    tones.Hover.BrushColor = 0x00FF00;
    tones.Selected.BrushColor = 0xFF0000;
    dropDown->SetColorTones(tones);
    EXPECT_EQ(dropDown->BorderColor(), TColor(0x800000));
    TExDropDownSpeedButton* button = dropDown->Button()->InnerButton();
    const QImage image = Render(button);
    EXPECT_EQ(Pixel(image, button->width() - 2, 2), TColor(0x00FFFF));
    EXPECT_EQ(Pixel(image, 0, 5), TColor(0x800000)) << "the edit's border colour at the left";
}

TEST_F(DecorationsTest, ANewDropDownHasTheLunaAndOffice2007Colours) {
    auto* dropDown = Make();
    EXPECT_EQ(dropDown->GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(dropDown->DropDownColor(), TColor(0xF3E5DA));
    EXPECT_EQ(dropDown->DropDownColorTo(), TColor(0xF0DED0));
    EXPECT_EQ(dropDown->SelectionColor(), TColor(0xD7FFFD));
    EXPECT_EQ(dropDown->SelectionColorTo(), TColor(0x58D4FC));
    dropDown->SetDropDownColor(0x123456);
    dropDown->SetComponentStyle(tsCustom);
    EXPECT_EQ(dropDown->DropDownColor(), TColor(0x123456));
    dropDown->ReadStoredStyles(scWindows7, tsWindows7);
    EXPECT_EQ(dropDown->DropDownColor(), TColor(0x123456));
}

TEST_F(DecorationsTest, ThePopUpHasNoFrameUnderLunaAndItsGradientInside) {
    auto* dropDown = Make();
    dropDown->SetDropDownWidth(120);
    dropDown->SetDropDownHeight(80);
    dropDown->ShowDropDown();
    const QImage image = Render(dropDown->DropDownForm());
    EXPECT_EQ(Pixel(image, 0, 40), TColor(0xF3E5DA)) << "no frame: the gradient reaches the edge";
    dropDown->HideDropDown(false);
    dropDown->SetComponentStyle(tsWindows7);
    dropDown->ShowDropDown();
    EXPECT_EQ(Pixel(Render(dropDown->DropDownForm()), 0, 40), TColor(0x979797));
}

}  // namespace
