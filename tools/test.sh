#!/usr/bin/env bash
# Builds Brevora twice, plainly and with AddressSanitizer/UndefinedBehaviorSanitizer, and runs every test in both.
# Both runs happen even when the first fails; the script fails when either did.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"

# The tests that drive the real program need a display server, window tools, a fake clock and sound; the
# sound tests also play the desktop's default sound from the freedesktop theme. The end-to-end scenarios
# reach the windows over a private D-Bus session and accessibility bus, and dock the icon in a small panel;
# focus changes and window frames are tested under openbox.
brevora_install_missing "${brevora_build_packages[@]}" \
    xvfb xauth xdotool libfaketime x11-utils pulseaudio pulseaudio-utils sox sound-theme-freedesktop \
    dbus-daemon libglib2.0-bin at-spi2-core python3-pyatspi trayer openbox
# The fuzz targets are built with Clang's libFuzzer.
brevora_install_missing clang libclang-rt-14-dev
# The packaging test validates the installed desktop entry and AppStream data; chmcmd (fp-utils) builds the help file.
brevora_install_missing desktop-file-utils appstream fp-utils

jobs="$(nproc)"
failed=()

# run_suite NAME BUILD_DIR [CMAKE_OPTION...]: configures, builds and tests one build tree.
run_suite() {
    local name="$1" dir="$2"
    shift 2
    echo "=== $name: configure and build in $dir"
    if ! cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"; then
        failed+=("$name (configure)")
        return 0
    fi
    if ! cmake --build "$dir" -j"$jobs"; then
        failed+=("$name (build)")
        return 0
    fi
    echo "=== $name: tests"
    if ! ctest --test-dir "$dir" --output-on-failure -j2; then
        failed+=("$name (tests)")
    fi
    return 0
}

start=$SECONDS

# The benchmarks are only built here, so that they keep compiling; running them is done by hand.
run_suite "plain build" "$root/build" -DBREVORA_SANITIZE=OFF -DBREVORA_BENCH=ON

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "sanitizer build" "$root/build-asan" -DBREVORA_SANITIZE=ON -DBREVORA_BENCH=OFF

# Said on stderr, so that CTest's own summary stays the last thing on the output.
echo "=== finished in $((SECONDS - start)) s" >&2
if ((${#failed[@]} > 0)); then
    printf 'FAILED: %s\n' "${failed[@]}" >&2
    exit 1
fi
