#include "platform/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString& ProgramFolderOverride() {
    static QString folder;
    return folder;
}
}  // namespace

bool FileExists(const QString& path) {
    // Only regular files: reading a pipe or a device (a link to /dev/zero, say) would
    // block or never end.
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool DirectoryExists(const QString& path) {
    if (path.isEmpty()) return false;
    return QFileInfo(path).isDir();
}

bool CreateDir(const QString& path) {
    if (path.isEmpty()) return false;
    return QDir().mkdir(path);
}

bool ForceDirectories(const QString& path) {
    if (path.isEmpty()) return false;
    return QDir().mkpath(path) && DirectoryExists(path);
}

bool DeleteFile(const QString& path) { return !path.isEmpty() && QFile::remove(path); }

QStringList ListSubFolders(const QString& folder) {
    if (folder.isEmpty()) return {};
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
}

QStringList ListFiles(const QString& folder, const QString& wildcard) {
    if (folder.isEmpty()) return {};
    return QDir(folder).entryList({wildcard}, QDir::Files, QDir::Name);
}

bool WriteFileAtomically(const QString& path, const QByteArray& data) {
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString PathJoin(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString ExtractFileName(const QString& path) { return QFileInfo(path).fileName(); }

QString ExtractFilePath(const QString& path) {
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    return slash < 0 ? QString() : path.left(slash);
}

QString ProgramFolder() {
    if (!ProgramFolderOverride().isEmpty()) return ProgramFolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolderForTesting(const QString& folder) { ProgramFolderOverride() = folder; }

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& data) {
    // Opened without blocking and checked on the open descriptor, so a pipe swapped in
    // after a name check can neither hang nor be read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxBytes;
    QByteArray content;
    if (ok) {
        content.resize(qsizetype(info.st_size));
        qsizetype done = 0;
        while (done < content.size()) {
            const ssize_t got = ::read(fd, content.data() + done, std::size_t(content.size() - done));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;
            done += got;
        }
        content.truncate(done);
    }
    ::close(fd);
    if (ok) data = content;
    return ok;
}
