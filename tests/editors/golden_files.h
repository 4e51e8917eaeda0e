#pragma once
// Reading the golden folders that sit beside the tests, and checking written XML.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

// The whole file, or nothing when it cannot be read.
inline QByteArray Read_Whole_File(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// xmllint's second opinion: the file is well-formed XML.
inline ::testing::AssertionResult Passes_Xmllint(const QString& path) {
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
    if (!xmllint.waitForFinished(30000)) return ::testing::AssertionFailure() << "xmllint did not run";
    if (xmllint.exitCode() != 0)
        return ::testing::AssertionFailure() << path.toStdString() << ": " << xmllint.readAllStandardError().toStdString();
    return ::testing::AssertionSuccess();
}
