// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storelayout.h"

#include "core/store/fileops.h"

#include <QDir>

namespace brevora {

StoreLayout::StoreLayout(const QString &programDir)
    : m_programDir(QDir::cleanPath(programDir))
{
    for (AlarmKind kind : allKinds) {
        m_active[index(kind)] = resolvePathIgnoringCase(m_programDir, brevora::activeFolder(kind));
        if (isRecurring(kind))
            m_past[index(kind)] = resolvePathIgnoringCase(m_programDir, brevora::pastFolder(kind));
    }
    m_settings = resolvePathIgnoringCase(m_programDir, brevora::settingsFolder);
}

QStringList StoreLayout::folders() const
{
    QStringList folders{ m_settings };
    for (AlarmKind kind : allKinds) {
        folders.append(m_active[index(kind)]);
        if (isRecurring(kind))
            folders.append(m_past[index(kind)]);
    }
    return folders;
}

QStringList StoreLayout::createMissingFolders() const
{
    QStringList failed;
    for (const QString &folder : folders()) {
        if (!QDir().mkpath(folder))
            failed.append(folder);
    }
    return failed;
}

QString StoreLayout::activePath(AlarmKind kind, const QString &fileName) const
{
    return activeFolder(kind) + u'/' + fileName;
}

QString StoreLayout::pastPath(AlarmKind kind, const QString &fileName) const
{
    return pastFolder(kind) + u'/' + fileName;
}

} // namespace brevora
