// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/lastrunning.h"

#include "core/store/safesave.h"
#include "core/store/storelayout.h"
#include "os/desktop/places.h"
#include "os/files/regularfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace brevora {

namespace {

constexpr qint64 maxFileBytes = 64;

QString resolved(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

// "Program files", beside the settings folder as the tree already spells it.
QString besideSettings(const StoreLayout &layout)
{
    return QFileInfo(layout.settingsFolder()).path() + QStringLiteral("/last-running");
}

} // namespace

QString lastRunningFile(const StoreLayout &layout, const QString &userDataFolder, const QString &userStateFolder)
{
    const QString name = QStringLiteral("last-running");
    if (!userDataFolder.isEmpty() && !userStateFolder.isEmpty()
        && resolved(layout.programDir()) == resolved(userDataFolder))
        return userStateFolder + u'/' + name;
    return besideSettings(layout);
}

QString lastRunningFile(const StoreLayout &layout)
{
    return lastRunningFile(layout, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                           programStateFolder());
}

QString lastRunningFallback(const StoreLayout &layout, const QString &userDataFolder, const QString &userStateFolder)
{
    if (userStateFolder.isEmpty())
        return {};
    if (lastRunningFile(layout, userDataFolder, userStateFolder) != besideSettings(layout))
        return besideSettings(layout);
    // Named after the store's folder, so that two portable copies never share a moment.
    const QByteArray store = QCryptographicHash::hash(resolved(layout.programDir()).toUtf8(), QCryptographicHash::Sha1);
    return userStateFolder + QStringLiteral("/last-running-") + QString::fromLatin1(store.toHex().left(16));
}

QStringList lastRunningFiles(const StoreLayout &layout)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString state = programStateFolder();
    QStringList files{ lastRunningFile(layout, data, state) };
    if (const QString fallback = lastRunningFallback(layout, data, state); !fallback.isEmpty())
        files.append(fallback);
    return files;
}

namespace {

// The mark's places beside the moment's, each named as its last-running file is (a portable copy's second place
// carries the store's own suffix).
OnceMark markBesideLastRunning(const StoreLayout &layout, const QString &name)
{
    static const QString moment = QStringLiteral("last-running");
    QStringList files;
    for (const QString &file : lastRunningFiles(layout)) {
        const QFileInfo info(file);
        files.append(info.path() + u'/' + name + info.fileName().mid(moment.size()));
    }
    return OnceMark(files);
}

} // namespace

bool OnceMark::isSet() const
{
    return std::any_of(m_files.cbegin(), m_files.cend(), [](const QString &file) { return QFileInfo(file).isFile(); });
}

bool OnceMark::set() const
{
    return std::any_of(m_files.cbegin(), m_files.cend(), [](const QString &file) {
        QDir().mkpath(QFileInfo(file).path());
        return saveFileAtomically(file, QByteArrayLiteral("1\n"));
    });
}

OnceMark closingToldMark(const StoreLayout &layout)
{
    return markBesideLastRunning(layout, QStringLiteral("closing-told"));
}

OnceMark wakeToldMark(const StoreLayout &layout)
{
    return markBesideLastRunning(layout, QStringLiteral("wake-told"));
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

std::optional<QDateTime> readLastRunning(const QStringList &paths)
{
    std::optional<QDateTime> latest;
    for (const QString &path : paths) {
        const auto moment = readLastRunning(path);
        if (moment && (!latest || *moment > *latest))
            latest = moment;
    }
    return latest;
}

bool writeLastRunning(const QString &path, const QDateTime &moment)
{
    QDir().mkpath(QFileInfo(path).path());
    // In UTC, so that a change of time zone or of summer time between two runs moves nothing.
    return saveFileAtomically(path, moment.toUTC().toString(Qt::ISODate).toLatin1() + '\n');
}

} // namespace brevora
