#pragma once
// Finding the language files the user can choose from.

#include <QStringList>

// The ".lng" files of the folder (hidden ones included), sorted without regard to case.
// Folders, links and files that nobody may write to (read-only) are left out.
QStringList Find_Language_Files(const QString& folder);
