#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, started for the first time in an empty folder under a virtual display: it lays out its
# folder tree, creates the settings files and says so once, shows its splash window until a key is pressed
# on it, then shows its main window centred, hands a second start over to itself, and ends cleanly through
# "Exit".
set -euo pipefail

binary=${1:?usage: first_start.sh path/to/brevora}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (xvfb, xdotool)"; exit 1; }
done
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1 || true)
[ -n "$faketime_lib" ] || { echo "FAIL: libfaketime is not installed"; exit 1; }

# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/session.sh"
session_begin
start_xvfb

mkdir "$work/program"
cp "$binary" "$work/program/brevora"
FAKETIME='@2007-02-03 13:59:58' LD_PRELOAD=$faketime_lib QT_QPA_PLATFORM=xcb "$work/program/brevora" &
program=$!
pids+=("$program")

fail() { echo "FAIL: $*"; exit 1; }

box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Files missing$' | head -n 1) \
    || fail "no \"Files missing\" message appeared"
for folder in Events/Once Events/Day Events/Week Events/Month Events/Year \
    Events/Past/Day Events/Past/Week Events/Past/Month Events/Past/Year; do
    [ -d "$work/program/$folder" ] || fail "folder $folder was not created"
done
[ "$(od -An -c "$work/program/Program files/Settings/past.bvr" | tr -d ' \n')" = '#TRUE#\r\n' ] \
    || fail "past.bvr does not hold #TRUE# CR LF"
[ "$(od -An -c "$work/program/Program files/Settings/hide.bvr" | tr -d ' \n')" = '#FALSE#\r\n' ] \
    || fail "hide.bvr does not hold #FALSE# CR LF"
[ "$(od -An -c "$work/program/Program files/Settings/repeat.bvr" | tr -d ' \n')" = '#FALSE#\r\n' ] \
    || fail "repeat.bvr does not hold #FALSE# CR LF"

# Without a window manager nothing gives the box the focus; do it directly, as a user's click would.
xdotool windowfocus --sync "$box" key Return || fail "could not answer the message"

# Both the splash and the main window are named "Brevora"; their sizes tell them apart.
screen_w=1280 screen_h=1024
geometry() { xdotool getwindowgeometry --shell "$1" | tr '\n' ' '; }
visible_named() { xdotool search --onlyvisible --name '^Brevora$' 2>/dev/null || true; }
wait_for_size() { # width height -> window id
    local end=$((SECONDS + 10)) id
    while ((SECONDS < end)); do
        for id in $(visible_named); do
            eval "$(geometry "$id")"
            if ((WIDTH == $1 && HEIGHT == $2)); then echo "$id"; return 0; fi
        done
        sleep 0.05
    done
    return 1
}
centred() { # id
    eval "$(geometry "$1")"
    (( X == (screen_w - WIDTH) / 2 && Y == (screen_h - HEIGHT) / 2 ))
}

splash=$(wait_for_size 492 248) || fail "the splash window did not appear"
centred "$splash" || fail "the splash window is not centred: $(geometry "$splash")"
[ "$(visible_named | wc -l)" -eq 1 ] || fail "the main window showed while the splash was up"
xdotool windowfocus --sync "$splash" key space || fail "could not press a key on the splash window"

main=""
end=$((SECONDS + 10))
while [ -z "$main" ] && ((SECONDS < end)); do
    for id in $(visible_named); do [ "$id" != "$splash" ] && main=$id; done
    [ -n "$main" ] || sleep 0.05
done
[ -n "$main" ] || fail "the main window did not appear after the splash"
[ "$(visible_named | wc -l)" -eq 1 ] || fail "the splash window stayed after the key"
# The window may still be settling into its place for a moment after it maps.
for _ in $(seq 20); do centred "$main" && break; sleep 0.05; done
centred "$main" || fail "the main window is not centred: $(geometry "$main")"
kill -0 "$program" 2>/dev/null || fail "the program ended by itself"

# A second start on the same folder does not run beside the first: it hands over to it and ends at once.
second=0
timeout 10 env QT_QPA_PLATFORM=xcb "$work/program/brevora" || second=$?
[ "$second" -eq 0 ] || fail "a second start did not end at once (status $second)"
kill -0 "$program" 2>/dev/null || fail "the second start ended the first"
[ "$(visible_named | wc -l)" -eq 1 ] || fail "the second start showed windows of its own"

# "Exit" from the File menu by its shortcut ends the program at once and cleanly.
xdotool windowfocus --sync "$main" key ctrl+x || fail "could not press Ctrl+X"
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.05; done
kill -0 "$program" 2>/dev/null && fail "the program did not end on Exit"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: first start"
