#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages as Debian builds them: from the source package in debian/, with dpkg-buildpackage,
# Debian's compiler flags (hardening included) and a -dbgsym package for the stripped binary. The sources are
# copied first, so that the build leaves the working tree as it was. Leaves in build-deb/ (or in
# $BREVORA_PACKAGE_DIR) brevora_<version>_<arch>.deb, its -dbgsym package, the source package (.dsc and
# .tar.xz) and the .changes. Install it with: sudo apt install ./build-deb/brevora_<version>_<arch>.deb
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"

brevora_install_missing build-essential dpkg-dev debhelper
# The Build-Depends of debian/control, installed the way a packager would, when some are missing.
if ! dpkg-checkbuilddeps "$root/debian/control" 2>/dev/null; then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends "$root"
fi

version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
out="$(realpath -m "${BREVORA_PACKAGE_DIR:-$root/build-deb}")"
tree="$out/brevora-$version"
rm -rf "$tree" "$out"/brevora_"$version"[._]*
mkdir -p "$tree"
# Everything but the build trees and the version control, as in the source package.
tar -C "$root" --exclude='./build*' --exclude=./.git --exclude=./.cache --exclude=./obj-\* -cf - . | tar -C "$tree" -xf -

(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc)
ls "$out"/brevora_"$version"_*.deb
