#include "core/configuration_folders.h"

#include "core/program_state.h"
#include "platform/file_system.h"

#include <QDir>

bool Is_Valid_Configuration_Name(const QString& name) {
    if (name.isEmpty() || name == u"." || name == u"..") return false;
    if (name.front().isSpace() || name.back().isSpace()) return false;
    // The name is kept in the settings file, so it must be text that XML can hold: valid
    // UTF-16 without control characters or non-characters. A folder name that was not
    // valid UTF-8 arrives with replacement characters and could not be found again.
    if (!name.isValidUtf16()) return false;
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control || c.isNonCharacter() ||
            c == QChar::ReplacementCharacter)
            return false;
    return true;
}

namespace {

// A configuration the program lists and opens: a name it would accept itself, and a
// folder that (through any link) stays inside the configurations folder.
QString Configuration_Folder_Inside(const QString& name) {
    if (!Is_Valid_Configuration_Name(name)) return {};
    const QString folder = PathJoin(Dir_Projects, name);
    if (!DirectoryExists(folder) || ResolvePathInside(folder, Dir_Projects).isEmpty()) return {};
    return folder;
}

}  // namespace

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

QString Existing_Configuration_Folder(const QString& name) { return Configuration_Folder_Inside(name); }

QStringList List_Configurations() {
    QStringList names;
    for (const QString& name : ListSubFolders(Dir_Projects))
        if (!Configuration_Folder_Inside(name).isEmpty()) names.append(name);
    return names;
}

QString Current_Configuration_Name() {
    const QString prefix = PathJoin(Dir_Projects, QString());
    if (Project_Folder.isEmpty() || !Project_Folder.startsWith(prefix)) return {};
    return Project_Folder.mid(prefix.size());
}
