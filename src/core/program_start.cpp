#include "core/program_start.h"

#include "platform/process_runner.h"

#include <QProcess>

namespace {
constexpr int kStartProgramLimit = 150000;
}  // namespace

bool Start_Program_And_Wait(const QString& NomeSW, const QString& Parameter, int tipo) {
    const ProcessRunResult result =
        RunProgramAndWait(NomeSW, QProcess::splitCommand(Parameter), kStartProgramLimit, tipo != 0);
    return result.started;
}
