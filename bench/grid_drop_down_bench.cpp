// The grid drop-down over 10,000 items against Qt's own completion, filtering and table:
// - one lookup per typed prefix: the drop-down's FindLookupMatch (indexed), the plain
//   scan that upper-cases every item's text per key, and QCompleter over a
//   QStringListModel (case-insensitive, setCompletionPrefix / currentCompletion);
// - the same keys typed end to end into the drop-down's edit, and into a QLineEdit with
//   that QCompleter completing inline;
// - narrowing the open list, key by key, against QSortFilterProxyModel::
//   setFilterFixedString under a shown QTableView;
// - opening the pop-up against a QTableView over a QStandardItemModel of the same rows,
//   filled and shown.
// The ratios (peer time over ours) are printed after the benchmarks.

#include "dropdowns/drop_down_form.h"
#include "dropdowns/grid_drop_down.h"
#include "platform/form.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>

namespace {

constexpr int Items = 10000;

QStringList DeviceNames() {
    static const char* const kinds[] = {"Dimmer", "Switch", "Blind", "Sensor", "Valve", "Heater", "Lamp",
                                        "Fan", "Scene", "Meter", "Button"};
    QStringList texts;
    for (int i = 0; i < Items; ++i)
        texts.append(QStringLiteral("%1 %2").arg(QLatin1String(kinds[(i * 5) % 11])).arg(i * 6007 % 100000, 5, 10, QChar('0')));
    return texts;
}

// Prefixes of 1 to 7 characters of texts spread over the list, in mixed case.
QStringList Prefixes(const QStringList& texts) {
    QStringList prefixes;
    for (int i = 0; i < 256; ++i) {
        const QString prefix = texts[(i * 389) % texts.size()].left(1 + i % 7);
        prefixes.append(i % 2 ? prefix.toLower() : prefix.toUpper());
    }
    return prefixes;
}

// A window holding the drop-down with the items, its lookup column the first.
struct GridDropDownWindow {
    GridDropDownWindow() : Form(nullptr) {
        Form.resize(400, 300);
        DropDown = CreateDropDown<TCustomExGridDropDown>(&Form, &Form);
        DropDown->SetBounds(10, 10, 200, 22);
        for (const char* header : {"Device", "Number"}) DropDown->Columns().Add()->SetHeader(QLatin1String(header));
        int i = 0;
        for (const QString& text : DeviceNames()) DropDown->Items().Add()->SetText({text, QString::number(i++)});
        DropDown->EndUpdate();
        Form.show();
        DropDown->setFocus();
        QApplication::processEvents();
    }
    TForm Form;
    TCustomExGridDropDown* DropDown = nullptr;
};

void SendKey(QWidget* target, QChar ch) {
    const int key = ch.isLetter() ? Qt::Key_A + (ch.toUpper().unicode() - 'A') : ch.unicode();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &release);
}

void BM_GridDropDownLookupPerPrefix(benchmark::State& state) {
    GridDropDownWindow window;
    const QStringList prefixes = Prefixes(DeviceNames());
    QString text;
    int index = -1, i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(window.DropDown->FindLookupMatch(prefixes[i++ % prefixes.size()], text, index));
}

// The lookup as a plain scan over the items: every text upper-cased for every key.
void BM_PlainScanPerPrefix(benchmark::State& state) {
    GridDropDownWindow window;
    const grid_drop_down::TDropDownItems& items = window.DropDown->Items();
    const QStringList prefixes = Prefixes(DeviceNames());
    int i = 0;
    for (auto _ : state) {
        const QString key = prefixes[i++ % prefixes.size()].toUpper();
        int found = -1;
        for (int k = 0; k < items.Count() && found < 0; ++k)
            if (items.Items(k)->ColumnText(0).toUpper().startsWith(key)) found = k;
        benchmark::DoNotOptimize(found);
    }
}

void BM_QCompleterPerPrefix(benchmark::State& state) {
    QStringListModel model(DeviceNames());
    QCompleter completer(&model);
    completer.setCaseSensitivity(Qt::CaseInsensitive);
    const QStringList prefixes = Prefixes(DeviceNames());
    int i = 0;
    for (auto _ : state) {
        completer.setCompletionPrefix(prefixes[i++ % prefixes.size()]);
        benchmark::DoNotOptimize(completer.currentCompletion());
    }
}

void BM_TypeIntoGridDropDown(benchmark::State& state) {
    GridDropDownWindow window;
    const QStringList prefixes = Prefixes(DeviceNames());
    int i = 0;
    for (auto _ : state) {
        // Escape starts a new lookup text, as a user's new word does.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(window.DropDown, &escape);
        window.DropDown->SetText(QString());
        for (const QChar ch : prefixes[i++ % prefixes.size()].left(4)) SendKey(window.DropDown, ch);
    }
}

