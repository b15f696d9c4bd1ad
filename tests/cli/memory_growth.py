#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line's memory must not grow with the store beyond the little its order needs.

Usage: memory_growth.py BREVORA            the test: peak memory of --list and --check on a store of 20,000
                                           alarms against an empty store
       memory_growth.py --make-store DIR N fills DIR with a store of N alarms (for bench/cli_memory.sh)
"""
import os
import subprocess
import sys
import tempfile

FILES = 20000
# 150 MB at 100,000 files, less what the program needs with an empty store: about 1 KB a file.
MAX_BYTES_PER_FILE = 1024


def make_store(root, count):
    """About as many alarms of each kind as its names allow, with texts and sounds of everyday length."""
    events = os.path.join(root, "Events")
    shares = [("Once", 0.3), ("Day", 0.0144), ("Week", 0.1), ("Month", 0.2856), ("Year", 0.3)]
    made = 0
    for index, (folder, share) in enumerate(shares):
        path = os.path.join(events, folder)
        os.makedirs(path, exist_ok=True)
        wanted = count - made if index == len(shares) - 1 else min(int(count * share), count - made)
        for n in range(wanted):
            hour, minute = (n // 60) % 24, n % 60
            text = "Alarm number %d, with a text of everyday length" % n
            sound = "/usr/share/sounds/alarm-%d.wav" % (n % 7) if n % 3 == 0 else "ninguno"
            if folder == "Once":
                day, month, year = n // 1440 % 28 + 1, n // 40320 % 12 + 1, 2030 + n // 483840
                due = [day, month, year, hour, minute]
                name = "%d-%d-%d_%d-%d.alm" % tuple(due)
            elif folder == "Day":
                due = [hour, minute]
                name = "%d-%d.alm" % tuple(due)
            elif folder == "Week":
                weekday = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"][n // 1440 % 7]
                due = [weekday, hour, minute]
                name = "%s_%d-%d.alm" % tuple(due)
            elif folder == "Month":
                due = [n // 1440 % 31 + 1, hour, minute]
                name = "%d_%d-%d.alm" % tuple(due)
            else:
                day, month = n // 1440 % 28 + 1, n // 40320 % 12 + 1
                due = [day, month, hour, minute]
                name = "%d-%d_%d-%d.alm" % tuple(due)
            line = ",".join('"%s"' % field for field in [text, sound] + [str(f) for f in due]) + "\r\n"
            with open(os.path.join(path, name), "w", encoding="utf-8", newline="") as out:
                out.write(line)
        made += wanted
    settings = os.path.join(root, "Program files", "Settings")
    os.makedirs(settings, exist_ok=True)
    for name, value in [("past.bvr", "#TRUE#"), ("startup.bvr", "#FALSE#"), ("hide.bvr", "#FALSE#")]:
        with open(os.path.join(settings, name), "w", newline="") as out:
            out.write(value + "\r\n")


def peak_bytes(command):
    """The peak resident memory of the command, which writes to /dev/null as a pipe to a pager would read."""
    with open(os.devnull, "wb") as sink:
        process = subprocess.Popen(command, stdout=sink, stderr=sink)
        _, status, usage = os.wait4(process.pid, 0)
    if not os.WIFEXITED(status) or os.WEXITSTATUS(status) > 1:
        raise RuntimeError("%s ended with status %d" % (" ".join(command), status))
    return usage.ru_maxrss * 1024


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--make-store":
        make_store(sys.argv[2], int(sys.argv[3]))
        return 0
    brevora = sys.argv[1]
    failures = passes = 0
    # Memory, not the disk, is measured: the store is made where making it is quick.
    shm = "/dev/shm" if os.path.isdir("/dev/shm") and os.access("/dev/shm", os.W_OK) else None
    with tempfile.TemporaryDirectory(dir=shm) as work:
        empty, full = os.path.join(work, "empty"), os.path.join(work, "full")
        make_store(empty, 0)
        make_store(full, FILES)
        for command in (["--list"], ["--list", "--json"], ["--check"], ["--check", "--json"]):
            base = peak_bytes([brevora] + command + ["--program-dir", empty])
            grown = peak_bytes([brevora] + command + ["--program-dir", full]) - base
            per_file = grown / FILES
            what = " ".join(command)
            if per_file > MAX_BYTES_PER_FILE:
                print("FAIL: %s: %.0f bytes a file (%.1f MB for %d files), more than %d"
                      % (what, per_file, grown / 1e6, FILES, MAX_BYTES_PER_FILE))
                failures += 1
            else:
                print("ok: %s: %.0f bytes a file" % (what, per_file))
                passes += 1
    print("%d passed, %d failed" % (passes, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
