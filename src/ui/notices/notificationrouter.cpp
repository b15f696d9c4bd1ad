// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/notificationrouter.h"

#include "os/notify/desktopnotifier.h"
#include "ui/common/shell.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/noticewindow.h"

namespace brevora {

namespace {

// The missed alarms' key never starts like this.
const QString noticePrefix = QStringLiteral("notice ");

} // namespace

QString NotificationRouter::noticeKey(const QString &path, const QDateTime &due)
{
    return noticePrefix + due.toString(Qt::ISODate) + u' ' + path.toCaseFolded();
}

NotificationRouter::NotificationRouter(DesktopNotifier &notifier, NoticeBoard &board, Shell &shell, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_shell(shell)
{
    connect(&notifier, &DesktopNotifier::activated, this, &NotificationRouter::route);
}

void NotificationRouter::route(const QString &key)
{
    if (key == missedKey) {
        showProgram();
        return;
    }
    if (!key.startsWith(noticePrefix))
        return;
    for (NoticeWindow *notice : m_board.notices()) {
        if (noticeKey(notice->path(), notice->dueMinute()) == key) {
            notice->bringForward();
            return;
        }
    }
    showProgram();
}

// A hidden program comes back whole, tray icon and menu included, as from its Restore.
void NotificationRouter::showProgram()
{
    if (m_shell.mainWindowVisible())
        m_shell.showMainWindow();
    else
        m_shell.restoreProgram();
}

} // namespace brevora
