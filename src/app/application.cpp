// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/missedreport.h"
#include "core/settings/lastrunning.h"

#include "core/store/safesave.h"
#include "os/clock/clock.h"
#include "os/desktop/places.h"
#include "os/notify/desktopnotifier.h"
#include "os/session/logonstart.h"
#include "os/session/programend.h"
#include "scheduler/scheduler.h"
#include "ui/common/artwork.h"
#include "ui/common/prompter.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/helpfile.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/main/alarmdeletion.h"
#include "ui/main/alarmlist.h"
#include "ui/main/mainwindow.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/noticenotifications.h"
#include "ui/wizard/newalarmwizard.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSystemTrayIcon>

namespace brevora {

Application::Application(const QString &programDir, const Clock &clock, const Platform &platform, Options options,
                         QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_platform(platform)
    , m_options(options)
{
    // Every window without an icon of its own, message boxes included, shows the program's.
    QApplication::setWindowIcon(programIcon());
    QApplication::setFont(designFont());
    m_state.layout = StoreLayout(programDir);
    m_scheduler = new Scheduler(m_state, m_clock, this);
    m_notices = std::make_unique<NoticeBoard>(NoticeServices{ m_state, m_clock, m_platform.sound, m_platform.prompter,
                                                              [this] { m_scheduler->restartReturnCount(); } });
    m_scheduler->setNoticeSink(m_notices.get());
    m_noticeNotifications = std::make_unique<NoticeNotifications>(*m_notices, m_platform.notifier, *this);
    // A notice closed by the window manager comes back while its minute lasts, once the old one has gone.
    connect(m_notices.get(), &NoticeBoard::closedUnacknowledged, m_scheduler, &Scheduler::checkKind,
            Qt::QueuedConnection);
    connect(m_scheduler, &Scheduler::alarmsReturned, this, &Application::reportFoldersLeadingOutside);
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
    loadTrayHost(TrayHost::Mode::Shown);
    createStoreFolders();
    // A save killed halfway leaves its temporary beside the file; in a past folder it would be "returned".
    for (const QString &folder : m_state.layout.folders())
        removeSaveLeftovers(folder);
    if (const RepairResult repair = repairSettings(m_state.layout.settingsFolder()); repair.report)
        m_platform.prompter.ask(nullptr, repair.report->warning ? QMessageBox::Warning : QMessageBox::Information,
                                coreText(filesMissingTitle), repair.report->text, QMessageBox::Ok);
    m_scheduler->returnPastAlarmsNotDueNow();
    mainWindow().hide();
    splashWindow().show();
    mainWindow().fillKindList();
    m_scheduler->start();
    m_state.settings = readSettings(m_state.layout.settingsFolder());
    // An earlier version's log-on entry names no program to test for, so it would start nothing but an error once
    // the program is removed; renewed now, it does not wait for the next save of the options.
    if (m_platform.logonStart.hasEarlierRegistration())
        m_platform.logonStart.set(m_state.settings.startup);
    optionsDialog(); // loaded unseen; its boxes are the live settings from now on
    m_scheduler->updateClock();
    m_scheduler->setClockShown(mainWindowVisible());
    watchMissedAlarms(m_platform.notifier);
}

void Application::watchMissedAlarms(DesktopNotifier &notifier)
{
    const QString stateFile = lastRunningFile(m_state.layout);
    m_missed = std::make_unique<MissedAlarmReport>(m_state.layout, stateFile, m_clock, notifier, m_platform.prompter);
    connect(m_scheduler, &Scheduler::minuteChecked, m_missed.get(), &MissedAlarmReport::noteWatching);
    connect(m_scheduler, &Scheduler::clockJumped, m_missed.get(), &MissedAlarmReport::reportAfterJump);
    // The list of missed alarms is the main window's matter: clicking it brings that window.
    connect(&notifier, &DesktopNotifier::activated, this, [this](const QString &key) {
        if (key == MissedAlarmReport::notificationKey)
            showMainWindow();
    });
    m_missed->reportAtStart();
}

MainWindow &Application::mainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(*this, m_state.layout);
        connect(m_scheduler, &Scheduler::clockChanged, m_mainWindow.get(), &MainWindow::showClock);
        connect(m_mainWindow.get(), &MainWindow::visibilityChanged, this, [this](bool visible) {
            // The clock ticks only while someone can see it.
            m_scheduler->setClockShown(visible);
            if (m_shownHost)
                m_shownHost->updateItems();
        });
        connectDeleteCommands();
    }
    return *m_mainWindow;
}

