#pragma once
// The GSDML export as the main window runs it after the file name dialog: a save dialog
// that chooses the folder, the overwrite question, then the file. Failures show a message.

#include <QString>

// The name (without folder) is the dialog's only filter pattern and its proposal; a
// different name typed in the dialog changes only the folder.
void Save_GSDML_File(const QString& name);
