#pragma once
// The measures every rule editor's bench takes: showing the window over full tables,
// and OK checking and saving them; and where the time of a show goes (reading the
// files, filling the tables, painting, and the floor: the same show over empty tables).

#include "core/program_state.h"
#include "platform/form.h"
#include "ratio_reporter.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

// A configuration folder of its own. A program measures the editors over more than one
// folder (full and empty tables), so each benchmark makes its folder current first.
class Bench_Configuration_Folder {
public:
    void Make_Current() const {
        Project_Folder = Folder.path();
        Build_Configuration_Paths();
    }

private:
    QTemporaryDir Folder;
};

// Makes current the program's folder of full tables, built on first use (it also loads
// the texts and sets the answers to message boxes).
template <class Full>
void Use_Full_Configuration() {
    static const Full configuration;
    configuration.Make_Current();
}

// Makes current a folder without rule files, where the editors show empty tables.
template <class Full, class Empty = Bench_Configuration_Folder>
void Use_Empty_Configuration() {
    Use_Full_Configuration<Full>();  // the texts and the answers
    static const Empty configuration;
    configuration.Make_Current();
}

template <class Editor>
void Show_Editor_Repeatedly(benchmark::State& state) {
    Editor editor(nullptr);
    for (auto _ : state) {
        editor.show();
        QCoreApplication::processEvents();
        editor.hide();
    }
}

// OkClick is the editor's OK handler; every press must save (modal result mrOk).
template <class Editor, class OkClick>
void OK_Editor_Repeatedly(benchmark::State& state, OkClick okClick) {
    Editor editor(nullptr);
    editor.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        editor.SetModalResult(mrNone);
        (editor.*okClick)(nullptr);
        if (editor.ModalResult() != mrOk) state.SkipWithError("OK did not save the full tables");
    }
}

// What a show does to the tables (reading the files into them) on a window never shown,
// so neither the window system nor painting takes part.
template <class Editor>
void Load_Editor_Tables_Repeatedly(benchmark::State& state) {
    struct Loading_Editor : Editor {
        using Editor::Editor;
        using Editor::FormShow;
    };
    Loading_Editor editor(nullptr);
    for (auto _ : state) editor.FormShow(&editor);
}

// Painting the whole shown window again, tables as loaded.
template <class Editor>
void Paint_Editor_Repeatedly(benchmark::State& state) {
    Editor editor(nullptr);
    editor.show();
    QCoreApplication::processEvents();
    for (auto _ : state) editor.repaint();
}

// The names of one editor's show benchmarks, all timed in milliseconds.
struct Show_Benchmark_Names {
    const char* Full;   // shown over full tables
    const char* Empty;  // shown over empty tables (no rule file)
    const char* Peer;   // pugixml parsing the full files
    const char* Read;   // the product reading the full files, no window
    const char* Load;   // the show's loading of the tables (reading and filling), no window
    const char* Paint;  // painting the window over full tables
};

// Prints how far the empty-table show is from the peer (the least a full show can cost)
// and how the full show divides into reading, filling, painting and the rest (showing,
// laying out and the events).
inline void Print_Show_Floor(RatioReporter& reporter, const char* editor, const Show_Benchmark_Names& names) {
    const auto time = [&](const char* name) {
        const auto found = reporter.Times.find(name);
        return found == reporter.Times.end() ? 0.0 : found->second;
    };
    const double full = time(names.Full), empty = time(names.Empty), peer = time(names.Peer);
    const double read = time(names.Read), load = time(names.Load), paint = time(names.Paint);
    if (full <= 0 || peer <= 0) return;
    if (empty > 0)
        std::printf("Showing the %s editor with empty tables takes %.3f ms, %.2f times pugixml parsing the full file(s) "
                    "and %.0f%% of the show with full tables.\n",
                    editor, empty, empty / peer, 100 * empty / full);
    if (read > 0 && load > 0 && paint > 0)
        std::printf("Of the full show (%.3f ms): reading the file(s) %.3f ms (%.0f%%), filling the tables %.3f ms (%.0f%%), "
                    "painting %.3f ms (%.0f%%), the rest %.3f ms (%.0f%%).\n",
                    full, read, 100 * read / full, load - read, 100 * (load - read) / full, paint, 100 * paint / full,
                    full - load - paint, 100 * (full - load - paint) / full);
}
