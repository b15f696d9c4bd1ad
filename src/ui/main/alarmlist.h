// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace brevora {

// The main window's list of alarm files: the "*.alm" files of one folder, sorted ignoring letter case.
// Only the user's choices raise selection changes; setting the folder or re-reading does not.
class AlarmList : public QListWidget
{
    Q_OBJECT
public:
    explicit AlarmList(QWidget *parent = nullptr);

    const QString &folder() const { return m_folder; }
    // Lists the folder at once and clears the selection.
    void setFolder(const QString &folder);
    // Reads the folder again; the selection is cleared.
    void reload();
    // The selected entry's path, or an empty string.
    QString selectedPath() const;

private:
    QString m_folder;
};

} // namespace brevora
