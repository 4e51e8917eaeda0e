// The grid pack's button: groups, AllowAllUp, check style, release outside, presets and
// the visual-style probe, all through real mouse input on a real widget.

#include "controls/ex_grid_button.h"
#include "controls/office_theme.h"
#include "platform/action_link.h"

#include <QAction>

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
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
    EXPECT_EQ(button.Color(), TColor(0xFDEADA));
    EXPECT_FALSE(button.Rounded());
    button.SetLook(7);  // unknown: nothing changes
    EXPECT_EQ(button.Look(), 2);
    EXPECT_EQ(button.Color(), TColor(0xFDEADA));
    button.SetLook(0);
    EXPECT_TRUE(button.Rounded());

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
    button.SetColorChecked(0x0000FF);  // red
    button.SetDown(true);
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(10, 10), QColor(255, 0, 0));
    button.SetDown(false);
    button.SetColor(0x00FF00);
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
        if (button.BorderDownColor() == clNone) continue;
        const TColor border = ColorToRGB(button.BorderDownColor());
        // A rounded look draws inside a one-pixel rim.
        const int edge = button.Rounded() ? 1 : 0;
        EXPECT_EQ(button.grab().toImage().pixelColor(edge, 15),
                  QColor(GetRValue(border), GetGValue(border), GetBValue(border)))
            << "look " << look;
    }
}

}  // namespace

