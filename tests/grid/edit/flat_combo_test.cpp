// The flat combo on real widgets: defaults and guards, the caption label's thirteen
// places, focus colouring, OnDropUp, and pixels of its own button and frame.
#include "grid/edit/flat_combo.h"

#include "controls/office_theme.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <memory>

namespace {

class FlatComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<QWidget>();
        Form->resize(500, 300);
        Combo = new TAsgComboBox(nullptr, Form.get());
        Combo->SetBounds(200, 100, 120, 22);
        Combo->Items().Assign({"Off", "On", "Toggle"});
        Other = new TAsgComboBox(nullptr, Form.get());
        Other->SetBounds(200, 200, 120, 22);
    }
    void TearDown() override { SetVisualStyleProbe(nullptr); }

    void ShowActive() {
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }
    TColor Pixel(int x, int y) const { return FromQColor(Combo->grab().toImage().pixelColor(x, y)); }

    std::unique_ptr<QWidget> Form;
    TAsgComboBox* Combo = nullptr;
    TAsgComboBox* Other = nullptr;
};

TEST_F(FlatComboTest, StartsWithTheDefaults) {
    EXPECT_EQ(Combo->ButtonWidth(), QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
    EXPECT_EQ(Combo->LabelMargin(), 4);
    EXPECT_TRUE(Combo->DisabledBorder());
    EXPECT_TRUE(Combo->AutoComplete());
    EXPECT_TRUE(Combo->FlatParentColor());
    EXPECT_EQ(Combo->ComboLabel(), nullptr);
    EXPECT_EQ(Combo->LabelCaption(), QString());
    EXPECT_EQ(Combo->LabelPosition(), lpLeftTop);
    for (TColor c : {Combo->ButtonColor(), Combo->ButtonColorHot(), Combo->ButtonColorDown(), Combo->ButtonTextColor(),
                     Combo->ButtonTextColorDown(), Combo->ButtonBorderColor(), Combo->BorderColor(),
                     Combo->FocusBorderColor(), Combo->FocusColor(), Combo->FlatLineColor()})
        EXPECT_EQ(c, clNone);
}

TEST_F(FlatComboTest, ButtonWidthTakesOnly14To32) {
    struct Case {
        int Set;
        int Expected;
    } cases[] = {{20, 20}, {13, 20}, {14, 14}, {33, 14}, {32, 32}, {0, 32}, {-5, 32}};
    for (const Case& c : cases) {
        Combo->SetButtonWidth(c.Set);
        EXPECT_EQ(Combo->ButtonWidth(), c.Expected) << "set " << c.Set;
    }
}

TEST_F(FlatComboTest, DropWidthWidensTheListOnlyWhenPositive) {
    const int before = Combo->view()->minimumWidth();
    Combo->SetDropWidth(0);
    EXPECT_EQ(Combo->view()->minimumWidth(), before);
    Combo->SetDropWidth(300);
    EXPECT_EQ(Combo->view()->minimumWidth(), 300);
    EXPECT_EQ(Combo->DropWidth(), 300);
}

TEST_F(FlatComboTest, SelectItemLeavesTheSelectionForAnUnknownText) {
    Combo->SelectItem("On");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    Combo->SelectItem("Dim");
    EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(FlatComboTest, LabelStandsAtEachOfTheThirteenPlaces) {
    ShowActive();
    Combo->SetLabelMargin(5);
    Combo->SetLabelCaption("Channel");
    TLabel* label = Combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), Form.get());
    const int L = 200, T = 100, W = 120, H = 22, M = 5;
    const int lw = label->width(), lh = label->height();
    const int tw = QFontMetrics(label->font()).horizontalAdvance("Channel");
    ASSERT_LT(lh, H);
    ASSERT_LT(lw, W);
    const int vmid = T + (H - lh) / 2, hmid = L + (W - lw) / 2;
    struct Case {
        TLabelPosition Position;
        int Left, Top;
    } cases[] = {
        {lpLeftTop, L - tw - M, T},          {lpLeftCenter, L - tw - M, vmid},  {lpLeftBottom, L - tw - M, T + H - lh},
        {lpTopLeft, L, T - lh - M},          {lpBottomLeft, L, T + H + M},      {lpLeftTopLeft, L - M, T},
        {lpLeftCenterLeft, L - M, vmid},     {lpLeftBottomLeft, L - M, T + H - lh},
        {lpTopCenter, hmid, T - lh - M},     {lpBottomCenter, hmid, T + H + M}, {lpRightTop, L + W + M, T},
        {lpRightCenter, L + W + M, vmid},    {lpRighBottom, L + W + M, T + H - lh},
    };
    for (const Case& c : cases) {
        Combo->SetLabelPosition(c.Position);
        EXPECT_EQ(label->pos(), QPoint(c.Left, c.Top)) << "position " << c.Position;
        EXPECT_TRUE(label->isVisible());
    }
    // The label follows the control when it moves and when it is hidden.
    Combo->SetBounds(150, 60, 120, 22);
    EXPECT_EQ(label->pos(), QPoint(150 + W + M, 60 + H - lh));
    Combo->Hide();
    EXPECT_FALSE(label->isVisible());
}

