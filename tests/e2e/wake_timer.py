#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program arms the kernel's wake-up timer for its next alarm, as the kernel itself shows it: a process of the
program's (its helper) holds a CLOCK_REALTIME_ALARM timerfd that runs out at the alarm's minute, and once that
minute has passed, at the next alarm's, two hours on. The kernel keeps these timers on the real clock, which
libfaketime does not reach, so this scenario alone runs on the real clock, its first alarm within two minutes.
The helper needs cap_wake_alarm; where it cannot have it the scenario fails and says so.

usage: wake_timer.py path/to/brevora path/to/brevora-wake"""

import datetime
import glob
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

CLOCK_REALTIME_ALARM = 8


def utc_now():
    return datetime.datetime.now(datetime.timezone.utc).replace(tzinfo=None)


def helper_answer(helper):
    """The first line brevora-wake says; its input is closed at once, which ends it."""
    try:
        result = subprocess.run([helper], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, timeout=10)
    except subprocess.TimeoutExpired:
        e.fail(f"{helper} did not answer within 10 s")
    return result.stdout.decode(errors="replace").split("\n")[0]


def fdinfo_texts(pid):
    """The fdinfo of each of the process's descriptors. A helper that holds its capability as a file capability is
    not for its own user to look into; a user who is not root reads it through sudo, which the test command needs
    anyway."""
    folder = f"/proc/{pid}/fdinfo"
    if os.geteuid() == 0 or os.access(folder, os.R_OK):
        texts = []
        for info in glob.glob(os.path.join(folder, "*")):
            with open(info, encoding="utf-8", errors="replace") as f:
                texts.append(f.read())
        return texts
    read = subprocess.run(["sudo", "-n", "sh", "-c", f'for f in {folder}/*; do cat "$f"; echo "\f"; done'],
                          capture_output=True, text=True, errors="replace", check=False)
    return read.stdout.split("\f")


def timer_ends(group):
    """When the armed CLOCK_REALTIME_ALARM timers of the program's process group run out: fdinfo's it_value is
    the time each has left."""
    ends = []
    for stat in glob.glob("/proc/[0-9]*/stat"):
        try:
            with open(stat, encoding="utf-8", errors="replace") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            if int(fields[2]) != group:  # the state, the parent, then the process group
                continue
            for text in fdinfo_texts(os.path.basename(os.path.dirname(stat))):
                clock = re.search(r"^clockid:\s*(\d+)$", text, re.M)
                left = re.search(r"^it_value:\s*\((\d+),\s*(\d+)\)$", text, re.M)
                if clock and int(clock.group(1)) == CLOCK_REALTIME_ALARM and left and left.groups() != ("0", "0"):
                    ends.append(utc_now() + datetime.timedelta(seconds=int(left.group(1)) + int(left.group(2)) / 1e9))
        except (OSError, IndexError, ValueError):
            continue  # a process or a descriptor that went meanwhile
    return ends


def expect_armed_for(session, due):
    def armed():
        return any(abs((end - due).total_seconds()) <= 1.5 for end in timer_ends(session.program.pid))

    try:
        e.wait_until(f"a wake-up timer armed for {due:%H:%M}", armed, timeout=20, interval=0.2)
    except e.Failure:
        ends = [f"{end:%H:%M:%S}" for end in timer_ends(session.program.pid)]
        e.fail(f"no wake-up timer is armed for {due:%H:%M:%S}; the program's run out at {ends}")


def wake_timer(binary, helper):
    answer = helper_answer(helper)
    if answer != "ready":
        e.fail(f'brevora-wake cannot wake the machine here ("{answer}"): this test needs cap_wake_alarm, so run it '
               f"as root, or give the helper it with setcap cap_wake_alarm+ep {os.path.abspath(helper)}")
    with e.Session(binary) as session:
        # The first minute at least 20 s ahead, so that the program stands well before it.
        soon = (utc_now() + datetime.timedelta(seconds=80)).replace(second=0, microsecond=0)
        later = soon + datetime.timedelta(hours=2)
        files = {f"Events/Day/{m.hour}-{m.minute}.alm": e.alarm_line(text, "ninguno", str(m.hour), str(m.minute))
                 for m, text in ((soon, "Soon"), (later, "Later"))}
        session.start(None, files=files, wake_helper=helper)
        session.pass_splash()
        expect_armed_for(session, soon)
        notice = session.ui.window(e.NOTICE_CAPTION, timeout=(soon - utc_now()).total_seconds() + 20)
        shown = [e.text_of(box) for box in e.descendants(notice, "text")]
        e.check(shown == ["Soon"], f"the notice shows {shown}")
        expect_armed_for(session, later)
        session.expect_running()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)

    def wake_timer_on_the_real_clock():
        wake_timer(sys.argv[1], sys.argv[2])

    e.main(wake_timer_on_the_real_clock)
