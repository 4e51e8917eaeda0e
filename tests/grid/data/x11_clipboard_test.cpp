// The grid's clipboard on a real X server: another process (xclip) lists the offered
// types and reads them, and text that it offers pastes into the grid. Runs under
// scripts/test-x11; elsewhere it is skipped with the reason.

#include "grid/core/string_grid.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Runs xclip while this process keeps serving the clipboard it owns.
QByteArray RunXclip(const QStringList& Arguments, const QByteArray& Input = {}) {
    QProcess process;
    process.start(QStringLiteral("xclip"), Arguments);
    if (!Input.isNull()) {
        process.write(Input);
        process.closeWriteChannel();
    }
    for (int i = 0; i < 1000 && !process.waitForFinished(10); ++i) QCoreApplication::processEvents();
    return process.readAllStandardOutput();
}

TEST(X11Clipboard, AnotherProcessReadsEveryOfferedTypeAndItsTextPastes) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs the xcb platform under Xvfb";
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) GTEST_SKIP() << "xclip is not installed";
    TExStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetOptions(g.Options().Include(goEditing));
    g.Navigation()->SetAllowFmtClipboard(true);
    g.SetCells(1, 1, QStringLiteral("two\r\nlines"));
    g.SetCells(2, 1, QStringLiteral("日本 \"q\""));
    g.SetSelection({1, 1, 2, 1});
    g.CopySelectionToClipboard();
    const QString targets = QString::fromUtf8(RunXclip({"-selection", "clipboard", "-o", "-t", "TARGETS"}));
    for (const char* type : {"text/plain", "text/html", "UTF8_STRING"}) EXPECT_TRUE(targets.contains(QLatin1String(type))) << type;
    EXPECT_EQ(QString::fromUtf8(RunXclip({"-selection", "clipboard", "-o", "-t", "UTF8_STRING"})),
              QStringLiteral("\"two\nlines\"\t日本 \"q\""));
    EXPECT_TRUE(QString::fromUtf8(RunXclip({"-selection", "clipboard", "-o", "-t", "text/html"})).contains(QStringLiteral("日本")));

    RunXclip({"-selection", "clipboard", "-i", "-t", "UTF8_STRING"}, QByteArray("x\t\"y\nz\"\n"));
    for (int i = 0; i < 50; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    g.SetSelection({1, 2, 1, 2});
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Cells(1, 2), "x");
    EXPECT_EQ(g.Cells(2, 2), "y\r\nz");
}

}  // namespace
