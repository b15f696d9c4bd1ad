#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""With "Repeat the sound until the notice is answered" on, a notice's sound is heard again at least every ten
seconds for as long as the notice is open, and Close silences it within 200 ms; off, the sound plays once.

usage: repeat_sound.py path/to/brevora on|off"""

import array
import datetime
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402
from sound_alarm import RATE, write_tone  # noqa: E402

# How long the open notice is listened to: more than two of the longest gaps allowed; with the setting off,
# more than two of the program's pauses.
LISTEN_SECONDS = 25
LISTEN_OFF_SECONDS = 12
LONGEST_GAP = 10.0
STOPS_WITHIN = 0.2
BLOCK = RATE // 100  # 10 ms


def recorded_seconds(path):
    return os.path.getsize(path) / 2 / RATE


def loud_blocks(path):
    """The start, in seconds, of each 10 ms block of the recording that holds sound."""
    with open(path, "rb") as f:
        samples = array.array("h", f.read())
    return [i / RATE for i in range(0, len(samples) - BLOCK, BLOCK) if max(map(abs, samples[i:i + BLOCK])) > 2000]


def soundings(blocks):
    """Where each sounding starts: a loud block after at least half a second of silence."""
    starts = []
    for i, at in enumerate(blocks):
        if i == 0 or at - blocks[i - 1] > 0.5:
            starts.append(at)
    return starts


def repeat_sound():
    repeat = sys.argv[2] == "on"
    with e.Session(sys.argv[1], sound=True) as session:
        ui = session.ui
        tone = session.path("tone.wav")
        write_tone(tone)
        recording = session.path("heard.raw")
        with open(recording, "wb") as out:
            recorder = session.spawn(["parecord", "--raw", "--device=null.monitor", "--latency-msec=20",
                                      "--format=s16le", f"--rate={RATE}", "--channels=1"], stdout=out)
        session.start(datetime.datetime(2007, 2, 3, 13, 59, 58), repeat=repeat,
                      files={"Events/Day/14-0.alm": e.alarm_line("Tea is ready", tone, "14", "0")})
        notice = ui.window(e.NOTICE_CAPTION, timeout=20)
        shown_at = recorded_seconds(recording)
        time.sleep(LISTEN_SECONDS if repeat else LISTEN_OFF_SECONDS)
        starts = soundings(loud_blocks(recording))
        e.check(starts, "no sound was heard")
        if not repeat:
            e.check(len(starts) == 1, f"the sound played {len(starts)} times, at {starts} s, not once")
            return
        # Heard again while the notice is open, never more than ten seconds after the last time, until now.
        heard = starts + [recorded_seconds(recording)]
        gaps = [later - earlier for earlier, later in zip(heard, heard[1:])]
        e.check(len(starts) >= 3 and max(gaps) <= LONGEST_GAP,
                f"the sound was heard at {starts} s of {heard[-1]:.1f} s (the notice showed at {shown_at:.1f} s)")

        # Close while the sound plays: the recorder's length marks the moment, a little early if anything.
        e.wait_until("a sounding", lambda: (loud_blocks(recording) or [0])[-1] > recorded_seconds(recording) - 0.1,
                     timeout=LONGEST_GAP + 2, interval=0.02)
        closed_at = recorded_seconds(recording)
        e.press(notice, "Close")
        ui.gone(e.NOTICE_CAPTION)
        # Listened to beyond the pause, so that a repeat still to come would be heard too.
        time.sleep(LONGEST_GAP)
        e.stop(recorder)
        last = loud_blocks(recording)[-1] + BLOCK / RATE
        e.check(last - closed_at <= STOPS_WITHIN,
                f"the sound went on for {last - closed_at:.2f} s after Close (heard until {last:.2f} s)")
        e.check(last - closed_at >= -0.15, "the sound had ended before Close, which proves nothing")


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in ("on", "off"):
        sys.exit(__doc__)
    e.main(repeat_sound)
