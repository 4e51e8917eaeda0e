#pragma once
// Every entry below a folder with the bytes of its files, to show that something left the
// folder exactly as it was. Shared by the tests and the fuzz targets.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

inline QByteArray Folder_Snapshot(const QString& folder) {
    QByteArray snapshot;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        snapshot += QFile::encodeName(path) + '\0' + (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()) + '\0';
    }
    return snapshot;
}
