#include "application.h"

#include "platform/clock.h"
#include "platform/programend.h"
#include "platform/prompter.h"
#include "scheduler/scheduler.h"
#include "windows/mainwindow.h"
#include "windows/splashwindow.h"

#include <QDir>
#include <QSystemTrayIcon>

namespace brevora {

Application::Application(const QString &programDir, const Clock &clock, Prompter &prompter, ProgramEnd &programEnd,
                         Options options, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_prompter(prompter)
    , m_programEnd(programEnd)
    , m_options(options)
{
    m_state.layout = StoreLayout(programDir);
    m_scheduler = new Scheduler(m_state, m_clock, SystemClock::instance(), this);
}

Application::~Application() = default;

void Application::start()
{
    mainWindow();
    loadTrayHost(TrayHost::Mode::Shown);
    createStoreFolders();
    repairSettings(m_state.layout.settingsFolder(), m_prompter);
    m_scheduler->returnPastAlarms();
    mainWindow().hide();
    splashWindow().show();
    mainWindow().fillKindList();
    m_scheduler->start();
    m_state.settings = readSettings(m_state.layout.settingsFolder());
    loadOptionsWindow();
    m_scheduler->updateClock();
}

MainWindow &Application::mainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(*this, m_state.layout);
        connect(m_scheduler, &Scheduler::clockChanged, m_mainWindow.get(), &MainWindow::showClock);
        connect(m_mainWindow.get(), &MainWindow::visibilityChanged, this, [this] {
            if (m_shownHost)
                m_shownHost->updateItems();
        });
    }
    return *m_mainWindow;
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
    m_prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                   QStringLiteral("These folders could not be created, so the alarms and settings kept in "
                                  "them cannot be used:\n%1")
                       .arg(shown.join(u'\n')),
                   QMessageBox::Ok);
}

void Application::endStartUp(bool hide)
{
    if (hide)
        hideProgramFromIcon();
    else
        showMainWindow();
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
    showChooserWindow();
}

void Application::showOptions()
{
    showOptionsWindow();
}

void Application::showAbout()
{
    showAboutWindow();
}

void Application::showHelp()
{
    launchHelp();
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
    m_programEnd.endNow();
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

// Still to come: the windows below are built on their own and opened from these places.

void Application::showChooserWindow()
{
    // Not built yet: the new-alarm wizard's chooser (Form2) is shown here.
}

void Application::showOptionsWindow()
{
    // Not built yet: the Options dialog (frmOptions) is shown modeless here and given the focus.
}

void Application::showAboutWindow()
{
    // Not built yet: the About box (frmAbout) is shown modeless here and given the focus.
}

void Application::launchHelp()
{
    // Not built yet: the help file is opened with the desktop's viewer here.
}

void Application::loadOptionsWindow()
{
    // Not built yet: the Options dialog is created here, unseen, with its boxes from m_state.settings.
}

} // namespace brevora
