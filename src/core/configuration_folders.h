#pragma once
// The configurations beside the program: each is a sub-folder of Dir_Projects named
// after it, holding its XML files and a "bin" sub-folder for the compiled image.

#include <QString>
#include <QStringList>

enum class TNewConfigurationError { None, EmptyName, AlreadyExists, InvalidName };

// A name is one folder name: not "." or "..", no "/" or "\", no control characters,
// no leading or trailing blanks, and text the settings file can hold (valid UTF-16, no
// non-characters, no replacement character left by a name that was not valid UTF-8).
bool Is_Valid_Configuration_Name(const QString& name);

// Creates the configuration's folder and its "bin" folder and makes it current
// (Project_Name, Project_Folder and the file paths). On failure nothing is left
// behind and the current configuration does not change.
TNewConfigurationError Create_New_Configuration(const QString& name);

// The folder of the configuration of that name when the name is a valid configuration
// name and the folder exists and resolves (through links) inside Dir_Projects; empty
// otherwise, so that a name read from the settings can never make a folder outside
// Dir_Projects current.
QString Existing_Configuration_Folder(const QString& name);

// The visible sub-folders of Dir_Projects that Existing_Configuration_Folder accepts, in
// the order the file system lists them.
QStringList List_Configurations();

// The name of the open configuration as its folder says; empty when none is open.
QString Current_Configuration_Name();
