// Editing by keyboard against Qt's QTableView over a QStandardItemModel with its default
// delegate, in the same run: for each of 1,000 cells down a column, a typed letter opens
// the editor, four more letters follow, Enter commits and moves to the next row. The grid
// runs at 1,000 and at 1,000,000 rows (the cost must not depend on the rows); the peer at
// 1,000. After the benchmarks the ratios are printed: grid at 1,000,000 / grid at 1,000
// and peer / grid.

#include "grid/core/string_grid.h"
#include "ratio_reporter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <memory>

namespace {

constexpr int EditedCells = 1000;

void SendKey(QWidget* Target, Qt::Key Key, const QString& Text = QString()) {
    QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
    QApplication::sendEvent(Target, &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
    QApplication::sendEvent(Target, &release);
}

QWidget* Focused(QWidget* Fallback) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : Fallback;
}

void TypeFiveAndEnter(QWidget* View) {
    SendKey(View, Qt::Key_A, "a");
    QWidget* editor = Focused(View);
    for (const char* letter : {"b", "c", "d", "e"}) SendKey(editor, Qt::Key(Qt::Key_A + (letter[0] - 'a')), letter);
    SendKey(editor, Qt::Key_Return, "\r");
}

void BM_Grid_TypeAndAdvance(benchmark::State& state) {
    const int rows = int(state.range(0));
    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(rows + 1);
    grid.SetOptions(grid.Options().Include(goEditing));
    grid.Navigation()->SetAdvanceOnEnter(true);
    grid.Navigation()->SetAdvanceAutoEdit(false);
    grid.Navigation()->SetAdvanceDirection(adTopBottom);
    grid.resize(400, 600);
    grid.show();
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    for (auto _ : state) {
        grid.MoveCurrentCell(1, 1);
        for (int i = 0; i < EditedCells; ++i) TypeFiveAndEnter(&grid);
        QCoreApplication::processEvents();
    }
    if (grid.Cells(1, EditedCells) != "abcde") state.SkipWithError("the grid did not take the typing");
}
BENCHMARK(BM_Grid_TypeAndAdvance)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Peer_TypeAndAdvance(benchmark::State& state) {
    const int rows = int(state.range(0));
    QStandardItemModel model(rows, 3);
    QTableView view;
    view.setModel(&model);
    view.resize(400, 600);
    view.show();
    QApplication::setActiveWindow(&view);
    view.setFocus();
    for (auto _ : state) {
        view.setCurrentIndex(model.index(0, 1));
        for (int i = 0; i < EditedCells; ++i) {
            TypeFiveAndEnter(&view);
            SendKey(&view, Qt::Key_Down);
        }
        QCoreApplication::processEvents();
    }
    if (model.index(EditedCells - 1, 1).data().toString() != "abcde")
        state.SkipWithError("the peer did not take the typing");
}
BENCHMARK(BM_Peer_TypeAndAdvance)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [](RatioReporter& reporter) {
        std::printf("\n");
        reporter.PrintRatio("BM_Grid_TypeAndAdvance/1000000", "BM_Grid_TypeAndAdvance/1000",
                            "grid at 1,000,000 rows / grid at 1,000 rows: %.2f\n");
        reporter.PrintRatio("BM_Peer_TypeAndAdvance/1000", "BM_Grid_TypeAndAdvance/1000",
                            "peer / grid: %.2f (above 1: the grid is faster)\n");
    });
}
