#include "controls/small_dialog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>

namespace {

// A dialog laid out for 1200 pixels: four command buttons from the left, OK and Cancel at the right.
class WideDialog : public TSmallDialog {
public:
    WideDialog() : TSmallDialog(nullptr, QStringLiteral("WideDialog")) {
        for (int left : {252, 370, 488, 606}) {
            auto* button = new TLbButton(this, P_Buttons);
            Commands.push_back(button);
            button->SetBounds(left, 6, 110, 28);
        }
        Set_Client_Size(1200, 300);
    }
    std::vector<TLbButton*> Commands;
};

TEST(SmallDialogTest, NarrowedDialogKeepsItsButtonsApartAndOnThePanel) {
    for (const int width : {1000, 820, 700}) {
        WideDialog dialog;
        dialog.show();
        dialog.resize(width, dialog.height());
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

}  // namespace
