#include "platform/registry.h"

#include "platform/file_system.h"
#include "platform/ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <limits>

namespace {

QString& RegistryFileOverride() {
    static QString path;
    return path;
}

QString NormalKey(QString key) {
    key.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (key.startsWith(QLatin1Char('\\'))) key.remove(0, 1);
    while (key.endsWith(QLatin1Char('\\'))) key.chop(1);
    return key.toLower();
}

// Sections by lower-case key path, each with its values by lower-case name.
using Store = QMap<QString, QMap<QString, QString>>;

Store ReadStore(HKEY root) {
    Store store;
    if (root != HKEY_CURRENT_USER) return store;
    QFile file(UserRegistryFile());
    if (!file.open(QIODevice::ReadOnly)) return store;
    const QString text = QString::fromUtf8(file.readAll());
    QString section;
    bool inSection = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = NormalKey(line.mid(1, line.size() - 2));
            store[section];
            inSection = true;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals <= 0) continue;
        store[section][line.left(equals).trimmed().toLower()] = line.mid(equals + 1).trimmed();
    }
    return store;
}

bool IsQuoted(const QString& stored) {
    return stored.size() >= 2 && stored.startsWith(QLatin1Char('"')) && stored.endsWith(QLatin1Char('"'));
}

QString QuoteString(const QString& value) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == u'\\') quoted += QStringLiteral("\\\\");
        else if (c == u'\r') quoted += QStringLiteral("\\r");
        else if (c == u'\n') quoted += QStringLiteral("\\n");
        else quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString UnquoteString(const QString& stored) {
    if (!IsQuoted(stored)) return stored;
    QString value;
    for (qsizetype i = 1; i < stored.size() - 1; ++i) {
        const QChar c = stored[i];
        if (c != u'\\' || i + 1 == stored.size() - 1) {
            value += c;
            continue;
        }
        const QChar next = stored[++i];
        value += next == u'r' ? QChar(u'\r') : next == u'n' ? QChar(u'\n') : next;
    }
    return value;
}

// Decimal, or hexadecimal after "0x"; a leading zero does not make a number octal. A value
// stored as an unsigned 32-bit number reads as the int of the same bits.
std::optional<int> StoredInteger(const QString& text) {
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    bool ok = false;
    const qlonglong value = hex ? text.mid(2).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return int(std::uint32_t(value));
}

bool IsBelow(const QString& key, const QString& ancestor) {
    return ancestor.isEmpty() || key.startsWith(ancestor + QLatin1Char('\\'));
}

}  // namespace

QString UserRegistryFile() {
    if (!RegistryFileOverride().isEmpty()) return RegistryFileOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vastrelon/registry.ini");
}

void SetUserRegistryFile(const QString& path) { RegistryFileOverride() = path; }

void TRegistry::SetRootKey(HKEY value) {
    CloseKey();
    FRootKey = value;
}

bool TRegistry::KeyExists(const QString& key) const {
    const QString wanted = NormalKey(key);
    const Store store = ReadStore(FRootKey);
    for (auto it = store.cbegin(); it != store.cend(); ++it)
        if (it.key() == wanted || IsBelow(it.key(), wanted)) return true;
    return false;
}

bool TRegistry::OpenKeyReadOnly(const QString& key) {
    CloseKey();
    if (!KeyExists(key)) return false;
    FCurrentPath = NormalKey(key);
    FOpen = true;
    return true;
}

void TRegistry::CloseKey() {
    FCurrentPath.clear();
    FOpen = false;
}

bool TRegistry::ValueExists(const QString& name) const {
    if (!FOpen) return false;
    return ReadStore(FRootKey).value(FCurrentPath).contains(name.toLower());
}

std::optional<QString> TRegistry::StoredValue(const QString& name) const {
    if (!FOpen) return std::nullopt;
    const auto values = ReadStore(FRootKey).value(FCurrentPath);
    const auto it = values.constFind(name.toLower());
    if (it == values.cend()) return std::nullopt;
    return *it;
}

