#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the release tarball, brevora-<version>.tar.xz, from the release's tag v<version> by git archive, without
# debian/ (the Debian packaging is not the program's: it builds from this tarball, renamed to its .orig.tar.xz).
# The files' times are the tagged commit's and xz runs on one thread, so the same tag gives the same bytes. The
# tarball is what the GitHub release of the tag carries, where debian/watch looks for it.
# Usage: release_tarball.sh OUT_DIR [TAG]   (TAG defaults to v<version>, the version CMakeLists.txt names)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"
project_version() { sed -n 's/^project(Brevora VERSION \([^ )]*\).*/\1/p'; }
tag="${2:-v$(project_version <"$root/CMakeLists.txt")}"
version="${tag#v}"
git -C "$root" rev-parse -q --verify "refs/tags/$tag" >/dev/null || {
    echo "release_tarball.sh: there is no tag $tag to make the release's tarball from" >&2
    exit 1
}
tagged="$(git -C "$root" show "$tag:CMakeLists.txt" | project_version)"
if [[ "$tagged" != "$version" ]]; then
    echo "release_tarball.sh: the tag $tag names version $version, but its CMakeLists.txt builds $tagged" >&2
    exit 1
fi
mkdir -p "$out"
tarball="$(realpath -m "$out/brevora-$version.tar.xz")"
git -C "$root" archive --format=tar --prefix="brevora-$version/" "$tag" -- . ':(exclude)debian' |
    xz -T1 -6 >"$tarball"
echo "$tarball"
