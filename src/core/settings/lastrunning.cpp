// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/lastrunning.h"

#include "core/store/safesave.h"
#include "core/store/storelayout.h"
#include "os/desktop/places.h"
#include "os/files/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace brevora {

namespace {

constexpr qint64 maxFileBytes = 64;

QString resolved(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

} // namespace

QString lastRunningFile(const StoreLayout &layout, const QString &userDataFolder, const QString &userStateFolder)
{
    const QString name = QStringLiteral("last-running");
    if (!userDataFolder.isEmpty() && !userStateFolder.isEmpty()
        && resolved(layout.programDir()) == resolved(userDataFolder))
        return userStateFolder + u'/' + name;
    // "Program files", beside the settings folder as the tree already spells it.
    return QFileInfo(layout.settingsFolder()).path() + u'/' + name;
}

QString lastRunningFile(const StoreLayout &layout)
{
    return lastRunningFile(layout, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                           programStateFolder());
}

QString closingToldFile(const StoreLayout &layout)
{
    return QFileInfo(lastRunningFile(layout)).path() + QStringLiteral("/closing-told");
}

std::optional<QDateTime> readLastRunning(const QString &path)
{
    const auto bytes = readRegularFile(path, maxFileBytes);
    if (!bytes)
        return std::nullopt;
    const QDateTime moment = QDateTime::fromString(QString::fromLatin1(bytes->trimmed()), Qt::ISODate);
    if (!moment.isValid() || moment.timeSpec() == Qt::LocalTime)
        return std::nullopt;
    return moment;
}

bool writeLastRunning(const QString &path, const QDateTime &moment)
{
    QDir().mkpath(QFileInfo(path).path());
    // In UTC, so that a change of time zone or of summer time between two runs moves nothing.
    return saveFileAtomically(path, moment.toUTC().toString(Qt::ISODate).toLatin1() + '\n');
}

} // namespace brevora
