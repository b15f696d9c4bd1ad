#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program started with "Run hidden" on, with a notification area on the desktop: only its icon shows, and
the icon's menu and a double-click bring the main window back, hide it again, start the wizard and end the
program.

usage: hidden_start.py path/to/brevora"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

# The icon's menus: "New Alarm", "Options", "Restore", "Exit" while hidden; "New alarm", "Options", "Hide",
# "Exit" while shown.
NEW, RESTORE_OR_HIDE, EXIT = 0, 2, 3


def only_the_icon(session):
    """Hidden, not minimised: nothing of the program is on screen but its one icon."""
    icons = session.tray_icons()
    return len(icons) == 1 and session.program_windows() == icons


def hidden_start_and_the_icon():
    with e.Session(sys.argv[1], tray=True) as session:
        ui = session.ui
        session.start(datetime.datetime(2007, 2, 3, 13, 58), hide=True)
        session.pass_splash()
        session.tray_icon()
        e.stays("a screen with only the icon", lambda: only_the_icon(session), 1)

        session.choose_tray_menu_item(RESTORE_OR_HIDE)  # "Restore"
        ui.main_window()
        session.tray_icon()  # the icon of the shown state replaced that of the hidden one

        session.choose_tray_menu_item(RESTORE_OR_HIDE)  # "Hide"
        e.wait_until("a screen with only the icon", lambda: only_the_icon(session), timeout=5)
        session.click_tray_icon("--repeat", "2", "--delay", "80", "1")
        ui.main_window()

        session.choose_tray_menu_item(NEW)  # "New alarm"
        chooser = ui.window(e.CHOOSER_CAPTION)
        e.check(not ui.shown_windows(e.MAIN_CAPTION, "frame"), "the main window stayed with the wizard")
        e.press(chooser, "Cancel")
        ui.main_window()

        session.choose_tray_menu_item(EXIT)  # "Exit"
        status = session.wait_for_exit()
        e.check(status == 0, f"the program ended with status {status}")
        e.wait_until("the icon to leave the notification area", lambda: not session.tray_icons(), timeout=5)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(hidden_start_and_the_icon)
