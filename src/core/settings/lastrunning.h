// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevora {

class StoreLayout;

// The last moment the program knew it was watching the clock, kept so that a later start can tell which minutes
// went by unwatched. It lives outside the settings files: losing it costs only the report of missed recurring
// alarms, never a setting.

// Where that moment is kept for the store: beside the settings for a portable copy, so that it travels with
// the folder; in the user's state folder when the store is the user's own data folder (an installed copy).
QString lastRunningFile(const StoreLayout &layout, const QString &userDataFolder, const QString &userStateFolder);

// The same for this user and system: the program and the command line both keep and read it there.
QString lastRunningFile(const StoreLayout &layout);

// Where the moment goes when that file cannot be written (a read-only copy, a full or locked folder): the other of
// the two places, in the user's state folder under a name of the store's own for a portable copy. Empty where the
// system has no state folder.
QString lastRunningFallback(const StoreLayout &layout, const QString &userDataFolder, const QString &userStateFolder);

// Both places, the first choice first, for this user and system.
QStringList lastRunningFiles(const StoreLayout &layout);

// A word the program says once for the store, marked by a file: in the first of its places that can be written,
// so that a store whose own folder is read-only does not hear the word at every start or close.
class OnceMark
{
public:
    explicit OnceMark(QStringList files)
        : m_files(std::move(files))
    { }
    bool isSet() const;
    // False when no place took the mark.
    bool set() const;
    const QStringList &files() const { return m_files; }

private:
    QStringList m_files;
};

// That the user was told, once, that closing the main window ends the program while alarms wait: beside the
// last-running file and its second place, for the same reasons.
OnceMark closingToldMark(const StoreLayout &layout);
// The same for the word that a sleeping computer will not be woken for the alarms.
OnceMark wakeToldMark(const StoreLayout &layout);

// The moment in the file; empty when the file is missing, unreadable or damaged.
std::optional<QDateTime> readLastRunning(const QString &path);
// The latest moment of the files: the one written last, since the moment only moves forward.
std::optional<QDateTime> readLastRunning(const QStringList &paths);

// Replaces the moment through the store's safe save, creating the file's folder when missing.
bool writeLastRunning(const QString &path, const QDateTime &moment);

} // namespace brevora
