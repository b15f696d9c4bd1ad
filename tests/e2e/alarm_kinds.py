#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One alarm of a kind, the whole way: created through the wizard, written under its exact name and bytes, due
at its minute with the notice "Alarm!!" showing its text, acknowledged with "Close", and then deleted (Once) or
set aside in its past folder, back in its active folder when the program starts again, and due again in its next
period. Each moment is reached by starting the program again a little before it.

usage: alarm_kinds.py path/to/brevora once|daily|weekly|monthly|yearly"""

import datetime
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

# 3 February 2007 is a Saturday.
KINDS = {
    "once": dict(caption="Once", folder="Once", past=None, fields=[("Day", "3"), ("Month", "2"), ("Year", "2007"),
                                                                   ("Hour", "14"), ("Minutes", "0")],
                 text="Dentist, 2nd floor", name="3-2-2007_14-0.alm", due="2007-02-03 14:00", again=None),
    "daily": dict(caption="Once a day", folder="Day", past="Past/Day", fields=[("Hour", "7"), ("Minutes", "5")],
                  text="Wake up", name="7-5.alm", due="2007-02-03 07:05", again="2007-02-04 07:05",
                  text_box="Texto del aviso"),
    "weekly": dict(caption="Once a week", folder="Week", past="Past/Week", weekday="Saturday",
                   fields=[("Hour", "23"), ("Minutes", "59")], text="Put the bins out", name="Saturday_23-59.alm",
                   due="2007-02-03 23:59", again="2007-02-10 23:59"),
    "monthly": dict(caption="Once a month", folder="Month", past="Past/Month", fields=[("Day", "3"), ("Hour", "9"),
                                                                                      ("Minutes", "30")],
                    text="Pay the rent", name="3_9-30.alm", due="2007-02-03 09:30", again="2007-03-03 09:30"),
    "yearly": dict(caption="Once a year", folder="Year", past="Past/Year", fields=[("Day", "3"), ("Month", "2"),
                                                                                   ("Hour", "20"), ("Minutes", "15")],
                   text="Birthday", name="3-2_20-15.alm", due="2007-02-03 20:15", again="2008-02-03 20:15"),
}
SECONDS = datetime.timedelta(seconds=1)


def minute(text):
    return datetime.datetime.strptime(text, "%Y-%m-%d %H:%M")


def see_notice(session, due, text):
    """Starts the program again just before the due minute and waits for the notice; returns it."""
    session.restart(due - SECONDS * 2)
    notice = session.ui.window(e.NOTICE_CAPTION, timeout=15)
    # The test's reckoning of the program's time runs a little ahead of the program's own.
    e.check(session.now() >= due, f"the notice showed at {session.now():%H:%M:%S}, before its minute")
    shown = [e.text_of(box) for box in e.descendants(notice, "text")]
    e.check(shown == [text], f"the notice shows {shown}, not [{text!r}]")
    # What a screen reader announces as the notice appears: a notification that carries the alarm's text.
    heard = (notice.getRoleName(), notice.description, [box.name for box in e.descendants(notice, "text")])
    e.check(heard == ("notification", text, ["Alarm text"]), f"a screen reader hears {heard}")
    return notice


def scenario(binary, kind):
    alarm = KINDS[kind]
    with e.Session(binary) as session:
        session.start(minute(alarm["due"]) - SECONDS * 180)
        session.pass_splash()
        ui = session.ui
        e.create_alarm(ui, alarm["caption"], alarm["fields"], alarm["text"], alarm.get("text_box", "Alarm text"),
                       alarm.get("weekday"))

        active = session.program_path("Events/" + alarm["folder"])
        past = session.program_path("Events/" + alarm["past"]) if alarm["past"] else None
        values = [alarm.get("weekday")] if alarm.get("weekday") else []
        values += [value for _, value in alarm["fields"]]
        expected = e.alarm_line(alarm["text"], "ninguno", *values)
        e.check(e.files_in(active) == [alarm["name"]], f"the folder holds {e.files_in(active)}, not {alarm['name']}")
        written = e.file_bytes(os.path.join(active, alarm["name"]))
        e.check(written == expected, f"the file holds {written!r}, not {expected!r}")
        ui.absent_for(e.NOTICE_CAPTION, 0.5)

        notice = see_notice(session, minute(alarm["due"]), alarm["text"])
        e.press(notice, "Close")
        ui.gone(e.NOTICE_CAPTION)
        e.check(e.files_in(active) == [], f"the active folder still holds {e.files_in(active)} after Close")
        ui.absent_for(e.NOTICE_CAPTION, 1)
        if past is None:
            return
        e.check(e.files_in(past) == [alarm["name"]], f"the past folder holds {e.files_in(past)}")
        e.check(e.file_bytes(os.path.join(past, alarm["name"])) == expected, "the set-aside file changed")

        # A new start returns the set-aside alarm at once, so it is due again in its next period.
        notice = see_notice(session, minute(alarm["again"]), alarm["text"])
        e.check(e.files_in(active) == [alarm["name"]] and e.files_in(past) == [],
                "the set-aside alarm was not returned to its active folder at start-up")
        e.check(e.file_bytes(os.path.join(active, alarm["name"])) == expected, "the returned file changed")
        e.press(notice, "Close")
        ui.gone(e.NOTICE_CAPTION)
        e.check(e.files_in(past) == [alarm["name"]], "the alarm was not set aside again in its next period")


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in KINDS:
        sys.exit(__doc__)

    def one_alarm_of_a_kind():
        scenario(sys.argv[1], sys.argv[2])

    one_alarm_of_a_kind.__name__ = f"one {sys.argv[2]} alarm from the wizard to its return"
    e.main(one_alarm_of_a_kind)
