#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the upstream tarball a Debian source package is built from, brevora_<version>.orig.tar.xz, without
# debian/. From a release tag, the release tarball itself (tools/release_tarball.sh) under Debian's name, or, with
# --worktree, from the files git knows in the working tree as they are now, dated SOURCE_DATE_EPOCH (or the last
# commit's time), so that the same files give the same bytes.
# Usage: orig_tarball.sh OUT_DIR [TAG | --worktree]   (TAG defaults to v<version>, the changelog's version)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"
version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
upstream="${version%-*}"
from="${2:-v$upstream}"
tarball="$out/brevora_$upstream.orig.tar.xz"
mkdir -p "$out"

if [[ "$from" != --worktree ]]; then
    if [[ "$from" != "v$upstream" ]]; then
        echo "orig_tarball.sh: the changelog packages $upstream, which is not the tag $from's release" >&2
        exit 1
    fi
    release="$(bash "$root/tools/release_tarball.sh" "$out" "$from")"
    mv "$release" "$tarball"
else
    epoch="${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}"
    # Tracked and new files, but neither ignored ones, nor deleted ones, nor the packaging.
    (cd "$root" && git ls-files -z --cached --others --exclude-standard -- . ':(exclude)debian' |
        while IFS= read -r -d '' file; do if [[ -e "$file" ]]; then printf '%s\0' "$file"; fi; done |
        sort -z |
        tar --null -T - --sort=name --mtime="@$epoch" --clamp-mtime --owner=0 --group=0 --numeric-owner \
            --transform="s|^|brevora-$upstream/|" -cf -) | xz -T1 -6 >"$tarball"
fi
echo "$tarball"
