#include "platform/serial_ports.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString& DeviceFolderOverride() {
    static QString folder;
    return folder;
}

QString DeviceFolder() {
    return DeviceFolderOverride().isEmpty() ? QStringLiteral("/dev") : DeviceFolderOverride();
}

// A port exists when it opens, or when the open is refused because another program
// holds it or the user may not use it; a missing or phantom device fails otherwise.
bool PortExists(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EACCES || errno == EBUSY || errno == EPERM;
}

// The number after the prefix, or -1 when the rest of the name is not a number.
int PortNumber(const QString& name, const QString& prefix) {
    bool ok = false;
    const QString rest = name.mid(prefix.size());
    if (rest.isEmpty() || !std::all_of(rest.begin(), rest.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    const int number = rest.toInt(&ok);
    return ok ? number : -1;
}

}  // namespace

QStringList ListSerialPorts() {
    const QDir folder(DeviceFolder());
    QStringList ports;
    for (const QString& prefix : {QStringLiteral("ttyS"), QStringLiteral("ttyUSB"), QStringLiteral("ttyACM")}) {
        std::vector<std::pair<int, QString>> found;
        for (const QString& name : folder.entryList({prefix + QLatin1Char('*')}, QDir::System | QDir::Files)) {
            const int number = PortNumber(name, prefix);
            if (number < 0) continue;
            const QString path = folder.filePath(name);
            if (PortExists(path)) found.emplace_back(number, path);
        }
        std::sort(found.begin(), found.end());
        for (const auto& entry : found) ports << entry.second;
    }
    return ports;
}

void SetSerialDeviceFolderForTesting(const QString& folder) { DeviceFolderOverride() = folder; }
