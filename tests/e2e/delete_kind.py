#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""File -> "Delete all alarms of this type" in the main window: refused before a kind is chosen, left alone on
No, and on Yes every alarm file of the chosen kind gone from its active folder and every file from its past
folder, while other files and other kinds stay. Then File -> "Export alarms..." opens a file dialog, whose Save
writes the alarms that are left as a calendar.

usage: delete_kind.py path/to/brevora"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

ACTIVE = {
    "Events/Day/7-5.alm": e.alarm_line("Wake up", "ninguno", "7", "5"),
    "Events/Day/8-0.alm": e.alarm_line("Walk the dog", "ninguno", "8", "0"),
    "Events/Day/readme.txt": b"not an alarm\r\n",
    "Events/Week/Monday_8-30.alm": e.alarm_line("Team meeting", "ninguno", "Monday", "8", "30"),
    "Events/Once/3-2-2007_14-0.alm": e.alarm_line("Dentist", "ninguno", "3", "2", "2007", "14", "0"),
}
# Put in place once the program runs, as its start-up returns whatever waits in the past folders.
SET_ASIDE = {
    "Events/Past/Day/9-15.alm": e.alarm_line("Coffee", "ninguno", "9", "15"),
    "Events/Past/Day/notes.txt": b"set aside\r\n",
    "Events/Past/Week/Friday_9-0.alm": e.alarm_line("Report", "ninguno", "Friday", "9", "0"),
}
FILES = {**ACTIVE, **SET_ASIDE}
MENU, ITEM = "File", "Delete all alarms of this type"
QUESTION = "Are you sure you want to delete all the alarms of the following type: Once a day?"


def store(session):
    found = {}
    for folder in ("Once", "Day", "Week", "Past/Day", "Past/Week"):
        for name in e.files_in(session.program_path("Events/" + folder)):
            found[f"Events/{folder}/{name}"] = e.file_bytes(session.program_path(f"Events/{folder}/{name}"))
    return found


def listed(window):
    """The names in the alarm list (the list that is not the kind box's)."""
    lists = [found for found in e.descendants(window, "list") if found.parent.getRoleName() != "combo box"]
    e.check(len(lists) == 1, f"the main window has {len(lists)} alarm lists")
    return [item.name for item in e.descendants(lists[0], "list item")]


def delete_all_of_a_kind():
    with e.Session(sys.argv[1]) as session:
        ui = session.ui
        session.start(datetime.datetime(2007, 2, 3, 10, 0), files=ACTIVE)
        session.pass_splash()
        main = ui.main_window()
        for path, data in SET_ASIDE.items():
            e.write_file(session.program_path(path), data)

        e.choose_menu_item(main, MENU, ITEM)
        box, text = ui.message("Error")
        e.check(text == "Select an alarm type", f'the error says "{text}"')
        e.press(box, "OK")
        ui.gone("Error")

        e.choose_from_list(main, "Alarm type", "Once a day")
        e.wait_until("the daily alarms in the list", lambda: listed(main) == ["7-5.alm", "8-0.alm"], timeout=5)
        e.choose_menu_item(main, MENU, ITEM)
        box, text = ui.message(e.CONFIRM_CAPTION)
        e.check(text == QUESTION, f'the confirmation says "{text}"')
        e.press(box, "No")
        ui.gone(e.CONFIRM_CAPTION)
        e.check(store(session) == FILES, "No changed the alarm store")
        e.check(listed(main) == ["7-5.alm", "8-0.alm"], "No changed the list")

        e.choose_menu_item(main, MENU, ITEM)
        box, _ = ui.message(e.CONFIRM_CAPTION)
        e.press(box, "Yes")
        ui.gone(e.CONFIRM_CAPTION)
        kept = {path: data for path, data in FILES.items() if "/Day/" not in path or path.endswith("readme.txt")}
        e.wait_until("the daily alarms to go", lambda: store(session) == kept, timeout=5)
        e.wait_until("an empty list", lambda: listed(main) == [], timeout=5)

        # The dialog starts at alarms.ics in the home folder, which has no Documents.
        e.choose_menu_item(main, MENU, "Export alarms...")
        dialog = ui.window("Export alarms", role="dialog")
        e.press(dialog, "Save")
        ui.gone("Export alarms")
        calendar = os.path.join(os.environ["HOME"], "alarms.ics")
        e.wait_until("the exported calendar", lambda: os.path.isfile(calendar), timeout=5)
        text = e.file_bytes(calendar).decode()
        uids = sorted(line[4:] for line in text.splitlines() if line.startswith("UID:"))
        e.check(uids == ["once-3-2-2007_14-0.alm@brevora", "weekly-Friday_9-0.alm@brevora",
                         "weekly-Monday_8-30.alm@brevora"], f"the calendar holds {uids}")
        session.expect_running()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(delete_all_of_a_kind)
