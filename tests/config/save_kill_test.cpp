// A save never loses a file: a real process saving in a loop is killed at random moments,
// and the file is always the old version or the new one, whole. Disk faults keep the old
// file and say so.

#include "save_loop_writers.h"
#include "test_support.h"

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Files beside the target whose names begin with its name.
QStringList Leftovers(const QString& path) {
    QStringList found;
    const QString name = ExtractFileName(path);
    for (const QString& entry : QDir(ExtractFilePath(path)).entryList(QDir::Files | QDir::Hidden))
        if (entry != name && entry.startsWith(name)) found.append(entry);
    return found;
}

class SaveKillTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Prepare_Save_Loop_Folder(ProgramDir());
    }
    void TearDown() override {
        SetWriteFaultForTesting(TWriteFault::None);
        ProgramFolderTest::TearDown();
    }

    // Both whole versions of the writer's file, leaving version 0 on disk.
    std::pair<QByteArray, QByteArray> Versions(const TSaveLoopWriter& writer) {
        EXPECT_TRUE(writer.save(1));
        const QByteArray second = Contents(writer.path());
        EXPECT_TRUE(writer.save(0));
        return {Contents(writer.path()), second};
    }
};

TEST_F(SaveKillTest, AKilledSaveLeavesTheOldFileOrTheNewOneWhole) {
    constexpr int kKillsPerWriter = 10;
    QRandomGenerator random(17);
    for (const TSaveLoopWriter& writer : Save_Loop_Writers()) {
        SCOPED_TRACE(writer.name);
        const auto [first, second] = Versions(writer);
        ASSERT_NE(first, second);
        int killedMidSave = 0;
        for (int kill = 0; kill < kKillsPerWriter; ++kill) {
            QProcess child;
            child.start(QStringLiteral(SAVE_LOOP_CHILD), {QString::fromLatin1(writer.name), ProgramDir()});
            ASSERT_TRUE(child.waitForStarted(5000));
            ASSERT_TRUE(child.waitForReadyRead(10000)) << "the saving process never started its loop";
            QThread::usleep(random.bounded(20000));
            ::kill(pid_t(child.processId()), SIGKILL);
            ASSERT_TRUE(child.waitForFinished(5000));
            const QByteArray now = Contents(writer.path());
            ASSERT_TRUE(now == first || now == second) << "kill " << kill << ": a file of " << now.size() << " bytes";
            if (!Leftovers(writer.path()).isEmpty()) ++killedMidSave;
            // What a killed save left beside the file is never taken for the file itself.
            for (const QString& leftover : Leftovers(writer.path()))
                EXPECT_TRUE(IsSaveLeftoverOf(leftover, ExtractFileName(writer.path()))) << leftover.toStdString();
        }
        // The next save clears what the killed ones left.
        ASSERT_TRUE(writer.save(0));
        EXPECT_EQ(Contents(writer.path()), first);
        EXPECT_EQ(Leftovers(writer.path()), QStringList());
        RecordProperty(std::string(writer.name) + "_killed_mid_save", killedMidSave);
    }
}

TEST_F(SaveKillTest, AFullDiskOrAReadOnlyFolderGivesTheWritersErrorAndKeepsTheOldFile) {
    for (const TSaveLoopWriter& writer : Save_Loop_Writers()) {
        SCOPED_TRACE(writer.name);
        const auto [first, second] = Versions(writer);
        for (const TWriteFault fault : {TWriteFault::DiskFull, TWriteFault::ReadOnlyFolder}) {
            SetWriteFaultForTesting(fault);
            EXPECT_FALSE(writer.save(1));
            SetWriteFaultForTesting(TWriteFault::None);
            EXPECT_EQ(Contents(writer.path()), first);
            EXPECT_EQ(Leftovers(writer.path()), QStringList());
        }
    }
}

}  // namespace
