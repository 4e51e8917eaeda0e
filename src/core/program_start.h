#pragma once

#include <QString>

// Starts a program directly (never through a shell) and waits for it, at most 150 s.
// `Parameter` is split like a command line; a non-zero `tipo` hides the program's window.
// False when the program could not be started.
bool Start_Program_And_Wait(const QString& NomeSW, const QString& Parameter, int tipo);
