// The markup fuzz entries on inputs grown from their seeds by a fixed-seed mutator: a
// short, repeatable stand-in for a fuzz run that the normal suite can afford. Each entry
// aborts the run when one of its checks fails.

#include "fuzz_targets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <random>

namespace {

QString SeedFolder(const char* target) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../fuzz/seeds/") +
           QLatin1String(target);
}

QList<QByteArray> Seeds(const char* target) {
    QList<QByteArray> seeds;
    const QDir folder(SeedFolder(target));
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly)) seeds << file.readAll();
    }
    return seeds;
}

// Pieces of markup worth splicing in: tag starts, quotes, entities and separators.
const char* const kPieces[] = {"<", ">", "</", "\"", "=", "&", ";", "&amp;", "&lt;", "&nbsp;", "<BR>", "<A HREF=\"",
                               "</A>", "<IMG SRC=\"", "<CONTROL TYPE=\"", " WIDTH=\"", " ID=\"", " VALUE=\"", "<#",
                               "<UL><LI>", "<P ALIGN=\"", "<FONT SIZE=\"", "99999999", "-1", "\r", "\0", " "};

QByteArray Mutate(QByteArray input, const QList<QByteArray>& seeds, std::mt19937& random) {
    const auto below = [&](qsizetype n) { return std::uniform_int_distribution<qsizetype>(0, std::max<qsizetype>(n, 1) - 1)(random); };
    for (int step = int(below(6)); step >= 0; --step) {
        switch (below(5)) {
        case 0:
            if (!input.isEmpty()) input[below(input.size())] = char(below(256));
            break;
        case 1: {
            const char* piece = kPieces[below(qsizetype(std::size(kPieces)))];
            input.insert(below(input.size() + 1), QByteArray(piece, qsizetype(std::max<std::size_t>(std::strlen(piece), 1))));
            break;
        }
        case 2:
            input.truncate(below(input.size() + 1));
            break;
        case 3: {
            const QByteArray& other = seeds[below(seeds.size())];
            const qsizetype from = below(other.size());
            input.insert(below(input.size() + 1), other.mid(from, below(other.size() - from + 1)));
            break;
        }
        default:
            if (!input.isEmpty()) input.remove(below(input.size()), below(8) + 1);
            break;
        }
    }
    return input;
}

TEST(MarkupFuzzRandom, EntriesHoldOnMutatedSeeds) {
    std::mt19937 random(20261211);
    for (const TFuzzTarget& target : Fuzz_Targets()) {
        const QByteArray name(target.name);
        if (name != "draw_markup_text" && name != "markup_text" && name != "control_tags") continue;
        const QList<QByteArray> seeds = Seeds(target.name);
        ASSERT_FALSE(seeds.isEmpty()) << target.name;
        for (int round = 0; round < 300; ++round) {
            const QByteArray input = Mutate(seeds[round % seeds.size()], seeds, random);
            ASSERT_EQ(target.run(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size())), 0)
                << target.name << ": " << input.toPercentEncoding().toStdString();
        }
    }
}

}  // namespace
