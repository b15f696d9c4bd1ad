#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The exported calendar as another program reads it: Python's icalendar, a reader that shares no code with
libical, must find each alarm's event with its UID, start, rule and sound, and what it writes back must import
into an empty store as the same files, byte for byte (the X-BREVORA-FILE property survives the trip).

Usage: ical_other_reader.py BREVORA
"""
import os
import subprocess
import sys
import tempfile
import urllib.parse

try:
    import icalendar
except ImportError:
    sys.exit("ical_other_reader.py needs Python's icalendar: install python3-icalendar")

SOUND = "/tmp/Klänge mit Leerzeichen/wecker ü.wav"
ALARMS = [
    (["once", "3-2-2031", "14:00"], "Dentist, then; lunch \\ x", None),
    (["daily", "7:05"], "Tea", None),
    (["weekly", "Monday", "8:30"], "Gym", SOUND),
    (["monthly", "31", "8:00"], "Rent", None),
    (["yearly", "29-2", "9:00"], "Leap day", None),
]
RULES = {"daily": "DAILY", "weekly": "WEEKLY", "monthly": "MONTHLY", "yearly": "YEARLY"}


def brevora(program, store, *args):
    return subprocess.run([program, "--program-dir", store, *args], capture_output=True, check=False)


def files(store):
    found = {}
    for folder, _, names in os.walk(os.path.join(store, "Events")):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                found[os.path.relpath(path, store)] = f.read()
    return found


def main():
    program = sys.argv[1]
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        source, target = os.path.join(tmp, "source"), os.path.join(tmp, "target")
        # A folder named with --program-dir must be there: only the default folder is made by a command.
        os.makedirs(source)
        os.makedirs(target)
        uids = {}
        for when, text, sound in ALARMS:
            added = brevora(program, source, "--add", *when, "--text", text, *(["--sound", sound] if sound else []))
            path = added.stdout.decode().strip()
            if not path:
                sys.exit("--add %s failed: %s" % (" ".join(when), added.stderr.decode()))
            name = os.path.basename(path)
            uids["%s-%s@brevora" % (when[0], urllib.parse.quote(name, safe=""))] = (when[0], text, sound)

        exported = brevora(program, source, "--export-ics")
        if exported.returncode != 0:
            sys.exit("--export-ics ended with %d: %s" % (exported.returncode, exported.stderr.decode()))
        calendar = icalendar.Calendar.from_ical(exported.stdout)
        events = {str(e["UID"]): e for e in calendar.walk("VEVENT")}
        if sorted(events) != sorted(uids):
            faults.append("the events' UIDs are %s, not %s" % (sorted(events), sorted(uids)))
        for uid, (kind, text, sound) in uids.items():
            event = events.get(uid)
            if event is None:
                continue
            if str(event["SUMMARY"]) != text:
                faults.append("%s: SUMMARY reads %r" % (uid, str(event["SUMMARY"])))
            if event.get("DTSTART") is None or event["DTSTART"].dt.tzinfo is not None:
                faults.append("%s: DTSTART is not a floating time" % uid)
            rule = event.get("RRULE")
            if (rule["FREQ"][0] if rule else None) != RULES.get(kind):
                faults.append("%s: RRULE is %r" % (uid, rule))
            attaches = [str(a["ATTACH"]) for a in event.walk("VALARM") if str(a["ACTION"]) == "AUDIO"]
            wanted = ["file://" + urllib.parse.quote(sound)] if sound else []
            if attaches != wanted:
                faults.append("%s: the sound's ATTACH is %s, not %s" % (uid, attaches, wanted))

        again = os.path.join(tmp, "again.ics")
        with open(again, "wb") as f:
            f.write(calendar.to_ical())
        imported = brevora(program, target, "--import-ics", again)
        if imported.returncode != 0:
            faults.append("--import-ics ended with %d: %s" % (imported.returncode, imported.stderr.decode()))
        if files(target) != files(source):
            faults.append("the import of what icalendar wrote differs: %s against %s" % (files(target), files(source)))
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
