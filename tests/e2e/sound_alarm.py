#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""An alarm with a sound, chosen in the editor's advanced options: the file keeps the sound's path, and at the
alarm's minute the sound is heard through a private sound server, to its end, before the notice shows.

usage: sound_alarm.py path/to/brevora"""

import array
import datetime
import math
import os
import sys
import time
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import brevora_e2e as e  # noqa: E402

RATE = 44100
TONE_SECONDS = 1.0


def write_tone(path):
    samples = array.array("h", (int(12000 * math.sin(2 * math.pi * 880 * i / RATE))
                                for i in range(int(RATE * TONE_SECONDS))))
    with wave.open(path, "wb") as tone:
        tone.setnchannels(1)
        tone.setsampwidth(2)
        tone.setframerate(RATE)
        tone.writeframes(samples.tobytes())


def loud_spans(path, block=441):
    """The first and last 10 ms block of the recording that holds sound, in seconds from its start, and its
    length; None for the spans when all of it is silent."""
    with open(path, "rb") as f:
        samples = array.array("h", f.read())
    loud = [i for i in range(0, len(samples) - block, block) if max(map(abs, samples[i:i + block])) > 2000]
    length = len(samples) / RATE
    return (loud[0] / RATE, (loud[-1] + block) / RATE, length) if loud else (None, None, length)


def sound_alarm():
    with e.Session(sys.argv[1], sound=True) as session:
        ui = session.ui
        tone = session.path("tone.wav")
        write_tone(tone)
        session.start(datetime.datetime(2007, 2, 3, 13, 58))
        session.pass_splash()

        e.press(ui.main_window(), "New")
        chooser = ui.window(e.CHOOSER_CAPTION)
        e.choose_option(chooser, "Once")
        e.press(chooser, "Next   >")
        editor = ui.window("Brevora   New alarm (Once)")
        for name, value in (("Day", "3"), ("Month", "2"), ("Year", "2007"), ("Hour", "14"), ("Minutes", "0")):
            e.type_into(editor, name, value)
        e.type_into(editor, "Alarm text", "Tea is ready")
        e.press(editor, "Show advanced options")
        e.control(editor, "push button", "Hide advanced options")
        e.act(e.control(editor, "check box", "Reproduce a sound with the alarm"), "Toggle", "Press")
        e.type_into(editor, "Sound file", tone)
        e.press(editor, "Create")
        ui.gone(editor.name)
        name = "Events/Once/3-2-2007_14-0.alm"
        written = e.file_bytes(session.program_path(name))
        expected = e.alarm_line("Tea is ready", tone, "3", "2", "2007", "14", "0")
        e.check(written == expected, f"the file holds {written!r}, not {expected!r}")

        recording = session.path("heard.raw")
        with open(recording, "wb") as out:
            recorder = session.spawn(["parecord", "--raw", "--device=null.monitor", "--latency-msec=20",
                                      "--format=s16le", f"--rate={RATE}", "--channels=1"], stdout=out)
        session.restart(datetime.datetime(2007, 2, 3, 13, 59, 58))
        notice = ui.window(e.NOTICE_CAPTION, timeout=20)
        # Whatever still sounded when the notice showed would be heard in the next moments.
        time.sleep(0.3)
        e.stop(recorder)
        first, last, length = loud_spans(recording)
        e.check(first is not None, "no sound was heard")
        e.check(last - first >= TONE_SECONDS - 0.1, f"only {last - first:.2f} s of the sound was heard")
        e.check(length - last >= 0.15, f"the sound still played {length - last:.2f} s before the recording's end, "
                "after the notice had shown")
        shown = [e.text_of(box) for box in e.descendants(notice, "text")]
        e.check(shown == ["Tea is ready"], f"the notice shows {shown}")
        e.press(notice, "Close")
        ui.gone(e.NOTICE_CAPTION)
        e.wait_until("the alarm's file to go", lambda: e.file_bytes(session.program_path(name)) is None, timeout=5)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    e.main(sound_alarm)
