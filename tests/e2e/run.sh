#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one scenario of the end-to-end tests with the system's python, the one that has the accessibility
# bindings; skips (77) where it is missing.
# usage: run.sh scenario.py path/to/brevora [argument...]
[ -x /usr/bin/python3 ] || { echo "SKIP: /usr/bin/python3 is not installed"; exit 77; }
script="${0%/*}/$1"
shift
PYTHONDONTWRITEBYTECODE=1 exec /usr/bin/python3 "$script" "$@"
