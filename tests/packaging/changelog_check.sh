#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The newest entry of debian/changelog names the release that CMakeLists.txt builds: the same version, and the
# same date. The Debian package and the AppStream releases take theirs from the changelog, the program from CMake.
# Usage: changelog_check.sh CHANGELOG VERSION DATE (DATE as YYYY-MM-DD)
set -euo pipefail

changelog="$1" version="$2" date="$3"
first="$(head -n 1 "$changelog")"
# The Debian revision (-1) is the package's own, not the program's.
entry_version="$(sed -n '1s/^brevora (\([^)]*\)-[^-)]*).*/\1/p' "$changelog")"
entry_date="$(sed -n '0,/^ -- /s/^ -- .*>  //p' "$changelog")"
failures=0
if [[ "$entry_version" != "$version" ]]; then
    echo "FAIL: debian/changelog's newest entry is '$first', but CMakeLists.txt builds version $version"
    failures=1
fi
if [[ -z "$entry_date" ]] || [[ "$(date -u -d "$entry_date" +%F)" != "$date" ]]; then
    echo "FAIL: debian/changelog's newest entry is dated '$entry_date', but the release date is $date"
    failures=1
fi
((failures == 0)) && echo "debian/changelog names release $version of $date"
exit "$failures"
