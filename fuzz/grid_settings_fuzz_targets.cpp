// The grid's settings readers: the column states text, the visual properties file and
// the print settings ini file. Each input is applied or refused with a named error; a
// refused column states text leaves the grid as it was, and whatever was read is written
// so that it reads back the same.

#include "fuzz_targets.h"
#include "fuzz_workspace.h"

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "grid/data/print_settings_ini.h"
#include "platform/file_errors.h"
#include "platform/ini_file.h"

#include <QDir>

namespace {

QString FuzzFile(const char* name, const std::uint8_t* data, std::size_t size) {
    const QString path = QDir(Fuzz_Program_Folder()).filePath(QLatin1String(name));
    Fuzz_Write_File(path, data, size);
    return path;
}

QString Snapshot(TExStringGrid& grid) {
    QString snapshot = grid.ColumnStatesToString();
    for (int c = 0; c < grid.AllColCount(); ++c) snapshot += QLatin1Char('|') + grid.AllCells(c, 0);
    return snapshot;
}

QByteArray PrintSettingsBytes(const TPrintSettings& settings, const QString& path) {
    QFile::remove(path);
    TIniFile ini(path);
    WritePrintSettings(ini, QStringLiteral("Print"), settings);
    Fuzz_Require(ini.UpdateFile(), "the print settings could not be written");
    return Fuzz_Read_File(path);
}

}  // namespace

int Fuzz_Grid_Column_States(const std::uint8_t* data, std::size_t size) {
    Fuzz_Ensure_Application();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(2);
    for (int c = 0; c < 5; ++c) grid.SetCells(c, 0, QString::number(c));
    grid.MoveColumn(4, 1);
    grid.HideColumn(2);
    const QString before = Snapshot(grid);
    try {
        grid.StringToColumnStates(text);
    } catch (const EConvertError&) {
        Fuzz_Require(Snapshot(grid) == before, "a refused column states text changed the grid");
        return 0;
    } catch (const EExGridError&) {
        Fuzz_Require(Snapshot(grid) == before, "a refused column states text changed the grid");
        return 0;
    }
    // What the grid holds now is a states text that another grid takes as it is.
    const QString states = grid.ColumnStatesToString();
    TExStringGrid again(nullptr);
    again.StringToColumnStates(states);
    Fuzz_Require(again.ColumnStatesToString() == states, "column states did not read back");
    return 0;
}

int Fuzz_Grid_Visual_Props(const std::uint8_t* data, std::size_t size) {
    Fuzz_Ensure_Application();
    const QString path = FuzzFile("visual_props", data, size);
    TExStringGrid grid(nullptr);
    try {
        grid.LoadVisualProps(path);
    } catch (const EConvertError&) {
        return 0;
    }
    grid.SaveVisualProps(path);
    const QByteArray written = Fuzz_Read_File(path);
    TExStringGrid again(nullptr);
    again.LoadVisualProps(path);
    again.SaveVisualProps(path);
    Fuzz_Require(Fuzz_Read_File(path) == written, "visual properties did not read back");
    return 0;
}

int Fuzz_Grid_Print_Settings(const std::uint8_t* data, std::size_t size) {
    const QString path = FuzzFile("print_settings.ini", data, size);
    TPrintSettings settings;
    ReadPrintSettings(TIniFile(path), QStringLiteral("Print"), settings);
    const QByteArray written = PrintSettingsBytes(settings, path);
    TPrintSettings again;
    ReadPrintSettings(TIniFile(path), QStringLiteral("Print"), again);
    Fuzz_Require(PrintSettingsBytes(again, path) == written, "print settings did not read back");
    return 0;
}
