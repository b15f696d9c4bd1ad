// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wakeforalarms.h"

#include "core/settings/lastrunning.h"
#include "os/clock/clock.h"
#include "os/notify/desktopnotifier.h"
#include "os/wake/waker.h"
#include "scheduler/missed.h"
#include "scheduler/scheduler.h"
#include "ui/notices/missedreport.h"

namespace brevora {

WakeForAlarms::WakeForAlarms(Waker &waker, Scheduler &scheduler, DesktopNotifier &notifier, const StoreLayout &layout,
                             QObject *parent)
    : QObject(parent)
    , m_waker(waker)
    , m_scheduler(scheduler)
    , m_notifier(notifier)
    , m_layout(layout)
    , m_word(notifier, wakeToldMark(layout))
{
    connect(&m_scheduler, &Scheduler::wakeMomentsChanged, this, &WakeForAlarms::wake);
    connect(&m_waker, &Waker::availabilityKnown, this, [this](bool available) {
        if (available)
            wake();
        else
            m_word.cannotWake(m_waker.reason(), m_waker.program());
    });
}

void WakeForAlarms::start()
{
    m_waker.start();
}

void WakeForAlarms::wake()
{
    m_waker.setMoments(m_scheduler.wakeMoments());
}

void WakeForAlarms::beforeSleep()
{
    if (m_waker.available())
        return;
    // The minutes ahead are counted as the missed ones are, so that the word names just what the report on the
    // return will list.
    const QDateTime now = m_scheduler.timeSource().now();
    const MissedAlarms due
        = findMissedAlarms(m_layout, UnwatchedTime{ now, now.addSecs(aheadSeconds), false }, namedAlarms);
    if (due.total == 0)
        return;
    m_notifier.post(QStringLiteral("sleep"), tr("The computer will not be woken for these alarms"),
                    missedBody(due) + u'\n' + tr("They are told when it wakes."),
                    DesktopNotifier::Stay::AsTheDesktopSays);
}

} // namespace brevora
