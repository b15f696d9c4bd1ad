#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the lines between the libraries of src/ (their order is written in src/CMakeLists.txt):
#   - only ui, app and the program have Qt Widgets or Qt Gui in their link closure, as CMake's graph shows it;
#   - brevora-wake, the helper that holds a capability, links no Qt and none of our libraries but its own, includes
#     only its own folder (src/wake) and no Qt header, and only os/wake, its client, includes from it;
#   - no file of os, core, scheduler or cli includes from a higher library;
#   - within core, a folder includes only itself and those before it: model, names, store, settings, life,
#     calendar;
#   - inside ui, a folder includes only itself and ui/common; ui/shell, which puts the windows together, may
#     include any of them;
#   - operating-system conditionals (Q_OS_...) appear only under os/;
#   - no source folder holds more than 14 files.
# Usage: check_layers.sh BUILD_DIR (a configured build tree). Exits 1 with one line per fault.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:?usage: check_layers.sh BUILD_DIR}"
faults=()

# The link closure of every library of ours, from the graph CMake writes of the configured tree.
graph="$(mktemp -d)"
trap 'rm -rf "$graph"' EXIT
(cd "$build" && cmake --graphviz="$graph/deps.dot" . >/dev/null)
while IFS= read -r fault; do
    faults+=("$fault")
done < <(/usr/bin/python3 - "$graph/deps.dot" <<'EOF'
import re, sys
names, edges = {}, {}
for line in open(sys.argv[1]):
    if m := re.match(r'\s*"(node\d+)" \[ label = "([^"]+)"', line):
        names[m[1]] = m[2]
    elif m := re.match(r'\s*"(node\d+)" -> "(node\d+)"', line):
        edges.setdefault(m[1], set()).add(m[2])
allowed = {"brevora_ui", "brevora_app", "brevora"}
wake_own = {"brevora_wake_protocol", "brevora_warnings"}
def closure(node):
    seen, todo = set(), [node]
    while todo:
        for nxt in edges.get(todo.pop(), ()):
            if nxt not in seen:
                seen.add(nxt)
                todo.append(nxt)
    return sorted(names[n] for n in seen)
for node, name in names.items():
    if name == "brevora-wake" or name.startswith("brevora_wake"):
        other = [n for n in closure(node) if n.startswith(("Qt", "brevora")) and n not in wake_own]
        if other:
            print(f"{name} links {', '.join(other)}, but the helper links no Qt and no library of ours but its own")
        continue
    if not name.startswith("brevora_") or name in allowed or name == "brevora_testsupport":
        continue
    gui = [n for n in closure(node) if n in ("Qt6::Widgets", "Qt6::Gui", "brevora_ui", "brevora_app")]
    if gui:
        print(f"{name} links {', '.join(gui)}, which only ui, app and the program may")
EOF
)

# Includes that reach upwards: a library may include only from itself and the libraries below it.
declare -A above=(
    [os]="core scheduler cli ui app"
    [core]="scheduler cli ui app"
    [scheduler]="cli ui app"
    [cli]="ui app"
)
for layer in "${!above[@]}"; do
    for higher in ${above[$layer]}; do
        while IFS= read -r hit; do
            faults+=("$hit: $layer includes from $higher")
        done < <(grep -rn --include='*.h' --include='*.cpp' "#include \"$higher/" "$root/src/$layer" || true)
    done
done

# Inside core, each folder includes only itself and those before it: what an alarm is does not depend on what a
# name means, nor either on how alarms are kept; the calendar's conversions build on all of them, and nothing of
# core on the calendar.
core_order=(model names store settings life calendar)
for ((i = 0; i < ${#core_order[@]}; ++i)); do
    for ((j = i + 1; j < ${#core_order[@]}; ++j)); do
        while IFS= read -r hit; do
            faults+=("$hit: core/${core_order[i]} includes from core/${core_order[j]}")
        done < <(grep -rn --include='*.h' --include='*.cpp' "#include \"core/${core_order[j]}/" \
            "$root/src/core/${core_order[i]}" || true)
    done
done
# Every folder of core has its place in that order.
for folder in "$root"/src/core/*/; do
    name="$(basename "$folder")"
    [[ " ${core_order[*]} " == *" $name "* ]] || faults+=("src/core/$name: a folder of core without a place in its order")
done
# The helper holds a capability: what it is made of stays in its own folder, and only its client knows it.
while IFS= read -r hit; do
    faults+=("$hit: src/wake includes from outside its own folder")
done < <(grep -rnE --include='*.h' --include='*.cpp' '^\s*#\s*include\s*"' "$root/src/wake" \
    | grep -vE '#\s*include\s*"wake/' || true)
while IFS= read -r hit; do
    faults+=("$hit: src/wake includes a Qt header")
done < <(grep -rnE --include='*.h' --include='*.cpp' '^\s*#\s*include\s*<Q' "$root/src/wake" || true)
while IFS= read -r hit; do
    faults+=("$hit: only os/wake includes from wake")
done < <(grep -rnE --include='*.h' --include='*.cpp' '#\s*include\s*"wake/' "$root/src" \
    | grep -vE "^$root/src/(wake|os/wake)/" || true)

# What an alarm is does not depend on how alarms are kept.
while IFS= read -r hit; do
    faults+=("$hit: core/model includes from core/store")
done < <(grep -rn --include='*.h' --include='*.cpp' '#include "core/store/' "$root/src/core/model" || true)

# The window folders know one another only through ui/common (the Shell interface among it); ui/shell alone
# creates and connects them.
for folder in "$root"/src/ui/*/; do
    name="$(basename "$folder")"
    [[ "$name" == shell ]] && continue
    while IFS= read -r hit; do
        faults+=("$hit: ui/$name includes from another ui folder than ui/common")
    done < <(grep -rn --include='*.h' --include='*.cpp' '#include "ui/' "$folder" \
        | grep -v -e "#include \"ui/common/" -e "#include \"ui/$name/" || true)
done

# Operating-system conditionals belong to the variant files under os/.
while IFS= read -r hit; do
    faults+=("$hit: an operating-system conditional outside src/os")
done < <(grep -rn --include='*.h' --include='*.cpp' 'Q_OS_' "$root/src" | grep -v "^$root/src/os/" || true)

# Small folders: a folder that grows past this is split by job.
while IFS= read -r folder; do
    count="$(find "$folder" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) | wc -l)"
    if ((count > 14)); then
        faults+=("${folder#"$root"/}: $count source files; split it by job")
    fi
done < <(find "$root/src" -type d)

if ((${#faults[@]} > 0)); then
    printf 'layering: %s\n' "${faults[@]}" >&2
    exit 1
fi
echo "layering: the libraries keep their lines"
