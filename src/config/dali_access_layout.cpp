#include "config/dali_access_layout.h"

namespace {

constexpr std::string_view Device_Prefix = "DALI_ID_DEVICE_";
constexpr std::string_view Group_Prefix = "DALI_GROUP_";

struct Suffix {
    std::string_view text;
    TDALIOption option;
};
constexpr Suffix Suffixes[] = {{"_DIMMING_MODE", TDALIOption::Dimming_Mode},
                               {"_MIN_MAN_VALUE", TDALIOption::Min_Max_Value},
                               {"_RECALL_LEVEL", TDALIOption::Recall_Level}};

const char* Suffix_Of(TDALIOption option) {
    switch (option) {
    case TDALIOption::Enable: return "";
    case TDALIOption::Dimming_Mode: return "_DIMMING_MODE";
    case TDALIOption::Min_Max_Value: return "_MIN_MAN_VALUE";
    case TDALIOption::Recall_Level: return "_RECALL_LEVEL";
    }
    return "";
}

}  // namespace

std::optional<TDALIElement> Parse_DALI_Access_Element(std::string_view name) {
    const bool device = name.starts_with(Device_Prefix);
    if (!device && !name.starts_with(Group_Prefix)) return std::nullopt;
    name.remove_prefix(device ? Device_Prefix.size() : Group_Prefix.size());
    std::size_t digits = 0;
    int number = 0;
    while (digits < name.size() && digits < 3 && name[digits] >= '0' && name[digits] <= '9')
        number = number * 10 + (name[digits++] - '0');
    if (digits == 0 || (digits > 1 && name[0] == '0')) return std::nullopt;
    name.remove_prefix(digits);
    const int count = device ? DALI_Device_Count : DALI_Group_Entry_Count;
    if (number >= count) return std::nullopt;
    const int entry = device ? number : DALI_Device_Count + number;
    if (name.empty()) return device ? std::optional(TDALIElement{entry, TDALIOption::Enable}) : std::nullopt;
    for (const Suffix& suffix : Suffixes)
        if (name == suffix.text) return TDALIElement{entry, suffix.option};
    return std::nullopt;
}

QString DALI_Access_Element_Name(int entry, TDALIOption option) {
    Q_ASSERT(entry >= 0 && entry < DALI_Access_Entries);
    Q_ASSERT(entry < DALI_Device_Count || option != TDALIOption::Enable);
    const bool device = entry < DALI_Device_Count;
    return QString::fromLatin1(device ? Device_Prefix.data() : Group_Prefix.data()) +
           QString::number(device ? entry : entry - DALI_Device_Count) + QString::fromLatin1(Suffix_Of(option));
}

TDALIAccessTexts Read_DALI_Access_Texts(const TXMLNode& root) {
    TDALIAccessTexts texts;
    if (root.IsNull() || !root.IsElement()) return texts;
    for (TXMLNode node = root.ChildCount() > 0 ? root.Child(0) : TXMLNode(); !node.IsNull(); node = node.NextSibling()) {
        if (!node.IsElement()) continue;
        const std::optional<TDALIElement> element = Parse_DALI_Access_Element(node.NodeNameUtf8());
        if (!element) continue;
        std::optional<QString>& text = texts[std::size_t(element->Entry)][std::size_t(element->Option)];
        if (!text) text = node.Text();  // the first element of a name counts, as in a look-up by name
    }
    return texts;
}
