// Every seed and every past finding of the fuzzers is run again through its target, so
// what was once found stays fixed without fuzzing.

#include "fuzz_targets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString FuzzFolder() { return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../fuzz"); }

TEST(FuzzReplay, EverySeedAndFindingPassesItsTarget) {
    int replayed = 0;
    for (const TFuzzTarget& target : Fuzz_Targets()) {
        for (const char* kind : {"seeds", "regressions"}) {
            const QDir folder(FuzzFolder() + QLatin1Char('/') + QLatin1String(kind) + QLatin1Char('/') +
                              QLatin1String(target.name));
            for (const QString& name : folder.entryList(QDir::Files)) {
                SCOPED_TRACE(folder.filePath(name).toStdString());
                QFile file(folder.filePath(name));
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                const QByteArray input = file.readAll();
                EXPECT_EQ(target.run(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size())), 0);
                ++replayed;
            }
        }
        // The empty input is where many readers first go wrong.
        EXPECT_EQ(target.run(reinterpret_cast<const std::uint8_t*>(""), 0), 0) << target.name;
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
