#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the desktop around the program reads from it: a screen reader names the kind chooser's option buttons,
the Options check boxes and the alarm list by the labels beside them; a dock matches the main window to the menu
entry by its window class; and Ctrl+Q, the quit key of other programs, ends it as Exit does.

usage: desktop_names.py path/to/brevora"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

MENU_ENTRY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../packaging/io.github.brevora.brevora.desktop.in")


def labels_beside(window, role):
    """The text of the label on the same row as each control of this role, top to bottom."""
    labels = e.descendants(window, "label")
    found = []
    for control in sorted(e.descendants(window, role), key=e.top_of):
        row = [label.name for label in labels if abs(e.top_of(label) - e.top_of(control)) <= 4]
        e.check(len(row) == 1, f"no single label beside a {role} of {window.name}: {row}")
        found.append(row[0])
    return found


def named_by_label(window, role):
    shown = labels_beside(window, role)
    said = [control.name for control in sorted(e.descendants(window, role), key=e.top_of)]
    e.check(said == shown, f"the {role} controls of {window.name} are named {said}, not after their labels {shown}")


def startup_wm_class():
    with open(MENU_ENTRY, encoding="utf-8") as entry:
        for line in entry:
            if line.startswith("StartupWMClass="):
                return line.strip().split("=", 1)[1]
    e.fail("the menu entry has no StartupWMClass")


def screen_reader_and_dock_names():
    with e.Session(sys.argv[1]) as session:
        ui = session.ui
        session.start(datetime.datetime(2007, 2, 3, 13, 58))
        session.pass_splash()
        main = ui.main_window()
        # The kind box's drop-down list is a list too, named by its box.
        lists = [acc.name for acc in e.descendants(main, "list") if acc.parent.getRoleName() != "combo box"]
        e.check(lists == ["Alarms"], f"the alarm list is named {lists}")

        e.press(main, "New")
        chooser = ui.window(e.CHOOSER_CAPTION)
        named_by_label(chooser, "radio button")
        e.press(chooser, "Cancel")

        main = ui.main_window()
        e.choose_menu_item(main, "Tools", "Options")
        options = ui.window("Options")
        named_by_label(options, "check box")
        e.press(options, "Cancel")
        ui.gone("Options")

        wm_class = startup_wm_class()
        windows = e.capture(["xdotool", "search", "--onlyvisible", "--class", f"^{wm_class}$"]).split()
        e.check(windows, f"no shown window of the class {wm_class}, the menu entry's StartupWMClass")

        main_id = e.wait_until("the main window's id", lambda: e.capture(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{e.MAIN_CAPTION}$"]).split())[0]
        e.run(["xdotool", "windowfocus", "--sync", main_id, "key", "ctrl+q"], "Ctrl+Q on the main window")
        status = session.wait_for_exit()
        e.check(status == 0, f"the program ended with status {status}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(screen_reader_and_dock_names)
