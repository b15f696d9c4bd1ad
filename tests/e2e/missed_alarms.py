#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program started after a one-time alarm's moment, with no notification server on the bus: a message box
lists the missed alarm, whose file stays where it is. Started again the next day, the daily alarm whose minute
fell while it was not running is listed, counted from the moment the first run last watched the clock; the
one-time alarm, told once already, is not.

usage: missed_alarms.py path/to/brevora"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

ONCE = "Events/Once/3-2-2007_14-0.alm"
DAILY = "Events/Day/7-5.alm"
TITLE = "Missed alarms"


def missed_alarms():
    with e.Session(sys.argv[1]) as session:
        ui = session.ui
        session.start(datetime.datetime(2007, 2, 5, 10, 0),
                      files={ONCE: e.alarm_line("Dentist", "ninguno", "3", "2", "2007", "14", "0")})
        box, text = ui.message(TITLE, timeout=15)
        e.check("Dentist" in text and "Once" in text, f'the box says "{text}"')
        e.press(box, "OK")
        ui.gone(TITLE)
        e.check(os.path.exists(session.program_path(ONCE)), "the missed one-time alarm's file went")
        e.check(os.path.exists(session.program_path("Program files/last-running")), "no last-running file")

        e.write_file(session.program_path(DAILY), e.alarm_line("Wake up", "ninguno", "7", "5"))
        session.restart(datetime.datetime(2007, 2, 6, 8, 0))
        box, text = ui.message(TITLE, timeout=15)
        e.check("Wake up" in text and "Dentist" not in text, f'the box says "{text}"')
        e.press(box, "OK")
        session.expect_running()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(missed_alarms)
