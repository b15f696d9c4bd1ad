// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shell/wakeword.h"

#include <QObject>

namespace brevora {

class DesktopNotifier;
class Scheduler;
class StoreLayout;
class Waker;

// Wakes a sleeping machine for the next alarm where the waker can, and where it cannot, says so once for the
// store.
class WakeForAlarms : public QObject
{
    Q_OBJECT
public:
    WakeForAlarms(Waker &waker, Scheduler &scheduler, DesktopNotifier &notifier, const StoreLayout &layout,
                  QObject *parent = nullptr);

    // Asks the waker whether it can; from its answer on it is kept told of the next due moment.
    void start();

private:
    void wake();

    Waker &m_waker;
    Scheduler &m_scheduler;
    WakeWord m_word;
};

} // namespace brevora
