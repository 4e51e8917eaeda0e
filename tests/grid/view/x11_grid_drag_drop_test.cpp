// Real drags under an X server (xcb platform), the pointer driven through XTest with
// xdotool: grid to grid, within one grid, grid to a line edit, grid to another program,
// and a text with a file from another program onto the grid. The pointer runs in a
// process of its own, since the drag holds this program in its own event loop until the
// drop. Runs only under scripts/test-x11; GRID_SCREENSHOTS names the folder for the
// picture of a drag in progress.

#include "drag_drop_grid_fixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// Waits for a condition; QtTest's QTRY_ macros would only return on failure, unseen by gtest.
#define WAIT_UNTIL(condition) ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, 10000)) << #condition

namespace {

// Presses at From, moves to To in steps and releases there, in a process of its own.
std::unique_ptr<QProcess> StartDrag(QPoint From, QPoint To) {
    auto number = [](int v) { return QString::number(v); };
    QStringList args{"mousemove", number(From.x()), number(From.y()), "sleep", "0.3", "mousedown", "1", "sleep", "0.3"};
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = From + (To - From) * i / steps;
        args << "mousemove" << number(p.x()) << number(p.y()) << "sleep" << "0.15";
    }
    args << "mousemove" << number(To.x() + 1) << number(To.y()) << "sleep" << "0.4" << "mouseup" << "1";
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral("xdotool"), args);
    return process;
}

QPoint ScreenCentre(TExStringGrid& Grid, int Col, int Row) {
    return Grid.viewport()->mapToGlobal(CellCentre(Grid, Col, Row));
}

// The other program, started and waited for until its window shows.
struct Peer {
    QProcess Process;
    QRect Window;
    QStringList Lines;
    bool Start(const QStringList& Arguments) {
        Process.start(QStringLiteral(DRAG_DROP_PEER), Arguments);
        if (!Process.waitForStarted(5000)) return false;
        const bool ready = QTest::qWaitFor([this] { return Process.canReadLine(); }, 10000);
        if (!ready) return false;
        const QStringList parts = QString::fromUtf8(Process.readLine()).trimmed().split(' ');
        if (parts.size() != 5 || parts[0] != QLatin1String("ready")) return false;
        Window = QRect(parts[1].toInt(), parts[2].toInt(), parts[3].toInt(), parts[4].toInt());
        return true;
    }
    bool Finished() {
        if (Process.state() != QProcess::NotRunning) return false;
        for (const QByteArray& line : Process.readAllStandardOutput().split('\n'))
            if (!line.isEmpty()) Lines << QString::fromUtf8(line);
        return true;
    }
    ~Peer() {
        if (Process.state() != QProcess::NotRunning) {
            Process.kill();
            Process.waitForFinished(2000);
        }
    }
};

class X11GridDragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real X server";
        Window = std::make_unique<QWidget>();
        Window->setWindowTitle(QStringLiteral("Drag and drop"));
        Window->setGeometry(20, 40, 900, 380);
        Source = MakeGrid(0);
        Target = MakeGrid(450);
        Edit = new QLineEdit(Window.get());
        Edit->setGeometry(10, 320, 300, 28);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
        QTest::qWait(300);
    }
    void TearDown() override { Window.reset(); }
    TExStringGrid* MakeGrid(int Left) { return MakeDragDropGrid(Window.get(), Left); }

    std::unique_ptr<QWidget> Window;
    TExStringGrid* Source = nullptr;
    TExStringGrid* Target = nullptr;
    QLineEdit* Edit = nullptr;
};

TEST_F(X11GridDragDrop, CellsMoveToAnotherGridAndWithinOne) {
    Source->SetSelection({1, 2, 2, 2});
    // A picture of the drag on its way, once the target shows where the cells would land.
    QImage inProgress;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (inProgress.isNull() && Target->ArrowWindow(2)->isVisible())
            inProgress = Window->screen()->grabWindow(0).toImage();
    });
    watch.start(40);
    auto pointer = StartDrag(ScreenCentre(*Source, 1, 2), ScreenCentre(*Target, 2, 3));
    WAIT_UNTIL(Target->Cells(3, 3) == QLatin1String("c2r2"));
    EXPECT_EQ(Target->Cells(2, 3), "c1r2");
    WAIT_UNTIL(Source->Cells(1, 2).isEmpty());
    EXPECT_TRUE(Source->Cells(2, 2).isEmpty());
    pointer->waitForFinished(5000);
    watch.stop();
    EXPECT_FALSE(inProgress.isNull());
    const QString folder = qEnvironmentVariable("GRID_SCREENSHOTS");
    if (!folder.isEmpty() && !inProgress.isNull()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(inProgress.save(QDir(folder).filePath(QStringLiteral("grid-drag-in-progress.png"))));
    }

    Source->SetSelection({3, 4, 3, 4});
    pointer = StartDrag(ScreenCentre(*Source, 3, 4), ScreenCentre(*Source, 1, 5));
    WAIT_UNTIL(Source->Cells(1, 5) == QLatin1String("c3r4"));
    WAIT_UNTIL(Source->Cells(3, 4).isEmpty());
    pointer->waitForFinished(5000);
}

TEST_F(X11GridDragDrop, ACellDropsIntoALineEdit) {
    Source->SetSelection({4, 1, 4, 1});
    auto pointer = StartDrag(ScreenCentre(*Source, 4, 1), Edit->mapToGlobal(Edit->rect().center()));
    WAIT_UNTIL(Edit->text() == QLatin1String("c4r1"));
    pointer->waitForFinished(5000);
}

TEST_F(X11GridDragDrop, AnotherProgramGetsTheTextTheTableAndTheCells) {
    Source->Navigation()->SetAllowFmtClipboard(true);
    Source->SetCells(2, 1, "a<b");
    Source->SetSelection({1, 1, 2, 1});
    Peer peer;
    ASSERT_TRUE(peer.Start({"receive", "520", "420"}));
    auto pointer = StartDrag(ScreenCentre(*Source, 1, 1), peer.Window.center());
    WAIT_UNTIL(peer.Finished());
    pointer->waitForFinished(5000);
    const QString output = peer.Lines.join('\n');
    EXPECT_TRUE(peer.Lines.contains("dropped")) << output.toStdString();
    EXPECT_TRUE(peer.Lines.contains("text/plain=c1r1\\ta<b")) << output.toStdString();
    EXPECT_TRUE(output.contains("text/html=<table><tr><td>c1r1</td><td>a&lt;b</td></tr></table>")) << output.toStdString();
    EXPECT_TRUE(output.contains("TExStringGrid Cells")) << output.toStdString();
}

TEST_F(X11GridDragDrop, ATextAndAFileComeFromAnotherProgram) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("DATA.CSV"));
    QStringList offered;
    Target->OnOleDropFile = [&](TObject*, int, int, const QString& Name, bool&) { offered << Name; };
    Peer peer;
    ASSERT_TRUE(peer.Start({"send", "520", "420", "dropped text", file}));
    auto pointer = StartDrag(peer.Window.center(), ScreenCentre(*Target, 1, 1));
    WAIT_UNTIL(Target->Cells(1, 1) == QLatin1String("dropped text"));
    WAIT_UNTIL(offered == QStringList{file});
    WAIT_UNTIL(peer.Finished());
    pointer->waitForFinished(5000);
}

}  // namespace
