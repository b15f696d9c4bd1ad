#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""With "Show the alarms only while it's the programmed hour" on, a notice nobody closes closes itself as its
minute ends, within moments, and sets its alarm aside exactly as "Close" would; the main window's clock shows the
program's time and ticks.

usage: auto_dismiss.py path/to/brevora"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

ALARM = e.alarm_line("Stretch", "ninguno", "7", "5")
MINUTE_ENDS = datetime.datetime(2007, 2, 3, 7, 6)
# How long after its minute a notice may take to close on a busy machine.
LATE = datetime.timedelta(seconds=3)


def clock_label(window):
    """The main window's time of day as it shows it, and that label's text."""
    for label in e.descendants(window, "label"):
        try:
            return datetime.datetime.strptime(label.name, "%H:%M:%S").time(), label.name
        except ValueError:
            pass
    e.fail("the main window shows no time of day")


def notice_closes_itself_after_its_minute():
    with e.Session(sys.argv[1]) as session:
        ui = session.ui
        # Started within the alarm's minute: the notice shows at once and has fifteen seconds left.
        session.start(datetime.datetime(2007, 2, 3, 7, 5, 45), past=True, files={"Events/Day/7-5.alm": ALARM})
        notice = ui.window(e.NOTICE_CAPTION, timeout=10)
        shown = [e.text_of(box) for box in e.descendants(notice, "text")]
        e.check(shown == ["Stretch"], f"the notice shows {shown}")

        session.pass_splash()
        main = ui.main_window()
        e.control(main, "label", "Saturday")
        # The label is read somewhere between these two moments and may lag a tick behind.
        before = session.now()
        shown, text = clock_label(main)
        after = session.now()
        e.check((before - datetime.timedelta(seconds=2)).time() <= shown <= after.time(),
                f"the main window's clock shows {text} between {before:%H:%M:%S} and {after:%H:%M:%S}")
        seen = {text}
        e.wait_until("the main window's clock to tick on", lambda: seen.add(clock_label(main)[1]) or len(seen) > 2,
                     timeout=5)

        e.stays("the notice within its minute", lambda: ui.shown_windows(e.NOTICE_CAPTION),
                (MINUTE_ENDS - session.now()).total_seconds() - 0.5)
        e.check(e.files_in(session.program_path("Events/Day")) == ["7-5.alm"], "the alarm moved before its time")
        ui.gone(e.NOTICE_CAPTION, timeout=(MINUTE_ENDS + LATE - session.now()).total_seconds())
        e.check(e.files_in(session.program_path("Events/Day")) == [], "the alarm stayed in its active folder")
        past = session.program_path("Events/Past/Day/7-5.alm")
        e.check(e.file_bytes(past) == ALARM, "the alarm was not set aside unchanged")
        ui.absent_for(e.NOTICE_CAPTION, 1)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(notice_closes_itself_after_its_minute)
