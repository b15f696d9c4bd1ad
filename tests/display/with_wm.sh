#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a QtTest program on a virtual display managed by openbox, for the faults that only a real focus change
# or a window manager shows. Fails where Xvfb or openbox is not installed (tools/test.sh installs them).
set -euo pipefail

program=${1:?usage: with_wm.sh program [argument...]}
shift
for tool in Xvfb openbox xprop xdotool; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is not installed (xvfb, openbox, x11-utils, xdotool)"
        exit 1
    }
done

# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/session.sh"
session_begin
# shellcheck disable=SC2119 # the display takes no options of the script's
start_xvfb

export HOME=$work XDG_CONFIG_HOME=$work/config
# The window manager is in charge once it names itself on the root window. With other displays starting at the
# same moment it has been seen to fail to open its display once; it is started again then, up to three times.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for attempt in 1 2 3; do
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm=$!
    pids+=("$wm")
    for _ in $(seq 100); do
        wm_ready && break
        kill -0 "$wm" 2>/dev/null || break
        sleep 0.1
    done
    wm_ready && break
    echo "openbox did not start (attempt $attempt):" >&2
    cat "$work/openbox.log" >&2
    kill "$wm" 2>/dev/null || true
done
wm_ready || { echo "FAIL: openbox did not start"; exit 1; }

QT_QPA_PLATFORM=xcb "$program" "$@"
