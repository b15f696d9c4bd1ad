#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots that software centres show from the AppStream data: the main window with a few alarms,
# the first step of the new-alarm wizard and the notice of a due alarm. The real program runs on a virtual display
# under openbox, so that the windows have the frames a desktop gives them, with a fake clock that brings the
# alarm due a few seconds after the start.
# Usage: tools/screenshots.sh [BINARY [FOLDER]]   (defaults: build/brevora, packaging/screenshots)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
binary="$(realpath "${1:-$root/build/brevora}")"
out="${2:-$root/packaging/screenshots}"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"
brevora_install_missing xvfb xauth xdotool libfaketime openbox imagemagick fonts-liberation
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)

# shellcheck source=tests/scripts/session.sh
source "$root/tests/scripts/session.sh"
session_begin
start_xvfb
openbox --sm-disable &
pids+=($!)

mkdir -p "$work/program" "$out"
program="$work/program/brevora"
cp "$binary" "$program"
export FAKETIME='@2026-12-07 09:59:45' LD_PRELOAD=$faketime_lib QT_QPA_PLATFORM=xcb
"$program" --add once 7-12-2026 10:00 --text "Dentist at 10:30, bring the X-rays" >/dev/null
"$program" --add daily 7:30 --text "Take the tablets" >/dev/null
"$program" --add weekly Monday 8:30 --text "Gym" >/dev/null
"$program" --add monthly 1 9:00 --text "Pay the rent" >/dev/null
"$program" --add yearly 14-2 8:00 --text "Flowers for Ana" >/dev/null
"$program" &
pids+=($!)
unset LD_PRELOAD

window() { # caption [seconds] -> the id of the shown window with exactly that caption
    local end=$((SECONDS + ${2:-15})) id
    # A search fails now and then when a window goes away during it.
    while ((SECONDS < end)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "no window \"$1\" appeared" >&2
    return 1
}
shoot() { # window-id name: the window with its frame, once it has settled
    sleep 1
    import -frame -window "$1" "$work/shot.png"
    # No time stamps, so that an unchanged window gives the same file.
    convert "$work/shot.png" -strip "$out/$2.png"
    echo "$out/$2.png"
}

# A first start says which files it made; the splash then waits for a key.
if box=$(window 'Files missing' 3 2>/dev/null); then
    xdotool windowfocus --sync "$box" key Return
fi
splash=$(window Brevora)
xdotool windowactivate --sync "$splash" key space
sleep 1
main=$(window Brevora)
# The weekly alarms in the list, by the kind box's menu, and the first one chosen, with its text.
xdotool mousemove --window "$main" 77 50 click 1 sleep 0.5 key Down Down Down Down Return sleep 0.5
xdotool mousemove --window "$main" 60 82 click 1
shoot "$main" main-window

xdotool windowactivate --sync "$main" key ctrl+n
chooser=$(window 'Brevora   New Alarm')
shoot "$chooser" new-alarm
# "Cancel", by the mouse: a notice waits while the wizard is open.
xdotool mousemove --window "$chooser" 253 181 click 1

notice=$(window 'Alarm!!' 40)
shoot "$notice" notice
