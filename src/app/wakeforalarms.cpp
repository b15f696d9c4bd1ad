// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wakeforalarms.h"

#include "core/settings/lastrunning.h"
#include "os/wake/waker.h"
#include "scheduler/scheduler.h"

namespace brevora {

WakeForAlarms::WakeForAlarms(Waker &waker, Scheduler &scheduler, DesktopNotifier &notifier, const StoreLayout &layout,
                             QObject *parent)
    : QObject(parent)
    , m_waker(waker)
    , m_scheduler(scheduler)
    , m_word(notifier, wakeToldFile(layout))
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

} // namespace brevora
