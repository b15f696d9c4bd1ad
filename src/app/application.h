#pragma once

#include "settings/sharedstate.h"
#include "windows/shell.h"
#include "windows/trayhost.h"

#include <QObject>

#include <memory>
#include <optional>

namespace brevora {

class Clock;
class MainWindow;
class ProgramEnd;
class Prompter;
class Scheduler;
class SplashWindow;

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

    Application(const QString &programDir, const Clock &clock, Prompter &prompter, ProgramEnd &programEnd,
                Options options = {}, QObject *parent = nullptr);
    ~Application() override;

    // Form1's load: icon, settings, set-aside alarms, splash, kind list, checks, options.
    void start();

    SharedState &state() { return m_state; }
    Scheduler &scheduler() { return *m_scheduler; }
    MainWindow &mainWindow();
    SplashWindow &splashWindow();
    // The tray host of that mode while it is loaded, null otherwise.
    TrayHost *trayHost(TrayHost::Mode mode) const;
    bool trayAvailable() const;

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
    // Windows other parts of the program provide; each is opened from here alone.
    void showChooserWindow(); // Form2, the new-alarm wizard's first page
    void showOptionsWindow(); // frmOptions, modeless, given the focus
    void showAboutWindow(); // frmAbout, modeless, given the focus
    void launchHelp(); // "Help file/Helpfile.chm" with the desktop's viewer
    void loadOptionsWindow(); // frmOptions loaded unseen at start-up, its boxes from the settings

    void createStoreFolders();
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
    Prompter &m_prompter;
    ProgramEnd &m_programEnd;
    Options m_options;
    Scheduler *m_scheduler = nullptr;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<TrayHost> m_shownHost; // Form14
    std::unique_ptr<TrayHost> m_hiddenHost; // Form15
    bool m_saidNoTray = false;
};

} // namespace brevora
