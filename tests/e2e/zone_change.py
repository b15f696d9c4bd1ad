#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The machine's time zone changed under the running program, from Berlin to Tokyo, as the time-date service
changes it (a new /etc/localtime link moved into place): no alarm is reported missed that was never due, and the
next alarm is shown at Tokyo's wall time.

The program runs in a mount namespace of its own whose /etc is a copy, so that the change touches nothing else.

usage: zone_change.py path/to/brevora"""

import datetime
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

ZONES = "/usr/share/zoneinfo/"


def set_zone(etc, zone):
    """Replaces etc/localtime by a link to the zone in one rename, as timedatectl does."""
    link = os.path.join(etc, ".localtime.new")
    os.symlink(ZONES + zone, link)
    os.replace(link, os.path.join(etc, "localtime"))


def private_etc(etc):
    """Runs the program with etc mounted over /etc, in a mount namespace of its own. A user who is not root is root
    of a user namespace for the mount, then themselves again in one inside it, so that the buses still know them."""

    def wrap(argv, env):
        # The C library follows /etc/localtime only while TZ is unset.
        env.pop("TZ", None)
        if os.geteuid() == 0:
            mount = 'mount --bind "$0" /etc && exec "$@"'
            return ["unshare", "--mount", "--propagation", "private", "sh", "-c", mount, etc, *argv]
        mount = 'mount --bind "$0" /etc && u=$1 g=$2 && shift 2 && exec unshare --map-user="$u" --map-group="$g" "$@"'
        return ["unshare", "--map-root-user", "--mount", "--propagation", "private", "sh", "-c", mount, etc,
                str(os.getuid()), str(os.getgid()), *argv]

    return wrap


def zone_change():
    e.require_tools("unshare", "mount")
    with e.Session(sys.argv[1]) as session:
        etc = session.path("etc")
        # What the user cannot read stays out of the copy; the program needs none of it.
        subprocess.run(["cp", "-a", "/etc/.", etc], stderr=subprocess.DEVNULL, check=False)
        e.check(os.path.isfile(os.path.join(etc, "ld.so.cache")), "/etc could not be copied")
        set_zone(etc, "Europe/Berlin")
        session.wrap = private_etc(etc)
        day = datetime.date(2007, 2, 3)
        files = {
            # 15:00 and 20:00 lie between Berlin's 14:00 and Tokyo's 22:00: never due on this day.
            "Events/Day/15-0.alm": e.alarm_line("Never due", "ninguno", "15", "0"),
            "Events/Day/20-0.alm": e.alarm_line("Never due either", "ninguno", "20", "0"),
            "Events/Day/22-1.alm": e.alarm_line("Tokyo evening", "ninguno", "22", "1"),
        }
        session.start(datetime.datetime.combine(day, datetime.time(14, 0, 40)), files=files)
        session.pass_splash()
        set_zone(etc, "Asia/Tokyo")
        notice = session.ui.window(e.NOTICE_CAPTION, timeout=40)
        shown = [e.text_of(box) for box in e.descendants(notice, "text")]
        e.check(shown == ["Tokyo evening"], f"the notice shows {shown}")
        e.check(not session.ui.shown_windows("Missed alarms"), "alarms that were never due were reported missed")
        session.expect_running()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(zone_change)
