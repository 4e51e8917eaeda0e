#pragma once
// Files for the grid's file tests: the golden folders beside them, whole reads and
// writes, and the external programs that give a second opinion.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <gtest/gtest.h>
#include <utility>

inline QString DataGoldenPath(const QString& Folder, const QString& Name) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/") + Folder + QLatin1Char('/') + Name;
}

// The whole file, or nothing when it cannot be read.
inline QByteArray ReadWholeFile(const QString& Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteWholeFile(const QString& Path, const QByteArray& Bytes) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

inline bool HaveProgram(const char* Name) { return !QStandardPaths::findExecutable(QLatin1String(Name)).isEmpty(); }

// The program's exit code (-1 when it did not finish) and its output and errors.
inline std::pair<int, QByteArray> RunProgram(const QString& Program, const QStringList& Arguments) {
    QProcess process;
    process.start(Program, Arguments);
    if (!process.waitForFinished(30000)) return {-1, {}};
    return {process.exitCode(), process.readAllStandardOutput() + process.readAllStandardError()};
}
