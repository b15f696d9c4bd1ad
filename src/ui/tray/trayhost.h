// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace brevora {

class Shell;

// A window that is never shown and only owns the notification-area icon and its menu. Creating it adds the
// icon and destroying it removes it; one of the two kinds is alive at any time.
class TrayHost : public QWidget
{
    Q_OBJECT
public:
    // The shown-state host says "Brevora is active"; the hidden-state host, "Brevora is hidden".
    enum class Mode { Shown, Hidden };

    TrayHost(Mode mode, Shell &shell, QWidget *parent = nullptr);
    ~TrayHost() override;

    Mode mode() const { return m_mode; }
    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu; }
    // "Hide" follows the main window's visibility; "Restore" is always there.
    void updateItems();
    // A double-click on the icon, or a click where the desktop's panel draws it (StatusNotifierItem).
    void iconDoubleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    QAction *addItem(const char *name, const QString &caption, void (Shell::*request)());

    Mode m_mode;
    Shell &m_shell;
    QSystemTrayIcon *m_icon;
    QMenu *m_menu;
    QAction *m_hide = nullptr;
};

} // namespace brevora
