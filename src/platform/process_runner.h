#pragma once
// Starting another program and waiting for it, without a shell. Tests replace the
// runner; the default starts a real process.

#include <QString>
#include <QStringList>
#include <functional>

struct ProcessRunResult {
    bool started = false;   // false when the program could not be started at all
    bool finished = false;  // false when the time limit passed first (the program goes on)
    int exitCode = -1;
};

using ProcessRunner = std::function<ProcessRunResult(const QString& program, const QStringList& arguments,
                                                     int timeoutMs, bool hidden)>;

// Blocks the calling thread without handing out window messages.
ProcessRunResult RunProgramAndWait(const QString& program, const QStringList& arguments, int timeoutMs,
                                   bool hidden = false);
// Passing an empty function restores the real runner.
void SetProcessRunner(ProcessRunner runner);
