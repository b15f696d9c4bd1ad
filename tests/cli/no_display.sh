#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a command-line tool with no display, no session bus and no sound server: it must answer
# without ever connecting to a window system (a display that does not exist would make a windowed start abort).
set -euo pipefail

brevora=${1:?usage: no_display.sh path/to/brevora}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p -m 700 "$work/run"
store=$work/store
failures=0
passes=0

# Runs brevora in a bare environment; sets $status, $out and $err.
run() {
    set +e
    out=$(env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/run" LC_ALL=C.UTF-8 \
        PULSE_SERVER="unix:$work/no-such-server" ${DISPLAY_FOR_RUN:+DISPLAY=$DISPLAY_FOR_RUN} \
        ${PLATFORM_FOR_RUN:+QT_QPA_PLATFORM=$PLATFORM_FOR_RUN} \
        timeout 20 "$brevora" "$@" 2>"$work/err")
    status=$?
    set -e
    err=$(cat "$work/err")
}

expect() { # what, wanted status, [text that stderr or stdout must hold]
    local what=$1 wanted=$2 text=${3:-}
    if [[ $status != "$wanted" ]]; then
        echo "FAIL: $what: status $status, wanted $wanted; stderr: $err"
        failures=$((failures + 1))
    elif [[ -n $text && $out$err != *"$text"* ]]; then
        echo "FAIL: $what: no \"$text\" in: $out $err"
        failures=$((failures + 1))
    else
        echo "ok: $what"
        passes=$((passes + 1))
    fi
}

run --version
expect "version" 0 "brevora "
run --help
expect "help" 0 "--program-dir"
expect "help says the windows need a display" 0 "need a display"

# With no arguments it would open the windows: without a display it says so, instead of Qt's abort and core.
run
expect "no display, no arguments" 1 "need a display"
expect "no display points to the command line" 1 "--help"
# A platform named, or a display named that does not exist: still the program's own message, never Qt's abort.
PLATFORM_FOR_RUN=xcb run
expect "no display, a platform named" 1 "need a display"
DISPLAY_FOR_RUN=:4711 run
expect "a display named that does not exist" 1 "could not be opened"
run --lsit
expect "unknown option is a usage error" 2 "brevora: "

# A folder named with --program-dir must be there: only the default folder is made by a command.
mkdir -p "$store"
run --add once 3-2-2999 14:00 --text Dentist --program-dir "$store"
expect "add a one-time alarm" 0 "3-2-2999_14-0.alm"
if ! cmp -s <(printf '"Dentist","ninguno","3","2","2999","14","0"\r\n') "$store/Events/Once/3-2-2999_14-0.alm"; then
    echo "FAIL: the one-time alarm's bytes"
    failures=$((failures + 1))
fi
run --add daily 7:05 --text Wake --sound "$work/missing.wav" --program-dir "$store"
expect "add a daily alarm whose sound is missing" 0 "does not play"
run --add daily 7:05 --text Again --program-dir "$store"
expect "an existing alarm is kept" 1 "already exists"

DISPLAY_FOR_RUN=:4711 run --list --program-dir "$store"
expect "list with a display that does not exist" 0 "Wake"
[[ $(head -n 1 <<<"$out") == *$'\tdaily\t'* ]] || { echo "FAIL: the daily alarm is due first: $out"; failures=$((failures + 1)); }

run --check --program-dir "$store"
expect "check finds the missing sound" 1 "missing.wav does not exist"
expect "check finds no sound server" 1 "no sound server answers"

rm "$store/Events/Day/7-5.alm"
mkdir -p "$store/Program files/Settings"
printf '#TRUE#\r\n' >"$store/Program files/Settings/past.bvr"
printf '#FALSE#\r\n' >"$store/Program files/Settings/startup.bvr"
printf '#FALSE#\r\n' >"$store/Program files/Settings/hide.bvr"
run --check --program-dir "$store"
expect "a clean store passes without a sound server" 0

echo "$passes passed, $failures failed"
((failures == 0))
