#pragma once
// The current user's settings store, reached like the registry of the platform the
// windows were designed on: backslash-separated key paths (compared without regard
// to case) holding named values. It is one INI file under the user's config folder:
// a section "[Software\Maker\Key]" per key, "Name=Value" lines for its values. A key
// exists when its section or a section of one of its sub-keys exists. A string value is
// written in double quotes (backslash, CR and LF escaped as \\, \r and \n), an integer
// bare, so a value keeps its kind; value names are compared without regard to case.

#include "platform/types.h"

#include <QFileSystemWatcher>
#include <QMap>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

using HKEY = std::uintptr_t;

// The kind of a stored value.
enum TRegDataType { rdUnknown, rdString, rdInteger };
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;

class ERegistryException : public Exception {
    using Exception::Exception;
};

// The store's file; tests point it at a temporary file, an empty path restores the default.
QString UserRegistryFile();
void SetUserRegistryFile(const QString& path);

// Access to one key at a time. Only HKEY_CURRENT_USER has a store; other roots hold no keys.
class TRegistry {
public:
    TRegistry() = default;

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY value);
    bool KeyExists(const QString& key) const;
    // Opens an existing key for reading; false when it does not exist.
    bool OpenKeyReadOnly(const QString& key);
    void CloseKey();
    QString CurrentPath() const { return FCurrentPath; }
    bool ValueExists(const QString& name) const;
    // Raises ERegistryException when the value is missing or no integer.
    int ReadInteger(const QString& name) const;
    // rdUnknown when the value is missing; a bare text that is no number counts as a string.
    TRegDataType GetDataType(const QString& name) const;
    // Raises ERegistryException when the value is missing or no string.
    QString ReadString(const QString& name) const;
    // Opens a key for reading and writing; with CanCreate a missing key is made by the
    // first value written to it, else a missing key answers false.
    bool OpenKey(const QString& key, bool CanCreate);
    // Writes the value into the open key at once (the store is saved atomically); raises
    // ERegistryException when no key is open or the store cannot be written.
    void WriteInteger(const QString& name, int value);
    void WriteString(const QString& name, const QString& value);

private:
    // The open key's stored text of a value, or none.
    std::optional<QString> StoredValue(const QString& name) const;
    void WriteStored(const QString& name, const QString& stored);

    HKEY FRootKey = HKEY_CURRENT_USER;
    QString FCurrentPath;
    bool FOpen = false;
};

// Change kinds a watch reports (the platform's notify-filter values).
constexpr unsigned REG_NOTIFY_CHANGE_NAME = 0x1;
constexpr unsigned REG_NOTIFY_CHANGE_ATTRIBUTES = 0x2;
constexpr unsigned REG_NOTIFY_CHANGE_LAST_SET = 0x4;
constexpr unsigned REG_NOTIFY_CHANGE_SECURITY = 0x8;

// Watches the store's file and calls OnChange on the user-interface thread when the
// watched part of a key changed: its values (REG_NOTIFY_CHANGE_LAST_SET) or the names
// of its sub-keys (REG_NOTIFY_CHANGE_NAME), with WatchSub the whole subtree.
class TRegistryWatch {
public:
    TRegistryWatch(HKEY root, const QString& key, bool watchSub, unsigned filter);
    std::function<void()> OnChange;
    // Reads the store again and reports a difference; the file watcher calls it.
    void CheckNow();

private:
    QMap<QString, QString> Snapshot() const;
    void WatchFile();

    HKEY FRoot;
    QString FKey;
    bool FWatchSub;
    unsigned FFilter;
    QMap<QString, QString> FLast;
    QFileSystemWatcher FWatcher;
};
