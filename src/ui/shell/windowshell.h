// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/shell.h"
#include "ui/shell/closingword.h"
#include "ui/shell/platform.h"
#include "ui/tray/trayhosts.h"

#include <QObject>

#include <memory>
#include <optional>

class QWidget;

namespace brevora {

class AboutBox;
class MainWindow;
class NewAlarmWizard;
class OptionsDialog;
class Scheduler;
class SplashWindow;
struct SharedState;

// Every window of the program and the tray hosts, each window created once, on first use; answers the windows'
// requests to one another.
class WindowShell : public QObject, public Shell
{
    Q_OBJECT
public:
    // Whether the desktop has a notification area is asked of the desktop each time when `trayAvailable` is empty.
    WindowShell(SharedState &state, Scheduler &scheduler, const Platform &platform, std::optional<bool> trayAvailable,
                QObject *parent = nullptr);
    ~WindowShell() override;

    MainWindow &mainWindow();
    SplashWindow &splashWindow();
    NewAlarmWizard &wizard();
    OptionsDialog &optionsDialog();
    AboutBox &aboutBox();
    TrayHosts &trayHosts() { return m_trayHosts; }
    bool trayAvailable() const;

    // A later start of the program on the same ProgramDir asked this copy to show itself.
    void showForAnotherStart();

    void showMainWindow() override;
    bool mainWindowVisible() const override;
    void startNewAlarm() override;
    void showOptions() override;
    void showAbout() override;
    void showHelp() override;
    void hideProgram() override;
    void restoreProgram() override;
    void hideProgramFromIcon() override;
    void restoreProgramFromIcon() override;
    void exitProgram() override;
    void closeAllAndExit() override;

private:
    static void bringForward(QWidget &window);
    void endStartUp(bool hide);
    // Hiding needs a notification area to come back from; without one the window is minimised.
    void putMainWindowAway();

    SharedState &m_state;
    Scheduler &m_scheduler;
    Platform m_platform;
    std::optional<bool> m_trayAvailable;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<NewAlarmWizard> m_wizard;
    std::unique_ptr<OptionsDialog> m_optionsDialog;
    std::unique_ptr<AboutBox> m_aboutBox;
    std::unique_ptr<SplashWindow> m_splash;
    TrayHosts m_trayHosts;
    ClosingWord m_closingWord;
    bool m_saidNoTray = false;
};

} // namespace brevora
