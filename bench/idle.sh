#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the real program costs while it sits idle under a virtual display with a notification area: CPU (% of one
# core), wake-ups per second (voluntary context switches of all its threads), bytes it wrote to disk, files of
# its folder it touched and resident memory, measured over a window after it has settled; once started hidden to
# its icon, once with its main window shown. Its one alarm is hours away. The window is at least five minutes, so
# that it crosses minute boundaries: whatever the program does at each minute shows. When alarm-clock-applet is
# installed it is measured the same way in the same run, for comparison.
#   bench/idle.sh build/brevora [seconds]     (seconds: the measuring window, 300 by default and at least)
set -euo pipefail

binary=$(realpath "${1:?usage: idle.sh path/to/brevora [seconds]}")
window=${2:-300}
((window >= 300)) || { echo "the window must hold five minutes of minute boundaries" >&2; exit 1; }
settle=10 # the splash window ends after 5 s; let the start-up work die down too
for tool in Xvfb xdotool trayer xwininfo dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done
applet=$(command -v alarm-clock-applet || true)

# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/scripts/session.sh"
session_begin
# Nothing of the user's desktop is read or changed, and no accessibility bridge adds wake-ups of its own.
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY QT_LINUX_ACCESSIBILITY_ALWAYS_ON LD_PRELOAD
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME"
start_xvfb -noreset

# A session bus, as a desktop has one, and a notification area for the icons.
dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" >/dev/null 2>&1 &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
trayer --edge top --align right --widthtype request --height 32 >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"panel": ("panel" "trayer")' && break
    sleep 0.1
done
xwininfo -root -tree | grep -q '"panel": ("panel" "trayer")' || { echo "the notification area did not start" >&2; exit 1; }

# Nanoseconds on a CPU and voluntary switches, summed over the threads the process has (the clock ticks of
# /proc/PID/stat are too coarse for an idle program).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f", n }'; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }
written() { awk '/^write_bytes/ { print $2 }' /proc/"$1"/io; }
declare -A cpu wakeups rss bytes touched

