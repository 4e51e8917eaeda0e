#include "drop_down_fixture.h"

#include "dropdowns/drop_down_placement.h"

namespace {

TEST(DropDownPosition, BelowAboveAndShiftedAtTheRight) {
    struct Case {
        const char* name;
        TDropPosition position;
        TPoint edit;
        TSize popup;
        TRect workArea;
        TPoint expected;
    };
    const TRect screen{0, 0, 1280, 1024};
    const Case cases[] = {
        {"auto fits below", dpAuto, {100, 500}, {200, 300}, screen, {100, 520}},
        {"auto touches the bottom", dpAuto, {100, 704}, {200, 300}, screen, {100, 724}},
        {"auto one pixel too low", dpAuto, {100, 705}, {200, 300}, screen, {100, 405}},
        {"down always below", dpDown, {100, 900}, {200, 300}, screen, {100, 920}},
        {"up always above", dpUp, {100, 500}, {200, 300}, screen, {100, 200}},
        {"right edge", dpDown, {1200, 100}, {200, 300}, screen, {1080, 120}},
        {"left of the work area", dpDown, {1300, 100}, {200, 300}, screen, {1300, 120}},
        {"negative screen below", dpAuto, {-1000, 100}, {200, 300}, {-1280, 0, 0, 1024}, {-1000, 120}},
        {"negative screen right edge", dpAuto, {-100, 100}, {200, 300}, {-1280, 0, 0, 1024}, {-200, 120}},
        {"work area above a panel", dpAuto, {100, 600}, {200, 300}, {0, 0, 1280, 900}, {100, 300}},
        {"second screen lower", dpAuto, {100, 1500}, {200, 300}, {0, 1024, 1280, 2048}, {100, 1520}},
    };
    for (const Case& c : cases) {
        const TPoint p = DropDownPosition(c.edit, 21, c.popup, c.position, c.workArea);
        EXPECT_EQ(p.X, c.expected.X) << c.name;
        EXPECT_EQ(p.Y, c.expected.Y) << c.name;
    }
    const TPoint noScreen = DropDownPosition({10, 5000}, 21, {100, 100}, dpAuto, std::nullopt);
    EXPECT_EQ(noScreen.Y, 5020);
}

using PlacementTest = DropDownWindowTest;

TEST_F(PlacementTest, ThePopUpAboveTheEditTouchesItWithTheRememberedHeight) {
    auto* dropDown = Make();
    const QPoint edit = dropDown->mapToGlobal(QPoint(0, 0));
    Screen = {0, 0, 1280, edit.y() + 21 + 150};
    dropDown->ShowDropDown();
    TDropDownForm* popUp = dropDown->DropDownForm();
    EXPECT_EQ(popUp->geometry().top(), edit.y() + dropDown->height() - 1) << "102 high: fits below";
    popUp->resize(150, 200);
    dropDown->HideDropDown(false);
    Tick(1000);
    dropDown->ShowDropDown();
    EXPECT_EQ(popUp->height(), 200);
    EXPECT_EQ(popUp->geometry().bottom() + 1, edit.y()) << "200 high: above, touching the edit";
}

}  // namespace
