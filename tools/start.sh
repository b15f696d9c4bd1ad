#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Brevora and starts it. Started from build/, a folder the user can write to, the program keeps its alarms
# and settings beside its executable, in build/.
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY) it builds, then says how to run the program instead of
# letting Qt fail; BREVORA_XVFB=1 runs it under a virtual X display instead, to see that it starts.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"

has_display() {
    [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]
}

if ! has_display && [[ "${BREVORA_XVFB:-}" != 1 ]]; then
    echo "Note: no display (DISPLAY and WAYLAND_DISPLAY are unset): Brevora is built but not started." >&2
fi

# setcap (libcap2-bin) gives the wake-up helper its capability below.
brevora_install_missing "${brevora_build_packages[@]}" libcap2-bin
if ! has_display && [[ "${BREVORA_XVFB:-}" == 1 ]]; then
    brevora_install_missing xvfb xauth
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only what is started: the tests and benchmarks are tools/test.sh's to build. The help target exists when the
# configure step found chmcmd; brevora-wake, the helper that wakes the machine from suspend, on Linux.
targets=(brevora brevora-wake)
if command -v chmcmd >/dev/null 2>&1; then
    targets+=(brevora_help)
fi
cmake --build "$root/build" -j"$(nproc)" --target "${targets[@]}"

# The helper wakes the machine only with the capability cap_wake_alarm, which a build does not give and only root
# can (the Debian package's postinst does the same). Without it the program runs all the same, only without waking
# the machine.
wake_helper="$root/build/brevora-wake"
if ! { ((EUID == 0)) && setcap cap_wake_alarm+ep "$wake_helper"; }; then
    echo "Note: $wake_helper could not be given cap_wake_alarm (this is not root, or the file system holds no" \
        "capabilities): alarms will not wake the machine from suspend." >&2
fi

if has_display; then
    exec "$root/build/brevora" "$@"
fi

if [[ "${BREVORA_XVFB:-}" == 1 ]]; then
    echo "Starting Brevora on a virtual display (Xvfb): its windows are not visible anywhere. Ctrl+C ends it." >&2
    exec xvfb-run -a "$root/build/brevora" "$@"
fi

cat >&2 <<MESSAGE

Brevora is built ($root/build/brevora), but there is no display to show its windows on:
neither DISPLAY nor WAYLAND_DISPLAY is set, as in a text console, an ssh session without X forwarding or a
container. Brevora is a desktop program; to use it, do one of these:
  - run this command again from a terminal inside your desktop session;
  - log in with "ssh -X" (X forwarding), then run this command again;
  - from a desktop session, start $root/build/brevora directly.
To only see that it starts, without a screen, run it on a virtual display (installs xvfb when missing):
  BREVORA_XVFB=1 bash tools/start.sh
MESSAGE
exit 1
