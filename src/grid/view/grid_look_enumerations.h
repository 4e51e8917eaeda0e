#pragma once
// The colour presets of the grid: styles (in the order of TZRTStyle, converted by
// position) and the colour schemes of the Windows XP era.

enum TExGridStyle {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};

enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
