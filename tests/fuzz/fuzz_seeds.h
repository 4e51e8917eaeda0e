#pragma once
// The seeds of a fuzz target, read from fuzz/seeds/<target>/ in name order.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

inline QList<QByteArray> FuzzSeeds(const char* Target) {
    const QDir folder(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../fuzz/seeds/") +
                      QLatin1String(Target));
    QList<QByteArray> seeds;
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly)) seeds << file.readAll();
    }
    return seeds;
}
