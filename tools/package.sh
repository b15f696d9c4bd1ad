#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages as Debian builds them: the upstream tarball (tools/orig_tarball.sh), the source
# package made from it and debian/ (3.0 (quilt)), and the binary packages built from that with dpkg-buildpackage
# in a clean Debian 12 chroot, or one of the suite --suite names (tools/chroot_build.sh, which also runs the
# autopkgtest). Leaves in build-deb/ (or in $BREVORA_PACKAGE_DIR) the .orig.tar.xz, .debian.tar.xz, .dsc,
# brevora_<version>_<arch>.deb with its -dbgsym package, the .buildinfo and the .changes.
# Install it with: sudo apt install ./build-deb/brevora_<version>_<arch>.deb
# Usage: package.sh [--release] [--suite SUITE] [--reproducible]
#   --release: the upstream tarball from the release's tag, v<version>, instead of the working tree;
#   --suite sid, --suite trixie: the binary packages built, installed and tested in a clean chroot of that Debian
#   suite instead of Debian 12 (each suite's base chroot is cached on its own), with the packages left in
#   build-deb/<suite>/. Run with each before a release, so that a newer Debian's compilers and libraries are met
#   before Debian builds it there.
#   --reproducible: the binary packages built a second time in the chroot, in another time zone, locale and umask,
#   and required to be the same bytes: run before a release, and whenever the build changes.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"
brevora_install_missing dpkg-dev debootstrap

from=--worktree
suite=bookworm
reproducible=()
while (($# > 0)); do
    case "$1" in
    --release) from="" ;;
    --reproducible) reproducible=(--reproducible) ;;
    --suite)
        suite="${2:?package.sh: --suite needs a suite (sid, trixie)}"
        shift
        ;;
    *)
        echo "usage: package.sh [--release] [--suite SUITE] [--reproducible]" >&2
        exit 2
        ;;
    esac
    shift
done
version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
upstream="${version%-*}"
out="${BREVORA_PACKAGE_DIR:-$root/build-deb}"
[[ "$suite" == bookworm ]] || out="$out/$suite"
out="$(realpath -m "$out")"
rm -rf "$out/brevora-$upstream" "$out"/brevora{,-dbgsym}_"$upstream"[-._]*
mkdir -p "$out"

SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)" \
    bash "$root/tools/orig_tarball.sh" "$out" $from >/dev/null
tar -C "$out" -xJf "$out/brevora_$upstream.orig.tar.xz"
cp -a "$root/debian" "$out/brevora-$upstream/"
(cd "$out" && dpkg-source -b "brevora-$upstream" >/dev/null)
rm -rf "${out:?}/brevora-$upstream"

bash "$root/tools/chroot_build.sh" --suite "$suite" "${reproducible[@]}" "$out/brevora_$version.dsc" "$out"
ls "$out"/brevora_"$version"_*.deb
