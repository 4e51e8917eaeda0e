#include "controls/office_theme.h"

const QString kOffice2010CommonKey = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString kOffice2007CommonKey = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");

namespace {

std::function<TVisualStyleState()>& VisualStyleProbe() {
    static std::function<TVisualStyleState()> probe;
    return probe;
}

// Office theme values 1, 2, 3 pick the version's blue, silver, black; any other
// present value means the 2003 blue.
TOfficeTheme ThemeOfValue(int value, TOfficeTheme blue) {
    if (value >= 1 && value <= 3) return TOfficeTheme(blue + value - 1);
    return ot2003Blue;
}

}  // namespace

bool IsComCtl6OrLater() { return true; }
bool IsVistaOrLater() { return true; }
bool IsWinXPOrLater() { return true; }

QString DefaultUIFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

int DetectOfficeVersion() {
    TRegistry reg;
    if (reg.KeyExists(kOffice2010CommonKey + QStringLiteral("\\General"))) return 2;
    if (reg.KeyExists(kOffice2007CommonKey + QStringLiteral("\\General"))) return 1;
    return 0;
}

int ReadOfficeThemeValue(TRegistry& Reg, const QString& KeyPath) {
    if (!Reg.KeyExists(KeyPath) || !Reg.OpenKeyReadOnly(KeyPath)) return -1;
    int value = -1;
    // A value someone wrote as text is treated as missing rather than failing the caller.
    try {
        if (Reg.ValueExists(QStringLiteral("Theme"))) value = Reg.ReadInteger(QStringLiteral("Theme"));
    } catch (const ERegistryException&) {
        value = -1;
    }
    Reg.CloseKey();
    return value;
}

void SetVisualStyleProbe(std::function<TVisualStyleState()> probe) { VisualStyleProbe() = std::move(probe); }

TVisualStyleState CurrentVisualStyle() { return VisualStyleProbe() ? VisualStyleProbe()() : TVisualStyleState(); }

int GetFileVersion(const QString& FileName) {
    if (FileName.compare(QLatin1String("COMCTL32.DLL"), Qt::CaseInsensitive) == 0) return 6 << 16;
    return -1;
}

int CurrentXPColorScheme() {
    if (!IsWinXPOrLater() || !IsComCtl6OrLater()) return 0;
    const TVisualStyleState state = CurrentVisualStyle();
    if (!state.Active) return 0;
    if (state.ColorName.contains(QLatin1String("NormalColor"))) return 1;
    if (state.ColorName.contains(QLatin1String("HomeStead"))) return 2;
    if (state.ColorName.contains(QLatin1String("Metallic"))) return 3;
    return 0;
}

TOfficeTheme CurrentOfficeTheme() {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    const int office2010 = ReadOfficeThemeValue(reg, kOffice2010CommonKey);
    if (office2010 != -1) return ThemeOfValue(office2010, ot2010Blue);
    const int office2007 = ReadOfficeThemeValue(reg, kOffice2007CommonKey);
    if (office2007 != -1) return ThemeOfValue(office2007, ot2007Blue);
    static const TOfficeTheme schemes[] = {ot2003Classic, ot2003Blue, ot2003Olive, ot2003Silver};
    return schemes[CurrentXPColorScheme()];
}
