#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a desktop finds there: the program, its menu entry,
# its icon, its AppStream description, its alarm sounds, the README, the HTML help and, when the build made it, the
# help file.
# Usage: install_check.sh BUILD_DIR VERSION BINDIR DATADIR [WAKE_HELPER] (relative to the prefix; WAKE_HELPER is where
# brevora-wake belongs, on the systems that build it).
# Fails when a validator is missing (tools/test.sh installs them).
set -euo pipefail

build="$1" version="$2" bindir="$3" datadir="$4" wake_helper="${5:-}"
app_id=io.github.brevora.brevora

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is missing (Debian packages desktop-file-utils and appstream)"
        exit 1
    fi
done

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null

program="$prefix/$bindir/brevora"
[[ -x "$program" ]] || fail "the program is not installed as $program"
if [[ -n "$wake_helper" ]]; then
    [[ -x "$prefix/$wake_helper" ]] || fail "the wake-up helper is not installed as $prefix/$wake_helper"
fi

desktop="$prefix/$datadir/applications/$app_id.desktop"
if [[ -f "$desktop" ]]; then
    # Warnings count as failures too: a desktop may refuse an entry it only warns about here.
    if ! report="$(desktop-file-validate "$desktop" 2>&1)" || grep -qiE 'error|warning' <<<"$report"; then
        fail "desktop-file-validate: $report"
    fi
    exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    [[ "$exec_name" == brevora ]] || fail "the desktop entry starts '$exec_name' instead of brevora"
    # The windows' class is the program's name, which a dock matches to the entry.
    grep -qx 'StartupWMClass=Brevora' "$desktop" || fail "the desktop entry does not match the window class Brevora"
    # The translations merged in from packaging/po, as a German or Spanish desktop shows the entry.
    for lang in de es; do
        for key in GenericName Comment Keywords; do
            grep -q "^$key\[$lang\]=." "$desktop" || fail "the desktop entry has no $key[$lang]"
        done
    done
    icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
    icon="$prefix/$datadir/icons/hicolor/scalable/apps/$icon_name.svg"
    [[ -n "$icon_name" && -s "$icon" ]] || fail "the icon '$icon_name' is not in the hicolor theme ($icon)"
else
    fail "no desktop entry at $desktop"
fi

metainfo="$prefix/$datadir/metainfo/$app_id.metainfo.xml"
if [[ -f "$metainfo" ]]; then
    if ! report="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)"; then
        fail "appstreamcli validate: $report"
    fi
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream data does not launch $app_id.desktop"
    for lang in de es; do
        for element in summary p caption; do
            grep -q "<$element xml:lang=\"$lang\">" "$metainfo" || fail "the AppStream data has no $lang <$element>"
        done
    done
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "the AppStream data has no release $version, the program's version"
else
    fail "no AppStream data at $metainfo"
fi

for sound in chime.wav beeps.wav; do
    cmp -s "$build/sounds/$sound" "$prefix/$datadir/brevora/sounds/$sound" ||
        fail "the alarm sound $sound is not installed under $datadir/brevora/sounds"
done

built_help="$build/Help file/Helpfile.chm"
installed_help="$prefix/$datadir/brevora/Helpfile.chm"
if [[ -f "$built_help" ]]; then
    cmp -s "$built_help" "$installed_help" || fail "the help file is not installed as $installed_help"
else
    echo "note: the build has no help file (chmcmd missing), so none is checked"
fi

[[ -s "$prefix/$datadir/doc/brevora/README.md" ]] || fail "$datadir/doc/brevora/README.md is not installed"
# The HTML help is data the program opens, so it is not under doc/, which a system may leave out.
for page in index.html newalarm.html help.css; do
    [[ -s "$prefix/$datadir/brevora/html/$page" ]] || fail "$datadir/brevora/html/$page is not installed"
done

if ((failures > 0)); then
    exit 1
fi
echo "installed and valid: $program, $desktop, $icon, $metainfo"
