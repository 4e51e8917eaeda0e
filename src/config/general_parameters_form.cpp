#include "config/general_parameters_form.h"

#include "core/address_helpers.h"
#include "core/program_state.h"
#include "core/text_table.h"
#include "controls/window_look.h"
#include "controls/button_look.h"
#include "platform/dialogs.h"
#include "platform/number_conversion.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <array>
#include <functional>

namespace {
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 296;
constexpr int kBoxGap = 6;
constexpr int kCollapsedHeight = 26;
constexpr int kBoxBottomMargin = 15;
constexpr int kEditHeight = 21;
constexpr int kCheckHeight = 17;
constexpr int kFirstBoxTop = 70;
// OK and Cancel stand 13 pixels below the last box, on a strip 54 high.
constexpr int kButtonsTop = 13;
constexpr int kButtonStripHeight = 54;

int Bottom(const TControl* control) { return control->Top() + control->Height(); }

// A number field's value; a text that is not a number counts as -1.
int NumberOf(const TEdit* edit) { return StrToIntDef(edit->Text(), -1); }

bool InRange(const TEdit* edit, int low, int high) {
    const int value = NumberOf(edit);
    return value >= low && value <= high;
}

bool IsKnxAddress(const TEdit* edit, bool group) {
    return Check_KNX_Address(edit->Text().trimmed(), group, false) == 0;
}
}  // namespace

// ---- Creation ----------------------------------------------------------------

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner) {
    SetName(QStringLiteral("FParGen"));
    SetColor(Window_Color);
    SetFontName(QStringLiteral("Verdana"));
    SetFontSize(8);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    Create_Controls();

    L_SW_Code->SetCaption(SW_Code);
    Collapse_Expand_Creation();
    Move_GroupBoxs();
    SetBorderStyle(bsSingle);
    Set_Lang();
}

TGroupBox* TFParGen::Make_Box(const QString& name) {
    auto* box = new TGroupBox(this, P_Content);
    box->SetName(name);
    box->SetBounds(kBoxLeft, kFirstBoxTop, kBoxWidth, kCollapsedHeight);
    return box;
}

TLbButton* TFParGen::Make_Box_Button(TGroupBox* box, const QString& name) {
    auto* button = new TLbButton(this, box);
    button->SetName(name);
    button->SetBounds(280, 10, 11, 11);
    return button;
}