namespace {

QColor Rgb(TColor color) {
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

void SendEnter(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &enter);
}

void SendLeave(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

// A 4 x 4 glyph: white, black and red pixels on a green key colour (its bottom-left pixel).
TBitmap TestGlyph() {
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(QColor(0, 255, 0));
    image.setPixelColor(0, 0, Qt::white);
    image.setPixelColor(1, 0, Qt::black);
    image.setPixelColor(2, 0, Qt::red);
    TBitmap glyph;
    glyph.LoadFromImage(image);
    return glyph;
}

TEST(GlyphTextLayout, PlacesGlyphAndCaptionByLayoutMarginAndSpacing) {
    const TRect client = Rect(10, 20, 110, 60);  // 100 x 40
    const TSize glyph{16, 16};
    const TSize text{40, 12};
    const struct {
        TButtonLayout layout;
        int margin, spacing;
        bool rtl;
        TSize glyph, text;
        TPoint glyphPos;
        TPoint textPos;
    } cases[] = {
        // Glyph left, centred as a pair: margin (100 - 16 - 4 - 40 + 1) div 2 = 20.
        {blGlyphLeft, -1, 4, false, glyph, text, {30, 32}, {50, 34}},
        {blGlyphRight, -1, 4, false, glyph, text, {74, 32}, {30, 34}},
        // Right to left swaps the sides.
        {blGlyphLeft, -1, 4, true, glyph, text, {74, 32}, {30, 34}},
        // Both automatic: (100 - 16 - 40) div 3 = 14 each.
        {blGlyphLeft, -1, -1, false, glyph, text, {24, 32}, {54, 34}},
        // Fixed margin, automatic spacing: (100 - 5 - 16 - 40) div 2 = 19.
        {blGlyphLeft, 5, -1, false, glyph, text, {15, 32}, {50, 34}},
        // Stacked: centred across, (40 - 16 - 4 - 12 + 1) div 2 = 4 from the top.
        {blGlyphTop, -1, 4, false, glyph, text, {52, 24}, {40, 44}},
        {blGlyphBottom, -1, 4, false, glyph, text, {52, 40}, {40, 24}},
        // No caption: no spacing, the glyph alone is centred.
        {blGlyphLeft, -1, 4, false, glyph, {0, 0}, {52, 32}, {68, 40}},
    };
    for (const auto& c : cases) {
        const TGlyphTextPlace place = LayoutGlyphAndText(client, {0, 0}, c.glyph, c.text, c.layout, c.margin,
                                                         c.spacing, c.rtl);
        EXPECT_EQ(place.GlyphPos.X, c.glyphPos.X) << c.layout << " " << c.margin << " " << c.spacing << " " << c.rtl;
        EXPECT_EQ(place.GlyphPos.Y, c.glyphPos.Y) << c.layout << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(place.TextBounds.Left, c.textPos.X) << c.layout << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(place.TextBounds.Top, c.textPos.Y) << c.layout << " " << c.margin << " " << c.spacing;
    }
    // The offset moves both parts.
    const TGlyphTextPlace moved = LayoutGlyphAndText(client, {1, 1}, glyph, text, blGlyphLeft, -1, 4, false);
    EXPECT_EQ(moved.GlyphPos.X, 31);
    EXPECT_EQ(moved.TextBounds.Top, 35);
}

TEST(ExGridButton, GlyphGivesGreyDisabledCopyShadeAndTopLeftPlaceWithoutCaption) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.resize(30, 30);
    button.SetGlyph(TestGlyph());
    const QImage grey = button.GlyphDisabled().Image();
    EXPECT_EQ(grey.pixelColor(0, 0), QColor(223, 223, 223));  // white
    EXPECT_EQ(grey.pixelColor(1, 0), QColor(96, 96, 96));     // black
    EXPECT_EQ(grey.pixelColor(2, 0), QColor(96 + 42, 96 + 42, 96 + 42));
    // The shade is a grey silhouette on the key colour.
    const QImage shade = button.GlyphShade().Image();
    EXPECT_EQ(shade.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(shade.pixelColor(2, 0), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(shade.pixelColor(3, 3), QColor(0, 255, 0));

    // Without a caption the glyph sits at (0, 0); its key colour is left out.
    QImage face = button.grab().toImage();
    EXPECT_EQ(face.pixelColor(0, 0), Qt::white);
    EXPECT_EQ(face.pixelColor(2, 0), Qt::red);
    EXPECT_EQ(face.pixelColor(3, 3), Rgb(clBtnFace));
    button.setEnabled(false);
    EXPECT_EQ(button.grab().toImage().pixelColor(0, 0), QColor(223, 223, 223));

    // A new glyph derives a new disabled copy; a given disabled glyph stays.
    QImage blue(2, 2, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    TBitmap blueGlyph;
    blueGlyph.LoadFromImage(blue);
    button.SetGlyph(blueGlyph);
    EXPECT_EQ(button.GlyphDisabled().Width(), 2);
    button.SetGlyphDisabled(TestGlyph());
    button.SetGlyph(blueGlyph);
    EXPECT_EQ(button.GlyphDisabled().Width(), 4);
}

TEST(ExGridButton, HotAndPressedFacesFollowTheMouse) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.resize(40, 24);
    button.SetColor(0xFFFFFF);
    button.SetColorHot(0x00FF00);
    button.SetColorDown(0x0000FF);
    button.SetBorderHotColor(0xFF0000);
    int enters = 0;
    int leaves = 0;
    button.OnMouseEnter = [&](TObject*) { ++enters; };
    button.OnMouseLeave = [&](TObject*) { ++leaves; };
    EXPECT_EQ(button.grab().toImage().pixelColor(10, 10), Qt::white);
    SendEnter(&button);
    EXPECT_TRUE(button.MouseInControl());
    QImage hot = button.grab().toImage();
    EXPECT_EQ(hot.pixelColor(10, 10), QColor(0, 255, 0));
    EXPECT_EQ(hot.pixelColor(1, 10), QColor(0, 0, 255)) << "hot border";
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, {10, 10});
    EXPECT_EQ(button.grab().toImage().pixelColor(10, 10), QColor(255, 0, 0));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, {10, 10});
    SendLeave(&button);
    EXPECT_FALSE(button.MouseInControl());
    EXPECT_EQ(button.grab().toImage().pixelColor(10, 10), Qt::white);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
    // A disabled button does not light up.
    button.setEnabled(false);
    SendEnter(&button);
    EXPECT_FALSE(button.MouseInControl());
}

TEST(ExGridButton, RoundedGradientFaceStaysInsideItsBorder) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.resize(40, 32);
    button.SetRounded(true);
    button.SetColor(0xFFFFFF);
    button.SetColorTo(0x000000);
    button.SetBorderColor(0x0000FF);
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 0), QColor(255, 0, 0)) << "rounded border";
    EXPECT_GT(image.pixelColor(20, 3).red(), image.pixelColor(20, 28).red()) << "gradient inside";
    EXPECT_NE(image.pixelColor(20, 28), QColor(255, 0, 0));
}

