#pragma once
// File-system services: existence checks, folder creation, listings, atomic writes,
// and the folder the program runs from.

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// Writes beside the target and renames over it, so a failure never leaves a half-written file.
bool WriteFileAtomically(const QString& path, const QByteArray& data);

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
