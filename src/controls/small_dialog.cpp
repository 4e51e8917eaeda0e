#include "controls/small_dialog.h"
#include "controls/window_look.h"
#include "core/program_state.h"
#include "controls/button_look.h"

#include <algorithm>

namespace {
constexpr int kTitleHeight = 69;
constexpr int kButtonPanelHeight = 40;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kPanelMargin = 8;
constexpr int kButtonGap = 4;
}  // namespace

TSmallDialog::TSmallDialog(TComponent* AOwner, const QString& name) : TForm(AOwner) {
    SetName(name);
    SetFontName(QStringLiteral("Verdana"));
    SetFontSize(8);

    P_Title = new TPanel(this);
    P_Title->SetName(QStringLiteral("P_Title"));
    P_Title->SetHeight(kTitleHeight);
    P_Title->SetBevelOuter(bvNone);
    P_Title->SetColor(Window_Color);
    P_Title->SetAlign(alTop);

    L_SW_Code = new TLabel(this, P_Title);
    L_SW_Code->SetName(QStringLiteral("L_SW_Code"));
    L_SW_Code->SetFontSize(24);
    L_SW_Code->SetFontColor(clGray);
    L_SW_Code->SetLeft(16);
    L_SW_Code->SetTop(8);

    L_SW_Desc = new TLabel(this, P_Title);
    L_SW_Desc->SetName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->SetFontBold(true);
    L_SW_Desc->SetFontColor(clGray);
    L_SW_Desc->SetLeft(16);
    L_SW_Desc->SetTop(42);

    P_Buttons = new TPanel(this);
    P_Buttons->SetName(QStringLiteral("P_Buttons"));
    P_Buttons->SetHeight(kButtonPanelHeight);
    P_Buttons->SetAlign(alBottom);

    Btn_OK = new TLbButton(this, P_Buttons);
    Btn_OK->SetName(QStringLiteral("Btn_OK"));
    Btn_Cancel = new TLbButton(this, P_Buttons);
    Btn_Cancel->SetName(QStringLiteral("Btn_Cancel"));
    Btn_Cancel->SetModalResult(mrCancel);
    SetStandardButtonLook(Btn_OK, QStringLiteral("ok"));
    SetStandardButtonLook(Btn_Cancel, QStringLiteral("cancel"));

    L_SW_Code->SetCaption(SW_Code);
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);
}

void TSmallDialog::Set_Client_Size(int width, int height) {
    SetClientSize(width, height);
    TControl::AlignChildren(this);
    const int top = (kButtonPanelHeight - kButtonHeight) / 2;
    Btn_Cancel->SetBounds(width - 8 - kButtonWidth, top, kButtonWidth, kButtonHeight);
    Btn_OK->SetBounds(width - 16 - 2 * kButtonWidth, top, kButtonWidth, kButtonHeight);
}

void TSmallDialog::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    Reflow_Buttons();
}

void TSmallDialog::Reflow_Buttons() {
    // Each button's place as the window laid it out: a left set by code since the last
    // reflow is the new layout; the reflow starts from these, so widening gives them back.
    struct Placed {
        TLbButton* button;
        int left;
    };
    std::vector<Placed> buttons;
    for (TLbButton* button : P_Buttons->findChildren<TLbButton*>(Qt::FindDirectChildrenOnly)) {
        const auto reflowed = FReflowedLeft.find(button);
        if (reflowed == FReflowedLeft.end() || reflowed->second != button->Left()) FLaidOutLeft[button] = button->Left();
        if (button->Visible()) buttons.push_back({button, FLaidOutLeft[button]});
    }
    std::sort(buttons.begin(), buttons.end(), [](const Placed& a, const Placed& b) { return a.left < b.left; });
    const int limit = P_Buttons->Width() - kPanelMargin;
    const bool overflow =
        std::any_of(buttons.begin(), buttons.end(), [limit](const Placed& p) { return p.left + p.button->Width() > limit; });
    if (overflow) {
        // Buttons beyond the right edge move left just as far as they must, pushing their
        // left neighbours only where they would overlap, so none covers another while
        // there is room.
        int right = limit;
        for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
            it->left = std::min(it->left, right - it->button->Width());
            right = it->left - kButtonGap;
        }
        int lower = 0;
        for (Placed& placed : buttons) {
            placed.left = std::max(placed.left, lower);
            lower = placed.left + placed.button->Width() + kButtonGap;
        }
    }
    for (const Placed& placed : buttons) {
        placed.button->SetLeft(placed.left);
        FReflowedLeft[placed.button] = placed.left;
    }
}
