// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/trayhost.h"

#include "ui/common/artwork.h"
#include "ui/common/objectnames.h"
#include "ui/common/shell.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>

namespace brevora {

TrayHost::TrayHost(Mode mode, Shell &shell, QWidget *parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_shell(shell)
    , m_icon(new QSystemTrayIcon(this))
    , m_menu(new QMenu(QStringLiteral("feo"), this))
{
    const bool shown = mode == Mode::Shown;
    setObjectName(shown ? objectnames::shownTrayHost : objectnames::hiddenTrayHost);
    setWindowIcon(programIcon());
    m_menu->setObjectName(QStringLiteral("feo"));

    addItem("nuevo", shown ? tr("New alarm") : tr("New Alarm"), &Shell::startNewAlarm);
    addItem("opciones", tr("Options"), &Shell::showOptions);
    if (shown)
        m_hide = addItem("ocultar", tr("Hide"), &Shell::hideProgram);
    else
        addItem("restaurar", tr("Restore"), &Shell::restoreProgram);
    addItem("cerrar", tr("Exit"), &Shell::exitProgram);
    // Checked when the menu opens and whenever the main window appears or goes, never by polling.
    connect(m_menu, &QMenu::aboutToShow, this, &TrayHost::updateItems);
    updateItems();

    m_icon->setObjectName(objectName() + QStringLiteral("Icon"));
    m_icon->setIcon(programIcon());
    m_icon->setToolTip(shown ? tr("Brevora is active") : tr("Brevora is hidden"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A StatusNotifierItem host reports a click as Activate (Trigger), and never a double-click; an XEmbed
        // tray reports Trigger for every press on the icon's own window, a double-click's too. So Trigger
        // stands for the double-click only when no button is held down on this program's windows.
        const bool hostActivated
            = reason == QSystemTrayIcon::Trigger && !(QGuiApplication::mouseButtons() & Qt::LeftButton);
        if (reason == QSystemTrayIcon::DoubleClick || hostActivated)
            // Queued for the same reason as the menu's requests: the switch it starts destroys this host.
            QMetaObject::invokeMethod(this, &TrayHost::iconDoubleClicked, Qt::QueuedConnection);
    });
    m_icon->show();
}

TrayHost::~TrayHost()
{
    m_icon->hide();
}

void TrayHost::updateItems()
{
    if (m_hide)
        m_hide->setEnabled(m_shell.mainWindowVisible());
}

void TrayHost::iconDoubleClicked()
{
    if (m_mode == Mode::Hidden)
        m_shell.restoreProgramFromIcon();
    else if (m_shell.mainWindowVisible())
        m_shell.hideProgramFromIcon();
}

void TrayHost::changeEvent(QEvent *event)
{
    // The host only carries the icon; should anything activate it, it steps out of sight again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        hide();
    QWidget::changeEvent(event);
}

QAction *TrayHost::addItem(const char *name, const QString &caption, void (Shell::*request)())
{
    QAction *action = m_menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // Queued: a request may destroy this host, which must not happen while its menu is still delivering.
    connect(
        action, &QAction::triggered, this, [shell = &m_shell, request] { (shell->*request)(); }, Qt::QueuedConnection);
    return action;
}

} // namespace brevora
