#include "launcher.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace brevora {

bool SystemLauncher::openDocument(const QString &path)
{
#ifdef Q_OS_WIN
    // The protocol handler of url.dll opens the file with the viewer registered for its type, also for
    // compiled help files; the path goes as one argument, quoted where it holds blanks.
    return QProcess::startDetached(QStringLiteral("rundll32.exe"),
                                   { QStringLiteral("url.dll,FileProtocolHandler"), QDir::toNativeSeparators(path) });
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

QString SystemLauncher::findProgram(const QString &name) const
{
    return QStandardPaths::findExecutable(name);
}

bool SystemLauncher::startProgram(const QString &program)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {});
}

} // namespace brevora
