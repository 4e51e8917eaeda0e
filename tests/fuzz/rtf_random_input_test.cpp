// The RTF reader on random inputs from fixed seeds: the golden documents with bytes
// changed, cut off or repeated, and pure noise. The fuzz entry checks each: no crash, the
// text read no longer than the input, and the writer's RTF reading back the same.

#include "fuzz_targets.h"
#include "mutated_input.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

namespace {

// The format's own signs, which reach deeper into the reader than random bytes.
constexpr std::string_view kSigns = "{}\\';0123456789-ubinrtf ";

void RunReader(const QByteArray& input) {
    ASSERT_EQ(Fuzz_Rtf_Reader(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size())), 0)
        << input.toStdString();
}

TEST(RtfRandomInput, ReaderHoldsOnMutatedGoldenFilesAndNoise) {
    const QDir golden(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../grid/edit/golden/rtf"));
    const QStringList cases = golden.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& name : cases) {
        QFile file(golden.filePath(name + QStringLiteral("/expected.rtf")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray seed = file.readAll();
        for (unsigned s = 1; s <= 300; ++s) {
            std::mt19937 random(s);
            RunReader(MutatedInput(seed, random, kSigns));
            QByteArray noise = "{\\rtf1 " + QByteArray(qsizetype(random() % 200), '\0');
            for (qsizetype i = 7; i < noise.size(); ++i) noise[i] = char(random());
            RunReader(noise);
        }
    }
}

}  // namespace
