#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A due alarm's notice comes with one desktop notification, whatever the session's notification server does:
- answering: exactly one notification, with the alarm's time, kind and text, the program's icon (by name where it
  is installed, as a picture where not) and desktop entry, expiring as the server says, posted as the notice shows,
  and not again while the notice stays in its minute; Close on the notice withdraws it within a second, also after
  another client (not the server) said that notification was closed;
- hung (it takes the call and never answers), or none on the bus: the notices show at their minute as before, and
  the program says so in one line of its output, not one per alarm;
- slow (it answers only after the program's four seconds): the trace a notice leaves when its minute ends unanswered
  still replaces the notice's notification rather than adding a second.

usage: notification.py path/to/brevora answering|hung|none|slow"""

import datetime
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

DUE = datetime.datetime(2007, 2, 3, 14, 0)
START = DUE - datetime.timedelta(seconds=2)
ALARMS = {
    "Events/Once/3-2-2007_14-0.alm": e.alarm_line("Tea & <cake>", "ninguno", "3", "2", "2007", "14", "0"),
    "Events/Day/14-0.alm": e.alarm_line("Stretch", "ninguno", "14", "0"),
}
# The notification is posted as the notice shows; the notice is seen a little later through accessibility.
POSTED_WITH_NOTICE = 0.1
# How late a notice may show on a busy machine; a notice waiting for a hung server would be seconds late.
NOTICE_LATE = 1.5
FAKE_SERVER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fake_notifications.py")


def posted(record):
    try:
        with open(record) as f:
            return [json.loads(line) for line in f]
    except FileNotFoundError:
        return []


def start_server(session, record, mode=None):
    server = session.spawn([sys.executable, FAKE_SERVER, record] + ([mode] if mode else []), stdout=subprocess.PIPE)
    e.check(e.read_line(server.stdout.fileno(), "the notification server") == "ready",
            "the notification server did not start")


def notices_at_their_minute(session):
    """Waits for both notices; returns the moment (time.monotonic()) they were both seen."""
    session.start(START, files=ALARMS)
    e.wait_until("both notices", lambda: len(session.ui.shown_windows(e.NOTICE_CAPTION)) == 2, timeout=15)
    seen = time.monotonic()
    late = (session.now() - DUE).total_seconds()
    e.check(late < NOTICE_LATE, f"the notices showed {late:.2f} s after their minute")
    return seen


def one_notification_per_alarm(session, record):
    seen = notices_at_their_minute(session)
    notes = e.wait_until("two notifications", lambda: len(posted(record)) >= 2 and posted(record), timeout=5)
    by_body = {note["body"]: note for note in notes}
    e.check(sorted(by_body) == ["Stretch", "Tea &amp; &lt;cake&gt;"], f"the notifications say {sorted(by_body)}")
    e.check(by_body["Stretch"]["summary"] == "Alarm at 14:00 (once a day)", f"{by_body['Stretch']['summary']!r}")
    once = by_body["Tea &amp; &lt;cake&gt;"]
    e.check(once["summary"] == "Alarm at 14:00 (once)", f"the one-time alarm's summary is {once['summary']!r}")
    for note in notes:
        e.check(note["app"] == "Brevora", f"posted as {note['app']}")
        e.check(note["icon"] == "io.github.brevora.brevora" or "image-data" in note["hints"],
                f"no icon: {note['icon']!r} {sorted(note['hints'])}")
        e.check(note["hints"].get("desktop-entry") == "io.github.brevora.brevora", f"hints {note['hints']}")
        e.check(note["hints"].get("urgency") == 1 and note["timeout"] == -1, f"not as the server says: {note}")
        e.check(note["actions"][:1] == ["default"], f"no default action: {note['actions']}")
        e.check(note["at"] <= seen + POSTED_WITH_NOTICE,
                f"posted {note['at'] - seen:.2f} s after its notice was seen")
    # The due checks find the alarms again and again while their minute lasts.
    e.stays("the number of notifications", lambda: len(posted(record)) == 2, 2)
    stretch = by_body["Stretch"]
    daily = [n for n in session.ui.shown_windows(e.NOTICE_CAPTION)
             if any(e.text_of(t) == "Stretch" for t in e.descendants(n, "text"))]
    e.check(len(daily) == 1, "the daily alarm's notice is not on screen")
    e.press(daily[0], "Close")
    closed = time.monotonic()
    close = e.wait_until("the notification to be withdrawn",
                         lambda: [n for n in posted(record) if n.get("close") == stretch["id"]], timeout=3)
    e.check(close[0]["at"] - closed < 1, f"withdrawn {close[0]['at'] - closed:.2f} s after Close")

    once = by_body["Tea &amp; &lt;cake&gt;"]
    impostor = session.spawn([sys.executable, FAKE_SERVER, record, "--impostor", str(once["id"])])
    e.check(impostor.wait(10) == 0, "the other client could not send its signals")
    time.sleep(0.5)
    e.press(session.ui.shown_windows(e.NOTICE_CAPTION)[0], "Close")
    e.wait_until("the one-time alarm's notification to be withdrawn",
                 lambda: [n for n in posted(record) if n.get("close") == once["id"]], timeout=3)


def notices_without_an_answer(session, record, hang):
    notices_at_their_minute(session)
    if hang:
        e.wait_until("the hung server to be sent the notifications", lambda: len(posted(record)) == 2)

    def said():
        return [line for line in session.program_log().splitlines() if "notification server" in line]

    lines = e.wait_until("the program to say that no notification was shown", said, timeout=10)
    time.sleep(0.5)  # the second alarm's answer comes with the first
    e.check(said() == lines and len(lines) == 1, f"the program said {said()}")
    for notice in session.ui.shown_windows(e.NOTICE_CAPTION):
        e.press(notice, "Close")
    session.ui.gone(e.NOTICE_CAPTION)
    e.check(e.files_in(session.program_path("Events/Once")) == [], "Close did not delete the one-time alarm")


def a_slow_servers_notification_is_replaced(session, record):
    # Shown at the start, ten seconds before its minute ends; "Show the alarms only while it's the programmed hour"
    # closes it then, unanswered.
    daily = "Events/Day/14-0.alm"
    session.start(DUE + datetime.timedelta(seconds=50), past=True, files={daily: ALARMS[daily]})
    notes = e.wait_until("the notice's notification and its trace",
                         lambda: [n for n in posted(record) if "summary" in n][1:] and posted(record), timeout=40)
    first, trace = [n for n in notes if "summary" in n][:2]
    e.check(trace["summary"] == "Missed: alarm at 14:00 (once a day)", f"the trace says {trace['summary']!r}")
    e.check(trace["replaces"] == first["id"],
            f"the trace replaces {trace['replaces']}, not the notice's notification {first['id']}")


def scenario(binary, server):
    with e.Session(binary) as session:
        record = session.path("notifications.jsonl")
        if server != "none":
            start_server(session, record, {"hung": "--hang", "slow": "--slow"}.get(server))
        if server == "answering":
            one_notification_per_alarm(session, record)
        elif server == "slow":
            a_slow_servers_notification_is_replaced(session, record)
        else:
            notices_without_an_answer(session, record, hang=server == "hung")


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in ("answering", "hung", "none", "slow"):
        sys.exit(__doc__)

    def notifications_with_notices():
        scenario(sys.argv[1], sys.argv[2])

    notifications_with_notices.__name__ = f"notices with the notification server {sys.argv[2]}"
    e.main(notifications_with_notices)
