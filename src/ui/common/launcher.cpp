// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/launcher.h"

#include "os/desktop/places.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace brevora {

bool SystemLauncher::openDocument(const QString &path)
{
    // The path goes as one argument, however many blanks it holds.
    if (const QStringList opener = documentOpener(); !opener.isEmpty())
        return QProcess::startDetached(opener.first(), opener.mid(1) << QDir::toNativeSeparators(path));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemLauncher::canOpenDocument(const QString &path) const
{
    return hasDocumentHandler(path, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

bool SystemLauncher::openDocumentWith(const QString &program, const QString &path)
{
    return !program.isEmpty() && QProcess::startDetached(program, { QDir::toNativeSeparators(path) });
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
