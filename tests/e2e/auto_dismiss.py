#!/usr/bin/python3
"""With "Show the alarms only while it's the programmed hour" on, a notice nobody closes closes itself as its
minute ends and sets its alarm aside exactly as "Close" would; the main window's clock shows the program's time.

usage: auto_dismiss.py path/to/brevora"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

ALARM = e.alarm_line("Stretch", "ninguno", "7", "5")


def notice_closes_itself_after_its_minute():
    with e.Session(sys.argv[1]) as session:
        ui = session.ui
        session.start(datetime.datetime(2007, 2, 3, 7, 4, 40), past=True, files={"Events/Day/7-5.alm": ALARM})
        session.pass_splash()
        main = ui.main_window()
        e.control(main, "label", "Saturday")

        session.set_clock(datetime.datetime(2007, 2, 3, 7, 4, 58))
        notice = ui.window(e.NOTICE_CAPTION, timeout=15)
        shown = [e.text_of(box) for box in e.descendants(notice, "text")]
        e.check(shown == ["Stretch"], f"the notice shows {shown}")
        e.stays("the notice within its minute", lambda: ui.shown_windows(e.NOTICE_CAPTION), 1.5)
        e.check(e.files_in(session.program_path("Events/Day")) == ["7-5.alm"], "the alarm moved before its time")

        session.set_clock(datetime.datetime(2007, 2, 3, 7, 5, 58))
        ui.gone(e.NOTICE_CAPTION, timeout=15)
        e.check(e.files_in(session.program_path("Events/Day")) == [], "the alarm stayed in its active folder")
        past = session.program_path("Events/Past/Day/7-5.alm")
        e.check(e.file_bytes(past) == ALARM, "the alarm was not set aside unchanged")
        ui.absent_for(e.NOTICE_CAPTION, 1)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(notice_closes_itself_after_its_minute)