TLabel* TFParGen::Make_Label(TGroupBox* box, const QString& name, int left, int top) {
    auto* label = new TLabel(this, box);
    label->SetName(name);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TEdit* TFParGen::Make_Edit(TGroupBox* box, const QString& name, int left, int top, int width) {
    auto* edit = new TEdit(this, box);
    edit->SetName(name);
    edit->SetBounds(left, top, width, kEditHeight);
    edit->OnChange = [this](TObject* sender) { On_Change(sender); };
    return edit;
}

TCheckBox* TFParGen::Make_Check(TGroupBox* box, const QString& name, int left, int top, int width) {
    auto* check = new TCheckBox(this, box);
    check->SetName(name);
    check->SetBounds(left, top, width, kCheckHeight);
    check->OnClick = [this](TObject* sender) { On_Click(sender); };
    return check;
}

void TFParGen::Create_Controls() {
    SB_Content = new QScrollArea(this);
    SB_Content->setObjectName(QStringLiteral("SB_Content"));
    SB_Content->setFrameShape(QFrame::NoFrame);
    SB_Content->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The fields take the focus, not the area around them.
    SB_Content->setFocusPolicy(Qt::NoFocus);
    P_Content = new TPanel(this, SB_Content);
    P_Content->SetName(QStringLiteral("P_Content"));
    P_Content->SetBevelOuter(bvNone);
    P_Content->SetColor(Window_Color);
    SB_Content->setWidget(P_Content);
    P_Buttons = new TPanel(this);
    P_Buttons->SetName(QStringLiteral("P_Buttons"));
    P_Buttons->SetBevelOuter(bvNone);
    // A field the keys move to is scrolled into view.
    QObject::connect(qApp, &QApplication::focusChanged, SB_Content, [this](QWidget*, QWidget* now) {
        if (now && P_Content->isAncestorOf(now)) SB_Content->ensureWidgetVisible(now, 0, 8);
    });

    L_SW_Code = new TLabel(this, P_Content);
    L_SW_Code->SetName(QStringLiteral("L_SW_Code"));
    L_SW_Code->SetBounds(16, 8, 0, 0);
    L_SW_Code->SetFontSize(24);
    L_SW_Code->SetFontColor(clGray);
    L_SW_Desc = new TLabel(this, P_Content);
    L_SW_Desc->SetName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->SetBounds(16, 42, 0, 0);
    L_SW_Desc->SetFontBold(true);
    L_SW_Desc->SetFontColor(clGray);

    GB_KNX = Make_Box(QStringLiteral("GB_KNX"));
    Btn_KNX_Collapse = Make_Box_Button(GB_KNX, QStringLiteral("Btn_KNX_Collapse"));
    Btn_KNX_Expande = Make_Box_Button(GB_KNX, QStringLiteral("Btn_KNX_Expande"));
    L_KNX_Type = Make_Label(GB_KNX, QStringLiteral("L_KNX_Type"), 16, 24);
    CB_KNX_Type = new TComboBox(this, GB_KNX);
    CB_KNX_Type->SetName(QStringLiteral("CB_KNX_Type"));
    CB_KNX_Type->SetStyle(csDropDownList);
    CB_KNX_Type->SetBounds(82, 21, 192, kEditHeight);
    CB_KNX_Type->Items().Assign({QStringLiteral("KNX TP"), QStringLiteral("KNXnet/IP")});
    CB_KNX_Type->SetEnabled(false);
    CB_KNX_Type->OnChange = [this](TObject* sender) { On_Change(sender); };
    L_KNX_ID_Dev = Make_Label(GB_KNX, QStringLiteral("L_KNX_ID_Dev"), 16, 58);
    E_ID_DEV_KNX = Make_Edit(GB_KNX, QStringLiteral("E_ID_DEV_KNX"), 82, 55, 192);
    CB_KNX_Interface_Enable = Make_Check(GB_KNX, QStringLiteral("CB_KNX_Interface_Enable"), 16, 92, 257);
    L_KNX_ID_Tun = Make_Label(GB_KNX, QStringLiteral("L_KNX_ID_Tun"), 16, 127);
    E_ID_Tun_KNX = Make_Edit(GB_KNX, QStringLiteral("E_ID_Tun_KNX"), 148, 124, 126);
    L_KNX_ID_Mana = Make_Label(GB_KNX, QStringLiteral("L_KNX_ID_Mana"), 16, 161);
    E_ID_Mana_KNX = Make_Edit(GB_KNX, QStringLiteral("E_ID_Mana_KNX"), 148, 158, 126);
    L_KNX_CTRL_Port = Make_Label(GB_KNX, QStringLiteral("L_KNX_CTRL_Port"), 16, 195);
    E_CTRL_Port_KNX = Make_Edit(GB_KNX, QStringLiteral("E_CTRL_Port_KNX"), 148, 192, 126);
    L_KNX_TUN_Port = Make_Label(GB_KNX, QStringLiteral("L_KNX_TUN_Port"), 16, 229);
    E_TUN_Port_KNX = Make_Edit(GB_KNX, QStringLiteral("E_TUN_Port_KNX"), 148, 226, 126);
    L_KNX_MANA_Port = Make_Label(GB_KNX, QStringLiteral("L_KNX_MANA_Port"), 16, 263);
    E_MANA_Port_KNX = Make_Edit(GB_KNX, QStringLiteral("E_MANA_Port_KNX"), 148, 260, 126);
    L_KNX_TimeOut_DALI = Make_Label(GB_KNX, QStringLiteral("L_KNX_TimeOut_DALI"), 16, 296);
    E_KNX_TimeOut_DALI = Make_Edit(GB_KNX, QStringLiteral("E_KNX_TimeOut_DALI"), 148, 293, 126);
    L_KNX_Delay_Packets = Make_Label(GB_KNX, QStringLiteral("L_KNX_Delay_Packets"), 16, 330);
    E_KNX_Delay_Packets = Make_Edit(GB_KNX, QStringLiteral("E_KNX_Delay_Packets"), 148, 327, 126);

    GB_DALI = Make_Box(QStringLiteral("GB_DALI"));
    Btn_DALI_Collapse = Make_Box_Button(GB_DALI, QStringLiteral("Btn_DALI_Collapse"));
    Btn_DALI_Expande = Make_Box_Button(GB_DALI, QStringLiteral("Btn_DALI_Expande"));
    L_DALI_Console_Port = Make_Label(GB_DALI, QStringLiteral("L_DALI_Console_Port"), 16, 24);
    E_DALI_Console_Port = Make_Edit(GB_DALI, QStringLiteral("E_DALI_Console_Port"), 148, 21, 126);
    L_DALI_Data_Point_ADV = Make_Label(GB_DALI, QStringLiteral("L_DALI_Data_Point_ADV"), 16, 58);
    E_DALI_Data_Point_ADV = Make_Edit(GB_DALI, QStringLiteral("E_DALI_Data_Point_ADV"), 148, 55, 61);
    E_DALI_Data_Point_ADV2 = Make_Edit(GB_DALI, QStringLiteral("E_DALI_Data_Point_ADV2"), 213, 55, 61);
    L_DALI_Data_Point_SW = Make_Label(GB_DALI, QStringLiteral("L_DALI_Data_Point_SW"), 16, 92);
    E_DALI_Data_Point_SW = Make_Edit(GB_DALI, QStringLiteral("E_DALI_Data_Point_SW"), 148, 89, 61);
    E_DALI_Data_Point_SW2 = Make_Edit(GB_DALI, QStringLiteral("E_DALI_Data_Point_SW2"), 213, 89, 61);
    L_DALI_Data_Point_DIM = Make_Label(GB_DALI, QStringLiteral("L_DALI_Data_Point_DIM"), 16, 126);
    E_DALI_Data_Point_DIM = Make_Edit(GB_DALI, QStringLiteral("E_DALI_Data_Point_DIM"), 148, 123, 61);
    E_DALI_Data_Point_DIM2 = Make_Edit(GB_DALI, QStringLiteral("E_DALI_Data_Point_DIM2"), 213, 123, 61);
    CB_DALI_Disable_Scan = Make_Check(GB_DALI, QStringLiteral("CB_DALI_Disable_Scan"), 16, 160, 257);
    CB_DALI_En_DALI2 = Make_Check(GB_DALI, QStringLiteral("CB_DALI_En_DALI2"), 16, 194, 257);

    GB_Modbus_TCP_Slave = Make_Box(QStringLiteral("GB_Modbus_TCP_Slave"));
    Btn_Modbus_TCP_Slave_Collapse = Make_Box_Button(GB_Modbus_TCP_Slave, QStringLiteral("Btn_Modbus_TCP_Slave_Collapse"));
    Btn_Modbus_TCP_Slave_Expande = Make_Box_Button(GB_Modbus_TCP_Slave, QStringLiteral("Btn_Modbus_TCP_Slave_Expande"));
    L_ModTCPs_IP = Make_Label(GB_Modbus_TCP_Slave, QStringLiteral("L_ModTCPs_IP"), 16, 24);
    L_ModTCPs_SM = Make_Label(GB_Modbus_TCP_Slave, QStringLiteral("L_ModTCPs_SM"), 16, 79);
    CB_ModTCPs_EN_GAT = Make_Check(GB_Modbus_TCP_Slave, QStringLiteral("CB_ModTCPs_EN_GAT"), 16, 134, 256);
    // Three rows of four octets with a dot between each pair.
    const auto octets = [this](const QString& prefix, int top, std::array<TEdit**, 4> edits) {
        static constexpr int lefts[] = {16, 82, 148, 214};
        for (int i = 0; i < 4; ++i) {
            TEdit* edit =
                Make_Edit(GB_Modbus_TCP_Slave, QStringLiteral("E_%1%2").arg(prefix).arg(i + 1), lefts[i], top, 60);
            edit->SetMaxLength(IP_Part_Max_Length);
            edit->OnKeyPress = [this](TObject* sender, QChar& key) { KeyPress(sender, key); };
            *edits[std::size_t(i)] = edit;
        }
        for (int i = 0; i < 3; ++i)
            Make_Label(GB_Modbus_TCP_Slave, QStringLiteral("L_%1_Dot%2").arg(prefix).arg(i + 1), lefts[i] + 61, top + 3)
                ->SetCaption(QStringLiteral("."));
    };
    octets(QStringLiteral("IP"), 43, {&E_IP1, &E_IP2, &E_IP3, &E_IP4});
    octets(QStringLiteral("SM"), 98, {&E_SM1, &E_SM2, &E_SM3, &E_SM4});
    octets(QStringLiteral("GAT"), 154, {&E_GAT1, &E_GAT2, &E_GAT3, &E_GAT4});

    // Tab runs through the Ethernet box row by row, the gateway switch before its row.
    QWidget* const tabs[] = {CB_DALI_En_DALI2, E_IP1, E_IP2, E_IP3, E_IP4, E_SM1, E_SM2, E_SM3, E_SM4,
                             CB_ModTCPs_EN_GAT, E_GAT1, E_GAT2, E_GAT3, E_GAT4};
    for (std::size_t i = 0; i + 1 < std::size(tabs); ++i) QWidget::setTabOrder(tabs[i], tabs[i + 1]);

    Btn_OK = new TLbButton(this, P_Buttons);
    Btn_OK->SetName(QStringLiteral("Btn_OK"));
    Btn_OK->SetBounds(71, kButtonsTop, 112, 28);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel = new TLbButton(this, P_Buttons);
    Btn_Cancel->SetName(QStringLiteral("Btn_Cancel"));
    Btn_Cancel->SetBounds(192, kButtonsTop, 112, 28);
    Btn_Cancel->OnClick = [this](TObject* sender) { Btn_CancelClick(sender); };

    FBoxes = {
        {GB_KNX, Btn_KNX_Collapse, Btn_KNX_Expande, &GB_KNX_Visible, {L_KNX_Type, CB_KNX_Type}},
        {GB_DALI, Btn_DALI_Collapse, Btn_DALI_Expande, &GB_DALI_Visible, {L_DALI_Console_Port, E_DALI_Console_Port}},
        {GB_Modbus_TCP_Slave, Btn_Modbus_TCP_Slave_Collapse, Btn_Modbus_TCP_Slave_Expande,
         &GB_Modbus_TCP_Slave_Visible, {L_ModTCPs_IP}},
    };
    SetStandardButtonLook(Btn_OK, QStringLiteral("ok"));
    SetStandardButtonLook(Btn_Cancel, QStringLiteral("cancel"));
    for (const TCollapsibleBox& box : FBoxes) {
        SetBoxToggleLook(box.collapse, false);
        SetBoxToggleLook(box.expand, true);
        box.collapse->OnClick = [this](TObject* sender) { Btn_GB_Collapse(sender); };
        box.expand->OnClick = [this](TObject* sender) { Btn_GB_Expande(sender); };
    }

    using P = TGeneralParameters;
    FEditElements = {
        {&P::MTCPs_IP1, E_IP1},
        {&P::MTCPs_IP2, E_IP2},
        {&P::MTCPs_IP3, E_IP3},
        {&P::MTCPs_IP4, E_IP4},
        {&P::MTCPs_SUB1, E_SM1},
        {&P::MTCPs_SUB2, E_SM2},
        {&P::MTCPs_SUB3, E_SM3},
        {&P::MTCPs_SUB4, E_SM4},
        {&P::MTCPs_GAT1, E_GAT1},
        {&P::MTCPs_GAT2, E_GAT2},
        {&P::MTCPs_GAT3, E_GAT3},
        {&P::MTCPs_GAT4, E_GAT4},
        {&P::KNX_ID_DEV, E_ID_DEV_KNX},
        {&P::KNX_ID_TUNNEL, E_ID_Tun_KNX},
        {&P::KNX_ID_MANAGEMENT, E_ID_Mana_KNX},
        {&P::KNX_CONTROL_PORT, E_CTRL_Port_KNX},
        {&P::KNX_TUNNEL_PORT, E_TUN_Port_KNX},
        {&P::KNX_MANAGEMENT_PORT, E_MANA_Port_KNX},
        {&P::KNX_TIMEOUT_DALI, E_KNX_TimeOut_DALI},
        {&P::KNX_DELAY_BETWEEN_PACKETS, E_KNX_Delay_Packets},
        {&P::DALI_CONSOLE_PORT, E_DALI_Console_Port},
        {&P::DALI_DATA_POINT, E_DALI_Data_Point_ADV},
        {&P::DALI_DATA_POINT_SW, E_DALI_Data_Point_SW},
        {&P::DALI_DATA_POINT_DIM, E_DALI_Data_Point_DIM},
        {&P::DALI_DATA_POINT_2, E_DALI_Data_Point_ADV2},
        {&P::DALI_DATA_POINT_SW_2, E_DALI_Data_Point_SW2},
        {&P::DALI_DATA_POINT_DIM_2, E_DALI_Data_Point_DIM2},
    };
    FCheckElements = {
        {&P::MTCPs_EN_GAT, CB_ModTCPs_EN_GAT},
        {&P::KNX_ETHERNET_INTERFACE_ENABLE, CB_KNX_Interface_Enable},
        {&P::DALI_DISABLE_SCAN, CB_DALI_Disable_Scan},
        {&P::DALI_ENABLE_DALI_2, CB_DALI_En_DALI2},
    };
}

// ---- Texts -------------------------------------------------------------------

void TFParGen::Set_Lang() {
    SetCaption(LangText(400));
    L_SW_Desc->SetCaption(LangText(401));
    Btn_OK->SetCaption(LangText(402));
    Btn_OK->SetHint(LangText(425));
    Btn_Cancel->SetCaption(LangText(403));
    Btn_Cancel->SetHint(LangText(426));
    for (const TCollapsibleBox& box : FBoxes) {
        box.collapse->SetHint(LangText(409));
        box.expand->SetHint(LangText(410));
    }
    GB_KNX->SetCaption(LangText(506));
    GB_DALI->SetCaption(LangText(463));
    GB_Modbus_TCP_Slave->SetCaption(LangText(468));

    // Caption and hint numbers; 0 where the control has none.
    const struct {
        TControl* control;
        int caption;
        int hint;
    } texts[] = {
        {L_KNX_Type, 507, 0},           {CB_KNX_Type, 0, 514},
        {L_KNX_ID_Dev, 508, 0},         {E_ID_DEV_KNX, 0, 515},
        {CB_KNX_Interface_Enable, 1233, 0},
        {L_KNX_ID_Tun, 509, 0},         {E_ID_Tun_KNX, 0, 516},
        {L_KNX_ID_Mana, 510, 0},        {E_ID_Mana_KNX, 0, 517},
        {L_KNX_CTRL_Port, 511, 0},      {E_CTRL_Port_KNX, 0, 518},
        {L_KNX_TUN_Port, 512, 0},       {E_TUN_Port_KNX, 0, 519},
        {L_KNX_MANA_Port, 513, 0},      {E_MANA_Port_KNX, 0, 520},
        {L_KNX_TimeOut_DALI, 1243, 0},  {E_KNX_TimeOut_DALI, 0, 1244},
        {L_KNX_Delay_Packets, 1249, 0}, {E_KNX_Delay_Packets, 0, 1250},
        {L_DALI_Console_Port, 464, 0},  {E_DALI_Console_Port, 0, 465},
        {L_DALI_Data_Point_ADV, 1217, 0}, {E_DALI_Data_Point_ADV, 0, 1218}, {E_DALI_Data_Point_ADV2, 0, 1269},
        {L_DALI_Data_Point_SW, 1219, 0},  {E_DALI_Data_Point_SW, 0, 1220},  {E_DALI_Data_Point_SW2, 0, 1270},
        {L_DALI_Data_Point_DIM, 1221, 0}, {E_DALI_Data_Point_DIM, 0, 1222}, {E_DALI_Data_Point_DIM2, 0, 1271},
        {CB_DALI_Disable_Scan, 1290, 1291},
        {CB_DALI_En_DALI2, 1292, 1293},
        {L_ModTCPs_IP, 405, 0},
        {E_IP1, 0, 427}, {E_IP2, 0, 428}, {E_IP3, 0, 429}, {E_IP4, 0, 430},
        {L_ModTCPs_SM, 406, 0},
        {E_SM1, 0, 431}, {E_SM2, 0, 432}, {E_SM3, 0, 433}, {E_SM4, 0, 434},
        {CB_ModTCPs_EN_GAT, 407, 435},
        {E_GAT1, 0, 436}, {E_GAT2, 0, 437}, {E_GAT3, 0, 438}, {E_GAT4, 0, 439},
    };
    for (const auto& t : texts) {
        if (t.caption) t.control->SetCaption(LangText(t.caption));
        if (t.hint) t.control->SetHint(LangText(t.hint));
    }
}

// ---- Layout, collapse and expand ---------------------------------------------

void TFParGen::Collapse_Expand_Creation() {
    for (const TCollapsibleBox& box : FBoxes) {
        *box.expanded = true;
        box.collapse->SetBounds(280, 10, 11, 11);
        box.collapse->Show();
        box.expand->SetBounds(280, 10, 11, 11);
        box.expand->Hide();
    }
}

void TFParGen::Move_GroupBoxs() { RePosition_Objects_514(); }

void TFParGen::RePosition_Objects_514() {
    GB_KNX->Show();
    GB_KNX->SetLeft(kBoxLeft);
    GB_KNX->SetTop(kFirstBoxTop);
    if (GB_KNX_Visible) GB_KNX->SetHeight(Bottom(E_KNX_Delay_Packets) + kBoxBottomMargin);

    GB_DALI->Show();
    CB_DALI_Disable_Scan->SetLeft(16);
    CB_DALI_Disable_Scan->SetTop(160);
    CB_DALI_En_DALI2->SetLeft(16);
    CB_DALI_En_DALI2->SetTop(194);
    GB_DALI->SetLeft(kBoxLeft);
    GB_DALI->SetTop(Bottom(GB_KNX) + kBoxGap);
    if (GB_DALI_Visible) GB_DALI->SetHeight(Bottom(CB_DALI_En_DALI2) + kBoxBottomMargin);

    GB_Modbus_TCP_Slave->Show();
    GB_Modbus_TCP_Slave->SetLeft(kBoxLeft);
    GB_Modbus_TCP_Slave->SetTop(Bottom(GB_DALI) + kBoxGap);
    if (GB_Modbus_TCP_Slave_Visible) GB_Modbus_TCP_Slave->SetHeight(Bottom(E_GAT4) + kBoxBottomMargin);

    // OK and Cancel stand on their strip right below the content, 13 below the last box.
    Btn_OK->SetTop(kButtonsTop);
    Btn_Cancel->SetTop(Btn_OK->Top());
    Fit_To_Screen(312, Bottom(GB_Modbus_TCP_Slave) + kButtonStripHeight);
}

// ---- Fitting the window to the screen ----------------------------------------

void TFParGen::Fit_To_Screen(int clientWidth, int clientHeight) {
    FLayoutClientHeight = clientHeight;
    const int contentHeight = clientHeight - kButtonStripHeight;
    P_Content->SetBounds(0, 0, clientWidth, contentHeight);

    const QSize available = AvailableClientSize();
    const bool scrolls = clientHeight > available.height();
    const int windowHeight = scrolls ? available.height() : clientHeight;
    // The scroll bar takes room beside the content rather than covering its right edge.
    const int windowWidth = clientWidth + (scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    const int viewHeight = windowHeight - kButtonStripHeight;
    SB_Content->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    SB_Content->setGeometry(0, 0, windowWidth, viewHeight);
    P_Buttons->SetBounds(0, viewHeight, windowWidth, kButtonStripHeight);
    SetClientSize(windowWidth, windowHeight);
    if (isVisible()) KeepOnScreen();
}

void TFParGen::Btn_GB_Collapse(TObject* Sender) {
    for (const TCollapsibleBox& box : FBoxes) {
        if (Sender != box.collapse) continue;
        box.box->SetHeight(kCollapsedHeight);
        for (TControl* control : box.hiddenWhenCollapsed) control->Hide();
        box.collapse->Hide();
        box.expand->Show();
        *box.expanded = false;
    }
    Move_GroupBoxs();
}

void TFParGen::Btn_GB_Expande(TObject* Sender) {
    for (const TCollapsibleBox& box : FBoxes) {
        if (Sender != box.expand) continue;
        for (TControl* control : box.hiddenWhenCollapsed) control->Show();
        box.collapse->Show();
        box.expand->Hide();
        *box.expanded = true;
    }
    Move_GroupBoxs();
}

void TFParGen::FormActivate(TObject*) {
    if (Top() < 0) SetTop(0);
}

void TFParGen::changeEvent(QEvent* event) {
    TForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate(this);
}

// ---- Loading and saving ------------------------------------------------------

void TFParGen::FormShow(TObject*) { Load_Values(); }

void TFParGen::Load_Values() {
    Load_General_Parameters_File(XML1, File_ParGen);
    const TGeneralParameters values = Read_General_Parameters(XML1);
    for (const TEditElement& element : FEditElements) element.edit->SetText(values.*element.field);
    for (const TCheckElement& element : FCheckElements) element.check->SetChecked(ParGen_Flag(values.*element.field));
    CB_KNX_Type->SetItemIndex(StrToIntDef(values.KNX_TYPE, 0));
    Is_Change = false;
    Enable_DALI_Object();
    Move_GroupBoxs();
}

TGeneralParameters TFParGen::Values() const {
    TGeneralParameters values;
    for (const TEditElement& element : FEditElements) values.*element.field = element.edit->Text();
    for (const TCheckElement& element : FCheckElements)
        values.*element.field = element.check->Checked() ? QStringLiteral("1") : QStringLiteral("0");
    values.KNX_TYPE = QString::number(CB_KNX_Type->ItemIndex());
    return values;
}

void TFParGen::Btn_OKClick(TObject*) {
    if (!Controllo_Dati()) return;
    if (!Save_General_Parameters(XML1, Values(), File_ParGen)) {
        // The window stays open with everything as typed, so nothing is lost.
        ShowErrorMessage(QStringLiteral("The file %1 could not be written").arg(File_ParGen));
        return;
    }
    SetModalResult(mrOk);
}

bool TFParGen::May_Discard_Changes() { return !Is_Change || AskYesNo(LangText(424)); }

void TFParGen::Btn_CancelClick(TObject*) {
    if (May_Discard_Changes()) SetModalResult(mrCancel);
}

void TFParGen::FormClose(TObject*, TCloseAction& Action) {
    // The title-bar close box and Alt+F4 would otherwise drop the edits unasked.
    if (!May_Discard_Changes()) Action = caNone;
}

// ---- Enabling rule, keys and changes -----------------------------------------

void TFParGen::Enable_DALI_Object() {
    const bool enabled = CB_KNX_Interface_Enable->Checked();
    for (TEdit* edit : {E_ID_Tun_KNX, E_ID_Mana_KNX, E_CTRL_Port_KNX, E_TUN_Port_KNX, E_MANA_Port_KNX})
        edit->SetEnabled(enabled);
}

void TFParGen::KeyPress(TObject* Sender, QChar& Key) {
    if (Key != u'.') return;
    Key = QChar();
    TEdit* const chain[] = {E_IP1, E_IP2, E_IP3, E_IP4, E_SM1, E_SM2, E_SM3, E_SM4, E_GAT1, E_GAT2, E_GAT3, E_GAT4};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        if (Sender != chain[i]) continue;
        TEdit* next = chain[i + 1];
        if (next->CanFocus()) next->SetFocus();
        return;
    }
}

void TFParGen::On_Change(TObject*) { Is_Change = true; }

void TFParGen::On_Click(TObject* Sender) {
    Is_Change = true;
    if (Sender == CB_KNX_Interface_Enable) Enable_DALI_Object();
}

// ---- Checks ------------------------------------------------------------------

bool TFParGen::Controllo_Dati() {
    const bool gateway = CB_ModTCPs_EN_GAT->Checked();
    const bool knxIp = CB_KNX_Interface_Enable->Checked();
    const auto octet = [](const TEdit* edit) { return InRange(edit, 0, 255); };
    const auto port = [](const TEdit* edit) { return InRange(edit, 0, 65535); };

    // Each check with the text it shows on failure, in the order they run.
    const std::pair<std::function<bool()>, int> checks[] = {
        {[&] { return octet(E_IP1); }, 469},
        {[&] { return octet(E_IP2); }, 470},
        {[&] { return octet(E_IP3); }, 471},
        {[&] { return octet(E_IP4); }, 472},
        {[&] { return octet(E_SM1); }, 473},
        {[&] { return octet(E_SM2); }, 474},
        {[&] { return octet(E_SM3); }, 475},
        {[&] { return octet(E_SM4); }, 476},
        {[&] { return !gateway || octet(E_GAT1); }, 477},
        {[&] { return !gateway || octet(E_GAT2); }, 478},
        {[&] { return !gateway || octet(E_GAT3); }, 479},
        {[&] { return !gateway || octet(E_GAT4); }, 480},
        {[&] { return IsKnxAddress(E_ID_DEV_KNX, false); }, 521},
        {[&] { return !knxIp || IsKnxAddress(E_ID_Tun_KNX, false); }, 522},
        {[&] { return !knxIp || IsKnxAddress(E_ID_Mana_KNX, false); }, 523},
        {[&] { return !knxIp || port(E_CTRL_Port_KNX); }, 524},
        {[&] { return !knxIp || port(E_TUN_Port_KNX); }, 525},
        {[&] { return !knxIp || port(E_MANA_Port_KNX); }, 526},
        {[&] {
             const int control = NumberOf(E_CTRL_Port_KNX), tunnel = NumberOf(E_TUN_Port_KNX),
                       management = NumberOf(E_MANA_Port_KNX);
             return !knxIp || (control != tunnel && control != management && tunnel != management);
         },
         527},
        {[&] { return InRange(E_KNX_TimeOut_DALI, 0, 100000); }, 1245},
        {[&] { return InRange(E_KNX_Delay_Packets, 20, 1000); }, 1251},
        {[&] { return port(E_DALI_Console_Port) && NumberOf(E_DALI_Console_Port) != 10000; }, 466},
        {[&] { return IsKnxAddress(E_DALI_Data_Point_ADV, true); }, 528},
        {[&] { return IsKnxAddress(E_DALI_Data_Point_SW, true); }, 1223},
        {[&] { return IsKnxAddress(E_DALI_Data_Point_DIM, true); }, 1224},
        // The broadcast data points name themselves in their messages.
        {[&] { return IsKnxAddress(E_DALI_Data_Point_ADV2, true); }, 1266},
        {[&] { return IsKnxAddress(E_DALI_Data_Point_SW2, true); }, 1267},
        {[&] { return IsKnxAddress(E_DALI_Data_Point_DIM2, true); }, 1268},
    };
    for (const auto& [passes, text] : checks) {
        if (passes()) continue;
        ShowErrorMessage(LangText(text));
        return false;
    }
    return true;
}
