#include "platform/color_names.h"

#include "platform/types.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

struct TColorName {
    TColor Color;
    const char* Name;
};

// One entry per constant; names are unique and so are the colours, so the table reads
// both ways.
constexpr std::array<TColorName, 52> kColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
}};

}  // namespace

QString ColorToString(TColor Color) {
    for (const TColorName& entry : kColorNames)
        if (entry.Color == Color) return QString::fromLatin1(entry.Name);
    return QStringLiteral("$") + QStringLiteral("%1").arg(std::uint32_t(Color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> IdentToColor(const QString& Ident) {
    for (const TColorName& entry : kColorNames)
        if (Ident.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0) return entry.Color;
    return std::nullopt;
}

TColor StringToColor(const QString& Text) {
    if (const auto named = IdentToColor(Text)) return *named;
    bool ok = false;
    qlonglong value = 0;
    // "$" and up to eight hexadecimal digits, or a decimal number; both as the 32 bits of a TColor.
    if (Text.startsWith(QLatin1Char('$')) && Text.size() > 1 && Text.size() <= 9 && !Text.contains(QLatin1Char('-')) &&
        !Text.contains(QLatin1Char('+')))
        value = Text.mid(1).toLongLong(&ok, 16);
    else if (!Text.startsWith(QLatin1Char('$')))
        value = Text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::uint32_t>::max())
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(Text));
    return TColor(std::uint32_t(value));
}
