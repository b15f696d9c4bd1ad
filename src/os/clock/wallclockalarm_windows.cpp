// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/clock/wallclockalarm.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWinEventNotifier>

#include <windows.h>

namespace brevora {

namespace {

// Windows: a waitable timer set for an absolute FILETIME counts wall-clock time (it fires at the moment
// also after a sleep, and the fResume flag is not needed since the program only has to run then, not wake
// the machine). A set clock and a resume are broadcast to top-level windows as WM_TIMECHANGE and
// WM_POWERBROADCAST/PBT_APMRESUMEAUTOMATIC, which a native event filter sees for every window of ours.
class WaitableWallClockAlarm final : public WallClockAlarm, public QAbstractNativeEventFilter
{
public:
    explicit WaitableWallClockAlarm(QObject *parent)
        : WallClockAlarm(parent)
        , m_timer(CreateWaitableTimerW(nullptr, TRUE, nullptr))
    {
        m_notifier = new QWinEventNotifier(m_timer, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QWinEventNotifier::activated, this, [this] {
            disarm();
            emit rang();
        });
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~WaitableWallClockAlarm() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        CancelWaitableTimer(m_timer);
        CloseHandle(m_timer);
    }

    void arm(const QDateTime &moment) override
    {
        // FILETIME counts 100 ns steps from 1601-01-01 UTC; a positive due time is absolute.
        const qint64 ticks = (moment.toMSecsSinceEpoch() + 11644473600000LL) * 10000;
        LARGE_INTEGER due;
        due.QuadPart = ticks;
        if (!SetWaitableTimer(m_timer, &due, 0, nullptr, nullptr, FALSE))
            return;
        m_armed = true;
        m_notifier->setEnabled(true);
    }

    void disarm() override
    {
        CancelWaitableTimer(m_timer);
        m_armed = false;
        m_notifier->setEnabled(false);
    }

    bool isArmed() const override { return m_armed; }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "windows_generic_MSG" || !m_armed)
            return false;
        const MSG *msg = static_cast<const MSG *>(message);
        const bool resumed = msg->message == WM_POWERBROADCAST && msg->wParam == PBT_APMRESUMEAUTOMATIC;
        if (msg->message == WM_TIMECHANGE || resumed) {
            disarm();
            emit clockJumped();
        }
        return false;
    }

private:
    HANDLE m_timer;
    QWinEventNotifier *m_notifier = nullptr;
    bool m_armed = false;
};

} // namespace

std::unique_ptr<WallClockAlarm> createSystemWallClockAlarm(QObject *parent)
{
    return std::make_unique<WaitableWallClockAlarm>(parent);
}

} // namespace brevora
