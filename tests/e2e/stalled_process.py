#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A program stopped (as a paused virtual machine or a swap storm holds it) across an alarm's minute and continued
in the next one shows that minute's alarm and tells of the skipped one within seconds, as a program that was not
running would have. The rows: the stall alone; a stray file written into a folder during it; and a sleep that
logind (a stand-in on a private system bus) announces before the stall and whose resume it announces before the
program is continued, where the announcement writes the state file and the resume is told at once.

usage: stalled_process.py path/to/brevora plain|stray_file|logind"""

import datetime
import os
import signal
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

TITLE = "Missed alarms"
ROWS = ("plain", "stray_file", "logind")
DAY = datetime.date(2007, 2, 3)
STATE_FILE = "Program files/last-running"


def at(hour, minute, second):
    return datetime.datetime.combine(DAY, datetime.time(hour, minute, second))


def sleep_until(session, moment):
    time.sleep(max(0.0, (moment - session.now()).total_seconds()))


def stalled_process(row):
    with e.Session(sys.argv[1], logind=row == "logind") as session:
        # Under logind the start is a minute earlier: the state file written at the start holds 13:58, and the one
        # the announced sleep writes is told from it (a later moment within the minute written is not written).
        session.start(at(13, 58, 57) if row == "logind" else at(13, 59, 47),
                      files={"Events/Day/14-0.alm": e.alarm_line("Tea", "ninguno", "14", "0"),
                             "Events/Day/14-1.alm": e.alarm_line("Cake", "ninguno", "14", "1")})
        session.pass_splash()
        state = session.program_path(STATE_FILE)
        if row == "logind":
            # The program holds back the sleep until it has written what it must.
            e.wait_until("the program's inhibitor", lambda: "'Brevora'" in session.logind_inhibitors()
                         and "'delay'" in session.logind_inhibitors(), timeout=20)
            before = e.file_bytes(state)
            sleep_until(session, at(13, 59, 5))
            session.announce_sleep(True)
            written = e.wait_until("the state file written before the sleep",
                                   lambda: e.file_bytes(state) not in (before, None) and e.file_bytes(state),
                                   timeout=30)
            e.check(written.startswith(b"2007-02-03T13:59:"), f"the state file holds {written!r}")
        sleep_until(session, at(13, 59, 55))
        os.kill(session.program.pid, signal.SIGSTOP)
        # A stop that came after 14:00 would see Tea shown rather than missed: a machine too busy for this test.
        e.check(session.now() < at(14, 0, 0), f"the program was stopped only at {session.now():%H:%M:%S}")
        if row == "stray_file":
            e.write_file(session.program_path("Events/Week/notes.txt"), b"not an alarm\r\n")
        sleep_until(session, at(14, 1, 10))
        if row == "logind":
            session.announce_sleep(False)
        continued = time.monotonic()
        os.kill(session.program.pid, signal.SIGCONT)
        box, text = session.ui.message(TITLE, timeout=20)
        told = time.monotonic() - continued
        e.check("Tea" in text and "Cake" not in text, f'the box says "{text}"')
        if row == "logind":
            e.check(told <= 1.0, f"the skipped alarm was told {told:.1f} s after the resume")
        notice = session.ui.window(e.NOTICE_CAPTION, timeout=20)
        shown = [e.text_of(field) for field in e.descendants(notice, "text")]
        e.check(shown == ["Cake"], f"the notice shows {shown}")
        e.press(box, "OK")
        session.expect_running()


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in ROWS:
        sys.exit(__doc__)
    row = sys.argv[2]

    def stalled_process_row():
        stalled_process(row)

    stalled_process_row.__name__ = f"stalled process ({row})"
    e.main(stalled_process_row, limit=400)
