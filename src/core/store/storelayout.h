// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QString>
#include <QStringList>

#include <array>

namespace brevora {

// The absolute folders of the store under ProgramDir. Folders that already exist under another letter case
// are used as they are, so an existing tree is never doubled.
class StoreLayout
{
public:
    StoreLayout() = default;
    explicit StoreLayout(const QString &programDir);

    // Every folder of the tree: settings, then each kind's active and past folders.
    QStringList folders() const;
    // Creates every missing folder of the tree; returns the folders that could not be created.
    QStringList createMissingFolders() const;

    const QString &programDir() const { return m_programDir; }
    // ProgramDir with a final '/': the base of every path of the program.
    QString basePath() const { return m_programDir + u'/'; }
    const QString &activeFolder(AlarmKind kind) const { return m_active[index(kind)]; }
    // Empty for Once, which has no folder for acknowledged alarms.
    const QString &pastFolder(AlarmKind kind) const { return m_past[index(kind)]; }
    const QString &settingsFolder() const { return m_settings; }

    QString activePath(AlarmKind kind, const QString &fileName) const;
    QString pastPath(AlarmKind kind, const QString &fileName) const;

private:
    static std::size_t index(AlarmKind kind) { return static_cast<std::size_t>(kind); }

    QString m_programDir;
    std::array<QString, 5> m_active;
    std::array<QString, 5> m_past;
    QString m_settings;
};

} // namespace brevora
