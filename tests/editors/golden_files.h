#pragma once
// Reading the golden folders that sit beside the tests.

#include <QByteArray>
#include <QFile>
#include <QString>

// The whole file, or nothing when it cannot be read.
inline QByteArray Read_Whole_File(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
