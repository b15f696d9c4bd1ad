#include "cliprogram.h"

#include "commandline.h"
#include "platform/clock.h"
#include "platform/systemprobe.h"

#include <QCoreApplication>
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

int runCommandLineProgram(int argc, char *argv[], const QString &version,
                          const std::function<QString()> &defaultProgramDir)
{
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
