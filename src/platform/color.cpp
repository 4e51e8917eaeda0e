#include "platform/color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct SystemColorEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    TColor fallback;  // used when no application (and so no palette) exists
};

// Which palette entry stands for each system colour number.
const SystemColorEntry kSystemColors[] = {
    {QPalette::Active, QPalette::Button, 0xC8C8C8},          // 0 scroll bar
    {QPalette::Active, QPalette::Dark, 0x000000},            // 1 desktop
    {QPalette::Active, QPalette::Highlight, 0xD1B499},       // 2 active caption
    {QPalette::Inactive, QPalette::Button, 0xDBCDBF},        // 3 inactive caption
    {QPalette::Active, QPalette::Window, 0xF0F0F0},          // 4 menu
    {QPalette::Active, QPalette::Base, 0xFFFFFF},            // 5 window
    {QPalette::Active, QPalette::Shadow, 0x646464},          // 6 window frame
    {QPalette::Active, QPalette::WindowText, 0x000000},      // 7 menu text
    {QPalette::Active, QPalette::Text, 0x000000},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText, 0x000000}, // 9 caption text
    {QPalette::Active, QPalette::Midlight, 0xB4B4B4},        // 10 active border
    {QPalette::Inactive, QPalette::Midlight, 0xFCF7F4},      // 11 inactive border
    {QPalette::Active, QPalette::Mid, 0xABABAB},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight, 0xFF9933},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF}, // 14 highlight text
    {QPalette::Active, QPalette::Button, 0xF0F0F0},          // 15 button face
    {QPalette::Active, QPalette::Dark, 0xA0A0A0},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text, 0x6D6D6D},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText, 0x000000},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText, 0x544E43},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light, 0xFFFFFF},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow, 0x696969},          // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight, 0xE3E3E3},        // 22 3D light
    {QPalette::Active, QPalette::ToolTipText, 0x000000},     // 23 info text
    {QPalette::Active, QPalette::ToolTipBase, 0xE1FFFF},     // 24 info background
    {QPalette::Active, QPalette::Window, 0xF0F0F0},          // 25 (unused)
    {QPalette::Active, QPalette::Link, 0xCC6600},            // 26 hot light
    {QPalette::Active, QPalette::Highlight, 0xEAD1B9},       // 27 gradient active caption
    {QPalette::Inactive, QPalette::Highlight, 0xF2E4D7},     // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight, 0xFF9933},       // 29 menu highlight
    {QPalette::Active, QPalette::Window, 0xF0F0F0},          // 30 menu bar
};

}  // namespace

TColor FromQColor(const QColor& color) { return RGBColor(color.red(), color.green(), color.blue()); }

TColor ColorToRGB(TColor color) {
    if (color == clNone) return clWhite;
    if (color == clDefault) return clBlack;
    if (!IsSystemColor(color)) return color & 0xFFFFFF;
    const unsigned index = std::uint32_t(color) & 0xFFu;
    if (index >= std::size(kSystemColors)) return clBlack;
    const SystemColorEntry& entry = kSystemColors[index];
    if (!qGuiApp) return entry.fallback;
    return FromQColor(QGuiApplication::palette().color(entry.group, entry.role));
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}
