// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/sharedstate.h"
#include "ui/common/shell.h"
#include "ui/tray/trayhost.h"

#include <QObject>
#include <QSet>

#include <memory>
#include <optional>

namespace brevora {

class AboutBox;
class Clock;
class DesktopNotifier;
struct PastReturnReport;
class Launcher;
class LogonStart;
class MainWindow;
class MissedAlarmReport;
class NewAlarmWizard;
class NoticeBoard;
class NoticeNotifications;
class OptionsDialog;
class ProgramEnd;
class Prompter;
class Scheduler;
class SoundPlayer;
class SplashWindow;

// The services of the desktop the program uses, real ones in the program and fakes in tests.
struct Platform
{
    Prompter &prompter;
    ProgramEnd &programEnd;
    SoundPlayer &sound;
    Launcher &launcher;
    LogonStart &logonStart;
    DesktopNotifier &notifier;
};

// Owns the shared state, the scheduler and every window (each created once, on first use), runs the
// start-up work in its order and answers the windows' requests to one another.
class Application : public QObject, public Shell
{
    Q_OBJECT
public:
    struct Options
    {
        // Whether the desktop has a notification area; asked of the desktop each time when not given.
        std::optional<bool> trayAvailable;
    };

    Application(const QString &programDir, const Clock &clock, const Platform &platform, Options options = {},
                QObject *parent = nullptr);
    ~Application() override;

    // The start-up: icon, settings, set-aside alarms, splash, kind list, checks, options.
    void start();

    SharedState &state() { return m_state; }
    Scheduler &scheduler() { return *m_scheduler; }
    MainWindow &mainWindow();
    SplashWindow &splashWindow();
    // The tray host of that mode while it is loaded, null otherwise.
    TrayHost *trayHost(TrayHost::Mode mode) const;
    bool trayAvailable() const;
    NoticeBoard &notices() { return *m_notices; }
    NewAlarmWizard &wizard();
    OptionsDialog &optionsDialog();
    AboutBox &aboutBox();

    // Reports the alarms missed while the program was not running, and from now on those missed while the clock
    // jumped; keeps the moment the program last watched the clock.
    void watchMissedAlarms(DesktopNotifier &notifier);
    MissedAlarmReport *missedAlarmReport() const { return m_missed.get(); }

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
    void connectDeleteCommands();
    void createStoreFolders();
    void reportFoldersLeadingOutside(const PastReturnReport &report);
    void endStartUp(bool hide);
    // Hiding needs a notification area to come back from; without one the window is minimised.
    void putMainWindowAway();
    void loadTrayHost(TrayHost::Mode mode);
    void unloadTrayHost(TrayHost::Mode mode);
    // The menus add the new icon before the old one goes; a double-click on the icon removes it first.
    enum class IconOrder { AddFirst, RemoveFirst };
    void switchTrayHost(TrayHost::Mode to, IconOrder order);

    SharedState m_state;
    const Clock &m_clock;
    Platform m_platform;
    Options m_options;
    Scheduler *m_scheduler = nullptr;
    std::unique_ptr<NoticeBoard> m_notices;
    std::unique_ptr<NoticeNotifications> m_noticeNotifications;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<NewAlarmWizard> m_wizard;
    std::unique_ptr<OptionsDialog> m_optionsDialog;
    std::unique_ptr<AboutBox> m_aboutBox;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<TrayHost> m_shownHost; // the shown-state tray host
    std::unique_ptr<TrayHost> m_hiddenHost; // the hidden-state tray host
    std::unique_ptr<MissedAlarmReport> m_missed;
    bool m_saidNoTray = false;
    QSet<QString> m_toldLeadOutside; // past folders leading outside the store that the user has heard of
};

} // namespace brevora
