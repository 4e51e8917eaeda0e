#include "core/language_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

QStringList Find_Language_Files(const QString& folder) {
    if (folder.isEmpty()) return {};
    // Case-sensitive: the text table loads only "<name>.lng", so "X.LNG" could not be used.
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive, QDir::Unsorted);
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    QStringList names;
    for (const QFileInfo& entry : entries)
        if (entry.permissions() & anyWrite) names << entry.fileName();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}
