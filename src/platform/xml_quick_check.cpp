#include "platform/xml_quick_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// More attributes than this on one element are left to the full parser, so that the
// duplicate check, which at worst compares every pair, stays linear in the text.
constexpr std::size_t kMaxAttributes = 64;

// What each byte may be where the scanner runs through it without a closer look.
enum : std::uint8_t { Plain_Text = 1, Plain_Value = 2, Name_Start = 4, Name_Rest = 8, White_Space = 16 };

constexpr std::array<std::uint8_t, 256> Byte_Classes() {
    std::array<std::uint8_t, 256> classes{};
    for (int c = 0x20; c < 0x7F; ++c) classes[std::size_t(c)] = Plain_Text | Plain_Value;
    for (int c : {'\t', '\n', '\r'}) classes[std::size_t(c)] = Plain_Text | Plain_Value;
    for (int c : {'<', '&'}) classes[std::size_t(c)] = 0;
    classes[']'] = Plain_Value;  // "]]>" ends nothing in a value, but is refused in text
    for (int c : {'"', '\''}) classes[std::size_t(c)] = Plain_Text;
    for (int c = 'a'; c <= 'z'; ++c) classes[std::size_t(c)] |= Name_Start | Name_Rest;
    for (int c = 'A'; c <= 'Z'; ++c) classes[std::size_t(c)] |= Name_Start | Name_Rest;
    for (int c : {'_', ':'}) classes[std::size_t(c)] |= Name_Start | Name_Rest;
    for (int c = '0'; c <= '9'; ++c) classes[std::size_t(c)] |= Name_Rest;
    for (int c : {'-', '.'}) classes[std::size_t(c)] |= Name_Rest;
    for (int c : {' ', '\t', '\n', '\r'}) classes[std::size_t(c)] |= White_Space;
    return classes;
}
constexpr std::array<std::uint8_t, 256> kByteClasses = Byte_Classes();

class QuickScanner {
public:
    QuickScanner(const char* data, std::size_t size)
        : FPos(reinterpret_cast<const unsigned char*>(data)), FEnd(FPos + size) {}

