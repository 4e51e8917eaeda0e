#pragma once
// Checks and conversions of the texts users type into table cells and edit fields:
// KNX addresses, IPv4 addresses, SNMP object identifiers, decimal numbers with either
// separator, and the rule-table keywords that become numeric codes. Stateless.

#include "platform/string_list.h"

#include <QChar>
#include <QString>
#include <cstdint>
#include <memory>

// 0 when the text is a valid KNX address, 1 otherwise. With group on it is checked as
// a group address (a number, a/b or a/b/c), otherwise as an individual address (a
// number or area.line.device, 0.0.0 only with allow_zero). A two-part individual
// address "a.b" is refused, since the compiled image only holds the three-part form.
int Check_KNX_Address(const QString& text, bool group, bool allow_zero);
bool Has_No_Dot(const QString& text);

// The most characters an address part field takes: a part is a number up to 255.
constexpr int IP_Part_Max_Length = 3;

// True when the trimmed text is a dotted IPv4 address; the four parts are its trimmed
// texts (set only when the text holds at least three dots).
bool Split_IP_Address(const QString& text, QString& ip1, QString& ip2, QString& ip3, QString& ip4);
// True when the text is "a.b.c.d:port" with every part in range; otherwise all five
// outputs are 0.
bool Parse_IP_Port(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4,
                   std::uint16_t& port);
// Inverted sense: true when the text is NOT a valid address. Each part in range goes
// into its byte, each other part sets its byte to 0; an empty text leaves them alone.
bool Parse_IP_Bytes(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4);

// The serial ports of the machine, in ascending order.
std::unique_ptr<TStringList> List_COM_Ports();

// The user's decimal separator when it is "," or ".", otherwise ",".
QChar Get_Decimal_Separator();
// Accepts either separator: both are taken as the given one. On failure value is 1.0.
bool Str_To_Float_Sep(const QString& text, QChar separator, float& value);

// Keyword codes; each compares the trimmed, upper-cased text.
int KNX_APCI_Code(const QString& text);
int KNX_Priority_Code(const QString& text);
int Data_Conversion_Code(const QString& text);
int SNMP_Security_Level_Code(const QString& text);

// 0 when the text is a valid object identifier, else the code of the first failed
// check (1 too long, 2 bad character, 3 leading dot, 4 trailing dot, 5 empty part,
// 6 part out of range). An empty text has one empty part, which is out of range.
int Check_OID(const QString& text);
