# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the scripts that run real programs: a temporary work folder, a private runtime folder, and the
# processes they start, all removed or stopped when the script ends, however it ends.
#   source tests/scripts/session.sh; session_begin; start_xvfb [Xvfb option...]

session_begin() {
    work=$(mktemp -d)
    pids=()
    trap session_end EXIT
    export XDG_RUNTIME_DIR=$work/run
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

session_end() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}

# A virtual display on the first free number; Xvfb tells which one through a pipe.
start_xvfb() {
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp "$@" 3>"$work/display" &
    pids+=($!)
    local dpy
    read -r -t 10 dpy <"$work/display" || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$dpy
}
