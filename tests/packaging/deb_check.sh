#!/usr/bin/env bash
# Makes the Debian package from a build tree with CPack, then checks it as a packager would: its name, its
# control fields (dependencies computed from the binary), its files, all under /usr, and lintian's verdict.
# Usage: deb_check.sh BUILD_DIR VERSION INSTALL_PREFIX
# Exits 77 (skipped) when a tool is missing or the build is not made for /usr, where the package installs.
set -euo pipefail

build="$1" version="$2" prefix="$3"
app_id=io.github.brevora.Brevora

for tool in dpkg-deb dpkg-shlibdeps lintian; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (Debian packages dpkg-dev and lintian)"
        exit 77
    fi
done
if [[ "$prefix" != /usr ]]; then
    echo "SKIP: this build installs into $prefix; the package is made from a build configured with -DCMAKE_INSTALL_PREFIX=/usr"
    exit 77
fi

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log"
    exit 1
}
deb="$out/brevora_${version}_$(dpkg --print-architecture).deb"
if [[ ! -f "$deb" ]]; then
    echo "FAIL: no $(basename "$deb"); CPack made: $(cd "$out" && echo *.deb)"
    exit 1
fi

depends="$(dpkg-deb --field "$deb" Depends)"
# Libraries only the binary names: their presence shows that the dependencies were computed from it.
dependency_names="$(tr ',|' '\n' <<<"$depends" | sed 's/(.*//; s/ //g')"
for name in libqt6widgets6 libsndfile1 libpulse0 libc6 qt6-qpa-plugins; do
    grep -qxF "$name" <<<"$dependency_names" || fail "Depends lacks $name: $depends"
done

mapfile -t files < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|')
for path in /usr/bin/brevora "/usr/share/applications/$app_id.desktop" \
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" "/usr/share/metainfo/$app_id.metainfo.xml" \
    /usr/share/doc/brevora/copyright /usr/share/doc/brevora/changelog.gz /usr/share/man/man1/brevora.1.gz \
    /usr/share/brevora/sounds/chime.wav /usr/share/brevora/sounds/beeps.wav; do
    printf '%s\n' "${files[@]}" | grep -qxF "$path" || fail "the package lacks $path"
done
if [[ -f "$build/Help file/Helpfile.chm" ]]; then
    printf '%s\n' "${files[@]}" | grep -qxF "/usr/share/Brevora/Help file/Helpfile.chm" ||
        fail "the package lacks the help file"
fi
outside="$(printf '%s\n' "${files[@]}" | grep -vE '^/(usr(/.*)?)?$' || true)"
[[ -z "$outside" ]] || fail "files outside /usr: $outside"

# Errors fail the package; warnings and notes are shown for whoever wants to polish it further.
if ! lintian --fail-on error --tag-display-limit 0 "$deb"; then
    fail "lintian reports errors"
fi

if ((failures > 0)); then
    exit 1
fi
echo "package checked: $(basename "$deb"), Depends: $depends"
