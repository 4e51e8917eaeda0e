#pragma once
// The place ColumnSize names for column widths and positions: the ini file Key, section
// Section (Location clIniFile), or the registry key Key\Section of the current user. The
// ini file is held in memory and written back whole by Flush; registry values are
// written at once, each as an integer unless a string value of that name exists.

#include "grid/core/column_size_settings.h"
#include "platform/ini_file.h"

#include <QString>
#include <memory>

class TRegistry;

class TColumnSettingsStore {
public:
    explicit TColumnSettingsStore(const TColumnSize& Place);
    ~TColumnSettingsStore();

    bool ValueExists(const QString& Name) const;
    // The stored number (an integer, or a string holding one), else Default.
    int ReadInteger(const QString& Name, int Default) const;
    // False when the registry value could not be written.
    bool WriteInteger(const QString& Name, int Value);
    // Writes the ini file back; false when it could not be written (the registry is
    // written value by value, so it answers true).
    bool Flush() const;

private:
    std::unique_ptr<TIniFile> FIni;
    std::unique_ptr<TRegistry> FRegistry;
    QString FSection;
    bool FKeyOpen = false;
};
