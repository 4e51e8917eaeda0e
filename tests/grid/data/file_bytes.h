#pragma once
// A file's bytes as the file tests read and write them.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}
