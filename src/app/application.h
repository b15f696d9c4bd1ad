#pragma once

#include "settings/sharedstate.h"

#include <QObject>

#include <memory>

namespace brevora {

class Clock;
class MainWindow;
class Prompter;
class Scheduler;

// Owns the shared state, the scheduler and the windows, and runs the start-up work in its order.
class Application : public QObject
{
    Q_OBJECT
public:
    Application(const QString &programDir, const Clock &clock, Prompter &prompter, QObject *parent = nullptr);
    ~Application() override;

    // Prepares the store and the settings, returns set-aside alarms and starts the timers.
    void start();

    SharedState &state() { return m_state; }
    Scheduler &scheduler() { return *m_scheduler; }
    MainWindow &mainWindow() { return *m_mainWindow; }

private:
    SharedState m_state;
    const Clock &m_clock;
    Prompter &m_prompter;
    std::unique_ptr<MainWindow> m_mainWindow;
    Scheduler *m_scheduler = nullptr;
};

} // namespace brevora
