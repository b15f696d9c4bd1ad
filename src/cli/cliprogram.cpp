// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cliprogram.h"

#include "cli/commandline.h"
#include "os/clock/clock.h"
#include "os/probe/systemprobe.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace brevora::cli {

bool wantsCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return wantsCommandLine(arguments);
}

bool windowsCanOpen(int argc, char *argv[])
{
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" }) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" || argument.startsWith("-platform=")
            || argument.startsWith("--platform="))
            return true;
    }
    return false;
}

int reportNoDisplay(bool namedButClosed)
{
    // Qt would only abort here, after a message about its platform plugin that tells a user nothing.
    std::fputs(namedButClosed ? "brevora: the alarm windows need a display, and the one set could not be opened.\n"
                              : "brevora: the alarm windows need a display, and none is set (DISPLAY and "
                                "WAYLAND_DISPLAY are empty).\n",
               stderr);
    std::fputs("The command line works without one: brevora --list, brevora --check, brevora --add.\n"
               "Try 'brevora --help' for more information.\n",
               stderr);
    return 1;
}

void settleTimeZone()
{
    // With TZ unset the C library looks at the zone file again at every local time conversion, and a store of
    // tens of thousands of alarms needs as many; naming the same file once spares those look-ups.
    if (qEnvironmentVariableIsEmpty("TZ") && QFileInfo(QStringLiteral("/etc/localtime")).exists())
        qputenv("TZ", ":/etc/localtime");
}

int runCommandLineProgram(int argc, char *argv[], const QString &version,
                          const std::function<QString()> &defaultProgramDir)
{
    settleTimeZone();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Brevora"));
    QCoreApplication::setApplicationVersion(version);
    const auto probe = createSystemProbe(QCoreApplication::applicationFilePath());
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The bytes as given: QCoreApplication::arguments() spells a name that is not UTF-8 as another file's.
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return runCommandLine(arguments, Context{ SystemClock::instance(), *probe, out, err, defaultProgramDir });
}

} // namespace brevora::cli