# measure key pid: settles, then fills cpu[key] (%), wakeups[key] (per second) and rss[key] (MB).
measure() {
    local key=$1 pid=$2 t0 t1 s0 s1 w0 w1
    sleep "$settle"
    kill -0 "$pid" 2>/dev/null || { echo "$key ended before it was measured" >&2; exit 1; }
    touch "$work/measured-from"
    t0=$(cpu_ns "$pid") s0=$(switches "$pid") w0=$(written "$pid")
    sleep "$window"
    t1=$(cpu_ns "$pid") s1=$(switches "$pid") w1=$(written "$pid")
    bytes[$key]=$((w1 - w0))
    touched[$key]=$(find "$work/program" -newer "$work/measured-from" 2>/dev/null | wc -l)
    cpu[$key]=$(awk -v t=$((t1 - t0)) -v s="$window" 'BEGIN { printf "%.4f", 100 * t / 1e9 / s }')
    wakeups[$key]=$(awk -v n=$((s1 - s0)) -v s="$window" 'BEGIN { printf "%.2f", n / s }')
    rss[$key]=$(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
    printf '%-28s CPU %8s %% of one core  %7s wake-ups/s  %8s bytes written  %3s files touched  %6s MB resident\n' \
        "$key" "${cpu[$key]}" "${wakeups[$key]}" "${bytes[$key]}" "${touched[$key]}" "${rss[$key]}"
}

stop_process() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# The program's windows that are mapped and larger than an icon.
big_windows() {
    local id
    for id in $(xdotool search --onlyvisible --class brevora 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        ((WIDTH > 64 && HEIGHT > 64)) && echo "$id"
    done
    return 0
}

run_brevora() { # hide: TRUE or FALSE
    local hide=$1 key program
    rm -rf "$work/program"
    mkdir -p "$work/program/Program files/Settings"
    cp "$binary" "$work/program/brevora"
    printf '#TRUE#\r\n' >"$work/program/Program files/Settings/past.bvr"
    printf '#FALSE#\r\n' >"$work/program/Program files/Settings/startup.bvr"
    printf '#%s#\r\n' "$hide" >"$work/program/Program files/Settings/hide.bvr"
    # One daily alarm, three hours from now.
    local hour minute
    hour=$(( ($(date +%-H) + 3) % 24 )) minute=$(date +%-M)
    mkdir -p "$work/program/Events/Day"
    printf '"Later","ninguno","%s","%s"\r\n' "$hour" "$minute" >"$work/program/Events/Day/$hour-$minute.alm"
    "$work/program/brevora" >/dev/null 2>&1 &
    program=$!
    pids+=("$program")
    [ "$hide" = TRUE ] && key="brevora hidden" || key="brevora shown"
    measure "$key" "$program"
    if [ "$hide" = TRUE ]; then
        [ -z "$(big_windows)" ] || { echo "a window of the program shows although it started hidden" >&2; exit 1; }
        xwininfo -root -tree | grep -q '"Brevora": ("brevora" "Brevora")' || { echo "no icon was docked" >&2; exit 1; }
    else
        [ -n "$(big_windows)" ] || { echo "the main window did not show" >&2; exit 1; }
    fi
    stop_process "$program"
}

run_applet() { # hidden or shown
    local program
    if [ "$1" = hidden ]; then "$applet" --hidden >/dev/null 2>&1 & else "$applet" >/dev/null 2>&1 & fi
    program=$!
    pids+=("$program")
    measure "alarm-clock-applet $1" "$program"
    stop_process "$program"
}

echo "idle over ${window} s after ${settle} s of settling:"
run_brevora TRUE
run_brevora FALSE
if [ -n "$applet" ]; then
    run_applet hidden
    run_applet shown
fi

verdict() { awk -v a="$1" -v b="$2" -v op="$3" 'BEGIN { ok = op == "<=" ? a <= b : a < b; print ok ? "met" : "MISSED" }'; }
echo "goals:"
echo "  hidden wake-ups ${wakeups[brevora hidden]}/s <= 0.01/s: $(verdict "${wakeups[brevora hidden]}" 0.01 '<=')"
echo "  shown wake-ups ${wakeups[brevora shown]}/s <= 1.1/s: $(verdict "${wakeups[brevora shown]}" 1.1 '<=')"
for state in hidden shown; do
    echo "  $state bytes written ${bytes[brevora $state]} = 0: $(verdict "${bytes[brevora $state]}" 0 '<=')"
    echo "  $state files touched ${touched[brevora $state]} = 0: $(verdict "${touched[brevora $state]}" 0 '<=')"
done
for state in hidden shown; do
    echo "  $state resident memory ${rss[brevora $state]} MB < 40 MB: $(verdict "${rss[brevora $state]}" 40 '<')"
done
if [ -n "$applet" ]; then
    echo "  hidden CPU ${cpu[brevora hidden]} % <= alarm-clock-applet's ${cpu[alarm-clock-applet hidden]} %:" \
        "$(verdict "${cpu[brevora hidden]}" "${cpu[alarm-clock-applet hidden]}" '<=')"
    ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print (a > 0 ? "inf" : "1 (both 0)") }'; }
    echo "brevora / alarm-clock-applet:"
    for state in hidden shown; do
        echo "  $state: CPU $(ratio "${cpu[brevora $state]}" "${cpu[alarm-clock-applet $state]}")," \
            "wake-ups $(ratio "${wakeups[brevora $state]}" "${wakeups[alarm-clock-applet $state]}")," \
            "resident memory $(ratio "${rss[brevora $state]}" "${rss[alarm-clock-applet $state]}")"
    done
else
    echo "  hidden CPU no more than alarm-clock-applet's: not measured (alarm-clock-applet is not installed)"
fi
