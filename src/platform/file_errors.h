#pragma once
// The errors of reading and writing whole files, each naming the file, and the two
// calls the grid's file formats read and write through.

#include "platform/types.h"

#include <QByteArray>
#include <QString>

// A file that cannot be opened for reading.
class EFOpenError : public Exception { using Exception::Exception; };
// A file that cannot be written.
class EFCreateError : public Exception { using Exception::Exception; };

// The whole regular file; raises EFOpenError naming it for anything else (missing, a
// folder or device, unreadable, larger than maxBytes).
QByteArray ReadWholeFile(const QString& path, qint64 maxBytes);
// Replaces the file atomically (file_system.h); raises EFCreateError naming it.
void WriteWholeFile(const QString& path, const QByteArray& data);
