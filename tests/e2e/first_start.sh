#!/usr/bin/env bash
# The real program, started for the first time in an empty folder under a virtual display: it lays out its
# folder tree, creates the settings files, says so once, and then shows its main window.
set -euo pipefail

binary=${1:?usage: first_start.sh path/to/brevora}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1 || true)
[ -n "$faketime_lib" ] || { echo "SKIP: libfaketime is not installed"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" &
pids+=($!)
read -r -t 10 dpy <"$work/display"
export DISPLAY=:$dpy

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

# Without a window manager nothing gives the box the focus; do it directly, as a user's click would.
xdotool windowfocus --sync "$box" key Return || fail "could not answer the message"
timeout 10 xdotool search --sync --onlyvisible --name '^Brevora$' >/dev/null \
    || fail "the main window did not appear after the message"
kill -0 "$program" 2>/dev/null || fail "the program ended by itself"
echo "PASS: first start"
