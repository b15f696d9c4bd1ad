#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Started on a Wayland desktop (weston without a screen, with Xwayland) as a user's session would start it, with
no Qt platform chosen: the program goes through Xwayland, so its windows are X windows that it places itself,
shows its main window and a due alarm's notice, and plays the alarm's sound, one of its own. With
QT_QPA_PLATFORM=wayland it runs natively instead and shows its windows all the same; without Xwayland too, after
one plain line that says so.

usage: wayland_start.py path/to/brevora"""

import datetime
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402
from sound_alarm import RATE, loud_spans  # noqa: E402


def notice_and_sound_under_wayland():
    with e.Session(sys.argv[1], sound=True, wayland=True) as session:
        ui = session.ui
        chime = os.path.join(os.path.dirname(session.binary), "sounds", "chime.wav")
        e.check(os.path.isfile(chime), f"the build made no {chime}")
        alarm = e.alarm_line("Tea is ready", chime, "14", "0")

        recording = session.path("heard.raw")
        with open(recording, "wb") as out:
            recorder = session.spawn(["parecord", "--raw", "--device=null.monitor", "--latency-msec=20",
                                      "--format=s16le", f"--rate={RATE}", "--channels=1"], stdout=out)
        session.start(datetime.datetime(2007, 2, 3, 13, 59, 57), files={"Events/Day/14-0.alm": alarm})
        notice = ui.window(e.NOTICE_CAPTION, timeout=20)
        time.sleep(0.3)
        e.stop(recorder)
        first, last, _ = loud_spans(recording)
        e.check(first is not None, "no sound was heard")
        e.check(last - first >= 0.5, f"only {last - first:.2f} s of the chime was heard")
        shown = [e.text_of(box) for box in e.descendants(notice, "text")]
        e.check(shown == ["Tea is ready"], f"the notice shows {shown}")
        e.check(session.program_windows(), "the program's windows are not X windows: it did not use Xwayland")
        e.press(notice, "Close")
        ui.gone(e.NOTICE_CAPTION)
        ui.main_window(timeout=15)

        session.platform = "wayland"
        session.restart(datetime.datetime(2007, 2, 3, 14, 5))
        ui.main_window(timeout=15)
        e.check(not session.program_windows(), "with QT_QPA_PLATFORM=wayland the program still made X windows")

        # Without Xwayland there is no X display: the program runs natively and says so in one plain line.
        session.platform = None
        del os.environ["DISPLAY"]
        log = session.path("program.log")
        before = os.path.getsize(log)
        session.restart(datetime.datetime(2007, 2, 3, 14, 10))
        ui.main_window(timeout=15)
        with open(log, "rb") as f:
            f.seek(before)
            said = [line for line in f.read().decode().splitlines() if "xcb" in line or "wayland" in line.lower()]
        e.check(len(said) == 1 and "Xwayland is not running" in said[0], f"the program said {said}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(notice_and_sound_under_wayland)
