#include "platform/zip_archive.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Any member may unpack to this much; beyond it, to this many times its packed size.
constexpr qint64 kFreeUnpackedBytes = qint64(32) << 20;
constexpr qint64 kMaxPackingRatio = 500;

[[noreturn]] void Fail(const QString& What) { throw EZipError(What); }

}  // namespace

TZipArchive::TZipArchive() { Open(QByteArray(), ZIP_TRUNCATE); }

TZipArchive::TZipArchive(const QByteArray& Bytes) { Open(Bytes, 0); }

void TZipArchive::Open(const QByteArray& Bytes, int Flags) {
    zip_error_t error;
    zip_error_init(&error);
    // The source owns a copy: writing the changed archive replaces its buffer, and
    // libzip frees what it replaces.
    void* copy = Bytes.isEmpty() ? nullptr : std::malloc(std::size_t(Bytes.size()));
    if (copy) std::memcpy(copy, Bytes.constData(), std::size_t(Bytes.size()));
    FSource = zip_source_buffer_create(copy, copy ? zip_uint64_t(Bytes.size()) : 0, 1, &error);
    if (!FSource) {
        std::free(copy);
        zip_error_fini(&error);
        Fail(QStringLiteral("Not a zip archive"));
    }
    FArchive = zip_open_from_source(FSource, Flags, &error);
    zip_error_fini(&error);
    if (!FArchive) {
        zip_source_free(FSource);
        FSource = nullptr;
        Fail(QStringLiteral("Not a zip archive"));
    }
    // The archive owns the source now; a reference of our own keeps it past zip_close,
    // which writes the changed archive into it.
    zip_source_keep(FSource);
}

TZipArchive::~TZipArchive() {
    if (FArchive) zip_discard(FArchive);
    if (FSource) zip_source_free(FSource);
}

bool TZipArchive::Contains(const QString& Name) const {
    return FArchive && Locate(Name) >= 0;
}

QStringList TZipArchive::Names() const {
    QStringList names;
    if (!FArchive) return names;
    const zip_int64_t count = zip_get_num_entries(FArchive, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char* name = zip_get_name(FArchive, zip_uint64_t(i), ZIP_FL_ENC_GUESS))
            names << QString::fromUtf8(name);
    return names;
}

long long TZipArchive::Locate(const QString& Name) const {
    return zip_name_locate(FArchive, Name.toUtf8().constData(), ZIP_FL_ENC_GUESS | ZIP_FL_NOCASE);
}

QByteArray TZipArchive::Read(const QString& Name, qint64 MaxBytes) const {
    if (!FArchive) Fail(QStringLiteral("Archive already written"));
    const zip_int64_t index = Locate(Name);
    if (index < 0) Fail(QStringLiteral("Missing member ") + Name);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(FArchive, zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_COMP_SIZE))
        Fail(QStringLiteral("Unreadable member ") + Name);
    // Real parts pack to a few percent at best; far more is a bomb, refused early.
    const qint64 bound = std::min<qint64>(MaxBytes, std::max<qint64>(kFreeUnpackedBytes, qint64(stat.comp_size) * kMaxPackingRatio));
    zip_file_t* file = zip_fopen_index(FArchive, zip_uint64_t(index), 0);
    if (!file) Fail(QStringLiteral("Unreadable member ") + Name);
    // The stated size is not trusted: the data is unpacked in chunks up to the bound.
    QByteArray data;
    char chunk[65536];
    for (;;) {
        const zip_int64_t got = zip_fread(file, chunk, sizeof chunk);
        if (got < 0) {
            zip_fclose(file);
            Fail(QStringLiteral("Damaged member ") + Name);
        }
        if (got == 0) break;
        if (data.size() + got > bound) {
            zip_fclose(file);
            Fail(QStringLiteral("Member too large ") + Name);
        }
        data.append(chunk, qsizetype(got));
    }
    if (zip_fclose(file) != 0) Fail(QStringLiteral("Damaged member ") + Name);
    return data;
}

void TZipArchive::Put(const QString& Name, const QByteArray& Data) {
    if (!FArchive) Fail(QStringLiteral("Archive already written"));
    const QByteArray& kept = FPutData.emplace_back(Data);
    zip_source_t* source = zip_source_buffer(FArchive, kept.isEmpty() ? "" : kept.constData(),
                                             zip_uint64_t(kept.size()), 0);
    if (!source) Fail(QStringLiteral("Cannot add member ") + Name);
    zip_int64_t index = Locate(Name);
    if (index >= 0) {
        if (zip_file_replace(FArchive, zip_uint64_t(index), source, 0) != 0) index = -1;
    } else {
        index = zip_file_add(FArchive, Name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    }
    if (index < 0) {
        zip_source_free(source);
        Fail(QStringLiteral("Cannot add member ") + Name);
    }
    zip_set_file_compression(FArchive, zip_uint64_t(index), ZIP_CM_DEFLATE, 6);
}

void TZipArchive::Remove(const QString& Name) {
    if (!FArchive) Fail(QStringLiteral("Archive already written"));
    const zip_int64_t index = Locate(Name);
    if (index >= 0 && zip_delete(FArchive, zip_uint64_t(index)) != 0) Fail(QStringLiteral("Cannot remove member ") + Name);
}

QByteArray TZipArchive::Finish() {
    if (!FArchive) Fail(QStringLiteral("Archive already written"));
    if (zip_close(FArchive) != 0) Fail(QStringLiteral("Cannot write the archive"));
    FArchive = nullptr;
    QByteArray bytes;
    if (zip_source_open(FSource) != 0) Fail(QStringLiteral("Cannot read the written archive"));
    char chunk[65536];
    zip_int64_t got;
    while ((got = zip_source_read(FSource, chunk, sizeof chunk)) > 0) bytes.append(chunk, qsizetype(got));
    zip_source_close(FSource);
    if (got < 0) Fail(QStringLiteral("Cannot read the written archive"));
    return bytes;
}
