#include "config/device_update_dialog.h"

#include "core/address_helpers.h"
#include "core/program_start.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "controls/window_look.h"
#include "config/updater_job_file.h"
#include "controls/button_look.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/number_conversion.h"
#include "platform/tick_clock.h"

#include <QApplication>

namespace {
constexpr int kClientWidth = 449;
constexpr int kAddressPanelHeight = 49;
constexpr int kOptionsPanelHeight = 72;

constexpr int kReceiveTimeout = 400;
constexpr int kPacketSize = 1024;
constexpr int kTryWait = 400;
constexpr int kCheckLimit = 5000;
constexpr int kRepliesWanted = 2;
}  // namespace

TFBoot::TFBoot(TComponent* AOwner) : TSmallDialog(AOwner, QStringLiteral("FBoot")) {
    SetColor(Window_Color);
    SetBorderIcons({biSystemMenu});
    // The shared OK button has no part in this dialog; Cancel and the update button take the panel.
    Btn_OK->Hide();
    Btn_Cancel->SetBounds(16, 6, 110, 28);
    Btn_Update = new TLbButton(this, P_Buttons);
    Btn_Update->SetName(QStringLiteral("Btn_Update"));
    Btn_Update->SetBounds(132, 6, 228, 28);
    Btn_Update->OnClick = [this](TObject* sender) { Btn_UpdateClick(sender); };
    SetStandardButtonLook(Btn_Update, QStringLiteral("update"));

    P_IP_Address = new TPanel(this);
    P_IP_Address->SetName(QStringLiteral("P_IP_Address"));
    P_IP_Address->SetHeight(kAddressPanelHeight);
    P_IP_Address->SetBevelOuter(bvNone);
    L_IP_Address = new TLabel(this, P_IP_Address);
    L_IP_Address->SetName(QStringLiteral("L_IP_Address"));
    L_IP_Address->SetLeft(16);
    L_IP_Address->SetTop(4);
    const int lefts[4] = {35, 91, 147, 203}, dot_lefts[3] = {83, 139, 193};
    for (int i = 0; i < 4; ++i) {
        TEdit* edit = new TEdit(this, P_IP_Address);
        edit->SetName(QStringLiteral("E_IP%1").arg(i + 1));
        edit->SetBounds(lefts[i], 23, 41, 21);
        edit->SetText(QStringLiteral("0"));
        edit->SetMaxLength(IP_Part_Max_Length);
        edit->OnKeyPress = [this](TObject* sender, QChar& key) { KeyPress(sender, key); };
        E_IP[std::size_t(i)] = edit;
    }
    for (int i = 0; i < 3; ++i) {
        TLabel* dot = new TLabel(this, P_IP_Address);
        dot->SetName(QStringLiteral("L_Dot%1").arg(i + 1));
        dot->SetCaption(QStringLiteral("."));
        dot->SetLeft(dot_lefts[i]);
        dot->SetTop(31);
    }

    P_Options = new TPanel(this);
    P_Options->SetName(QStringLiteral("P_Options"));
    P_Options->SetHeight(kOptionsPanelHeight);
    P_Options->SetBevelOuter(bvNone);
    L_Update_Option = new TLabel(this, P_Options);
    L_Update_Option->SetName(QStringLiteral("L_Update_Option"));
    L_Update_Option->SetLeft(16);
    L_Update_Option->SetTop(4);
    CB_Update_Options = new TComboBox(this, P_Options);
    CB_Update_Options->SetName(QStringLiteral("CB_Update_Options"));
    CB_Update_Options->SetStyle(csDropDownList);
    CB_Update_Options->SetBounds(35, 23, 382, 21);
    CB_Update_Option_Read_Back = new TCheckBox(this, P_Options);
    CB_Update_Option_Read_Back->SetName(QStringLiteral("CB_Update_Option_Read_Back"));
    CB_Update_Option_Read_Back->SetBounds(16, 50, 401, 17);
    CB_Update_Option_Read_Back->SetChecked(true);

    Ping = new TIcmpClient(this);
    Ping->SetName(QStringLiteral("Ping"));
    Ping->SetReceiveTimeout(kReceiveTimeout);
    Ping->SetPacketSize(kPacketSize);
    Ping->OnReply = [this](TObject* sender, const TReplyStatus& status) { PingReply(sender, status); };

    // Tab order follows the panels from the top: address, options, then the buttons.
    QWidget* const chain[] = {E_IP[0], E_IP[1], E_IP[2], E_IP[3], CB_Update_Options, CB_Update_Option_Read_Back,
                              Btn_Cancel, Btn_Update};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);

    SetClientSize(kClientWidth,
                  P_Title->Height() + kAddressPanelHeight + kOptionsPanelHeight + P_Buttons->Height());
    Set_Lang();
}

void TFBoot::Set_Lang() {
    if (Form_Type == 1) {
        SetCaption(LangText(802));
        L_SW_Desc->SetCaption(LangText(803));
    } else if (Form_Type == 0) {
        SetCaption(LangText(800));
        L_SW_Desc->SetCaption(LangText(801));
    }
    L_IP_Address->SetCaption(LangText(806));
    CB_Update_Options->Items().Clear();
    for (int text : {815, 816, 817}) CB_Update_Options->Items().Add(LangText(text));
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Options->SetHint(LangText(832));
    L_Update_Option->SetCaption(LangText(814));
    CB_Update_Option_Read_Back->SetCaption(LangText(818));
    CB_Update_Option_Read_Back->SetHint(LangText(833));
    Btn_Cancel->SetCaption(LangText(819));
    Btn_Cancel->SetHint(LangText(834));
    Btn_Update->SetCaption(LangText(820));
    Btn_Update->SetHint(LangText(835));
    for (int i = 0; i < 4; ++i) E_IP[std::size_t(i)]->SetHint(LangText(821 + i));
}

