#pragma once
// The elements of DALI_Access.xml: four per DALI device address (enable, dimming mode,
// min-max value, recall level), three per group entry (groups 1 ... 16, broadcast). The
// compiler and the DALI access editor both find them here, indexing the root's elements
// once instead of looking 307 names up among 307 elements.

#include "config/bank_image.h"
#include "platform/xml_document.h"

#include <QString>
#include <array>
#include <optional>
#include <string_view>

enum class TDALIOption { Enable, Dimming_Mode, Min_Max_Value, Recall_Level };
constexpr int DALI_Option_Kinds = 4;
// Entries 0 ... 63 are the device addresses, 64 ... 80 the group entries.
constexpr int DALI_Access_Entries = DALI_Device_Count + DALI_Group_Entry_Count;
constexpr int DALI_Access_Element_Count = DALI_Device_Count * 4 + DALI_Group_Entry_Count * 3;  // 307

struct TDALIElement {
    int Entry;
    TDALIOption Option;
};

// "DALI_ID_DEVICE_5_RECALL_LEVEL" and the like; nothing for any other name (a number
// with a leading zero included, as a look-up by name would not find it either).
std::optional<TDALIElement> Parse_DALI_Access_Element(std::string_view name);
// The element's name; a group entry has no Enable element.
QString DALI_Access_Element_Name(int entry, TDALIOption option);

// The text of each element of the root, the first one of each name; nothing where the
// element is missing.
using TDALIAccessTexts = std::array<std::array<std::optional<QString>, DALI_Option_Kinds>, DALI_Access_Entries>;
TDALIAccessTexts Read_DALI_Access_Texts(const TXMLNode& root);
