#pragma once
// The name of a GSDML file: a fixed leading part, the user's part and a fixed trailing
// part with the date the program started.

#include <QDate>
#include <QString>

inline const QString GSDML_Name_Leading_Part = QStringLiteral("GSDML-V2.31-Korvel-RT30591");

// "-", the year, the month and the day in two digits each, ".xml".
QString GSDML_Name_Trailing_Part(const QDate& date);
// The leading part, "_" unless the user part begins with one, the untrimmed user part
// and the trailing part; a user part of blanks only leaves just the two fixed parts.
QString Compose_GSDML_File_Name(const QString& userPart, const QString& trailingPart);
// The user part must keep the name one file inside the chosen folder: no "/", "\"
// or control character. Blanks are allowed.
bool Is_GSDML_User_Part_Allowed(const QString& userPart);
