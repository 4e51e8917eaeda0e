#pragma once
// The two measures every rule editor's bench takes: showing the window over full tables,
// and OK checking and saving them.

#include "platform/form.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

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
