#include "platform/process_runner.h"

#include <QProcess>

namespace {

ProcessRunResult RunRealProcess(const QString& program, const QStringList& arguments, int timeoutMs, bool) {
    ProcessRunResult result;
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    if (!process->waitForStarted(10000)) {
        delete process;
        return result;
    }
    result.started = true;
    if (process->waitForFinished(timeoutMs)) {
        result.finished = true;
        result.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
        delete process;
    } else {
        // The program goes on running; it is detached and its object freed when it ends.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    }
    return result;
}

ProcessRunner& CurrentRunner() {
    static ProcessRunner runner;
    return runner;
}

}  // namespace

ProcessRunResult RunProgramAndWait(const QString& program, const QStringList& arguments, int timeoutMs,
                                   bool hidden) {
    if (CurrentRunner()) return CurrentRunner()(program, arguments, timeoutMs, hidden);
    return RunRealProcess(program, arguments, timeoutMs, hidden);
}

void SetProcessRunner(ProcessRunner runner) { CurrentRunner() = std::move(runner); }
