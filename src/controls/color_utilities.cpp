#include "controls/color_utilities.h"

#include <algorithm>

namespace {

TColor MapChannels(TColor color, int (*map)(int channel, int arg), int arg) {
    const TColor rgb = ColorToRGB(color);
    return RGBColor(map(GetRValue(rgb), arg), map(GetGValue(rgb), arg), map(GetBValue(rgb), arg));
}

}  // namespace

int RoundHalfEvenDiv(long long numerator, long long denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {  // floor division
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
    return static_cast<int>(quotient);
}

TColor HalfColor(TColor color) {
    return MapChannels(color, [](int c, int) { return c >> 1; }, 0);
}

TColor ScaleColorPercent(TColor color, int percent) {
    return MapChannels(
        color, [](int c, int p) { return std::clamp(c + RoundHalfEvenDiv(static_cast<long long>(c) * p, 100), 0, 255); },
        percent);
}

QString ColorToHtmlHex(TColor color) {
    return QString::asprintf("%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
}

TColor BlendColorAt(TColor from, TColor to, int low, int high, int position) {
    if (to == clNone || low == high) return from;
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    auto channel = [&](int ca, int cb) {
        return std::clamp(ca + RoundHalfEvenDiv(static_cast<long long>(cb - ca) * position, high - low), 0, 255);
    };
    return RGBColor(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                    channel(GetBValue(a), GetBValue(b)));
}