TEST_F(FlatComboTest, LabelLargerThanTheControlIsCentredOverIt) {
    Combo->SetParentFont(false);
    TFont big;
    big.Name = "DejaVu Sans";
    big.Size = 28;
    Combo->SetLabelFont(big);
    Combo->SetLabelCaption("A rather long caption");
    TLabel* label = Combo->ComboLabel();
    const int lh = label->height(), lw = label->width();
    ASSERT_GT(lh, 22);
    ASSERT_GT(lw, 120);
    Combo->SetLabelPosition(lpLeftCenter);
    EXPECT_EQ(label->y(), 100 - (lh - 22) / 2);
    Combo->SetLabelPosition(lpBottomCenter);
    EXPECT_EQ(label->x(), 200 - (lw - 120) / 2);
}

TEST_F(FlatComboTest, FocusColourComesAndGoesBackToTheInitColour) {
    ShowActive();
    Other->SetFocus();
    QTRY_VERIFY(Other->hasFocus());
    Combo->SetColor(clYellow);
    Combo->Init();
    Combo->SetFocusColor(clAqua);
    Combo->SetFocusLabel(true);
    Combo->SetLabelCaption("Mode");
    EXPECT_FALSE(Combo->ComboLabel()->font().bold());
    Combo->SetFocus();
    QTRY_VERIFY(Combo->hasFocus());
    EXPECT_EQ(Combo->Color(), clAqua);
    EXPECT_TRUE(Combo->ComboLabel()->font().bold());
    // Opening and closing the list is no leaving.
    Combo->showPopup();
    Combo->hidePopup();
    EXPECT_EQ(Combo->Color(), clAqua);
    Other->SetFocus();
    QTRY_VERIFY(Other->hasFocus());
    EXPECT_EQ(Combo->Color(), clYellow);
    EXPECT_FALSE(Combo->ComboLabel()->font().bold());
    // Without a focus colour the colour stays whatever it is.
    Other->SetColor(clLime);
    Combo->SetFocus();
    QTRY_VERIFY(Combo->hasFocus());
    EXPECT_EQ(Other->Color(), clLime);
    Other->SetFocus();
    QTRY_VERIFY(Other->hasFocus());
    EXPECT_EQ(Other->Color(), clLime);
}

TEST_F(FlatComboTest, DropUpFiresOncePerClose) {
    ShowActive();
    int drops = 0, dropUps = 0;
    Combo->OnDropDown = [&](TObject* sender) {
        EXPECT_EQ(sender, Combo);
        ++drops;
    };
    Combo->OnDropUp = [&](TObject* sender) {
        EXPECT_EQ(sender, Combo);
        ++dropUps;
    };
    Combo->SetFocus();
    Other->showPopup();  // an empty list does not open
    EXPECT_FALSE(Other->DroppedDown());
    Combo->showPopup();
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(dropUps, 0);
    Combo->hidePopup();
    EXPECT_EQ(dropUps, 1);
    Combo->hidePopup();  // already closed
    EXPECT_EQ(dropUps, 1);
    // Closed by the keyboard in the list.
    Combo->showPopup();
    QTRY_VERIFY(Combo->view()->isVisible());
    QTest::keyClick(Combo->view(), Qt::Key_Escape);
    QTRY_VERIFY(!Combo->view()->isVisible());
    EXPECT_EQ(drops, 2);
    EXPECT_EQ(dropUps, 2);
}

TEST_F(FlatComboTest, ColouredButtonIsNormalHotAndHeldDown) {
    Combo->SetButtonWidth(20);
    Combo->SetButtonColor(clSilver);
    Combo->SetButtonColorHot(clYellow);
    Combo->SetButtonColorDown(clRed);
    Combo->SetButtonTextColor(clNavy);
    Combo->SetButtonTextColorDown(clWhite);
    Combo->SetButtonBorderColor(clGreen);
    ShowActive();
    const int W = Combo->width(), H = Combo->height();
    // The button fills the client strip at the right; its left edge is the border line
    // and its arrow is a triangle 4 to 10 pixels right of it, 7 below its top.
    const QPoint face(W - 4, 5), border(W - 18, 8), arrow(W - 11, 10);
    EXPECT_EQ(Pixel(face.x(), face.y()), clSilver);
    EXPECT_EQ(Pixel(border.x(), border.y()), clGreen);
    EXPECT_EQ(Pixel(arrow.x(), arrow.y()), clNavy);
    QTest::mouseMove(Combo, QPoint(W - 6, H / 2));
    QTRY_COMPARE(Pixel(face.x(), face.y()), clYellow);
    EXPECT_EQ(Pixel(arrow.x(), arrow.y()), clNavy);
    QTest::mousePress(Combo, Qt::LeftButton, {}, QPoint(W - 6, H / 2));
    EXPECT_EQ(Pixel(face.x(), face.y()), clRed);
    EXPECT_EQ(Pixel(arrow.x(), arrow.y()), clWhite);
    QTest::mouseRelease(Combo, Qt::LeftButton, {}, QPoint(W - 6, H / 2));
}

