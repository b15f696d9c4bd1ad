#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages as Debian builds them: the upstream tarball (tools/orig_tarball.sh), the source
# package made from it and debian/ (3.0 (quilt)), and the binary packages built from that with dpkg-buildpackage
# in a clean Debian 12 chroot (tools/chroot_build.sh, which also runs the autopkgtest). Leaves in build-deb/ (or in $BREVORA_PACKAGE_DIR) the .orig.tar.xz, .debian.tar.xz, .dsc,
# brevora_<version>_<arch>.deb with its -dbgsym package, the .buildinfo and the .changes.
# Install it with: sudo apt install ./build-deb/brevora_<version>_<arch>.deb
# Usage: package.sh [--release]   (--release: the upstream tarball from the release's tag, v<version>, instead
# of the working tree)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"
brevora_install_missing dpkg-dev debootstrap

from=--worktree
[[ "${1:-}" != --release ]] || from=""
version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
upstream="${version%-*}"
out="$(realpath -m "${BREVORA_PACKAGE_DIR:-$root/build-deb}")"
rm -rf "$out/brevora-$upstream" "$out"/brevora{,-dbgsym}_"$upstream"[-._]*
mkdir -p "$out"

SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)" \
    bash "$root/tools/orig_tarball.sh" "$out" $from >/dev/null
tar -C "$out" -xJf "$out/brevora_$upstream.orig.tar.xz"
cp -a "$root/debian" "$out/brevora-$upstream/"
(cd "$out" && dpkg-source -b "brevora-$upstream" >/dev/null)
rm -rf "${out:?}/brevora-$upstream"

bash "$root/tools/chroot_build.sh" "$out/brevora_$version.dsc" "$out"
ls "$out"/brevora_"$version"_*.deb
