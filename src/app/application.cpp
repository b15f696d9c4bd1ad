// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/wakeforalarms.h"

#include "core/settings/lastrunning.h"

#include "core/store/safesave.h"
#include "os/clock/clock.h"
#include "os/notify/desktopnotifier.h"
#include "os/session/logonstart.h"
#include "os/session/sleepwatch.h"
#include "scheduler/missedwatch.h"
#include "scheduler/scheduler.h"
#include "ui/common/artwork.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/notices/missedreport.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/noticenotifications.h"
#include "ui/notices/notificationrouter.h"
#include "ui/notices/snoozer.h"
#include "ui/shell/enterpressesbuttons.h"
#include "ui/shell/startupreports.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>

namespace brevora {

Application::Application(const QString &programDir, const Clock &clock, const Platform &platform, Options options,
                         QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_platform(platform)
{
    // Every window without an icon of its own, message boxes included, shows the program's.
    QApplication::setWindowIcon(programIcon());
    useDesktopScale(options.desktopFontPoints ? *options.desktopFontPoints : desktopFontPoints());
    letEnterPressButtons(*QCoreApplication::instance());
    // A copy whose icon the desktop cannot find by name sends its picture with each notification.
    const QImage icon = programIcon().pixmap(64).toImage().convertToFormat(QImage::Format_RGBA8888);
    m_platform.notifier.setImage(icon.size(),
                                 QByteArray(reinterpret_cast<const char *>(icon.constBits()), icon.sizeInBytes()));
    m_state.layout = StoreLayout(programDir);
    m_scheduler = new Scheduler(m_state, m_clock, this);
    m_notices = std::make_unique<NoticeBoard>(NoticeServices{ m_state, m_clock, m_platform.sound, m_platform.prompter,
                                                              [this] { m_scheduler->restartReturnCount(); } });
    m_scheduler->setNoticeSink(m_notices.get());
    m_windows = std::make_unique<WindowShell>(m_state, *m_scheduler, m_platform, options.trayAvailable);
    m_noticeNotifications = std::make_unique<NoticeNotifications>(*m_notices, m_platform.notifier, m_clock);
    m_router = std::make_unique<NotificationRouter>(m_platform.notifier, *m_notices, *m_windows);
    m_snoozer = std::make_unique<Snoozer>(m_platform.notifier, *m_notices, m_state.layout, m_clock);
    // A box at start-up waits for its answer with the checks already running, so that no alarm waits with it.
    m_reports = std::make_unique<StartUpReports>(m_platform.prompter, [this] { m_scheduler->start(); });
    // A notice closed by the window manager comes back while its minute lasts, once the old one has gone.
    connect(m_notices.get(), &NoticeBoard::closedUnacknowledged, m_scheduler, &Scheduler::checkKind,
            Qt::QueuedConnection);
    connect(m_scheduler, &Scheduler::alarmsReturned, m_reports.get(), &StartUpReports::linkedPastFolders);
}

// The windows go without their closing steps: an open notice is not acknowledged, and no close box asks to
// end the program a second time.
Application::~Application()
{
    m_scheduler->setNoticeSink(nullptr);
}

void Application::start()
{
    mainWindow();
    m_windows->trayHosts().load(TrayHost::Mode::Shown);
    if (m_waker) {
        m_wake = std::make_unique<WakeForAlarms>(*m_waker, *m_scheduler, m_platform.notifier, m_state.layout);
        m_wake->start();
    }
    // What fell due while the program was not running is found before the checks can start (a box below starts
    // them), so that no minute is both shown and reported.
    watchMissedAlarms();
    // A first start in an empty folder lays out the tree itself.
    m_reports->foldersNotCreated(m_state.layout.createMissingFolders());
    // A save killed halfway leaves its temporary beside the file; in a past folder it would be "returned".
    for (const QString &folder : m_state.layout.folders())
        removeSaveLeftovers(folder);
    m_reports->settingsRepaired(repairSettings(m_state.layout.settingsFolder()));
    m_state.settings = readSettings(m_state.layout.settingsFolder());
    m_scheduler->returnPastAlarmsNotDueNow();
    mainWindow().hide();
    splashWindow().show();
    mainWindow().fillKindList();
    m_scheduler->start();
    m_reports->logonEntryChecked(m_platform.logonStart, m_state.settings.startup);
    optionsDialog(); // loaded unseen; its boxes are the live settings from now on
    m_scheduler->updateClock();
    m_scheduler->setClockShown(m_windows->mainWindowVisible());
}

void Application::watchMissedAlarms()
{
    const QStringList stateFiles = lastRunningFiles(m_state.layout);
    for (const QString &file : stateFiles)
        removeSaveLeftovers(QFileInfo(file).path());
    m_missedReport = std::make_unique<MissedAlarmReport>(m_platform.notifier, m_platform.prompter);
    m_missedWatch = std::make_unique<MissedWatch>(m_state.layout, stateFiles, m_clock);
    connect(m_missedWatch.get(), &MissedWatch::found, m_missedReport.get(), &MissedAlarmReport::present);
    connect(m_scheduler, &Scheduler::watchedUpToNow, m_missedWatch.get(), &MissedWatch::noteWatching);
    connect(m_scheduler, &Scheduler::clockJumped, m_missedWatch.get(), &MissedWatch::checkAfterJump);
    m_missedWatch->checkAtStart();
    if (m_sleep) {
        // Written before the computer sleeps: a sleep it never wakes from still reports what fell due after it.
        connect(m_sleep, &SleepWatch::aboutToSleep, m_missedWatch.get(), [this] {
            m_missedWatch->noteWatching(true);
            if (m_wake)
                m_wake->beforeSleep();
            m_sleep->readyToSleep();
        });
        connect(m_sleep, &SleepWatch::resumed, m_scheduler, &Scheduler::noteResumed);
        m_sleep->start();
    }
}

} // namespace brevora
