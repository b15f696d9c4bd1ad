#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program against a private PulseAudio server whose only sink discards what it plays. The sink's monitor
# is recorded as raw 16-bit mono samples at 44.1 kHz into the file named by BREVORA_TEST_MONITOR, so the
# program can tell what was heard and when. Fails where PulseAudio is not installed (tools/test.sh installs it).
set -euo pipefail

program=${1:?usage: with_pulse.sh program [argument...]}
shift
for tool in pulseaudio pactl pacat parecord; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (pulseaudio, pulseaudio-utils)"; exit 1; }
done

# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/session.sh"
session_begin

# Nothing of the user's own sound setup is read or touched.
export PULSE_STATE_PATH=$work/state PULSE_COOKIE=$work/cookie
export PULSE_SERVER=unix:$work/native
pulseaudio --daemonize=no -n --system=false --use-pid-file=no --exit-idle-time=-1 --disallow-exit=yes \
    --log-target=file:"$work/pulse.log" --load="module-null-sink sink_name=null" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" &
pids+=($!)
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || { echo "FAIL: the sound server did not start"; cat "$work/pulse.log"; exit 1; }

# A stream with a short latency keeps the null sink running in real time; without it the sink renders up to
# two seconds ahead and sounds start late by a varying amount. Let the silence rendered ahead drain first.
pacat --playback --latency-msec=20 </dev/zero &
pids+=($!)
sleep 2.2
parecord --raw --device=null.monitor --latency-msec=20 --format=s16le --rate=44100 --channels=1 \
    >"$work/monitor.raw" &
pids+=($!)
export BREVORA_TEST_MONITOR=$work/monitor.raw

status=0
"$program" "$@" || status=$?
exit "$status"