void BM_TypeIntoLineEditWithQCompleter(benchmark::State& state) {
    QWidget form;
    form.resize(400, 300);
    auto* edit = new QLineEdit(&form);
    edit->setGeometry(10, 10, 200, 22);
    QStringListModel model(DeviceNames());
    QCompleter completer(&model);
    completer.setCaseSensitivity(Qt::CaseInsensitive);
    completer.setCompletionMode(QCompleter::InlineCompletion);
    edit->setCompleter(&completer);
    form.show();
    edit->setFocus();
    QApplication::processEvents();
    const QStringList prefixes = Prefixes(DeviceNames());
    int i = 0;
    for (auto _ : state) {
        edit->clear();
        for (const QChar ch : prefixes[i++ % prefixes.size()].left(4)) SendKey(edit, ch);
    }
}

// Four keys narrowing the open list, then every row back for the next round.
void BM_NarrowOpenGridDropDownPerKey(benchmark::State& state) {
    GridDropDownWindow window;
    window.DropDown->SetLookupMethod(lmNarrowDown);
    window.DropDown->ShowDropDown();
    QWidget* list = window.DropDown->ExColGrid();
    const QStringList prefixes = Prefixes(DeviceNames());
    int i = 0;
    for (auto _ : state) {
        for (const QChar ch : prefixes[i++ % prefixes.size()].left(4)) SendKey(list, ch);
        state.PauseTiming();
        SendKey(list, QChar(8));
        window.DropDown->ExColGrid()->RemoveAllFilters();
        state.ResumeTiming();
    }
    window.DropDown->HideDropDown(true);
}

void BM_NarrowQSortFilterProxyModelPerKey(benchmark::State& state) {
    const QStringList texts = DeviceNames();
    QStandardItemModel model(texts.size(), 2);
    for (int r = 0; r < texts.size(); ++r) {
        model.setItem(r, 0, new QStandardItem(texts[r]));
        model.setItem(r, 1, new QStandardItem(QString::number(r)));
    }
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.setFilterKeyColumn(0);
    QTableView view;
    view.setModel(&proxy);
    view.setGeometry(10, 40, 200, 200);
    view.show();
    QApplication::processEvents();
    const QStringList prefixes = Prefixes(texts);
    int i = 0;
    for (auto _ : state) {
        const QString prefix = prefixes[i++ % prefixes.size()].left(4);
        for (int n = 1; n <= prefix.size(); ++n) proxy.setFilterFixedString(prefix.left(n));
        state.PauseTiming();
        proxy.setFilterFixedString(QString());
        state.ResumeTiming();
    }
}

void BM_OpenGridDropDownPopUp(benchmark::State& state) {
    GridDropDownWindow window;
    window.DropDown->SetItemIndex(5000);
    for (auto _ : state) {
        window.DropDown->ShowDropDown();
        window.DropDown->DropDownForm()->repaint();
        window.DropDown->HideDropDown(true);
    }
}

void BM_OpenQTableViewOfTheSameRows(benchmark::State& state) {
    const QStringList texts = DeviceNames();
    for (auto _ : state) {
        QStandardItemModel model(texts.size(), 2);
        model.setHorizontalHeaderLabels({QStringLiteral("Device"), QStringLiteral("Number")});
        for (int r = 0; r < texts.size(); ++r) {
            model.setItem(r, 0, new QStandardItem(texts[r]));
            model.setItem(r, 1, new QStandardItem(QString::number(r)));
        }
        QTableView view;
        view.setWindowFlags(Qt::Popup);
        view.verticalHeader()->hide();
        view.setModel(&model);
        view.setGeometry(10, 40, 200, 200);
        view.selectRow(5000);
        view.show();
        view.repaint();
        view.hide();
    }
}

BENCHMARK(BM_GridDropDownLookupPerPrefix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainScanPerPrefix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QCompleterPerPrefix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeIntoGridDropDown)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeIntoLineEditWithQCompleter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NarrowOpenGridDropDownPerKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NarrowQSortFilterProxyModelPerKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenGridDropDownPopUp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenQTableViewOfTheSameRows)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {
        reporter.PrintPeerOverOurs("Peer time over ours (above 1: ours is faster), 10,000 items:",
                                   {{"BM_GridDropDownLookupPerPrefix", "BM_PlainScanPerPrefix"},
                                    {"BM_GridDropDownLookupPerPrefix", "BM_QCompleterPerPrefix"},
                                    {"BM_TypeIntoGridDropDown", "BM_TypeIntoLineEditWithQCompleter"},
                                    {"BM_NarrowOpenGridDropDownPerKey", "BM_NarrowQSortFilterProxyModelPerKey"},
                                    {"BM_OpenGridDropDownPopUp", "BM_OpenQTableViewOfTheSameRows"}});
        benchmark::Shutdown();
    });
}
