#include "drop_down_fixture.h"

#include "dropdowns/popup_strip.h"

namespace {

// A drop-down with the default header and footer strips.
class StripDropDown : public PanelDropDown {
public:
    StripDropDown(TComponent* AOwner, QWidget* AParent) : PanelDropDown(AOwner, AParent) {
        DropDownHeader()->SetVisible(true);
        DropDownFooter()->SetVisible(true);
    }
};

using StripsTest = DropDownWindowTest;

TEST_F(StripsTest, VisibleAppearancesGetStripsAroundTheContent) {
    auto* dropDown = Make<StripDropDown>();
    dropDown->ShowDropDown();
    TDropDownForm* popUp = dropDown->DropDownForm();
    ASSERT_NE(popUp->Header(), nullptr);
    ASSERT_NE(popUp->Footer(), nullptr);
    EXPECT_EQ(popUp->height(), 2 + 22 + 100 + 22);
    EXPECT_EQ(popUp->Header()->geometry(), QRect(1, 1, popUp->width() - 2, 22));
    EXPECT_EQ(popUp->Footer()->geometry().bottom(), popUp->height() - 2);
    EXPECT_EQ(dropDown->Content->geometry(), QRect(1, 23, popUp->width() - 2, 100));
    dropDown->HideDropDown(false);

    dropDown->DropDownHeader()->SetVisible(false);
    Tick(1000);
    dropDown->ShowDropDown();
    EXPECT_TRUE(popUp->Header()->isHidden()) << "kept, hidden";
    EXPECT_EQ(dropDown->Content->geometry().top(), 1);
}

TEST_F(StripsTest, AFooterButtonReachesTheDropDownsEvent) {
    auto* dropDown = Make<StripDropDown>();
    TFooterButton* ok = dropDown->DropDownFooter()->Buttons().Add();
    ok->SetCaption("OK");
    int clicked = -1;
    dropDown->OnDropDownFooterButtonClick = [&](TObject*, int Index) { clicked = Index; };
    dropDown->ShowDropDown();
    TExFooter* footer = dropDown->DropDownForm()->Footer();
    ASSERT_EQ(footer->ButtonList().Count(), 1);
    QWidget* button = footer->ButtonList().Items(0);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicked, 0);
}

}  // namespace
