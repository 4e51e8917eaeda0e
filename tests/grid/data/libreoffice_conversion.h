#pragma once
// Files converted by a headless LibreOffice, several per run since a start costs seconds,
// each run with the given profile folder so that no user profile is touched or shared.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

inline bool HaveLibreOffice() { return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(); }

// Runs soffice on Files with Options (such as "--convert-to", "csv") writing into Out;
// true when it ended well.
inline bool ConvertWithLibreOffice(const QStringList& Files, const QStringList& Options, const QString& Profile,
                                   const QString& Out) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("soffice")),
                  QStringList{QStringLiteral("-env:UserInstallation=file://") + Profile, QStringLiteral("--headless")} +
                      Options + QStringList{QStringLiteral("--outdir"), Out} + Files);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitCode() == 0;
}
