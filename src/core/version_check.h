#pragma once
// Reading the maker's answer to "which version is current?" and comparing it with
// this program's own version.

#include <QString>

// The version number of a version text: "VER. 1.710" and "1.710" give 1710. The text
// after the first blank must hold digits at places 1, 3, 4 and 5 (the separator at
// place 2 is not looked at); anything else gives -1.
int Conv_Version(const QString& Ver_str);

// True when the version page's answer names a version newer than this program's.
// An empty answer, "VER. 0.000" and an unreadable version are never newer.
bool Is_Newer_Version(const QString& answer);

// The address of the maker's version page, asking for this program's software code.
QString Version_Request_URL();
