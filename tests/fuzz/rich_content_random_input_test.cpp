// The GIF frame walk and the drop payload readers on random inputs from fixed seeds:
// pure noise, and the seeds with bytes changed, cut off or repeated, so that the
// checked reads near the ends of the data are reached without fuzzing.

#include "fuzz_targets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

namespace {

QByteArray Seed(const char* target, const char* name) {
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../fuzz/seeds/") +
               QLatin1String(target) + QLatin1Char('/') + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Mutated(QByteArray bytes, std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> byte(0, 255);
    const int changes = 1 + int(random() % 8);
    for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
        const qsizetype at = qsizetype(random() % quint32(bytes.size()));
        switch (kind(random)) {
            case 0: bytes[at] = char(byte(random)); break;
            case 1: bytes.truncate(at); break;
            case 2: bytes.insert(at, bytes.mid(at, 17)); break;
            default: bytes[at] = char(0x21); break;  // more would-be frame markers
        }
    }
    return bytes;
}

void RunEntry(TFuzzEntry entry, const QByteArray& input) {
    ASSERT_EQ(entry(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size())), 0)
        << input.toHex().toStdString();
}

TEST(RichContentRandomInput, GifWalkAndDropReadersHoldOnNoiseAndMutatedSeeds) {
    const struct {
        TFuzzEntry entry;
        QByteArray seed;
    } targets[] = {
        {Fuzz_Gif_Frame_Walk, Seed("gif_frame_walk", "three_frames.gif")},
        {Fuzz_Drop_Payloads, Seed("drop_payloads", "cells_block.bin")},
        {Fuzz_Drop_Payloads, Seed("drop_payloads", "uri_list.txt")},
    };
    for (const auto& target : targets) {
        ASSERT_FALSE(target.seed.isEmpty());
        for (unsigned seed = 1; seed <= 400; ++seed) {
            std::mt19937 random(seed);
            QByteArray noise(qsizetype(random() % 256), '\0');
            for (char& c : noise) c = char(random());
            RunEntry(target.entry, noise);
            RunEntry(target.entry, Mutated(target.seed, random));
        }
    }
}

}  // namespace
