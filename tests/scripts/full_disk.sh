#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the store's writers on a real full file system: a small tmpfs, filled to the last page, holding an old
# alarm and an old settings file. Skips (77) where a file system cannot be mounted (not root, or no rights); with
# CI=true that fails instead, as the package check does.
# Usage: full_disk.sh PATH_TO_tst_storesafety
set -euo pipefail
test_binary="${1:?test binary}"

mnt="$(mktemp -d)"
cleanup() {
    umount "$mnt" 2>/dev/null || true
    rmdir "$mnt"
}
trap cleanup EXIT
if ! mount -t tmpfs -o size=256k,mode=0755 brevora-full "$mnt" 2>/dev/null; then
    if [[ "${CI:-}" == true ]]; then
        echo "FAIL: cannot mount a small file system here, and CI must run this"
        exit 1
    fi
    echo "cannot mount a small file system here: skipped"
    exit 77
fi

mkdir "$mnt/alarm" "$mnt/setting"
printf '"old","ninguno","7","5"\r\n' >"$mnt/alarm/7-5.alm"
printf '#TRUE#\r\n' >"$mnt/setting/past.bvr"
# Filled until a write fails: then no page is left for a new file's first byte.
dd if=/dev/zero of="$mnt/filler" bs=4096 2>/dev/null || true
if dd if=/dev/zero of="$mnt/probe" bs=1 count=1 2>/dev/null; then
    echo "the file system did not fill up"
    exit 1
fi
rm -f "$mnt/probe"

BREVORA_FULL_FOLDER="$mnt" QT_QPA_PLATFORM=offscreen "$test_binary" fullFileSystemKeepsTheOldFile
