#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader speaks the alarm's notice as it appears, text and all, while the keyboard stays with the window
the user was in: a real Orca, with its speech sent to a silent sound server, heard through its debug log.

usage: screen_reader.py path/to/brevora"""

import datetime
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

TEXT = "Tea is ready"
SPOKEN_WITHIN = 2.0

# Orca writes its debug file through Python's buffer, which holds the last lines until it is full; opened line by
# line, the file has each utterance as soon as Orca makes it.
ORCA = """
import builtins, runpy, sys
_open = builtins.open
def line_by_line(file, mode="r", *args, **kwargs):
    if file == sys.argv[-1].split("=", 1)[1] and "w" in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)
builtins.open = line_by_line
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


def spoken(log, mark):
    with open(log, encoding="utf-8", errors="replace") as f:
        f.seek(mark)
        return [line.split("SPEECH OUTPUT:", 1)[1].strip() for line in f if "SPEECH OUTPUT:" in line]


def active_window():
    return e.capture(["xdotool", "getactivewindow"]).strip()


def notice_is_spoken():
    with e.Session(sys.argv[1], sound=True) as session:
        e.require_tools("orca", "openbox", "speech-dispatcher")
        # A window manager, which gives windows the focus and would give it to the notice if it asked for it.
        session.spawn(["openbox"])
        log = session.path("orca.log")
        session.spawn(["/usr/bin/python3", "-c", ORCA, "--replace", "--debug-file=" + log])
        # Orca greets once it is ready; what it says later is heard from then on.
        e.wait_until("Orca's first words", lambda: os.path.exists(log) and spoken(log, 0), timeout=30)

        session.start(datetime.datetime(2007, 2, 3, 13, 59, 50),
                      files={"Events/Day/14-0.alm": e.alarm_line(TEXT, "ninguno", "14", "0")})
        session.pass_splash()
        main = e.capture(["xdotool", "search", "--onlyvisible", "--name", "^Brevora$"]).split()
        e.check(main, "the main window is not shown")
        e.run(["xdotool", "windowactivate", "--sync", main[0]], "the main window's activation")
        e.wait_until("the main window to have the keyboard", lambda: active_window() == main[0])
        mark = os.path.getsize(log)
        e.check(session.now() < datetime.datetime(2007, 2, 3, 13, 59, 58),
                "the alarm's minute came before the main window had the keyboard")

        session.ui.window(e.NOTICE_CAPTION, timeout=20)
        # Found a moment after it appeared: the time allowed is, if anything, a little longer than it seems.
        deadline = time.monotonic() + SPOKEN_WITHIN
        while not any(TEXT in words for words in spoken(log, mark)) and time.monotonic() < deadline:
            time.sleep(0.05)
        said = spoken(log, mark)
        e.check(any(TEXT in words for words in said), f'Orca did not say "{TEXT}" within {SPOKEN_WITHIN:g} s: {said}')
        e.check(active_window() == main[0], "the notice took the keyboard from the main window")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(notice_is_spoken)
