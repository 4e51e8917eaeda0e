// The multi-column drop-down over 10,000 items against Qt's own completion and table:
// - one lookup per typed prefix: the drop-down's indexed lookup list, a plain scan that
//   upper-cases every text per key, and QCompleter over a QStringListModel
//   (case-insensitive, setCompletionPrefix / currentCompletion);
// - the same keys typed end to end into the drop-down's edit, and into a QLineEdit with
//   that QCompleter completing inline;
// - opening the pop-up (filled from the items and painted) against a QTableView over a
//   QStandardItemModel of the same rows, filled and shown; and both again with every
//   row's height and a column's width measured from the texts.
// The ratios (peer time over ours) are printed after the benchmarks.

#include "dropdowns/drop_down_form.h"
#include "dropdowns/multi_column_drop_down.h"
#include "platform/form.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>
#include <QKeyEvent>
#include <memory>

namespace {

constexpr int Items = 10000;

QStringList ItemTexts() {
    static const char* const rooms[] = {"Kitchen", "Hall", "Office", "Garage", "Bedroom", "Bath", "Stairs",
                                        "Terrace", "Cellar", "Attic", "Lobby", "Corridor", "Laundry"};
    QStringList texts;
    for (int i = 0; i < Items; ++i)
        texts.append(QStringLiteral("%1 %2").arg(QLatin1String(rooms[(i * 7) % 13])).arg(i * 7919 % 100000, 5, 10, QChar('0')));
    return texts;
}

// Prefixes of 1 to 7 characters, taken from texts spread over the list, in mixed case.
QStringList Prefixes(const QStringList& texts) {
    QStringList prefixes;
    for (int i = 0; i < 256; ++i) {
        const QString text = texts[(i * 389) % texts.size()];
        QString prefix = text.left(1 + i % 7);
        prefixes.append(i % 2 ? prefix.toLower() : prefix.toUpper());
    }
    return prefixes;
}

// The lookup as a plain scan: every text upper-cased for every key.
int ScanLookup(const QStringList& texts, const QString& typed) {
    const QString key = typed.toUpper();
    for (int i = 0; i < texts.size(); ++i)
        if (texts[i].toUpper().startsWith(key)) return i;
    return -1;
}

void BM_LookupIndexPerPrefix(benchmark::State& state) {
    const QStringList texts = ItemTexts();
    TLookupList list;
    list.Assign(texts);
    const QStringList prefixes = Prefixes(texts);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(list.FindPrefix(prefixes[i++ % prefixes.size()], false));
}

void BM_PlainScanPerPrefix(benchmark::State& state) {
    const QStringList texts = ItemTexts();
    const QStringList prefixes = Prefixes(texts);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ScanLookup(texts, prefixes[i++ % prefixes.size()]));
}

void BM_QCompleterPerPrefix(benchmark::State& state) {
    const QStringList texts = ItemTexts();
    QStringListModel model(texts);
    QCompleter completer(&model);
    completer.setCaseSensitivity(Qt::CaseInsensitive);
    const QStringList prefixes = Prefixes(texts);
    int i = 0;
    for (auto _ : state) {
        completer.setCompletionPrefix(prefixes[i++ % prefixes.size()]);
        benchmark::DoNotOptimize(completer.currentCompletion());
    }
}

// A window holding the drop-down with the items, its lookup column the first.
struct DropDownWindow {
    DropDownWindow() : Form(nullptr) {
        Form.resize(400, 300);
        DropDown = CreateDropDown<TExMultiColumnDropDown>(&Form, &Form);
        DropDown->SetBounds(10, 10, 200, 22);
        for (const char* header : {"Room", "Number"}) DropDown->Columns().Add()->SetHeader(QLatin1String(header));
        int i = 0;
        for (const QString& text : ItemTexts())
            DropDown->Items().Add()->SetText({text, QString::number(i++)});
        DropDown->EndUpdate();
        Form.show();
        DropDown->setFocus();
        QApplication::processEvents();
    }
    TForm Form;
    TExMultiColumnDropDown* DropDown = nullptr;
};

// Types each character as a key press and release, as the keyboard does.
void TypePrefixes(QWidget* edit, const std::function<void()>& clear, const QStringList& prefixes, int& i) {
    clear();
    for (const QChar ch : prefixes[i++ % prefixes.size()].left(4)) {
        const int key = ch.isLetter() ? Qt::Key_A + (ch.toUpper().unicode() - 'A') : ch.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &release);
    }
}

