// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/windowshell.h"

#include "core/settings/lastrunning.h"
#include "core/settings/sharedstate.h"
#include "os/clock/clock.h"
#include "os/session/programend.h"
#include "scheduler/scheduler.h"
#include "ui/calendar/calendarcommands.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/helpfile.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/shell/deletecommands.h"
#include "ui/wizard/newalarmwizard.h"

#include <QApplication>
#include <QSystemTrayIcon>

namespace brevora {

WindowShell::WindowShell(SharedState &state, Scheduler &scheduler, const Platform &platform,
                         std::optional<bool> trayAvailable, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_scheduler(scheduler)
    , m_platform(platform)
    , m_trayAvailable(trayAvailable)
    , m_trayHosts(*this)
    , m_closingWord(platform.notifier, closingToldMark(state.layout))
{ }

WindowShell::~WindowShell() = default;

MainWindow &WindowShell::mainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(*this, m_state.layout, m_scheduler.timeSource());
        connect(&m_scheduler, &Scheduler::clockChanged, m_mainWindow.get(), &MainWindow::showClock);
        connect(m_mainWindow.get(), &MainWindow::visibilityChanged, this, [this](bool visible) {
            // The clock ticks only while someone can see it.
            m_scheduler.setClockShown(visible);
            if (TrayHost *host = m_trayHosts.host(TrayHost::Mode::Shown))
                host->updateItems();
        });
        connect(m_mainWindow.get(), &MainWindow::changeAlarmRequested, this,
                [this](AlarmKind kind, const QString &path) {
                    if (wizard().change(kind, path))
                        mainWindow().hide();
                });
        connectDeleteCommands(*m_mainWindow, m_state.layout, m_platform.prompter);
        connect(m_mainWindow.get(), &MainWindow::exportAlarmsRequested, this, [this] {
            exportAlarms(m_mainWindow.get(), m_state.layout, m_scheduler.timeSource().now(), m_platform.prompter);
        });
        // The scheduler's folder watch sees the new files for the due checks; the list is read again at once.
        connect(m_mainWindow.get(), &MainWindow::importAlarmsRequested, this, [this] {
            if (importAlarms(m_mainWindow.get(), m_state.layout, m_scheduler.timeSource().now(), m_platform.prompter))
                m_mainWindow->reloadAlarmList();
        });
    }
    return *m_mainWindow;
}

NewAlarmWizard &WindowShell::wizard()
{
    if (!m_wizard)
        m_wizard = std::make_unique<NewAlarmWizard>(m_state, m_platform.prompter, m_platform.sound, *this);
    return *m_wizard;
}

OptionsDialog &WindowShell::optionsDialog()
{
    if (!m_optionsDialog)
        m_optionsDialog = std::make_unique<OptionsDialog>(m_state, m_platform.logonStart, m_platform.prompter,
                                                          m_platform.programEnd);
    return *m_optionsDialog;
}

AboutBox &WindowShell::aboutBox()
{
    if (!m_aboutBox)
        m_aboutBox = std::make_unique<AboutBox>(*this, m_platform.launcher, m_platform.prompter);
    return *m_aboutBox;
}

SplashWindow &WindowShell::splashWindow()
{
    if (!m_splash) {
        m_splash = std::make_unique<SplashWindow>(m_state.layout.settingsFolder());
        connect(m_splash.get(), &SplashWindow::startUpEnded, this, &WindowShell::endStartUp);
    }
    return *m_splash;
}

bool WindowShell::trayAvailable() const
{
    return m_trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void WindowShell::endStartUp(bool hide)
{
    if (hide)
        hideProgramFromIcon();
    else
        showMainWindow();
}

void WindowShell::showForAnotherStart()
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
    // The user was in a wizard page (the main window hidden behind it): that page, not the main window over it.
    if (QWidget *page = m_wizard ? m_wizard->shownPage() : nullptr) {
        bringForward(*page);
        return;
    }
    if (mainWindowVisible())
        showMainWindow();
    else
        restoreProgram();
}

void WindowShell::showMainWindow()
{
    bringForward(mainWindow());
}

bool WindowShell::mainWindowVisible() const
{
    return m_mainWindow && m_mainWindow->isVisible();
}

void WindowShell::startNewAlarm()
{
    mainWindow().hide();
    wizard().start();
}

void WindowShell::showOptions()
{
    bringForward(optionsDialog());
}

void WindowShell::showAbout()
{
    bringForward(aboutBox());
}

void WindowShell::showHelp()
{
    openHelpFile(m_state.layout.programDir(), m_platform.launcher, m_platform.prompter, m_mainWindow.get());
}

void WindowShell::bringForward(QWidget &window)
{
    // A window asked for again is wanted in sight, also where the user minimised it; a maximised one stays so.
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void WindowShell::hideProgram()
{
    putMainWindowAway();
    m_trayHosts.switchTo(TrayHost::Mode::Hidden, TrayHosts::Order::AddFirst);
}

void WindowShell::restoreProgram()
{
    showMainWindow();
    m_trayHosts.switchTo(TrayHost::Mode::Shown, TrayHosts::Order::AddFirst);
}

void WindowShell::hideProgramFromIcon()
{
    putMainWindowAway();
    m_trayHosts.switchTo(TrayHost::Mode::Hidden, TrayHosts::Order::RemoveFirst);
}

void WindowShell::restoreProgramFromIcon()
{
    showMainWindow();
    m_trayHosts.switchTo(TrayHost::Mode::Shown, TrayHosts::Order::RemoveFirst);
}

void WindowShell::exitProgram()
{
    m_trayHosts.unload(TrayHost::Mode::Shown);
    m_trayHosts.unload(TrayHost::Mode::Hidden);
    m_platform.programEnd.endNow();
}

void WindowShell::closeAllAndExit()
{
    // Unloading the main window is the program's exit, whichever window asked for it. The icons go at once, also
    // while a word about it is on its way to the desktop.
    m_trayHosts.unload(TrayHost::Mode::Shown);
    m_trayHosts.unload(TrayHost::Mode::Hidden);
    m_closingWord.closeThen(m_scheduler.alarmsWait(), [this] { exitProgram(); });
}

void WindowShell::putMainWindowAway()
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

} // namespace brevora
