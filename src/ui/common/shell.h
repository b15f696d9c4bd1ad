// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevora {

// How one window asks for another. The application owns one instance of each window, creates it on first
// use and implements these requests; tests put a recording fake in its place.
class Shell
{
public:
    virtual ~Shell() = default;

    // The main window shown and activated (centred, the alarm list re-read).
    virtual void showMainWindow() = 0;
    virtual bool mainWindowVisible() const = 0;
    // "New alarm": the main window hides and the kind chooser appears.
    virtual void startNewAlarm() = 0;
    virtual void showOptions() = 0;
    virtual void showAbout() = 0;
    virtual void showHelp() = 0;
    // "Hide" and "Restore": the main window and the tray host that matches its state. The new icon is
    // added before the old one goes.
    virtual void hideProgram() = 0;
    virtual void restoreProgram() = 0;
    // The same switches made by a double-click on the icon: the old icon goes before the new one comes.
    virtual void hideProgramFromIcon() = 0;
    virtual void restoreProgramFromIcon() = 0;
    // "Exit": the tray icon goes and the program ends at once.
    virtual void exitProgram() = 0;
    // The window manager's close on the main window, a wizard page, the sound chooser or the About box.
    virtual void closeAllAndExit() = 0;
};

} // namespace brevora
