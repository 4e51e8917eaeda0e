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
    int right = 0;
    const QList<TLbButton*> buttons = P_Buttons->findChildren<TLbButton*>(Qt::FindDirectChildrenOnly);
    for (const TLbButton* button : buttons)
        if (button->Visible()) right = std::max(right, button->Left() + button->Width());
    const int overflow = right + 8 - P_Buttons->Width();
    if (overflow <= 0) return;
    for (TLbButton* button : buttons) button->SetLeft(std::max(0, button->Left() - overflow));
}
