#include "platform/file_errors.h"

#include "platform/file_system.h"

QByteArray ReadWholeFile(const QString& path, qint64 maxBytes) {
    QByteArray data;
    if (!ReadRegularFile(path, maxBytes, data)) throw EFOpenError(QStringLiteral("Cannot open file \"%1\"").arg(path));
    return data;
}

void WriteWholeFile(const QString& path, const QByteArray& data) {
    if (!WriteFileAtomically(path, data)) throw EFCreateError(QStringLiteral("Cannot create file \"%1\"").arg(path));
}
