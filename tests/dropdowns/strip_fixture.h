#pragma once
// A pop-up window with a header and a footer strip attached to a stand-in for the
// drop-down edit, which records the hides and button events the strips cause.

#include "dropdowns/popup_strip.h"
#include "dropdowns/strip_drop_down.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/messages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <optional>
#include <vector>

// Counts the sizing notices a dragged grip sends.
class PopupWindow : public TForm, public IMessageHandler {
public:
    PopupWindow() : TForm(nullptr) { SetBorderStyle(bsNone); }
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_SIZING) ++Sizings;
    }
    int Sizings = 0;
};

class StripDropDown : public IStripDropDown {
public:
    THeaderAppearance Header{nullptr};
    TFooterAppearance Footer{nullptr};
    TExButtonAppearance Buttons;
    TCustomImageList* ImageList = nullptr;
    int BorderWidth = 1;
    TColor BorderColor = clBlack;
    bool Sizeable = true;
    QWidget* Popup = nullptr;
    std::vector<bool> Hides;  // the Cancel flag of each hide
    std::vector<int> HeaderClicks, FooterClicks;
    // The order in which hides and button events came.
    std::vector<QString> Events;

    THeaderAppearance* DropDownHeader() const override { return const_cast<THeaderAppearance*>(&Header); }
    TFooterAppearance* DropDownFooter() const override { return const_cast<TFooterAppearance*>(&Footer); }
    TExButtonAppearance* ButtonAppearance() const override { return const_cast<TExButtonAppearance*>(&Buttons); }
    TCustomImageList* Images() const override { return ImageList; }
    int DropDownBorderWidth() const override { return BorderWidth; }
    TColor DropDownBorderColor() const override { return BorderColor; }
    bool DropDownSizeable() const override { return Sizeable; }
    void DoHideDropDown(bool Cancel) override {
        Hides.push_back(Cancel);
        Events.push_back(QStringLiteral("hide"));
        if (Popup) Popup->hide();
    }
    void DropDownHeaderButtonClick(int ButtonIndex) override {
        HeaderClicks.push_back(ButtonIndex);
        Events.push_back(QStringLiteral("header %1").arg(ButtonIndex));
    }
    void DropDownFooterButtonClick(int ButtonIndex) override {
        FooterClicks.push_back(ButtonIndex);
        Events.push_back(QStringLiteral("footer %1").arg(ButtonIndex));
    }
};

class StripTest : public ::testing::Test {
protected:
    void SetUp() override {
        DropDown.Popup = &Window;
        Window.resize(240, 160);
        Header = new TExHeader(&Window, &Window);
        Header->SetHeight(22);
        Header->SetAlign(alTop);
        Footer = new TExFooter(&Window, &Window);
        Footer->SetHeight(24);
        Footer->SetAlign(alBottom);
    }
    // Attaches both strips and builds their buttons, as the pop-up does before showing.
    void Prepare() {
        Header->AttachDropDown(&DropDown);
        Header->RebuildButtons();
        Footer->AttachDropDown(&DropDown);
        Footer->RebuildButtons();
        Window.show();
        TControl::AlignChildren(&Window);
        QApplication::processEvents();
    }
    TExButton* HeaderButton(int i) { return Header->ButtonList().Items(i); }
    TExButton* FooterButton(int i) { return Footer->ButtonList().Items(i); }

    StripDropDown DropDown;
    PopupWindow Window;
    TExHeader* Header = nullptr;
    TExFooter* Footer = nullptr;
};