TRegDataType TRegistry::GetDataType(const QString& name) const {
    const auto stored = StoredValue(name);
    if (!stored) return rdUnknown;
    return !IsQuoted(*stored) && StoredInteger(*stored) ? rdInteger : rdString;
}

int TRegistry::ReadInteger(const QString& name) const {
    const auto stored = StoredValue(name);
    const auto value = stored && !IsQuoted(*stored) ? StoredInteger(*stored) : std::nullopt;
    if (!value) throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return *value;
}

QString TRegistry::ReadString(const QString& name) const {
    if (GetDataType(name) != rdString) throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return UnquoteString(*StoredValue(name));
}

bool TRegistry::OpenKey(const QString& key, bool CanCreate) {
    CloseKey();
    if (FRootKey != HKEY_CURRENT_USER || (!CanCreate && !KeyExists(key))) return false;
    FCurrentPath = NormalKey(key);
    FOpen = true;
    return true;
}

void TRegistry::WriteInteger(const QString& name, int value) { WriteStored(name, QString::number(value)); }

void TRegistry::WriteString(const QString& name, const QString& value) { WriteStored(name, QuoteString(value)); }

void TRegistry::WriteStored(const QString& name, const QString& stored) {
    const QString file = UserRegistryFile();
    if (!FOpen) throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    ForceDirectories(QFileInfo(file).absolutePath());
    TIniFile store(file);
    store.WriteString(FCurrentPath, name, stored);
    if (!store.UpdateFile()) throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
}

TRegistryWatch::TRegistryWatch(HKEY root, const QString& key, bool watchSub, unsigned filter)
    : FRoot(root), FKey(NormalKey(key)), FWatchSub(watchSub), FFilter(filter) {
    FLast = Snapshot();
    // The store is replaced by renames, so the folder is watched too and the file
    // is watched again after each change.
    QObject::connect(&FWatcher, &QFileSystemWatcher::fileChanged, &FWatcher, [this] { CheckNow(); });
    QObject::connect(&FWatcher, &QFileSystemWatcher::directoryChanged, &FWatcher, [this] { CheckNow(); });
    WatchFile();
}

void TRegistryWatch::WatchFile() {
    const QString file = UserRegistryFile();
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo(folder).isDir() && !FWatcher.directories().contains(folder)) FWatcher.addPath(folder);
    if (QFileInfo::exists(file) && !FWatcher.files().contains(file)) FWatcher.addPath(file);
}

QMap<QString, QString> TRegistryWatch::Snapshot() const {
    // One entry per watched sub-key name and per watched value, so comparing two
    // snapshots finds exactly the changes the filter asks for.
    QMap<QString, QString> snapshot;
    const Store store = ReadStore(FRoot);
    for (auto it = store.cbegin(); it != store.cend(); ++it) {
        const QString& key = it.key();
        const bool isKey = key == FKey;
        const bool below = IsBelow(key, FKey);
        const bool child = below && !key.mid(FKey.size() + 1).contains(QLatin1Char('\\'));
        if (!isKey && !below) continue;
        if ((FFilter & REG_NOTIFY_CHANGE_NAME) && below && (FWatchSub || child))
            snapshot.insert(QStringLiteral("key:") + key, QString());
        if ((FFilter & REG_NOTIFY_CHANGE_LAST_SET) && (isKey || FWatchSub))
            for (auto value = it->cbegin(); value != it->cend(); ++value)
                snapshot.insert(QStringLiteral("value:") + key + QLatin1Char('\\') + value.key(), value.value());
    }
    return snapshot;
}

void TRegistryWatch::CheckNow() {
    WatchFile();
    QMap<QString, QString> now = Snapshot();
    if (now == FLast) return;
    FLast = std::move(now);
    if (OnChange) OnChange();
}
