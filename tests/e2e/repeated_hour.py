#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Started in the hour that a change to winter time repeats, at 02:09:56 CEST on 25 October 2026 in Berlin: the
daily alarm of 2:10 is shown at 02:10 CEST, not an hour later in the second pass.

usage: repeated_hour.py path/to/brevora"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

DAILY = "Events/Day/2-10.alm"
CEST = datetime.timezone(datetime.timedelta(hours=2))


def repeated_hour():
    with e.Session(sys.argv[1]) as session:
        os.environ["TZ"] = "Europe/Berlin"
        due = datetime.datetime(2026, 10, 25, 2, 10, tzinfo=CEST)
        session.start(due - datetime.timedelta(seconds=4), files={DAILY: e.alarm_line("Night shift", "ninguno", "2", "10")})
        notice = session.ui.window(e.NOTICE_CAPTION, timeout=15)
        e.check(session.now() >= due, f"the notice showed at {session.now():%H:%M:%S%z}, before its minute")
        shown = [e.text_of(box) for box in e.descendants(notice, "text")]
        e.check(shown == ["Night shift"], f"the notice shows {shown}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(repeated_hour)