    bool Document() {
        if (Starts("<?xml") && !Declaration()) return false;
        if (!Misc()) return false;
        bool empty = false;
        if (!Starts("<") || !StartTag(empty)) return false;
        if (!empty && !Content()) return false;
        return Misc() && FPos == FEnd;
    }

private:
    static bool Is_Space(unsigned char c) { return kByteClasses[c] & White_Space; }
    static bool Is_Name_Start(unsigned char c) { return kByteClasses[c] & Name_Start; }
    static bool Is_Name_Char(unsigned char c) { return kByteClasses[c] & Name_Rest; }
    // DEL is left to the full parser along with the C0 controls.
    static bool Is_Ascii_Char(unsigned char c) { return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r'; }
    static bool Is_Char(unsigned long v) {
        return v == 0x9 || v == 0xA || v == 0xD || (v >= 0x20 && v <= 0xD7FF) || (v >= 0xE000 && v <= 0xFFFD) ||
               (v >= 0x10000 && v <= 0x10FFFF);
    }
    static bool Is_Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

    std::size_t Left() const { return std::size_t(FEnd - FPos); }
    bool Starts(std::string_view s) const { return Left() >= s.size() && std::memcmp(FPos, s.data(), s.size()) == 0; }
    bool Skip(std::string_view s) {
        if (!Starts(s)) return false;
        FPos += s.size();
        return true;
    }
    // Skips white space; true when there was some.
    bool Space() {
        const unsigned char* start = FPos;
        while (FPos != FEnd && Is_Space(*FPos)) ++FPos;
        return FPos != start;
    }

    // One character of text, any encoded length; false when it is not a character XML
    // allows or not well-formed UTF-8 (overlong forms, surrogates and U+FFFE/U+FFFF
    // included). The C1 controls are left to the full parser.
    bool Character() {
        const unsigned char c = *FPos;
        if (c < 0x80) {
            if (!Is_Ascii_Char(c)) return false;
            ++FPos;
            return true;
        }
        const std::size_t left = Left();
        if (c >= 0xC2 && c <= 0xDF) {
            if (left < 2 || !Is_Continuation(FPos[1]) || (c == 0xC2 && FPos[1] < 0xA0)) return false;
            FPos += 2;
            return true;
        }
        if (c >= 0xE0 && c <= 0xEF) {
            if (left < 3 || !Is_Continuation(FPos[1]) || !Is_Continuation(FPos[2])) return false;
            if (c == 0xE0 && FPos[1] < 0xA0) return false;  // overlong
            if (c == 0xED && FPos[1] > 0x9F) return false;  // surrogate
            if (c == 0xEF && FPos[1] == 0xBF && FPos[2] >= 0xBE) return false;  // U+FFFE, U+FFFF
            FPos += 3;
            return true;
        }
        if (c >= 0xF0 && c <= 0xF4) {
            if (left < 4 || !Is_Continuation(FPos[1]) || !Is_Continuation(FPos[2]) || !Is_Continuation(FPos[3]))
                return false;
            if (c == 0xF0 && FPos[1] < 0x90) return false;  // overlong
            if (c == 0xF4 && FPos[1] > 0x8F) return false;  // beyond U+10FFFF
            FPos += 4;
            return true;
        }
        return false;
    }

    // Skips plain ASCII up to the next byte that needs a closer look: markup, a
    // reference, a control or a byte beyond ASCII; in text a bracket, in a value a quote.
    void Plain_Run(std::uint8_t kind) {
        while (FPos != FEnd && (kByteClasses[*FPos] & kind)) ++FPos;
    }

    bool Name(std::string_view& name) {
        const unsigned char* start = FPos;
        if (FPos == FEnd || !Is_Name_Start(*FPos)) return false;
        ++FPos;
        while (FPos != FEnd && Is_Name_Char(*FPos)) ++FPos;
        name = std::string_view(reinterpret_cast<const char*>(start), std::size_t(FPos - start));
        return true;
    }

    // Only the plain form: version 1.0, optionally UTF-8 named as the encoding.
    bool Declaration() {
        FPos += 5;
        if (!Space() || !Skip("version") || !Equals() || !Quoted({"1.0"})) return false;
        if (Space() && Skip("encoding")) {
            if (!Equals() || !Quoted({"UTF-8", "utf-8"})) return false;
            Space();
        }
        return Skip("?>");
    }

    bool Equals() {
        Space();
        if (!Skip("=")) return false;
        Space();
        return true;
    }

    bool Quoted(std::initializer_list<std::string_view> values) {
        if (FPos == FEnd || (*FPos != '"' && *FPos != '\'')) return false;
        const unsigned char quote = *FPos++;
        for (std::string_view value : values)
            if (Skip(value)) return FPos != FEnd && *FPos++ == quote;
        return false;
    }

    // White space and comments, before and after the root.
    bool Misc() {
        for (;;) {
            Space();
            if (!Starts("<!--")) return true;
            if (!Comment()) return false;
        }
    }

    bool Comment() {
        FPos += 4;
        while (FPos != FEnd) {
            if (Starts("--")) return Skip("-->");
            if (!Character()) return false;
        }
        return false;
    }

    bool CData() {
        FPos += 9;
        while (FPos != FEnd) {
            if (Skip("]]>")) return true;
            if (!Character()) return false;
        }
        return false;
    }

    // At "&": one of the five predefined entities or a reference to a character XML allows.
    bool Reference() {
        ++FPos;
        if (Skip("#")) {
            const bool hex = Skip("x");
            unsigned long value = 0;
            const unsigned char* digits = FPos;
            for (; FPos != FEnd && *FPos != ';'; ++FPos) {
                const unsigned char c = *FPos;
                int digit;
                if (c >= '0' && c <= '9') digit = c - '0';
                else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
                else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
                else return false;
                value = value * (hex ? 16 : 10) + unsigned(digit);
                if (value > 0x10FFFF) return false;
            }
            return FPos != digits && Skip(";") && Is_Char(value);
        }
        std::string_view name;
        if (!Name(name) || !Skip(";")) return false;
        return name == "lt" || name == "gt" || name == "amp" || name == "quot" || name == "apos";
    }

    bool Attribute_Value() {
        if (FPos == FEnd || (*FPos != '"' && *FPos != '\'')) return false;
        const unsigned char quote = *FPos++;
        while (FPos != FEnd) {
            Plain_Run(Plain_Value);
            if (FPos == FEnd) break;
            const unsigned char c = *FPos;
            if (c == quote) {
                ++FPos;
                return true;
            }
            if (c == '<') return false;
            if (c == '"' || c == '\'') ++FPos;  // the other quote
            else if (c == '&' ? !Reference() : !Character()) return false;
        }
        return false;
    }

    // At "<" of a start tag; empty tells an empty-element tag, else the element is open.
    bool StartTag(bool& empty) {
        ++FPos;
        std::string_view name;
        if (!Name(name)) return false;
        FAttributes.clear();
        FSeen = {};
        for (;;) {
            const bool spaced = Space();
            if (Skip("/>")) {
                empty = true;
                return true;
            }
            if (Skip(">")) {
                empty = false;
                FOpen.push_back(name);
                return true;
            }
            std::string_view attribute;
            if (!spaced || !Name(attribute) || !Equals() || !Attribute_Value()) return false;
            if (FAttributes.size() == kMaxAttributes) return false;
            const unsigned hash = Name_Hash(attribute);
            std::uint64_t& word = FSeen[hash >> 6];
            const std::uint64_t bit = std::uint64_t(1) << (hash & 63);
            if (word & bit)
                for (std::string_view other : FAttributes)
                    if (other == attribute) return false;
            word |= bit;
            FAttributes.push_back(attribute);
        }
    }

    bool EndTag() {
        FPos += 2;
        std::string_view name;
        if (!Name(name) || name != FOpen.back()) return false;
        Space();
        if (!Skip(">")) return false;
        FOpen.pop_back();
        return true;
    }

    // Everything inside the root, up to and with its end tag.
    bool Content() {
        while (FPos != FEnd) {
            Plain_Run(Plain_Text);
            if (FPos == FEnd) break;
            const unsigned char c = *FPos;
            bool ok;
            if (c == '<') {
                if (Starts("</")) {
                    if (!EndTag()) return false;
                    if (FOpen.empty()) return true;
                    continue;
                }
                if (Starts("<!--")) ok = Comment();
                else if (Starts("<![CDATA[")) ok = CData();
                else {
                    bool empty = false;
                    ok = StartTag(empty);
                }
            } else if (c == '&') {
                ok = Reference();
            } else if (c == ']') {
                ok = !Starts("]]>");
                ++FPos;
            } else {
                ok = Character();
            }
            if (!ok) return false;
        }
        return false;
    }

    // One of 256 buckets for a (non-empty) name, from its length and three of its bytes:
    // the names of one tag mostly fall into different buckets.
    static unsigned Name_Hash(std::string_view name) {
        const auto at = [&name](std::size_t i) { return unsigned(static_cast<unsigned char>(name[i])); };
        return (at(0) * 7 + at(name.size() / 2) * 3 + at(name.size() - 1) * 31 + unsigned(name.size()) * 131) & 255;
    }

    const unsigned char* FPos;
    const unsigned char* const FEnd;
    std::vector<std::string_view> FOpen;        // the names of the open elements, innermost last
    // The attribute names of the tag being read, and the buckets they fill: a new name is
    // compared with them only when its bucket is taken.
    std::vector<std::string_view> FAttributes;
    std::array<std::uint64_t, 4> FSeen{};
};

}  // namespace

TXmlQuickVerdict Quick_Xml_Check(const char* data, std::size_t size) {
    QuickScanner scanner(data, size);
    return scanner.Document() ? TXmlQuickVerdict::Well_Formed : TXmlQuickVerdict::Undecided;
}
