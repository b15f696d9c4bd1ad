#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A program stopped (as a paused virtual machine or a swap storm holds it) across an alarm's minute and continued
after it tells of that alarm within seconds, as a program that was not running would have.

usage: stalled_process.py path/to/brevora"""

import datetime
import os
import signal
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

TITLE = "Missed alarms"


def sleep_until(session, moment):
    time.sleep(max(0.0, (moment - session.now()).total_seconds()))


def stalled_process():
    with e.Session(sys.argv[1]) as session:
        day = datetime.date(2007, 2, 3)
        session.start(datetime.datetime.combine(day, datetime.time(13, 59, 47)),
                      files={"Events/Day/14-0.alm": e.alarm_line("Tea", "ninguno", "14", "0")})
        session.pass_splash()
        sleep_until(session, datetime.datetime.combine(day, datetime.time(13, 59, 55)))
        os.kill(session.program.pid, signal.SIGSTOP)
        sleep_until(session, datetime.datetime.combine(day, datetime.time(14, 1, 10)))
        os.kill(session.program.pid, signal.SIGCONT)
        box, text = session.ui.message(TITLE, timeout=5)
        e.check("Tea" in text, f'the box says "{text}"')
        e.press(box, "OK")
        session.expect_running()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(stalled_process, limit=400)
