#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a Debian source package as a buildd would: in a clean chroot of Debian 12 (bookworm), or of the suite
# --suite names (sid, trixie), made by debootstrap --variant=buildd,
# where apt-get build-dep installs only what debian/control asks for, as a user other than root. Then:
#  - with --reproducible, builds it a second time in the same place, with nocheck, another time zone, locale and
#    umask, and compares
#    the binary packages byte for byte (the compiler cache makes the second build short; what a cache cannot
#    hide, time stamps and the build's surroundings, is what differs between builds). It is made here, not on
#    the machine outside: that machine's compiler and libraries may be of another point release than the
#    chroot's, and would make another binary for that alone;
#  - installs the package in the chroot and runs its autopkgtest as a user, then purges it and looks for leftovers.
# The base chroot of each suite is kept in $BREVORA_CHROOT_CACHE (/var/cache/brevora), with the downloaded packages
# and the compiler cache; each build works in a copy of it that is removed afterwards. Needs root, or sudo.
# Usage: chroot_build.sh [--suite SUITE] [--reproducible] DSC OUT_DIR
#        chroot_build.sh [--suite SUITE] --base-only   (makes the base chroot if there is none yet, and nothing else)
set -euo pipefail

if ((EUID != 0)); then
    exec sudo -n --preserve-env=BREVORA_CHROOT_CACHE,BREVORA_MIRROR,BREVORA_SNAPSHOT "$0" "$@"
fi
suite=bookworm
if [[ "${1:-}" == --suite ]]; then
    suite="${2:?chroot_build.sh: --suite needs a suite (bookworm, trixie, sid)}"
    shift 2
fi
reproducible=false
if [[ "${1:-}" == --reproducible ]]; then
    reproducible=true
    shift
fi
[[ "$suite" =~ ^[a-z]+$ ]] || {
    echo "chroot_build.sh: '$suite' is no Debian suite's name" >&2
    exit 2
}
cache="${BREVORA_CHROOT_CACHE:-/var/cache/brevora}"
mirror="${BREVORA_MIRROR:-http://deb.debian.org/debian}"
# One base per suite: a newer suite's compilers and libraries never leak into the Debian 12 build, nor its into theirs.
base="$cache/$suite-buildd"
builder=builder

mkdir -p "$cache/archives/partial" "$cache/ccache"
# One maker at a time: a build waits for the base that another run is making.
exec 9>"$cache/base.lock"
flock 9
if [[ ! -x "$base/usr/bin/dpkg-buildpackage" ]]; then
    echo "=== making the base chroot in $base"
    rm -rf "$base.new"
    debootstrap --variant=buildd --include=ccache "$suite" "$base.new" "$mirror" >"$cache/debootstrap-$suite.log" 2>&1 || {
        tail -n 20 "$cache/debootstrap-$suite.log"
        echo "chroot_build.sh: debootstrap could not make the chroot (see $cache/debootstrap-$suite.log)" >&2
        exit 1
    }
    chroot "$base.new" useradd --create-home --home-dir /build "$builder"
    # As buildds do: a chroot that is thrown away after each build needs no fsync after each file dpkg unpacks.
    echo force-unsafe-io >"$base.new/etc/dpkg/dpkg.cfg.d/unsafe-io"
    mv "$base.new" "$base"
fi
flock -u 9
[[ "$1" != --base-only ]] || exit 0
dsc="$(realpath "$1")" out="$(realpath -m "$2")"
mkdir -p "$out"

