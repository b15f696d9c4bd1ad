#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up speed and idle cost of the real program under a virtual display, in a ProgramDir of its own with
# its settings in place (no first-start message). For each run: milliseconds from the process start to the
# splash window being visible, and to the main window being visible when a key skips the splash at once;
# then, on the last run, resident memory and CPU while the program sits idle with its main window shown.
#   bench/startup.sh build/brevora [runs]
set -euo pipefail

binary=$(realpath "${1:?usage: startup.sh path/to/brevora [runs]}")
runs=${2:-5}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/scripts/session.sh"
session_begin
start_xvfb -noreset
export QT_QPA_PLATFORM=xcb

mkdir -p "$work/program/Program files/Settings"
cp "$binary" "$work/program/brevora"
printf '#TRUE#\r\n' >"$work/program/Program files/Settings/past.bvr"
printf '#FALSE#\r\n' >"$work/program/Program files/Settings/startup.bvr"
printf '#FALSE#\r\n' >"$work/program/Program files/Settings/hide.bvr"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
visible() { xdotool search --onlyvisible --name '^Brevora$' 2>/dev/null || true; }
size_of() { xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=' | cut -d= -f2 | tr '\n' x; }

splash_times=() main_times=()
for run in $(seq "$runs"); do
    start=$(now_ms)
    "$work/program/brevora" &
    program=$!
    pids+=("$program")
    splash=""
    until [ -n "$splash" ]; do
        for id in $(visible); do [ "$(size_of "$id")" = "492x248x" ] && splash=$id; done
        (($(now_ms) - start < 10000)) || { echo "no splash window" >&2; exit 1; }
    done
    splash_times+=($(($(now_ms) - start)))
    xdotool windowfocus "$splash" key space
    main=""
    until [ -n "$main" ]; do
        for id in $(visible); do [ "$id" != "$splash" ] && main=$id; done
        (($(now_ms) - start < 10000)) || { echo "no main window" >&2; exit 1; }
    done
    main_times+=($(($(now_ms) - start)))
    echo "run $run: splash shown after ${splash_times[-1]} ms, main window after ${main_times[-1]} ms"
    if ((run < runs)); then
        xdotool windowfocus "$main" key ctrl+x
        wait "$program" || true
    fi
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "median: splash ${splash_times[*]:+$(median "${splash_times[@]}")} ms, main window $(median "${main_times[@]}") ms"

sleep 3
ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$program/stat"; }
rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$program/status")
before=$(cpu)
sleep 20
after=$(cpu)
awk -v kb="$rss_kb" -v t="$((after - before))" -v hz="$ticks" \
    'BEGIN { printf "idle: resident memory %.1f MB, CPU %.2f%% of one core over 20 s\n", kb / 1024, 100 * t / hz / 20 }'
