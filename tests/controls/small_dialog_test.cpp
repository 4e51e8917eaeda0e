#include "controls/small_dialog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>

namespace {

// A dialog laid out for 1200 pixels: four command buttons from the left, OK and Cancel at the right.
class WideDialog : public TSmallDialog {
public:
    explicit WideDialog(int width = 1200, std::vector<int> lefts = {252, 370, 488, 606})
        : TSmallDialog(nullptr, QStringLiteral("WideDialog")) {
        for (int left : lefts) {
            auto* button = new TLbButton(this, P_Buttons);
            Commands.push_back(button);
            button->SetBounds(left, 6, 110, 28);
        }
        Set_Client_Size(width, 300);
    }
    std::vector<TLbButton*> Commands;
};

TEST(SmallDialogTest, NarrowedDialogKeepsItsButtonsApartAndOnThePanel) {
    for (const int width : {1000, 820, 700}) {
        WideDialog dialog;
        dialog.show();
        dialog.setFixedWidth(width);
        QCoreApplication::processEvents();
        std::vector<TLbButton*> buttons = dialog.Commands;
        buttons.push_back(dialog.Btn_OK);
        buttons.push_back(dialog.Btn_Cancel);
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->Left() < b->Left(); });
        SCOPED_TRACE(width);
        EXPECT_GE(buttons.front()->Left(), 0);
        EXPECT_LE(buttons.back()->Left() + buttons.back()->Width(), dialog.P_Buttons->Width());
        for (std::size_t i = 1; i < buttons.size(); ++i)
            EXPECT_GE(buttons[i]->Left(), buttons[i - 1]->Left() + buttons[i - 1]->Width()) << i;
    }
}

// A dialog narrowed while it is built, then given its size, shows the buttons where it
// laid them out.
TEST(SmallDialogTest, WideningGivesTheButtonsTheirPlacesBack) {
    WideDialog dialog(700, {16, 134, 252});
    dialog.show();
    dialog.setFixedWidth(480);
    QCoreApplication::processEvents();
    ASSERT_LT(dialog.Commands[2]->Left(), 252);
    dialog.setFixedWidth(700);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog.P_Buttons->Width(), 700);
    EXPECT_EQ(dialog.Commands[0]->Left(), 16);
    EXPECT_EQ(dialog.Commands[2]->Left(), 252);
    EXPECT_EQ(dialog.Btn_Cancel->Left(), 700 - 8 - 110);
}

}  // namespace
