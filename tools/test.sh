#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Brevora three times, plainly with GCC, with Clang, and with AddressSanitizer/UndefinedBehaviorSanitizer,
# and runs the tests in each. Every run happens even when an earlier one fails; the script fails when any did.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"

# The tests that drive the real program need a display server, window tools, a fake clock and sound; the sound
# tests also play the desktop's default sound from the freedesktop theme. The windows' texts are measured in the
# fonts a desktop may have: Liberation Sans, which the program asks for, a CJK font that the times and dates of
# East Asian locales fall back to (fonts-droid-fallback, which other programs pull in too), and the wider DejaVu
# Sans (fonts-dejavu-core) and Noto Sans (fonts-noto-core) that a desktop's theme may give in place of the
# program's own, once as KDE's Qt theme gives it (qt6ct). The end-to-end scenarios reach the windows over a private
# D-Bus session and accessibility bus, where a small server written with GDBus stands in for the desktop's
# notifications, and dock the icon in a small panel; focus changes and window frames are tested under openbox. A
# Wayland start runs in weston without a screen, through its Xwayland and natively (Qt's Wayland platform plugin,
# qt6-wayland). The exported calendar is read by a second iCalendar reader, Python's icalendar; the sleep and
# resume come from python3-dbusmock's logind. What a screen reader says of a notice is heard from Orca, speaking
# through speech-dispatcher and eSpeak NG to the silent sound server. None of these tests skips when its tool is
# missing: each fails.
brevora_install_missing "${brevora_build_packages[@]}" \
    xvfb xauth xdotool libfaketime x11-utils pulseaudio pulseaudio-utils sox sound-theme-freedesktop \
    dbus-daemon libglib2.0-bin at-spi2-core python3-pyatspi python3-gi gir1.2-glib-2.0 trayer openbox \
    fonts-droid-fallback fonts-dejavu-core fonts-noto-core qt6ct weston xwayland qt6-wayland python3-icalendar \
    python3-dbusmock orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng
# The packaging tests validate the installed desktop entry and AppStream data, build the Debian source package
# and, from it, the binary packages in a clean Debian 12 chroot made with debootstrap (kept in /var/cache/brevora
# for the next run; nothing installed here can stand in for a missing Build-Depends there), and check them with
# lintian; chmcmd (fp-utils) builds the help file, whose pages extract_chmLib (libchm-bin) takes out again to check
# them as a CHM viewer reads them. Clang builds the program a second time, to keep it portable, and builds the fuzz
# targets with its libFuzzer. setcap (libcap2-bin) gives the built wake-up helper its capability.
brevora_install_missing desktop-file-utils appstream fp-utils libchm-bin lintian dpkg-dev debhelper ccache \
    debootstrap libxcb1-dev clang libclang-rt-14-dev libcap2-bin

jobs="$(nproc)"
failed=()

# run_suite NAME BUILD_DIR CTEST_EXCLUDE [CMAKE_OPTION...]: configures, builds and tests one build tree, leaving
# out the tests whose names match CTEST_EXCLUDE (a regular expression; empty for none). Warnings fail these builds.
run_suite() {
    local name="$1" dir="$2" exclude="$3"
    shift 3
    echo "=== $name: configure and build in $dir"
    if ! cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVORA_WERROR=ON "$@"; then
        failed+=("$name (configure)")
        return 0
    fi
    if ! cmake --build "$dir" -j"$jobs"; then
        failed+=("$name (build)")
        return 0
    fi
    # The wake-up helper wakes the machine only with cap_wake_alarm, which root holds anyway; for another user it is
    # given to the built file through sudo, as the package's installation gives it to the installed one.
    if ((EUID != 0)) && [[ -x "$dir/brevora-wake" ]] && ! sudo -n setcap cap_wake_alarm+ep "$dir/brevora-wake"; then
        echo "Note: $dir/brevora-wake could not be given cap_wake_alarm; the tests of waking will say so." >&2
    fi
    echo "=== $name: tests"
    if ! ctest --test-dir "$dir" --output-on-failure -j2 ${exclude:+--exclude-regex "$exclude"}; then
        failed+=("$name (tests)")
    fi
    return 0
}

start=$SECONDS

# The package test builds in a clean chroot; its base is made (once) while the program compiles.
mkdir -p "$root/build"
bash "$root/tools/chroot_build.sh" --base-only >"$root/build/chroot-base.log" 2>&1 &

# The benchmarks are only built here, so that they keep compiling; running them is done by hand. This build is
# built for /usr, where the package installs, so that its install check looks at the package's paths.
run_suite "plain build" "$root/build" "" -DBREVORA_SANITIZE=OFF -DBREVORA_BENCH=ON -DCMAKE_INSTALL_PREFIX=/usr

# The lines between the libraries, read from the plain build's configuration.
bash "$root/tools/check_layers.sh" "$root/build" || failed+=("layering")

# A second compiler: the program and the in-process tests only; the scenarios on the real program, the sound
# server, the packaging and the fuzzing were run above, and do not depend on the compiler.
run_suite "clang build" "$root/build-clang" '^(e2e_|packaging_|fuzz_|tst_soundplayer_pulse$)' \
    -DCMAKE_CXX_COMPILER=clang++ -DBREVORA_SANITIZE=OFF -DBREVORA_BENCH=OFF

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "sanitizer build" "$root/build-asan" "" -DBREVORA_SANITIZE=ON -DBREVORA_BENCH=OFF

# Said on stderr, so that CTest's own summary stays the last thing on the output.
echo "=== finished in $((SECONDS - start)) s" >&2
if ((${#failed[@]} > 0)); then
    printf 'FAILED: %s\n' "${failed[@]}" >&2
    exit 1
fi
