#pragma once
// Reading the maker's answer to "which version is current?" and comparing it with
// this program's own version.

#include <QString>

// The version number of a version text: "VER. 1.710" and "1.710" give 1710. The text
// after the first blank must hold digits at places 1, 3, 4 and 5 (the separator at
// place 2 is not looked at); anything else gives -1.
int Conv_Version(const QString& Ver_str);

// What the version page's answer says of this program's version.
enum class TVersionAnswer {
    Newer,       // a newer version is published
    NotNewer,    // "VER. 0.000", or a version no newer than this one
    Unreadable,  // empty, or no version in it: the check could not be made
};
TVersionAnswer Read_Version_Answer(const QString& answer);

// The address of the maker's version page, asking for this program's software code.
QString Version_Request_URL();
