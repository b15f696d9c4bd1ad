// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shell/wakeword.h"

#include <QObject>

namespace brevora {

class DesktopNotifier;
class Scheduler;
class StoreLayout;
class Waker;

// Wakes a sleeping machine for the next alarm where the waker can, and where it cannot, says so: once for the
// store, and again before each sleep for the alarms that will then be told only on the return.
class WakeForAlarms : public QObject
{
    Q_OBJECT
public:
    // How far ahead a sleep's word looks, and how many alarms it names before "and N more".
    static constexpr int aheadSeconds = 12 * 3600;
    static constexpr qsizetype namedAlarms = 5;

    WakeForAlarms(Waker &waker, Scheduler &scheduler, DesktopNotifier &notifier, const StoreLayout &layout,
                  QObject *parent = nullptr);

    // Asks the waker whether it can; from its answer on it is kept told of the next due moment.
    void start();
    // The computer is about to sleep: where it will not be woken, the alarms due in the hours ahead are named.
    void beforeSleep();

private:
    void wake();

    Waker &m_waker;
    Scheduler &m_scheduler;
    DesktopNotifier &m_notifier;
    const StoreLayout &m_layout;
    WakeWord m_word;
};

} // namespace brevora
