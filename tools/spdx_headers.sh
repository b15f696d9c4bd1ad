#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file of Brevora the line that names its licence, in the comment syntax of its language: first
# in the file, or right after a "#!" line or an HTML document type, which must stay first. Files that have it keep
# it as it is, so running this again changes nothing.
# Usage: tools/spdx_headers.sh [--check] [SOURCE_DIR]
#   --check  changes nothing; lists the files without the line and fails when there is one.
set -euo pipefail

check=false
if [[ "${1:-}" == --check ]]; then
    check=true
    shift
fi
root="$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)"
id="SPDX-License-Identifier: GPL-3.0-or-later"

# The sources: code, build files, scripts, the help's pages and the manual page. Data (alarm files, images, the
# AppStream data under CC0) and the build trees are not.
sources() {
    (cd "$root" && find . \( -path './build*' -o -path ./.git -o -path './obj-*' -o -path ./debian/.debhelper \
        -o -path ./debian/brevora \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \
        -o -name '*.py' -o -name CMakeLists.txt -o -name '*.cmake' -o -name '*.html' -o -name '*.css' \
        -o -name '*.1.in' -o -path ./.ci/run -o -path ./debian/rules \) -print | sed 's|^\./||' | sort)
}

line_for() {
    case "$1" in
    *.cpp | *.h) echo "// $id" ;;
    *.html) echo "<!-- $id -->" ;;
    *.css) echo "/* $id */" ;;
    *.1.in) echo ".\\\" $id" ;;
    *) echo "# $id" ;;
    esac
}

missing=0
while IFS= read -r file; do
    path="$root/$file"
    if head -n 3 "$path" | grep -qF "$id"; then
        continue
    fi
    if $check; then
        echo "no '$id' line: $file"
        missing=$((missing + 1))
        continue
    fi
    line="$(line_for "$file")"
    first="$(head -n 1 "$path")"
    tmp="$(mktemp "$path.XXXXXX")"
    if [[ "$first" == '#!'* || "$first" == '<!DOCTYPE'* ]]; then
        { printf '%s\n%s\n' "$first" "$line"; tail -n +2 "$path"; } >"$tmp"
    else
        { printf '%s\n' "$line"; cat "$path"; } >"$tmp"
    fi
    chmod --reference="$path" "$tmp"
    mv "$tmp" "$path"
    echo "added: $file"
done < <(sources)

if $check && ((missing > 0)); then
    echo "$missing source files lack the licence line; tools/spdx_headers.sh adds it"
    exit 1
fi
