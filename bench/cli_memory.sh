#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line's peak memory and time on a generated store, run by hand:
#   bench/cli_memory.sh build/brevora [files]      (100,000 files unless told; the goal is under 150 MB)
# The store is made in /dev/shm where there is one, so the disk does not set the pace.
set -euo pipefail

brevora=${1:?usage: cli_memory.sh path/to/brevora [files]}
files=${2:-100000}
here=$(cd "$(dirname "$0")" && pwd)
base=/tmp
[[ -d /dev/shm && -w /dev/shm ]] && base=/dev/shm
work=$(mktemp -d "$base/brevora-cli-memory.XXXXXX")
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 "$here/../tests/cli/memory_growth.py" --make-store "$work/store" "$files"
echo "store of $files files"
for command in "--list" "--list --json" "--check" "--check --json"; do
    # shellcheck disable=SC2086 # the command's words are meant to split
    /usr/bin/time -v "$brevora" $command --program-dir "$work/store" >/dev/null 2>"$work/time" || true
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
    printf '%-16s %6d MB peak  %s\n' "$command" $((peak / 1024)) "$elapsed"
done
