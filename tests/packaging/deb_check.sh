#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the packages with tools/package.sh: the upstream tarball and the 3.0 (quilt) source package from the
# working tree, then the binary packages in a clean Debian 12 chroot, where apt-get build-dep installs only what
# debian/control asks for, so that a missing Build-Depends fails here; that script also installs the package there
# to run its autopkgtest (the proof that a second build gives the same bytes is `tools/package.sh --reproducible`,
# run when asked: it doubles the time of this check). This then checks them as a packager would: the binary
# package's control fields (dependencies computed from the binary), its files, all under
# /usr and in Debian's places, the -dbgsym package of the stripped binary, and lintian's verdict on the .deb, the
# .dsc and the .changes with every tag shown (-I --pedantic): none may be left but those overridden, with a
# reason, in debian/*lintian-overrides.
# Usage: deb_check.sh SOURCE_DIR
# Exits 77 (skipped) when a packaging tool is missing or a chroot cannot be made here; with CI=true both fail
# instead.
set -euo pipefail

source_dir="$1"
version="$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)"
app_id=io.github.brevora.brevora

cannot() {
    if [[ "${CI:-}" == true ]]; then
        echo "FAIL: $* (the package cannot be checked, and CI must check it)"
        exit 1
    fi
    echo "SKIP: $*"
    exit 77
}
for tool in dpkg-source dpkg-buildpackage dh lintian debootstrap ccache; do
    command -v "$tool" >/dev/null 2>&1 ||
        cannot "$tool is missing (Debian packages dpkg-dev, debhelper, lintian, debootstrap, ccache)"
done
if ((EUID != 0)) && ! sudo -n true 2>/dev/null; then
    cannot "making a chroot needs root, and sudo asks for a password"
fi

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

start=$SECONDS
BREVORA_PACKAGE_DIR="$out" bash "$source_dir/tools/package.sh" >"$out/build.log" 2>&1 || {
    grep -E '^(FAIL|===)|^[^ ]*: (error|warning)|^E: ' "$out/build.log" | tail -n 40
    tail -n 60 "$out/build.log"
    exit 1
}
echo "built in a clean chroot, with the autopkgtest, in $((SECONDS - start)) s"
arch="$(dpkg --print-architecture)"
deb="$out/brevora_${version}_$arch.deb"
for made in "$deb" "$out/brevora-dbgsym_${version}_$arch.deb" "$out/brevora_$version.dsc" \
    "$out/brevora_${version}_$arch.changes" "$out/brevora_${version%-*}.orig.tar.xz"; do
    [[ -f "$made" ]] || fail "no $(basename "$made"); the build made: $(cd "$out" && echo brevora*)"
done
((failures == 0)) || exit 1

depends="$(dpkg-deb --field "$deb" Depends)"
# Libraries only the binary names: their presence shows that the dependencies were computed from it.
dependency_names="$(tr ',|' '\n' <<<"$depends" | sed 's/(.*//; s/ //g')"
for name in libqt6widgets6 libsndfile1 libpulse0 libc6 qt6-qpa-plugins; do
    grep -qxF "$name" <<<"$dependency_names" || fail "Depends lacks $name: $depends"
done
grep -q 'xdg-utils' <<<"$(dpkg-deb --field "$deb" Recommends)" || fail "the package does not recommend xdg-utils"
grep -q 'xchm' <<<"$(dpkg-deb --field "$deb" Suggests)" || fail "the package does not suggest xchm"

mapfile -t files < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||')
has() { printf '%s\n' "${files[@]}" | grep -qxF "$1"; }
for path in /usr/bin/brevora "/usr/share/applications/$app_id.desktop" \
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" "/usr/share/metainfo/$app_id.metainfo.xml" \
    /usr/share/doc/brevora/copyright /usr/share/doc/brevora/changelog.Debian.gz /usr/share/man/man1/brevora.1.gz \
    /usr/share/brevora/sounds/chime.wav /usr/share/brevora/sounds/beeps.wav \
    /usr/share/doc/brevora/README.md.gz /usr/share/brevora/html/index.html /usr/share/doc/brevora/html \
    /usr/share/doc-base/brevora.brevora; do
    has "$path" || fail "the package lacks $path"
done
has /usr/share/brevora/Helpfile.chm || fail "the package lacks the help file /usr/share/brevora/Helpfile.chm"
# The wake-up helper, where the postinst gives it its capability.
helper=/usr/lib/brevora/brevora-wake
has "$helper" || fail "the package lacks the wake-up helper $helper"
grep -qF "helper=$helper" <(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst) ||
    fail "the postinst does not give $helper its capability"
# Debian's folders are the package's name in lower case, with no blanks.
odd="$(printf '%s\n' "${files[@]}" | grep -E '^/usr/share/(doc/)?[Bb]revora' | grep -vE '^/usr/share/(doc/)?brevora(/[^ ]*)?$' || true)"
[[ -z "$odd" ]] || fail "files outside Debian's folders for the package: $odd"
outside="$(printf '%s\n' "${files[@]}" | grep -vE '^/(usr(/.*)?)?$' || true)"
[[ -z "$outside" ]] || fail "files outside /usr: $outside"
grep -qF 'GPL-3.0-or-later' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/brevora/copyright) ||
    fail "the copyright file names no licence"

# Every tag counts, the informational and pedantic ones included; overridden tags are not shown. Among them are
# the hardening tags (no -z now, no fortified functions, no PIE) and those of an unstripped binary.
report="$(lintian -I --pedantic --tag-display-limit 0 "$out/brevora_${version}_$arch.changes" 2>&1 || true)"
tags="$(grep -E '^[EWIPX]: ' <<<"$report" || true)"
[[ -z "$tags" ]] || fail "lintian reports:
$tags"

if ((failures > 0)); then
    exit 1
fi
echo "packages checked: $(cd "$out" && echo brevora*.deb brevora*.dsc); Depends: $depends"
