#include "core/configuration_folders.h"

#include "core/program_state.h"
#include "platform/file_system.h"

#include <QDir>

bool Is_Valid_Configuration_Name(const QString& name) {
    if (name.isEmpty() || name == u"." || name == u"..") return false;
    if (name.front().isSpace() || name.back().isSpace()) return false;
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) return false;
    return true;
}

TNewConfigurationError Create_New_Configuration(const QString& name) {
    if (name.isEmpty()) return TNewConfigurationError::EmptyName;
    if (!Is_Valid_Configuration_Name(name)) return TNewConfigurationError::InvalidName;
    const QString folder = PathJoin(Dir_Projects, name);
    if (DirectoryExists(folder)) return TNewConfigurationError::AlreadyExists;
    if (!CreateDir(folder)) return TNewConfigurationError::InvalidName;
    if (!ForceDirectories(PathJoin(folder, QStringLiteral("bin")))) {
        // Without its bin folder the configuration cannot be compiled: take it back.
        QDir(folder).removeRecursively();
        return TNewConfigurationError::InvalidName;
    }
    Project_Name = name;
    Project_Folder = folder;
    Build_Configuration_Paths();
    return TNewConfigurationError::None;
}

QString Existing_Configuration_Folder(const QString& name) {
    // Only one folder level below Dir_Projects; other odd names of folders made outside
    // the program can still be opened.
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') || name.contains(u'\\')) return {};
    const QString folder = PathJoin(Dir_Projects, name);
    return DirectoryExists(folder) ? folder : QString();
}

QStringList List_Configurations() { return ListSubFolders(Dir_Projects); }

QString Current_Configuration_Name() {
    const QString prefix = PathJoin(Dir_Projects, QString());
    if (Project_Folder.isEmpty() || !Project_Folder.startsWith(prefix)) return {};
    return Project_Folder.mid(prefix.size());
}