void TFBoot::FormShow(TObject*) {
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    for (TPanel* panel : {P_IP_Address, P_Options}) {
        panel->Hide();
        panel->SetAlign(alNone);
    }
    // The serial layout of the device family has no port list in this product: it keeps only the options.
    if (Form_Type == 1) {
        P_IP_Address->Show();
        P_IP_Address->SetAlign(alTop);
    }
    P_Options->Show();
    P_Options->SetAlign(alTop);
    const int address_height = Form_Type == 1 ? kAddressPanelHeight : 0;
    SetClientSize(kClientWidth, P_Title->Height() + address_height + kOptionsPanelHeight + P_Buttons->Height());
    TControl::AlignChildren(this);

    if (Form_Type == 1) {
        QString parts[4];
        if (!Last_IP_Address.isEmpty() && Split_IP_Address(Last_IP_Address, parts[0], parts[1], parts[2], parts[3]))
            for (int i = 0; i < 4; ++i) E_IP[std::size_t(i)]->SetText(parts[i]);
    }
    CB_Update_Options->SetItemIndex(Update_Option);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
    if (Form_Type == 1 && E_IP[0]->CanFocus()) SetActiveControl(E_IP[0]);
}

void TFBoot::FormClose(TObject*, TCloseAction& Action) {
    // The check runs inside the button's handler; the window stays until it is over.
    if (FChecking) Action = caNone;
}

void TFBoot::KeyPress(TObject* Sender, QChar& Key) {
    if (Key != u'.') return;
    Key = QChar();
    for (int i = 0; i < 3; ++i)
        if (Sender == E_IP[std::size_t(i)] && E_IP[std::size_t(i) + 1]->CanFocus()) E_IP[std::size_t(i) + 1]->SetFocus();
}

void TFBoot::Set_Checking(bool checking) {
    FChecking = checking;
    Btn_Update->SetEnabled(!checking);
    Btn_Cancel->SetEnabled(!checking);
    // The check takes up to five seconds; the busy cursor says the window has not hung.
    if (checking) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void TFBoot::PingReply(TObject*, const TReplyStatus& AReplyStatus) { ping_res = AReplyStatus.BytesReceived > 0 ? 1 : 2; }

bool TFBoot::Send_Ping(const QString& address) {
    ping_res = 0;
    const std::int64_t start = TickCount();
    try {
        Ping->SetHost(address);
        int replies = 0;
        do {
            const std::int64_t try_start = TickCount();
            Ping->Ping(address, 0);
            // ping_res is not cleared between tries, so from the second try on this waits one round.
            do {
                SleepMs(10);
                Application()->ProcessMessages();
            } while (ping_res == 0 && TickCount() - try_start <= kTryWait);
            if (ping_res == 1) ++replies;
        } while (replies < kRepliesWanted && TickCount() - start <= kCheckLimit);
    } catch (const std::exception&) {
        return false;
    }
    return ping_res == 1;
}

bool TFBoot::Compile_XML_Parameter(int, const QString& address) {
    TUpdateJob job;
    job.Address = address;
    job.Option = CB_Update_Options->ItemIndex();
    job.Read_Back = CB_Update_Option_Read_Back->Checked();
    return Save_Updater_Job_File(XML1, job);
}

void TFBoot::Btn_UpdateClick(TObject*) {
    if (Form_Type == 0) {
        Update_Option = CB_Update_Options->ItemIndex();
        Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    if (Form_Type != 1) return;

    // Only a valid address is pinged, remembered and handed to the updater, in plain decimal form.
    QString parts[4];
    const QString typed = E_IP[0]->Text() + u'.' + E_IP[1]->Text() + u'.' + E_IP[2]->Text() + u'.' + E_IP[3]->Text();
    if (!Split_IP_Address(typed, parts[0], parts[1], parts[2], parts[3])) {
        ShowErrorMessage(LangText(837));
        return;
    }
    QStringList octets;
    for (const QString& part : parts) octets << QString::number(StrToIntDef(part, 0));
    const QString address = octets.join(u'.');

    Set_Checking(true);
    const bool answered = Send_Ping(address);
    Set_Checking(false);
    if (!answered) {
        if (ping_res == 2) MessageDlg(LangText(836), mtWarning, {mbOK});
        else ShowErrorMessage(LangText(837));
        return;
    }

    Last_IP_Address = address;
    Update_Option = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked();
    if (!Compile_XML_Parameter(0, address)) {
        ShowErrorMessage(QStringLiteral("The updater's job file could not be written to %1.").arg(Updater_Job_File_Path()));
        return;
    }
    if (!Start_Program_And_Wait(Updater_Program_Path(), QString(), 0))
        ShowErrorMessage(QStringLiteral("The updater %1 could not be started.").arg(Updater_Program_Path()));
}