TEST(ExGridButton, DropDownPartFiresOnDropDownInsteadOfPressing) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.resize(60, 23);
    button.SetDropDownButton(true);
    int drops = 0;
    int clicks = 0;
    button.OnDropDown = [&](TObject*) { ++drops; };
    button.OnClick = [&](TObject*) { ++clicks; };
    ClickAt(&button, {55, 10}, {55, 10});
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 0);
    ClickAt(&button, {10, 10}, {10, 10});
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 1);
    // The arrow is drawn in the font colour left of the part's edge.
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(53, 10), Qt::black);
}

TEST(ExGridButton, AcceleratorClicksOnlyAnEnabledShownButton) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.SetCaption("Find &next");
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    parent.show();
    EXPECT_EQ(Perform(&button, CM_DIALOGCHAR, 'N'), 1);
    EXPECT_EQ(Perform(&button, CM_DIALOGCHAR, 'x'), 0);
    button.setEnabled(false);
    EXPECT_EQ(Perform(&button, CM_DIALOGCHAR, 'n'), 0);
    EXPECT_EQ(clicks, 1);
}

TEST(ExGridButton, NonFlatButtonDrawsAClassicOrThemedFrame) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    button.resize(40, 24);
    button.SetFlat(false);
    button.SetColor(0x00FF00);
    const QImage up = button.grab().toImage();
    EXPECT_NE(up.pixelColor(0, 0), QColor(0, 255, 0));
    for (bool themed : {false, true}) {
        button.SetAutoXPStyle(themed);
        EXPECT_FALSE(button.grab().toImage().isNull());
    }
}

}  // namespace

namespace {

TEST(ExGridButton, LinkedActionGivesItsPropertiesAndRunsOnClick) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    QAction action("Find");
    action.setToolTip("Find the next match");
    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
    button.SetAction(&action);
    EXPECT_EQ(button.Caption(), "Find");
    EXPECT_EQ(button.Hint(), "Find the next match");

    ClickAt(&button, {5, 5}, {5, 5});
    EXPECT_EQ(triggered, 1);
    // OnClick, when set, takes the click instead of the action.
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    ClickAt(&button, {5, 5}, {5, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(triggered, 1);

    action.setText("Next");
    action.setEnabled(false);
    EXPECT_EQ(button.Caption(), "Next");
    EXPECT_FALSE(button.Enabled());
    // A caption set on the button itself is kept when the action changes again.
    button.SetCaption("Own");
    action.setText("Later");
    EXPECT_EQ(button.Caption(), "Own");

    button.SetAction(nullptr);
    action.setEnabled(true);
    EXPECT_FALSE(button.Enabled());
}

TEST(ExGridButton, LinkedActionCheckedAndGroupFollowOnlyWhileTheButtonAgrees) {
    QWidget parent;
    TExGridButton first(nullptr, &parent);
    TExGridButton second(nullptr, &parent);
    QAction firstAction("A");
    QAction secondAction("B");
    firstAction.setCheckable(true);
    secondAction.setCheckable(true);
    for (auto [button, action] : {std::pair{&first, &firstAction}, std::pair{&second, &secondAction}}) {
        button->SetGroupIndex(3);
        button->SetAllowAllUp(true);
        SetActionGroupIndex(action, 3);
        button->SetAction(action);
    }
    firstAction.setChecked(true);
    EXPECT_TRUE(first.Down());
    // The other button of the group going down releases the first and unchecks its action.
    secondAction.setChecked(true);
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());
    EXPECT_FALSE(firstAction.isChecked());

    // The group number follows the action while the button had the action's number.
    SetActionGroupIndex(&firstAction, 4);
    EXPECT_EQ(first.GroupIndex(), 4);
    first.SetGroupIndex(7);
    SetActionGroupIndex(&firstAction, 5);
    EXPECT_EQ(first.GroupIndex(), 7);

    // Without AllowAllUp the checked state is not linked.
    second.SetAllowAllUp(false);
    secondAction.setChecked(false);
    EXPECT_TRUE(second.Down());
}

TEST(ExGridButton, ActionDestroyedFirstLeavesAWorkingButton) {
    QWidget parent;
    TExGridButton button(nullptr, &parent);
    int clicks = 0;
    {
        QAction action("Gone");
        button.SetAction(&action);
    }
    EXPECT_EQ(button.Action(), nullptr);
    ClickAt(&button, {5, 5}, {5, 5});
    button.OnClick = [&](TObject*) { ++clicks; };
    ClickAt(&button, {5, 5}, {5, 5});
    EXPECT_EQ(clicks, 1);
}

}  // namespace
