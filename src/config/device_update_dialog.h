#pragma once
// The device update dialog: the user gives the device's address and what to send; the
// dialog checks with ICMP echo requests that the device answers, remembers the
// choices, writes the updater's job file and runs the updater from beside the program.

#include "controls/small_dialog.h"
#include "platform/icmp_client.h"
#include "platform/xml_document.h"

#include <array>

class TFBoot : public TSmallDialog {
public:
    explicit TFBoot(TComponent* AOwner);
    void Set_Lang();

    // 1: update by Ethernet (UDP), the only layout this product shows; 0: serial line.
    int Form_Type = 1;
    // Outcome of the reachability check: 0 no reply reported yet, 1 the last reply
    // carried data, 2 the last request timed out.
    int ping_res = 0;

    TPanel* P_IP_Address;
    TLabel* L_IP_Address;
    std::array<TEdit*, 4> E_IP{};  // E_IP1 ... E_IP4
    TPanel* P_Options;
    TLabel* L_Update_Option;
    TComboBox* CB_Update_Options;
    TCheckBox* CB_Update_Option_Read_Back;
    TLbButton* Btn_Update;

    TIcmpClient* Ping;
    TXMLDocument XML1;

    void Btn_UpdateClick(TObject* Sender);
    // True when the device at the address answered the last of its echo requests.
    bool Send_Ping(const QString& address);
    void PingReply(TObject* ASender, const TReplyStatus& AReplyStatus);
    // Writes the updater's job file for the address; false when it could not be written.
    bool Compile_XML_Parameter(int Type_dev, const QString& address);

protected:
    void FormShow(TObject* Sender) override;
    void FormClose(TObject* Sender, TCloseAction& Action) override;

private:
    void KeyPress(TObject* Sender, QChar& Key);
    void Set_Checking(bool checking);

    bool FChecking = false;
};

inline TFBoot* FBoot = nullptr;
