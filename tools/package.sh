#!/usr/bin/env bash
# Builds the Debian package brevora_<version>_<arch>.deb in build-deb/, from a release build made for /usr with
# neither tests nor benchmarks. Install it with: sudo apt install ./build-deb/brevora_<version>_<arch>.deb
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"

# dpkg-shlibdeps (dpkg-dev, part of build-essential) computes the dependencies from the binary; chmcmd builds the
# help file that the package carries.
brevora_install_missing "${brevora_build_packages[@]}" fp-utils

build="$root/build-deb"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF \
    -DBREVORA_BENCH=OFF -DBREVORA_SANITIZE=OFF
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
ls "$build"/brevora_*.deb
