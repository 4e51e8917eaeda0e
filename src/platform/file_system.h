#pragma once
// File-system services: existence checks, folder creation, listings, atomic writes,
// and the folder the program runs from.

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// True for a regular file (or a link to one); false for folders, pipes and devices.
bool FileExists(const QString& path);
bool DirectoryExists(const QString& path);
// Creates one folder level; false when it exists already or cannot be made.
bool CreateDir(const QString& path);
// Creates a folder with any missing parents; true when it exists afterwards.
bool ForceDirectories(const QString& path);
bool DeleteFile(const QString& path);

// Names of the visible sub-folders of a folder, in the order the file system lists them.
QStringList ListSubFolders(const QString& folder);
// Names of the files in a folder that match a wildcard such as "*.lng".
QStringList ListFiles(const QString& folder, const QString& wildcard);

// Writes a temporary file beside the target, syncs it, renames it over the target and
// syncs the folder, so neither a crash, a kill nor a power cut leaves a half-written file:
// the file is the old one or the new one, whole. A link is written through (it stays a
// link); the old file's rights are kept. Temporary files that an earlier, interrupted
// save of the same file left behind are removed first. With a confining folder, a target
// that resolves (through links) outside that folder is not written and the save fails.
bool WriteFileAtomically(const QString& path, const QByteArray& data, const QString& confiningFolder = QString());

// The temporary file names a save of that file uses: "<name>.saving-XXXXXX".
bool IsSaveLeftoverOf(const QString& leftoverName, const QString& fileName);

// The path with every link resolved, when it lies inside the folder (itself resolved);
// empty when it resolves outside it, its folder does not exist or it is a broken link.
QString ResolvePathInside(const QString& path, const QString& folder);

// Failures a test can make the next writes meet, as a full disk or a read-only folder would.
enum class TWriteFault { None, DiskFull, ReadOnlyFolder };
void SetWriteFaultForTesting(TWriteFault fault);

// Joins folder and name with the platform's separator.
QString PathJoin(const QString& folder, const QString& name);
QString ExtractFileName(const QString& path);
QString ExtractFilePath(const QString& path);  // folder without a trailing separator

// The folder of the running program; tests point it at a temporary folder.
QString ProgramFolder();
void SetProgramFolderForTesting(const QString& folder);

// Reads a regular file of at most maxBytes bytes; false for anything else (a folder,
// pipe or device, a larger file, an unreadable one). Never blocks on a special file.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& data);
// What is left of a stream, at most maxBytes bytes. Read in pieces: asking a device for
// maxBytes at once reserves that much memory however little it holds.
QByteArray ReadStreamBounded(QIODevice& stream, qint64 maxBytes);
