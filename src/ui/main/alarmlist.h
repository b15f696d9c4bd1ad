// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

#include <functional>

namespace brevora {

// The main window's list of alarm files: the "*.alm" files of one folder, sorted ignoring letter case.
// Only the user's choices raise selection changes; setting the folder or re-reading does not.
class AlarmList : public QListWidget
{
    Q_OBJECT
public:
    // What an entry's tooltip and accessible description say, from its file name; asked each time one is shown,
    // so that a next due moment is never stale and a folder of thousands of files is not read at listing.
    using Describe = std::function<QString(const QString &fileName)>;

    explicit AlarmList(QWidget *parent = nullptr);

    const QString &folder() const { return m_folder; }
    // Lists the folder at once and clears the selection.
    void setFolder(const QString &folder);
    // Reads the folder again; the selection is cleared.
    void reload();
    // The selected entry's path, or an empty string.
    QString selectedPath() const;
    void setDescribe(Describe describe) { m_describe = std::move(describe); }
    // The names listed now, in their order.
    QStringList names() const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    class Entry;

    QString m_folder;
    Describe m_describe;
};

} // namespace brevora
