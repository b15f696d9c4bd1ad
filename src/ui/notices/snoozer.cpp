// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/snoozer.h"

#include "core/model/alarmfile.h"
#include "core/store/createalarm.h"
#include "os/clock/clock.h"
#include "os/notify/desktopnotifier.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/noticewindow.h"
#include "ui/notices/notificationrouter.h"

namespace brevora {

Snoozer::Snoozer(DesktopNotifier &notifier, NoticeBoard &board, const StoreLayout &layout, const Clock &clock,
                 QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_layout(layout)
    , m_clock(clock)
{
    connect(&notifier, &DesktopNotifier::actionInvoked, this, &Snoozer::snooze);
}

void Snoozer::snooze(const QString &key, const QString &action)
{
    if (action != actionId)
        return;
    for (NoticeWindow *notice : m_board.notices()) {
        if (notice->isUnloaded() || NotificationRouter::noticeKey(notice->path(), notice->dueMinute()) != key)
            continue;
        const std::optional<AlarmRecord> record = readAlarmFile(notice->path(), notice->kind());
        if (!record)
            return;
        const CreatedAlarm snoozed = snoozeAlarm(m_layout, record->text(), record->sound(), m_clock.now());
        // Acknowledged only once the alarm is safe for later: a failed write leaves the notice to the user.
        if (snoozed.outcome == CreatedAlarm::Outcome::Created)
            notice->acknowledge();
        else
            qWarning("%s", qPrintable(snoozed.message));
        return;
    }
}

} // namespace brevora
