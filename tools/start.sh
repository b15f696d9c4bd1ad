#!/usr/bin/env bash
# Builds Brevora and starts it. The program keeps its alarms and settings beside its executable, so they live in
# build/ next to it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/deps.sh
source "$root/tools/deps.sh"

brevora_install_missing "${brevora_build_packages[@]}"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j"$(nproc)"
exec "$root/build/brevora" "$@"
