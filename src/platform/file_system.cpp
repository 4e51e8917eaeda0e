#include "platform/file_system.h"

#include "platform/file_descriptor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString& ProgramFolderOverride() {
    static QString folder;
    return folder;
}

TWriteFault& WriteFault() {
    static TWriteFault fault = TWriteFault::None;
    return fault;
}

const QLatin1String kLeftoverInfix(".saving-");
constexpr qsizetype kLeftoverRandomLength = 6;

bool WriteAll(int fd, const QByteArray& data) {
    if (WriteFault() == TWriteFault::DiskFull) {
        errno = ENOSPC;
        return false;
    }
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, std::size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        left -= written;
    }
    return true;
}

// The rights a new file gets from the process's file-creation mask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const QString& folder) {
    const TFileDescriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0) ::fsync(fd.Get());
}

void RemoveLeftovers(const QString& folder, const QString& fileName) {
    const QStringList names = QDir(folder).entryList(
        {fileName + kLeftoverInfix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names)
        if (IsSaveLeftoverOf(name, fileName)) QFile::remove(PathJoin(folder, name));
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

bool IsSaveLeftoverOf(const QString& leftoverName, const QString& fileName) {
    const QString prefix = fileName + kLeftoverInfix;
    if (!leftoverName.startsWith(prefix) || leftoverName.size() != prefix.size() + kLeftoverRandomLength) return false;
    for (QChar c : QStringView(leftoverName).mid(prefix.size()))
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80)) return false;
    return true;
}

QString ResolvePathInside(const QString& path, const QString& folder) {
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (path.isEmpty() || root.isEmpty()) return {};
    const QFileInfo info(path);
    QString resolved;
    if (info.exists()) {
        resolved = info.canonicalFilePath();
    } else {
        // A link pointing nowhere would create its target wherever it points.
        if (info.isSymLink()) return {};
        const QString parent = QFileInfo(ExtractFilePath(path)).canonicalFilePath();
        if (parent.isEmpty()) return {};
        resolved = PathJoin(parent, info.fileName());
    }
    return resolved.startsWith(PathJoin(root, QString())) ? resolved : QString();
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, const QString& confiningFolder) {
    if (path.isEmpty()) return false;
    // The file a link points at is the one replaced, so the link stays a link.
    const QString target = confiningFolder.isEmpty() ? ResolvePathInside(path, QStringLiteral("/"))
                                                     : ResolvePathInside(path, confiningFolder);
    if (target.isEmpty() || QFileInfo(target).isDir()) return false;
    const QString folder = ExtractFilePath(target);
    const QString name = ExtractFileName(target);
    RemoveLeftovers(folder, name);
    if (WriteFault() == TWriteFault::ReadOnlyFolder) return false;

    QByteArray temporary = QFile::encodeName(PathJoin(folder, name + kLeftoverInfix)) + "XXXXXX";
    TFileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.Get() < 0) return false;
    struct stat old {};
    const mode_t mode =
        ::stat(QFile::encodeName(target).constData(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
    const bool written = ::fchmod(fd.Get(), mode) == 0 && WriteAll(fd.Get(), data) && ::fsync(fd.Get()) == 0 &&
                         fd.Close() && ::rename(temporary.constData(), QFile::encodeName(target).constData()) == 0;
    if (!written) {
        ::unlink(temporary.constData());
        return false;
    }
    // The new name reaches the disk only with its folder.
    SyncFolder(folder);
    return true;
}

void SetWriteFaultForTesting(TWriteFault fault) { WriteFault() = fault; }

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

QByteArray ReadStreamBounded(QIODevice& stream, qint64 maxBytes) {
    constexpr qint64 kPiece = qint64(1) << 20;
    QByteArray data;
    while (data.size() < maxBytes) {
        const QByteArray piece = stream.read(std::min(kPiece, maxBytes - data.size()));
        if (piece.isEmpty()) break;
        data += piece;
    }
    return data;
}
