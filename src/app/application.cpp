#include "application.h"

#include "platform/clock.h"
#include "platform/prompter.h"
#include "scheduler/scheduler.h"
#include "windows/mainwindow.h"

#include <QDir>

namespace brevora {

Application::Application(const QString &programDir, const Clock &clock, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_prompter(prompter)
    , m_mainWindow(std::make_unique<MainWindow>())
{
    m_state.layout = StoreLayout(programDir);
    m_scheduler = new Scheduler(m_state, m_clock, SystemClock::instance(), this);
    connect(m_scheduler, &Scheduler::clockChanged, m_mainWindow.get(), &MainWindow::showClock);
}

Application::~Application() = default;

void Application::start()
{
    // A first start in an empty folder lays out the tree itself.
    const QStringList failed = m_state.layout.createMissingFolders();
    if (!failed.isEmpty()) {
        QStringList shown;
        for (const QString &folder : failed)
            shown.append(QDir::toNativeSeparators(folder));
        m_prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                       QStringLiteral("These folders could not be created, so the alarms and settings kept in "
                                      "them cannot be used:\n%1")
                           .arg(shown.join(u'\n')),
                       QMessageBox::Ok);
    }
    repairSettings(m_state.layout.settingsFolder(), m_prompter);
    m_scheduler->returnPastAlarms();
    m_state.settings = readSettings(m_state.layout.settingsFolder());
    m_scheduler->start();
    m_scheduler->updateClock();
    m_mainWindow->show();
}

} // namespace brevora
