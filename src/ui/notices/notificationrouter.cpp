// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/notificationrouter.h"

#include "os/notify/desktopnotifier.h"
#include "ui/common/shell.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/noticewindow.h"

namespace brevora {

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
    if (!Occurrence::isOccurrenceKey(key))
        return;
    if (NoticeWindow *notice = m_board.noticeFor(key))
        notice->bringForward();
    else
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
