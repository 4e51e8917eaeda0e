// The grid's XML reader on random inputs from fixed seeds: the golden files with bytes
// changed, cut off or repeated, deep nesting and pure noise. The fuzz entry checks each:
// no crash, a parse error or cells inside the grown grid.

#include "fuzz_targets.h"
#include "mutated_input.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

namespace {

// The format's own signs, which reach deeper into the reader than random bytes.
constexpr char kSigns[] = "<>/=\"'&;![]-? \r\nabc";

void RunReader(const QByteArray& input) {
    ASSERT_EQ(Fuzz_Grid_XML(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size())), 0)
        << input.left(200).toStdString();
}

TEST(GridXmlRandomInput, ReaderHoldsOnMutatedGoldenFilesDeepNestingAndNoise) {
    const QDir seeds(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../fuzz/seeds/grid_xml"));
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    std::mt19937 random(22);
    for (const QString& name : names) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray golden = file.readAll();
        for (int i = 0; i < 300; ++i) RunReader(Mutated(golden, random, kSigns));
    }
    RunReader(QByteArray(100000, '<'));
    RunReader(QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(99999));
    RunReader(QByteArray("<a x=\"1\">").repeated(50000));
    for (int i = 0; i < 200; ++i) {
        QByteArray noise(int(random() % 300), '\0');
        for (char& ch : noise) ch = char(random());
        RunReader(noise);
    }
}

}  // namespace