void BM_TypeIntoMultiColumnDropDown(benchmark::State& state) {
    DropDownWindow window;
    const QStringList prefixes = Prefixes(ItemTexts());
    int i = 0;
    for (auto _ : state)
        TypePrefixes(window.DropDown, [&] { window.DropDown->SetText(QString()); }, prefixes, i);
}

void BM_TypeIntoLineEditWithQCompleter(benchmark::State& state) {
    QWidget form;
    form.resize(400, 300);
    auto* edit = new QLineEdit(&form);
    edit->setGeometry(10, 10, 200, 22);
    QStringListModel model(ItemTexts());
    QCompleter completer(&model);
    completer.setCaseSensitivity(Qt::CaseInsensitive);
    completer.setCompletionMode(QCompleter::InlineCompletion);
    edit->setCompleter(&completer);
    form.show();
    edit->setFocus();
    QApplication::processEvents();
    const QStringList prefixes = Prefixes(ItemTexts());
    int i = 0;
    for (auto _ : state) TypePrefixes(edit, [&] { edit->clear(); }, prefixes, i);
}

void BM_OpenMultiColumnPopUp(benchmark::State& state) {
    DropDownWindow window;
    window.DropDown->SetItemIndex(5000);
    for (auto _ : state) {
        window.DropDown->ShowDropDown();
        window.DropDown->DropDownForm()->repaint();
        window.DropDown->HideDropDown(true);
    }
}

// The same with a wrapped, auto-sized column: every row and the column are measured at
// each opening.
void BM_OpenMultiColumnPopUpMeasured(benchmark::State& state) {
    DropDownWindow window;
    window.DropDown->Columns().Items(0)->SetWordwrap(true);
    window.DropDown->Columns().Items(1)->SetAutoSize(true);
    window.DropDown->SetItemIndex(5000);
    for (auto _ : state) {
        window.DropDown->ShowDropDown();
        window.DropDown->DropDownForm()->repaint();
        window.DropDown->HideDropDown(true);
    }
}

void OpenQTableView(benchmark::State& state, bool measured) {
    const QStringList texts = ItemTexts();
    QWidget form;
    form.resize(400, 300);
    form.show();
    for (auto _ : state) {
        QStandardItemModel model(texts.size(), 2);
        model.setHorizontalHeaderLabels({QStringLiteral("Room"), QStringLiteral("Number")});
        for (int r = 0; r < texts.size(); ++r) {
            model.setItem(r, 0, new QStandardItem(texts[r]));
            model.setItem(r, 1, new QStandardItem(QString::number(r)));
        }
        QTableView view;
        view.setWindowFlags(Qt::Popup);
        view.verticalHeader()->hide();
        view.setModel(&model);
        view.setGeometry(10, 40, 200, 200);
        if (measured) {
            view.setWordWrap(true);
            view.resizeColumnToContents(1);
            view.resizeRowsToContents();
        }
        view.selectRow(5000);
        view.show();
        view.repaint();
        view.hide();
    }
}

void BM_OpenQTableViewOfTheSameRows(benchmark::State& state) { OpenQTableView(state, false); }

// The same sized to its contents: every row's height and the second column's width.
void BM_OpenQTableViewMeasured(benchmark::State& state) { OpenQTableView(state, true); }

BENCHMARK(BM_LookupIndexPerPrefix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainScanPerPrefix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QCompleterPerPrefix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeIntoMultiColumnDropDown)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeIntoLineEditWithQCompleter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenMultiColumnPopUp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenMultiColumnPopUpMeasured)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenQTableViewOfTheSameRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenQTableViewMeasured)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {
        std::printf("\nPeer time over ours (above 1: ours is faster), 10,000 items:\n");
        reporter.PrintRatio("BM_PlainScanPerPrefix", "BM_LookupIndexPerPrefix", "  lookup per prefix, plain scan:   %8.2f\n");
        reporter.PrintRatio("BM_QCompleterPerPrefix", "BM_LookupIndexPerPrefix", "  lookup per prefix, QCompleter:   %8.2f\n");
        reporter.PrintRatio("BM_TypeIntoLineEditWithQCompleter", "BM_TypeIntoMultiColumnDropDown",
                            "  typing end to end, QLineEdit:    %8.2f\n");
        reporter.PrintRatio("BM_OpenQTableViewOfTheSameRows", "BM_OpenMultiColumnPopUp", "  opening the pop-up, QTableView:  %8.2f\n");
        reporter.PrintRatio("BM_OpenQTableViewMeasured", "BM_OpenMultiColumnPopUpMeasured",
                            "  opening, rows and a column measured, QTableView: %8.2f\n");
        benchmark::Shutdown();
    });
}
