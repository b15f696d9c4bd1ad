// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/snoozer.h"

#include "core/life/createalarm.h"
#include "core/names/alarmname.h"
#include "os/clock/clock.h"
#include "os/notify/desktopnotifier.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/noticenotifications.h"
#include "ui/notices/noticewindow.h"

#include <QFileInfo>

namespace brevora {

Snoozer::Snoozer(DesktopNotifier &notifier, NoticeBoard &board, const StoreLayout &layout, const Clock &clock,
                 QObject *parent)
    : QObject(parent)
    , m_notifier(notifier)
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
    NoticeWindow *notice = m_board.noticeFor(key);
    if (!notice || notice->isUnloaded()) {
        tellFailure(key, tr("Its notice has closed already."));
        return;
    }
    const Occurrence &occurrence = notice->occurrence();
    const CreatedAlarm snoozed = snoozeAlarm(m_layout, occurrence.text(), occurrence.sound(), m_clock.now());
    // Acknowledged only once the alarm is safe for later: a failed write leaves the notice to the user.
    if (snoozed.outcome != CreatedAlarm::Outcome::Created) {
        tellFailure(key, snoozed.message);
        return;
    }
    const QString text = occurrence.text();
    notice->acknowledge();
    // The notice and its notification have gone: without a word, the user could not tell the snooze from a
    // dismissal. The minute is the one the file is named for, which a taken name may have moved on.
    const QStringList fields
        = splitAlarmName(AlarmKind::Once, QFileInfo(snoozed.path).fileName()).value_or(QStringList());
    const QTime back = fields.size() == 5 ? QTime(fields[3].toInt(), fields[4].toInt()) : QTime();
    m_notifier.post(key, tr("Snoozed until %1").arg(NoticeNotifications::minuteText(back)), text,
                    DesktopNotifier::Stay::AsTheDesktopSays);
}

void Snoozer::tellFailure(const QString &key, const QString &reason)
{
    // Under the occurrence's own key, so it takes the place of the notification that offered the snooze.
    m_notifier.post(key, tr("The alarm could not be snoozed"), reason);
}

} // namespace brevora
