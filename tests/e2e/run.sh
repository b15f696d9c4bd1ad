#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one scenario of the end-to-end tests with the system's python, the one that has the accessibility
# bindings; fails where it is missing (tools/test.sh installs it with python3-pyatspi).
# usage: run.sh scenario.py path/to/brevora [argument...]
[ -x /usr/bin/python3 ] || { echo "FAIL: /usr/bin/python3 is not installed"; exit 1; }
script="${0%/*}/$1"
shift
PYTHONDONTWRITEBYTECODE=1 exec /usr/bin/python3 "$script" "$@"
