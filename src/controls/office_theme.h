#pragma once
// Which Office colour theme the current user runs, read from the per-user settings
// store, with the Windows colour scheme as the last resort, and the small platform
// probes the controls ask. On this platform the probes answer as a current themed
// desktop does (common controls 6, Vista or later, an active visual style).

#include "controls/control_styles.h"
#include "platform/registry.h"

#include <QString>
#include <functional>

bool IsComCtl6OrLater();
bool IsVistaOrLater();
bool IsWinXPOrLater();
// "Segoe UI" on Vista or later, else "Tahoma".
QString DefaultUIFontName();

// 2 when Office 2010 settings exist, 1 for Office 2007, else 0.
int DetectOfficeVersion();
// The integer "Theme" of a key under the accessor's root; -1 when the key or the
// value is missing or the value is no integer.
int ReadOfficeThemeValue(TRegistry& Reg, const QString& KeyPath);

// The active visual style, as the theme library reports it.
struct TVisualStyleState {
    bool Active = true;
    QString ColorName = QStringLiteral("NormalColor");
};
// Tests replace the probe; an empty function restores the default.
void SetVisualStyleProbe(std::function<TVisualStyleState()> probe);
// The active visual style as the probe reports it.
TVisualStyleState CurrentVisualStyle();
// The file version of a system library: major in the high 16 bits, minor in the low;
// -1 for a file without version information. Answers as the platform these windows
// were designed on does with a current theme: the common controls "COMCTL32.DLL"
// (any case) are version 6.0.
int GetFileVersion(const QString& FileName);
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic", 0 otherwise or without an active style.
int CurrentXPColorScheme();

// Office 2010 settings first, then Office 2007, then the Windows colour scheme.
TOfficeTheme CurrentOfficeTheme();

extern const QString kOffice2010CommonKey;
extern const QString kOffice2007CommonKey;
