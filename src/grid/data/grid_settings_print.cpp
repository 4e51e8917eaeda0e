// The grid's print settings in an ini file, and the fonts that follow a scaled form.

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "grid/data/print_settings_ini.h"
#include "platform/file_errors.h"
#include "platform/ini_file.h"

#include <cmath>

void TExStringGrid::SavePrintSettings(const QString& Key, const QString& Section) {
    TIniFile ini(Key);
    WritePrintSettings(ini, Section, *FPrintSettings);
    if (!ini.UpdateFile()) throw EFCreateError(QStringLiteral("Cannot create file \"%1\"").arg(Key));
}

void TExStringGrid::LoadPrintSettings(const QString& Key, const QString& Section) {
    TIniFile ini(Key);
    ReadPrintSettings(ini, Section, *FPrintSettings);
    // Written back so that a missing file exists afterwards, as the other stores do; a
    // file that cannot be written never makes the load fail.
    ini.UpdateFile();
}

void TExStringGrid::ChangeScale(int M, int D) {
    if (InDesignMode() || M == D || D == 0) return;
    const auto scaled = [M, D](int Size) { return int(std::lround(double(Size) * M / D)); };
    TFont fixed = *FixedFont();
    fixed.Size = scaled(fixed.Size);
    SetFixedFont(fixed);
    TFont active = *ActiveCellFont();
    active.Size = scaled(active.Size);
    SetActiveCellFont(active);
}
