// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QStringList>

#include <functional>

class QTextStream;

namespace brevora {
class Clock;
class SystemProbe;
} // namespace brevora

namespace brevora::cli {

// What the command line works with; the program passes the real ones, tests their own.
struct Context
{
    const Clock &clock;
    const SystemProbe &probe;
    QTextStream &out;
    QTextStream &err;
    std::function<QString()> defaultProgramDir; // asked only when --program-dir is not given
};

enum ExitStatus { Success = 0, Problems = 1, UsageError = 2 };

// Whether the program's arguments ask for the command line rather than the windows: any argument does, except
// the options Qt itself takes for a windowed program (a session manager restarts it with -session).
bool wantsCommandLine(const QStringList &arguments);

// Runs the command that `arguments` (without the program's name) ask for and returns the exit status.
int runCommandLine(const QStringList &arguments, const Context &context);
// The same with the arguments' bytes as the system passed them. One that is not valid UTF-8 is refused: spelt as
// text it would name another file than the one the user named.
int runCommandLine(const QByteArrayList &arguments, const Context &context);

} // namespace brevora::cli
