#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The check of a hidden start asks the display itself whether a notification area is there: none on a bare
# virtual display, one as soon as a tray panel runs. Fails without Xvfb or trayer (tools/test.sh installs them).
set -euo pipefail

brevora=${1:?usage: notification_area.sh path/to/brevora}
for tool in Xvfb trayer; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (xvfb, trayer)"; exit 1; }
done

# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/session.sh"
session_begin
start_xvfb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY

store=$work/store
mkdir -p "$store/Program files/Settings"
printf '#TRUE#\r\n' >"$store/Program files/Settings/past.bvr"
printf '#FALSE#\r\n' >"$store/Program files/Settings/startup.bvr"
printf '#TRUE#\r\n' >"$store/Program files/Settings/hide.bvr"

status=0
"$brevora" --check --program-dir "$store" 2>"$work/err" || status=$?
if [[ $status != 1 ]] || ! grep -q "no notification area" "$work/err"; then
    echo "FAIL: a bare display passed the check (status $status): $(cat "$work/err")"
    echo "0 passed, 1 failed"
    exit 1
fi

trayer --edge top --align right --widthtype request --height 32 &
pids+=($!)
for _ in $(seq 100); do # the panel takes its selection a moment after it starts
    "$brevora" --check --program-dir "$store" 2>/dev/null && break
    sleep 0.1
done
status=0
"$brevora" --check --program-dir "$store" 2>"$work/err" || status=$?
if [[ $status != 0 ]]; then
    echo "FAIL: the tray panel was not found (status $status): $(cat "$work/err")"
    echo "1 passed, 1 failed"
    exit 1
fi
echo "2 passed, 0 failed"
