#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with Clang's libFuzzer in their own tree and runs each for a while on a copy of its
# seed corpus. Fails without clang++ or libFuzzer (tools/test.sh installs them).
# Usage: run.sh BUILD_DIR [SECONDS_PER_TARGET]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:?build folder}"
seconds="${2:-30}"

if ! command -v clang++ >/dev/null 2>&1; then
    echo "FAIL: clang++ is missing (Debian package clang)"
    exit 1
fi
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
    echo "FAIL: clang++ has no libFuzzer (Debian package libclang-rt-14-dev)"
    exit 1
fi

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
for target in alarmfile settings wakeprotocol; do
    # The fuzzer adds what it finds to its first folder: a scratch copy keeps the committed seeds small.
    work="$probe/$target"
    mkdir -p "$work"
    cp "$here/corpus/$target"/* "$work/"
    echo "=== fuzz_$target for ${seconds} s"
    status=0
    "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/" "$work" >"$probe/$target.log" 2>&1 || status=$?
    tail -n 12 "$probe/$target.log"
    if ((status != 0)); then
        grep -A 30 -m 1 -E "ERROR|broken:" "$probe/$target.log" || true
        echo "fuzz_$target failed ($status); the input that broke it is in $build"
        exit 1
    fi
done
echo "fuzz targets passed"