TEST_F(FlatComboTest, ArrowWithoutTextColourTakesTheFontColour) {
    Combo->SetButtonWidth(20);
    Combo->SetButtonColor(clSilver);
    ShowActive();
    EXPECT_EQ(Pixel(Combo->width() - 11, 10), FromQColor(Combo->palette().color(QPalette::Text)));
}

TEST_F(FlatComboTest, DisabledThemedComboGetsTheFixedFrame) {
    ShowActive();
    Combo->SetEnabled(false);
    EXPECT_NE(Pixel(0, 11), RGBColor(127, 157, 185));
    Combo->SetDisabledBorder(false);
    for (QPoint p : {QPoint(0, 11), QPoint(60, 0), QPoint(119, 11), QPoint(60, 21)})
        EXPECT_EQ(Pixel(p.x(), p.y()), RGBColor(127, 157, 185)) << p.x() << "," << p.y();
    // Without an active visual style the frame is not drawn.
    SetVisualStyleProbe([] { return TVisualStyleState{false, QString()}; });
    Combo->update();
    EXPECT_NE(Pixel(60, 0), RGBColor(127, 157, 185));
}

TEST_F(FlatComboTest, ClassicFlatButtonWithoutVisualStyle) {
    SetVisualStyleProbe([] { return TVisualStyleState{false, QString()}; });
    EXPECT_FALSE(Combo->ThemesActive());
    Combo->SetButtonWidth(20);
    Combo->SetFlat(true);
    ShowActive();
    const int W = Combo->width(), H = Combo->height();
    // Our own classic glyph: a flat face in the button colour with a solid arrow in the middle.
    const TRect glyph = Rect(W - 21, 2, W - 1, H - 2);
    const int cx = glyph.Left + glyph.Width() / 2;
    EXPECT_EQ(Pixel(cx, 10), ColorToRGB(clWindowText));
    EXPECT_EQ(Pixel(cx, 11), ColorToRGB(clWindowText));
    EXPECT_EQ(Pixel(W - 8, 5), ColorToRGB(clBtnFace));
    const QImage classic = Combo->grab().toImage();
    SetVisualStyleProbe(nullptr);
    EXPECT_NE(Combo->grab().toImage(), classic);
}

TEST_F(FlatComboTest, PlainComboIsLeftToThePlatform) {
    ShowActive();
    // Other has no focus, like the plain combo it is compared with.
    const QImage own = Other->grab().toImage();
    QComboBox plain(Form.get());
    plain.setEditable(true);
    plain.setGeometry(Combo->geometry());
    for (int i = 0; i < 3; ++i) plain.addItem(Combo->Items().Strings(i));
    QPalette palette = plain.palette();
    palette.setColor(QPalette::Base, ToQColor(clWindow));
    palette.setColor(QPalette::Button, ToQColor(clWindow));
    palette.setColor(QPalette::Window, ToQColor(clWindow));
    plain.setPalette(palette);
    plain.setAutoFillBackground(true);
    plain.show();
    // Frame pixels along the top and the left: no frame of ours.
    const QImage platform = plain.grab().toImage();
    for (int x = 0; x < own.width(); x += 7) EXPECT_EQ(own.pixel(x, 0), platform.pixel(x, 0)) << x;
}

}  // namespace

