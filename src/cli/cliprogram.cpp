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
    return runCommandLine(QCoreApplication::arguments().mid(1),
                          Context{ SystemClock::instance(), *probe, out, err, defaultProgramDir });
}

} // namespace brevora::cli
