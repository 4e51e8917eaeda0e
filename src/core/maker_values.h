#pragma once
// What the device descriptions and the MIB module say about the maker. The numbers
// are placeholders until the maker's registered ones are known: 32473 is the private
// enterprise number reserved for documentation (RFC 5612); the PROFINET vendor and
// device identifiers are not assigned yet.

#include <QString>
#include <array>

inline const QString Maker_Name = QStringLiteral("Korvel");
inline const QString Maker_Organisation = QStringLiteral("Korvel");
// Postal address, country and e-mail address, one MIB line each.
inline const std::array<QString, 4> Maker_Contact_Lines = {
    QStringLiteral("Korvel"), QStringLiteral("Technical support"), QStringLiteral("Italy"),
    QStringLiteral("E-mail: support@korvel.com")};
inline constexpr int Maker_Enterprise_Number = 32473;

inline const QString Maker_Web_Domain = QStringLiteral("korvel.com");
inline const QString Maker_PROFINET_Vendor_ID = QStringLiteral("0x0000");
inline const QString Maker_PROFINET_Device_ID = QStringLiteral("0x0001");
