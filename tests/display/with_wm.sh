#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a QtTest program on a virtual display managed by openbox, for the faults that only a real focus change
# or a window manager shows. Exits 77 (skipped) where Xvfb or openbox is not installed.
set -euo pipefail

program=${1:?usage: with_wm.sh program [argument...]}
shift
for tool in Xvfb openbox xprop xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/session.sh"
session_begin
# shellcheck disable=SC2119 # the display takes no options of the script's
start_xvfb

export HOME=$work XDG_CONFIG_HOME=$work/config
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# The window manager is in charge once it names itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
    || { echo "FAIL: openbox did not start"; cat "$work/openbox.log"; exit 1; }

QT_QPA_PLATFORM=xcb "$program" "$@"
