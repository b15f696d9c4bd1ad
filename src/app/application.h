// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/sharedstate.h"
#include "ui/shell/platform.h"
#include "ui/shell/windowshell.h"

#include <QObject>

#include <memory>
#include <optional>

namespace brevora {

class Clock;
class MissedAlarmReport;
class MissedWatch;
class NoticeBoard;
class NoticeNotifications;
class NotificationRouter;
class Snoozer;
class Scheduler;
class SleepWatch;
class StartUpReports;
class Waker;
class WakeForAlarms;

// Owns the shared state, the scheduler, the windows and the notices, connects them, and runs the start-up work
// in its order.
class Application : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        // Whether the desktop has a notification area; asked of the desktop each time when not given.
        std::optional<bool> trayAvailable;
        // The desktop's font size in points, which the windows grow with; asked of the desktop when not given.
        std::optional<qreal> desktopFontPoints;
    };

    Application(const QString &programDir, const Clock &clock, const Platform &platform, Options options = {},
                QObject *parent = nullptr);
    ~Application() override;

    // What the system says of its sleep, heard from the start on: before a sleep the handled moment is written, and
    // a resume is handled at once. Without one, a resume is noticed as a late wake-up of the checks.
    void watchSleep(SleepWatch &sleep) { m_sleep = &sleep; }
    // What wakes a sleeping computer for the next alarm, asked from the start on whether it can; where it cannot,
    // the user hears so once, and before each sleep of the alarms that will wait for the return.
    void wakeWith(Waker &waker) { m_waker = &waker; }
    // The start-up: icon, settings, set-aside alarms, splash, kind list, checks, options.
    void start();

    SharedState &state() { return m_state; }
    Scheduler &scheduler() { return *m_scheduler; }
    NoticeBoard &notices() { return *m_notices; }
    WindowShell &windows() { return *m_windows; }

    // The windows, as the program's start and the tests reach them.
    MainWindow &mainWindow() { return m_windows->mainWindow(); }
    SplashWindow &splashWindow() { return m_windows->splashWindow(); }
    NewAlarmWizard &wizard() { return m_windows->wizard(); }
    OptionsDialog &optionsDialog() { return m_windows->optionsDialog(); }
    AboutBox &aboutBox() { return m_windows->aboutBox(); }
    // The tray host of that mode while it is loaded, null otherwise.
    TrayHost *trayHost(TrayHost::Mode mode) const { return m_windows->trayHosts().host(mode); }
    // A second start of the program on the same store asks this one to show itself.
    void showForAnotherStart() { m_windows->showForAnotherStart(); }

private:
    // Finds and reports the alarms missed while the program was not running, and from now on those missed while
    // the clock jumped.
    void watchMissedAlarms();

    SharedState m_state;
    const Clock &m_clock;
    SleepWatch *m_sleep = nullptr;
    Waker *m_waker = nullptr;
    Platform m_platform;
    Scheduler *m_scheduler = nullptr;
    std::unique_ptr<NoticeBoard> m_notices;
    std::unique_ptr<WindowShell> m_windows;
    std::unique_ptr<NoticeNotifications> m_noticeNotifications;
    std::unique_ptr<NotificationRouter> m_router;
    std::unique_ptr<Snoozer> m_snoozer;
    std::unique_ptr<StartUpReports> m_reports;
    std::unique_ptr<MissedAlarmReport> m_missedReport;
    std::unique_ptr<MissedWatch> m_missedWatch;
    std::unique_ptr<WakeForAlarms> m_wake;
};

} // namespace brevora
