# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by start.sh and test.sh: installs the Debian packages that are missing, and nothing when all are there.

brevora_install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        if [[ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)" != "install ok installed" ]]; then
            missing+=("$pkg")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if ((EUID != 0)); then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing and this is not root, nor is sudo available: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building needs. Qt6Gui's CMake package runs FindOpenGL, which wants GL/gl.h and libGL.so from libgl-dev.
# qt6-base-dev depends on it on Debian 12; it is named anyway because configuring fails without it.
# Sound is decoded with libsndfile and played through PulseAudio's simple API, and calendars are read and written
# with libical, all found with pkg-config.
# The windows are laid out for Liberation Sans (fonts-liberation), which the program uses when it runs.
# shellcheck disable=SC2034 # used by the scripts that source this file
# The windows' translations are compiled with lrelease and checked with lupdate (qt6-tools-dev gives CMake the
# LinguistTools package, qt6-l10n-tools the tools); Qt's own translations of its standard buttons are loaded when
# the program runs. The menu entry's and the AppStream data's translations are merged in by gettext's msgfmt.
brevora_build_packages=(build-essential cmake pkg-config qt6-base-dev libgl-dev libbenchmark-dev libsndfile1-dev
    libical-dev libpulse-dev fonts-liberation qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    gettext)
