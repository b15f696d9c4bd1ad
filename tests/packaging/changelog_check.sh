#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The newest entry of debian/changelog packages the newest upstream release, as packaging/releases.xml lists it
# (whose newest release the configure step holds to CMakeLists.txt's version and date): the same version, and the
# same date.
# Usage: changelog_check.sh CHANGELOG RELEASES_XML
set -euo pipefail

changelog="$1" releases="$2"
first="$(head -n 1 "$changelog")"
# The Debian revision (-1) is the package's own, not the program's.
entry_version="$(sed -n '1s/^brevora (\([^)]*\)-[^-)]*).*/\1/p' "$changelog")"
entry_date="$(sed -n '0,/^ -- /s/^ -- .*>  //p' "$changelog")"
newest="$(grep -m 1 -o '<release version="[^"]*" date="[^"]*"' "$releases" || true)"
version="$(sed -n 's/.*version="\([^"]*\)".*/\1/p' <<<"$newest")"
date="$(sed -n 's/.*date="\([^"]*\)".*/\1/p' <<<"$newest")"
if [[ -z "$version" || -z "$date" ]]; then
    echo "FAIL: $releases lists no release"
    exit 1
fi
failures=0
if [[ "$entry_version" != "$version" ]]; then
    echo "FAIL: debian/changelog's newest entry is '$first', but the newest upstream release is $version"
    failures=1
fi
if [[ -z "$entry_date" ]] || [[ "$(date -u -d "$entry_date" +%F)" != "$date" ]]; then
    echo "FAIL: debian/changelog's newest entry is dated '$entry_date', but release $version is of $date"
    failures=1
fi
((failures == 0)) && echo "debian/changelog packages release $version of $date"
exit "$failures"