namespace {

TEST_F(FlatComboTest, FramesFollowBorderAndFocusColours) {
    struct Case {
        TColor Border, FocusBorder;
        bool Vista;
        TColor Unfocused, Focused;  // clNone: neither frame colour
    } cases[] = {
        {clRed, clNone, false, clRed, clRed},
        {clNone, clBlue, false, clNone, clBlue},
        {clRed, clBlue, false, clRed, clBlue},
        {clNone, clBlue, true, clNone, clNone},
        {clRed, clNone, true, clRed, clRed},
    };
    ShowActive();
    for (const Case& c : cases) {
        Combo->SetBorderColor(c.Border);
        Combo->SetFocusBorderColor(c.FocusBorder);
        Combo->SetIsVista(c.Vista);
        Other->SetFocus();
        QTRY_VERIFY(Other->hasFocus());
        const TColor unfocused = Pixel(60, 0);
        Combo->SetFocus();
        QTRY_VERIFY(Combo->hasFocus());
        const TColor focused = Pixel(60, 0);
        for (auto [seen, expected] : {std::pair{unfocused, c.Unfocused}, std::pair{focused, c.Focused}}) {
            if (expected == clNone) {
                EXPECT_NE(seen, clRed);
                EXPECT_NE(seen, clBlue);
            } else {
                EXPECT_EQ(seen, expected);
            }
        }
    }
}

TEST_F(FlatComboTest, FlatTakesTheParentColourAndGivesItBackWhenEnabledAgain) {
    ShowActive();
    const TColor parentColor = FromQColor(Form->palette().color(QPalette::Window));
    Combo->SetLabelCaption("Group");
    Combo->SetFlat(true);
    EXPECT_EQ(Combo->Color(), parentColor);
    Combo->SetColor(clYellow);
    Combo->SetEnabled(false);
    EXPECT_EQ(Combo->Color(), parentColor);
    EXPECT_FALSE(Combo->ComboLabel()->isEnabled());
    Combo->SetEnabled(true);
    EXPECT_EQ(Combo->Color(), clYellow);
    EXPECT_TRUE(Combo->ComboLabel()->isEnabled());
    Combo->SetLabelAlwaysEnabled(true);
    Combo->SetEnabled(false);
    EXPECT_TRUE(Combo->ComboLabel()->isEnabled());
    // Flat off goes back to the loaded colour.
    Combo->SetEnabled(true);
    Combo->SetFlat(false);
    EXPECT_EQ(Combo->Color(), clWindow);
}

TEST_F(FlatComboTest, TheWholeButtonStripOpensAnEditableList) {
    Combo->SetButtonWidth(30);
    ShowActive();
    // Left of the platform's own arrow, inside ours.
    QTest::mouseClick(Combo, Qt::LeftButton, {}, QPoint(Combo->width() - 28, 11));
    EXPECT_TRUE(Combo->DroppedDown());
    Combo->hidePopup();
    EXPECT_FALSE(Combo->DroppedDown());
    // The text field ends left of the strip, so a click in the text does not open it.
    QTest::mouseClick(Combo->lineEdit(), Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_LT(Combo->lineEdit()->geometry().right(), Combo->width() - 30 - 4);
    // Also for a text field the platform makes again when the style changes.
    Combo->SetStyle(csDropDownList);
    Combo->SetStyle(csDropDown);
    EXPECT_LT(Combo->lineEdit()->geometry().right(), Combo->width() - 30 - 4);
}

TEST_F(FlatComboTest, AutoCompleteCompletesTypedTextFromTheItems) {
    ShowActive();
    Combo->SetFocus();
    QTRY_VERIFY(Combo->hasFocus());
    for (bool on : {true, false, true}) {
        Combo->SetAutoComplete(on);
        Combo->SetStyle(csDropDownList);  // the text field is made again
        Combo->SetStyle(csDropDown);
        Combo->SetText("");
        QTest::keyClicks(Combo->lineEdit(), "to");
        EXPECT_EQ(Combo->lineEdit()->text(), on ? "toggle" : "to") << "auto complete " << on;
    }
}

TEST_F(FlatComboTest, FlatLineRunsAlongTheBottomLeftOfTheButton) {
    Combo->SetButtonWidth(20);
    Combo->SetFlat(true);
    Combo->SetFlatLineColor(clRed);
    ShowActive();
    const int W = Combo->width(), H = Combo->height();
    EXPECT_EQ(Pixel(0, H - 1), clRed);
    EXPECT_EQ(Pixel(W - 24, H - 1), clRed);
    EXPECT_NE(Pixel(W - 5, H - 1), clRed);
    EXPECT_NE(Pixel(10, H - 2), clRed);
}

TEST_F(FlatComboTest, LoadedAppliesTheLoadedColourAndRemembersIt) {
    TAsgComboBox loaded(nullptr, Form.get());
    loaded.BeginLoading();
    loaded.SetColor(clLime);
    loaded.SetFlatParentColor(false);
    loaded.SetFocusColor(clAqua);
    loaded.EndLoading();
    EXPECT_EQ(loaded.Color(), clLime);
    // Init ran last: leaving the focus goes back to the loaded colour.
    ShowActive();
    loaded.SetFocus();
    QTRY_VERIFY(loaded.hasFocus());
    EXPECT_EQ(loaded.Color(), clAqua);
    Other->SetFocus();
    QTRY_VERIFY(Other->hasFocus());
    EXPECT_EQ(loaded.Color(), clLime);
}

}  // namespace
