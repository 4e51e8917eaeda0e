#pragma once
// Zip archives in memory, as the office file formats pack their parts (named without
// regard to case, as those formats name them): members read with
// a bound on their unpacked size (a small archive may unpack to gigabytes), members put
// in or replaced, and the whole archive given back as bytes. Members that are not
// touched keep their packed bytes as they were.

#include "platform/types.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <list>

struct zip;
struct zip_source;

// An archive that cannot be read, or a member that is missing or too large unpacked.
class EZipError : public Exception { using Exception::Exception; };

class TZipArchive {
public:
    // A new, empty archive.
    TZipArchive();
    // The archive these bytes hold; raises EZipError when they hold none.
    explicit TZipArchive(const QByteArray& Bytes);
    ~TZipArchive();
    TZipArchive(const TZipArchive&) = delete;
    TZipArchive& operator=(const TZipArchive&) = delete;

    bool Contains(const QString& Name) const;
    QStringList Names() const;
    // The member unpacked; raises EZipError when it is missing, damaged or would unpack
    // to more than MaxBytes, or past 32 MB to more than 500 times its packed size (no
    // real part packs that well; a zip bomb does).
    QByteArray Read(const QString& Name, qint64 MaxBytes) const;
    // Adds the member, or replaces it when one of that name exists; packed on Finish.
    void Put(const QString& Name, const QByteArray& Data);
    // Removes the member when there is one.
    void Remove(const QString& Name);
    // The archive's bytes with every change; the archive cannot be used afterwards.
    QByteArray Finish();

private:
    void Open(const QByteArray& Bytes, int Flags);
    // The member's index, -1 when there is none.
    long long Locate(const QString& Name) const;

    std::list<QByteArray> FPutData;  // stays alive until the archive is written
    zip_source* FSource = nullptr;
    zip* FArchive = nullptr;
};