NewAlarmWizard &Application::wizard()
{
    if (!m_wizard)
        m_wizard = std::make_unique<NewAlarmWizard>(m_state, m_platform.prompter, m_platform.sound, *this);
    return *m_wizard;
}

OptionsDialog &Application::optionsDialog()
{
    if (!m_optionsDialog)
        m_optionsDialog = std::make_unique<OptionsDialog>(m_state, m_platform.logonStart, m_platform.prompter,
                                                          m_platform.programEnd);
    return *m_optionsDialog;
}

AboutBox &Application::aboutBox()
{
    if (!m_aboutBox)
        m_aboutBox = std::make_unique<AboutBox>(*this, m_platform.launcher, m_platform.prompter);
    return *m_aboutBox;
}

void Application::connectDeleteCommands()
{
    MainWindow *window = m_mainWindow.get();
    const auto afterDeletion = [window](const DeletionOutcome &outcome) {
        if (!outcome.confirmed)
            return;
        window->clearAlarmText();
        window->reloadAlarmList();
    };
    connect(window, &MainWindow::deleteAlarmRequested, this, [this, window, afterDeletion] {
        const QString selected = window->selectedAlarmPath();
        AlarmDeletion deletion(m_state.layout, m_platform.prompter, window);
        afterDeletion(deletion.deleteSelected(window->alarmList()->folder(), QFileInfo(selected).fileName()));
    });
    connect(window, &MainWindow::deleteAllOfKindRequested, this, [this, window, afterDeletion] {
        AlarmDeletion deletion(m_state.layout, m_platform.prompter, window);
        afterDeletion(deletion.deleteAllOfType(window->kindText()));
    });
    connect(window, &MainWindow::deleteAllRequested, this, [this, window, afterDeletion] {
        AlarmDeletion deletion(m_state.layout, m_platform.prompter, window);
        afterDeletion(deletion.deleteAll());
    });
}

SplashWindow &Application::splashWindow()
{
    if (!m_splash) {
        m_splash = std::make_unique<SplashWindow>(m_state.layout.settingsFolder());
        connect(m_splash.get(), &SplashWindow::startUpEnded, this, &Application::endStartUp);
    }
    return *m_splash;
}

TrayHost *Application::trayHost(TrayHost::Mode mode) const
{
    return (mode == TrayHost::Mode::Shown ? m_shownHost : m_hiddenHost).get();
}

bool Application::trayAvailable() const
{
    return m_options.trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void Application::createStoreFolders()
{
    // A first start in an empty folder lays out the tree itself.
    const QStringList failed = m_state.layout.createMissingFolders();
    if (failed.isEmpty())
        return;
    QStringList shown;
    for (const QString &folder : failed)
        shown.append(QDir::toNativeSeparators(folder));
    m_platform.prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                            tr("These folders could not be created, so the alarms and settings kept in "
                               "them cannot be used:\n%1")
                                .arg(shown.join(u'\n')),
                            QMessageBox::Ok);
}

