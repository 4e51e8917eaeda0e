// Starting a real program without a shell and waiting for it at most the limit.

#include "platform/process_runner.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <unistd.h>

namespace {

// Children of this process that have ended but were never reaped.
int ZombieChildren() {
    int zombies = 0;
    const QString self = QString::number(::getpid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid ...": the name may hold blanks, so read after its ')'.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1] == self.toLatin1() && fields[0] == "Z") ++zombies;
    }
    return zombies;
}

TEST(RunProgramAndWait, RunsTheProgramDirectlyAndReportsItsEnd) {
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("a b;$(touch x)"));
    // The arguments reach the program as they are: no shell reads them.
    const ProcessRunResult touched = RunProgramAndWait(QStringLiteral("/usr/bin/touch"), {marker}, 10000);
    EXPECT_TRUE(touched.started);
    EXPECT_TRUE(touched.finished);
    EXPECT_EQ(touched.exitCode, 0);
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_FALSE(QFile::exists(QStringLiteral("x")));

    const ProcessRunResult failed = RunProgramAndWait(QStringLiteral("/bin/sh"), {"-c", "exit 3"}, 10000);
    EXPECT_TRUE(failed.finished);
    EXPECT_EQ(failed.exitCode, 3);

    // A program that reads its input gets none and goes on at once.
    const ProcessRunResult reader = RunProgramAndWait(QStringLiteral("/bin/cat"), {}, 60000);
    EXPECT_TRUE(reader.finished);
    EXPECT_EQ(reader.exitCode, 0);
    EXPECT_EQ(ZombieChildren(), 0);
}

TEST(RunProgramAndWait, AProgramThatCannotStartIsReported) {
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("not_executable")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("#!/bin/sh\nexit 0\n");
    plain.close();
    for (const QString& program : {dir.filePath(QStringLiteral("missing")), plain.fileName(), dir.path(), QString()}) {
        SCOPED_TRACE(program.toStdString());
        const ProcessRunResult result = RunProgramAndWait(program, {}, 10000);
        EXPECT_FALSE(result.started);
        EXPECT_FALSE(result.finished);
    }
}

TEST(RunProgramAndWait, AProgramOutlastingTheLimitGoesOnAndIsReapedWhenItEnds) {
    QTemporaryDir dir;
    const QString done = dir.filePath(QStringLiteral("done"));
    const ProcessRunResult result =
        RunProgramAndWait(QStringLiteral("/bin/sh"), {"-c", "sleep 0.3; touch \"$0\"", done}, 50);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.finished);
    EXPECT_FALSE(QFile::exists(done));
    // The program was not stopped: it ends by itself, and is reaped without a zombie left.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(done); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ZombieChildren() == 0; }, 10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
