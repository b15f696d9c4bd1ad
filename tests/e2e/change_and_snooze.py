#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Changing and snoozing an alarm, as a user does it:
- change: the list's entry tells a screen reader the alarm's text and next moment; a double-click on a daily alarm
  in the list opens its editor filled in; new minutes and "Change" leave
  the alarm under its new name with the new values, and the old file gone;
- snooze: "Snooze 10 minutes" chosen on a notice's desktop notification leaves a one-time alarm ten minutes on
  with the same text and sound, and the notice acknowledged.

usage: change_and_snooze.py path/to/brevora change|snooze"""

import datetime
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

DAILY = {"Events/Day/14-0.alm": e.alarm_line("Stretch", "ninguno", "14", "0")}


def double_click(acc):
    box = acc.queryComponent().getExtents(0)  # desktop coordinates
    e.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "--repeat",
           "2", "1"], f'a double-click on "{acc.name}"')


def change_by_double_click(session):
    ui = session.ui
    session.start(datetime.datetime(2007, 2, 3, 10, 0), files=DAILY)
    session.pass_splash()
    main = ui.main_window()
    e.choose_from_list(main, "Alarm type", "Once a day")
    item = e.wait_until("the daily alarm in the list",
                        lambda: [i for i in e.descendants(main, "list item", "14-0.alm") if e.showing(i)], timeout=5)
    # A screen reader hears what the entry is: its text and when it next rings (10:00 now, so today at 14:00).
    e.check(item[0].description.startswith("Stretch\nNext: ") and item[0].description.endswith(" 14:00"),
            f"the entry's description is {item[0].description!r}")
    double_click(item[0])
    editor = ui.window("Brevora   Change alarm (Once a day)")
    # The daily editor's text frame keeps its design's title, which accessibility names the box by.
    e.check(e.text_of(e.control(editor, "text", "Texto del aviso")) == "Stretch", "the editor is not filled in")
    e.type_into(editor, "Minutes", "30")
    e.press(editor, "Change")
    ui.gone(editor.name)
    folder = session.program_path("Events/Day")
    e.wait_until("the changed alarm", lambda: e.files_in(folder) == ["14-30.alm"], timeout=5)
    e.check(e.file_bytes(os.path.join(folder, "14-30.alm")) == e.alarm_line("Stretch", "ninguno", "14", "30"),
            "the changed alarm does not hold the new values")


def snooze_from_the_notification(session):
    record = session.path("notifications.jsonl")
    server = session.spawn([sys.executable, os.path.join(os.path.dirname(__file__), "fake_notifications.py"),
                            record, "--invoke", "snooze"], stdout=subprocess.PIPE)
    e.check(e.read_line(server.stdout.fileno(), "the notification server") == "ready",
            "the notification server did not start")
    session.start(datetime.datetime(2007, 2, 3, 13, 59, 58), files=DAILY)
    e.wait_until("the notice", lambda: session.ui.shown_windows(e.NOTICE_CAPTION), timeout=15)
    session.ui.gone(e.NOTICE_CAPTION)
    snoozed = session.program_path("Events/Once/3-2-2007_14-10.alm")
    e.wait_until("the snoozed alarm", lambda: os.path.exists(snoozed), timeout=5)
    e.check(e.file_bytes(snoozed) == e.alarm_line("Stretch", "ninguno", "3", "2", "2007", "14", "10"),
            "the snoozed alarm does not hold the alarm's text and sound")


if __name__ == "__main__":
    scenarios = {"change": change_by_double_click, "snooze": snooze_from_the_notification}
    if len(sys.argv) != 3 or sys.argv[2] not in scenarios:
        sys.exit(__doc__)

    def scenario():
        with e.Session(sys.argv[1]) as session:
            scenarios[sys.argv[2]](session)

    scenario.__name__ = sys.argv[2]
    e.main(scenario)