void Application::reportFoldersLeadingOutside(const PastReturnReport &report)
{
    // Every return finds such a folder again; the user hears of each once a run, at the start when it is there.
    QStringList shown;
    for (const QString &folder : report.leadOutside) {
        if (!m_toldLeadOutside.contains(folder)) {
            m_toldLeadOutside.insert(folder);
            shown.append(QDir::toNativeSeparators(folder));
        }
    }
    if (shown.isEmpty())
        return;
    m_platform.prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                            tr("These folders of acknowledged alarms are links to folders outside %1, so Brevora "
                               "moves nothing out of them:\n%2\n\nMake each an ordinary folder again for its alarms "
                               "to come back.")
                                .arg(QDir::toNativeSeparators(m_state.layout.programDir()), shown.join(u'\n')),
                            QMessageBox::Ok);
}

void Application::endStartUp(bool hide)
{
    if (hide)
        hideProgramFromIcon();
    else
        showMainWindow();
}

void Application::showForAnotherStart()
{
    // Until the splash hands over, the main window stays hidden however often the program is started: what
    // start-up has on screen (a message box, the splash) comes forward instead.
    if (!m_splash || !m_splash->handedOver()) {
        if (QWidget *box = QApplication::activeModalWidget())
            bringForward(*box);
        else if (m_splash && m_splash->isVisible())
            bringForward(*m_splash);
        return;
    }
    if (mainWindowVisible())
        showMainWindow();
    else
        restoreProgram();
}

void Application::showMainWindow()
{
    MainWindow &window = mainWindow();
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}

bool Application::mainWindowVisible() const
{
    return m_mainWindow && m_mainWindow->isVisible();
}

void Application::startNewAlarm()
{
    mainWindow().hide();
    wizard().start();
}

void Application::showOptions()
{
    bringForward(optionsDialog());
}

void Application::showAbout()
{
    bringForward(aboutBox());
}

void Application::showHelp()
{
    openHelpFile(m_state.layout.programDir(), m_platform.launcher, m_platform.prompter, m_mainWindow.get());
}

void Application::bringForward(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void Application::hideProgram()
{
    putMainWindowAway();
    switchTrayHost(TrayHost::Mode::Hidden, IconOrder::AddFirst);
}

void Application::restoreProgram()
{
    showMainWindow();
    switchTrayHost(TrayHost::Mode::Shown, IconOrder::AddFirst);
}

void Application::hideProgramFromIcon()
{
    putMainWindowAway();
    switchTrayHost(TrayHost::Mode::Hidden, IconOrder::RemoveFirst);
}

void Application::restoreProgramFromIcon()
{
    showMainWindow();
    switchTrayHost(TrayHost::Mode::Shown, IconOrder::RemoveFirst);
}

void Application::exitProgram()
{
    unloadTrayHost(TrayHost::Mode::Shown);
    unloadTrayHost(TrayHost::Mode::Hidden);
    m_platform.programEnd.endNow();
}

void Application::closeAllAndExit()
{
    // Unloading the main window is the program's exit, whichever window asked for it.
    exitProgram();
}

void Application::putMainWindowAway()
{
    if (trayAvailable()) {
        mainWindow().hide();
        return;
    }
    if (!m_saidNoTray) {
        m_saidNoTray = true;
        qInfo("No notification area is available, so Brevora minimises its window instead of hiding it.");
    }
    mainWindow().showMinimized();
}

void Application::loadTrayHost(TrayHost::Mode mode)
{
    auto &host = mode == TrayHost::Mode::Shown ? m_shownHost : m_hiddenHost;
    if (!host)
        host = std::make_unique<TrayHost>(mode, *this);
}

void Application::unloadTrayHost(TrayHost::Mode mode)
{
    (mode == TrayHost::Mode::Shown ? m_shownHost : m_hiddenHost).reset();
}

void Application::switchTrayHost(TrayHost::Mode to, IconOrder order)
{
    const TrayHost::Mode from = to == TrayHost::Mode::Shown ? TrayHost::Mode::Hidden : TrayHost::Mode::Shown;
    if (order == IconOrder::AddFirst) {
        loadTrayHost(to);
        unloadTrayHost(from);
    } else {
        unloadTrayHost(from);
        loadTrayHost(to);
    }
}

} // namespace brevora
