#include "grid/view/markup_colors.h"

#include <array>
#include <utility>

namespace {

using NamedColor = std::pair<const char*, TColor>;

constexpr std::array<NamedColor, 16> kPlainColors = {{
    {"clred", clRed},       {"clblack", clBlack},   {"clblue", clBlue},   {"clgreen", clGreen},
    {"claqua", clAqua},     {"clyellow", clYellow}, {"clfuchsia", clFuchsia}, {"clwhite", clWhite},
    {"cllime", clLime},     {"clsilver", clSilver}, {"clgray", clGray},   {"clolive", clOlive},
    {"clnavy", clNavy},     {"clpurple", clPurple}, {"clteal", clTeal},   {"clmaroon", clMaroon},
}};

constexpr std::array<NamedColor, 24> kSystemColors = {{
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

TColor Lookup(const QString& name, const auto& table) {
    for (const auto& [key, color] : table)
        if (name == QLatin1String(key)) return color;
    return clBlack;
}

int HexPair(const QString& text, int at) {
    if (at + 2 > text.size()) return 0;
    int value = 0;
    for (int i = at; i < at + 2; ++i) {
        const ushort u = text[i].unicode();
        const int digit = u >= '0' && u <= '9' ? u - '0' : (u >= 'A' && u <= 'F' ? u - 'A' + 10 : 0);
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

TColor ColorFromName(const QString& name) {
    // Black is also what an unknown name gives, so only then are system names tried.
    const TColor plain = Lookup(name, kPlainColors);
    return plain != clBlack ? plain : Lookup(name, kSystemColors);
}

TColor ColorFromHex(const QString& text) { return RGBColor(HexPair(text, 1), HexPair(text, 3), HexPair(text, 5)); }

TColor MarkupColorValue(const QString& value) {
    return value.startsWith(QLatin1Char('#')) ? ColorFromHex(value.toUpper()) : ColorFromName(value.toLower());
}