work="$(mktemp -d "$cache/work.XXXXXX")"
# Whatever is mounted in the copy is let go before it is removed: removing through the bind mounts would empty the
# cache (and /dev).
mounted() { awk -v r="$work/root/" 'index($2, r) == 1 { print $2 }' /proc/mounts | sort -r; }
cleanup() {
    local mount
    for mount in $(mounted); do umount -l "$mount" || true; done
    if [[ -n "$(mounted)" ]]; then
        echo "chroot_build.sh: something is still mounted in $work, which is left as it is" >&2
        return
    fi
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT
root="$work/root"
echo "=== copying the base chroot"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
mkdir -p "$root/ccache"
mount --bind "$cache/ccache" "$root/ccache"
uid="$(chroot "$root" id -u "$builder")"
chown "$uid" "$cache/ccache"

in_chroot() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
as_builder() {
    chroot --userspec="$builder:$builder" "$root" env -i HOME=/build PATH=/usr/bin:/bin \
        CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=/ccache CCACHE_BASEDIR=/build "$@"
}

cp "$dsc" "$(dirname "$dsc")"/brevora_*.orig.tar.xz "$(dirname "$dsc")"/brevora_*.debian.tar.xz "$root/build/"
chown "$uid" "$root"/build/brevora_*
name="$(basename "$dsc")"
# A kept snapshot of the archive (snapshot.debian.org, or a mirror frozen for builds without the network) serves
# Release files whose Valid-Until has passed, as sid's does a week after it was made: BREVORA_SNAPSHOT=1 lets apt
# take them.
if [[ -n "${BREVORA_SNAPSHOT:-}" ]]; then
    echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99brevora-snapshot"
fi
in_chroot apt-get update -q >/dev/null
echo "=== build dependencies"
in_chroot sh -c "cd /build && dpkg-source -x $name deps >/dev/null && apt-get build-dep -q -y --no-install-recommends ./deps >/dev/null && rm -rf deps"
# build_once DIR [ENV...]: unpacks the source package into /build/src (the same path every time) and builds it.
build_once() {
    local dest="$1"
    shift
    as_builder sh -c 'cd /build && rm -rf src && dpkg-source -x '"$name"' src >/dev/null' || return 1
    as_builder env "$@" sh -c 'cd /build/src && dpkg-buildpackage -us -uc' || return 1
    mkdir -p "$dest"
    cp "$root"/build/brevora*_*.{deb,changes,buildinfo,dsc} "$root"/build/brevora_*.tar.xz "$dest/" 2>/dev/null || true
    rm -f "$root"/build/brevora*_*.{deb,changes,buildinfo}
}

jobs="parallel=$(nproc)"
echo "=== first build"
build_once "$out" DEB_BUILD_OPTIONS="$jobs" LC_ALL=C.UTF-8 || exit 1
failures=0
if [[ "$reproducible" == true ]]; then
    echo "=== second build (nocheck, another time zone, locale and umask)"
    build_once "$work/second" DEB_BUILD_OPTIONS="$jobs nocheck" TZ=Pacific/Kiritimati LC_ALL=C \
        sh -c 'umask 0002 && exec "$0" "$@"' || exit 1
    for deb in "$out"/*.deb; do
        if ! cmp -s "$deb" "$work/second/$(basename "$deb")"; then
            echo "FAIL: $(basename "$deb") differs between two builds of the same sources:"
            diff <(dpkg-deb --fsys-tarfile "$deb" | tar -tv) \
                <(dpkg-deb --fsys-tarfile "$work/second/$(basename "$deb")" | tar -tv) | head -n 20 || true
            failures=$((failures + 1))
        fi
    done
fi

echo "=== installing the package and running its autopkgtest"
rm -rf "$root/build/src"
as_builder sh -c "cd /build && dpkg-source -x $name src >/dev/null"
cp "$out"/brevora_*.deb "$root/tmp/"
# With what the autopkgtests depend on besides the package itself ("@"), as debian/tests/control names it.
test_deps="$(sed -n 's/^Depends: *//p' "$root/build/src/debian/tests/control" | tr ',' '\n' | tr -d ' ' |
    grep -vx -e '@' -e '' | sort -u | tr '\n' ' ')"
in_chroot sh -c "apt-get install -q -y --no-install-recommends /tmp/brevora_*.deb $test_deps >/dev/null"
in_chroot dpkg -L brevora | sort >"$work/files"
for test in $(sed -n 's/^Tests: //p' "$root/build/src/debian/tests/control"); do
    tmp="$(mktemp -d "$root/tmp/autopkgtest.XXXXXX")"
    chown "$uid" "$tmp"
    if ! as_builder env AUTOPKGTEST_TMP="${tmp#"$root"}" sh "/build/src/debian/tests/$test"; then
        echo "FAIL: the autopkgtest $test failed"
        failures=$((failures + 1))
    fi
done
in_chroot apt-get purge -q -y brevora >/dev/null
left="$(while read -r path; do [[ -e "$root$path" && ! -d "$root$path" ]] && echo "$path"; done <"$work/files" || true)"
[[ -z "$left" ]] || {
    echo "FAIL: purging left: $left"
    failures=$((failures + 1))
}
exit $((failures > 0))
