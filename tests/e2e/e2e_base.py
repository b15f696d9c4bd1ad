# SPDX-License-Identifier: GPL-3.0-or-later
"""What every end-to-end scenario leans on: failures, waits with deadlines, the processes a scenario
starts, and the alarm store's files as bytes."""

import glob
import os
import select
import shutil
import signal
import subprocess
import sys
import time

class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def check(condition, message):
    if not condition:
        fail(message)


def wait_until(what, predicate, timeout=10.0, interval=0.05):
    """Returns the first true value of predicate(); fails, naming what was awaited, once the deadline passes."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def stays(what, predicate, duration):
    """Fails as soon as predicate() turns false within duration seconds."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not predicate():
            fail(f"{what} changed within {duration:g} s")
        time.sleep(0.05)


def main(scenario, limit=240):
    """Runs one scenario and turns its outcome into the exit status the test runner reads. A scenario that
    outlives its limit, or a termination from outside, still stops everything it started."""

    def expired(signum, frame):
        raise Failure(f"the scenario did not finish within {limit} s")

    def terminated(signum, frame):
        raise SystemExit(128 + signum)

    signal.signal(signal.SIGALRM, expired)
    signal.signal(signal.SIGTERM, terminated)
    signal.alarm(limit)
    try:
        scenario()
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    finally:
        signal.alarm(0)
    print(f"PASS: {scenario.__name__.replace('_', ' ')}")


# --- the alarm store as files ------------------------------------------------------------------------------------


def alarm_line(*fields):
    """The one line an alarm file holds: every field quoted, commas between them, CR LF at the end."""
    return (",".join(f'"{field}"' for field in fields) + "\r\n").encode("latin-1")


def file_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def files_in(folder):
    try:
        return sorted(name for name in os.listdir(folder) if os.path.isfile(os.path.join(folder, name)))
    except FileNotFoundError:
        return []


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# --- processes -------------------------------------------------------------------------------------------------


def require_tools(*tools):
    # A missing tool fails the scenario: tools/test.sh installs every one, so a skip would only hide a machine
    # that cannot run it.
    for tool in tools:
        if shutil.which(tool) is None:
            fail(f"{tool} is not installed")


def faketime_library():
    found = sorted(glob.glob("/usr/lib/*/faketime/libfaketime.so.1"))
    return found[0] if found else None


def stop(process, grace=3):
    if process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(grace)
    except ProcessLookupError:
        return
    except subprocess.TimeoutExpired:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait(grace)


def run(argv, what, timeout=10):
    try:
        result = subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                timeout=timeout)
    except subprocess.TimeoutExpired:
        fail(f"timed out after {timeout} s waiting for {what}")
    if result.returncode != 0:
        fail(f"{what} failed: {result.stdout.decode(errors='replace').strip()}")
    return result.stdout.decode(errors="replace")


def capture(argv, timeout=10):
    """The output of a query that may find nothing; empty on any failure."""
    try:
        result = subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                                timeout=timeout)
    except subprocess.TimeoutExpired:
        return ""
    return result.stdout.decode(errors="replace")


def succeeds(argv, timeout=10):
    try:
        return subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                              timeout=timeout).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def read_line(fd, what, timeout=10):
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            fail(f"timed out waiting for {what}")
        ready, _, _ = select.select([fd], [], [], remaining)
        if ready:
            chunk = os.read(fd, 64)
            if not chunk:
                break
            data += chunk
    return data.decode().strip()
