#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program on a private system bus where python3-dbusmock's logind stands in for the system's, so that the
# test can announce a sleep and a resume; nothing is started on demand on that bus.
# Usage: with_logind.sh PROGRAM [ARGUMENT...]
set -euo pipefail
# shellcheck source=tests/scripts/session.sh
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
session_begin

for tool in dbus-daemon gdbus; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (Debian packages dbus-daemon, libglib2.0-bin)"; exit 1; }
done
/usr/bin/python3 -c 'import dbusmock' 2>/dev/null || { echo "FAIL: python3-dbusmock is missing"; exit 1; }

sed -e 's|@TYPE@|system|' -e "s|@LISTEN@|unix:dir=$work|" "$(dirname "${BASH_SOURCE[0]}")/private_bus.conf" \
    >"$work/system.conf"
mkfifo "$work/address"
dbus-daemon --config-file="$work/system.conf" --nofork --print-address=3 3>"$work/address" &
pids+=($!)
read -r -t 10 address <"$work/address" || { echo "FAIL: the private system bus did not start"; exit 1; }
export DBUS_SYSTEM_BUS_ADDRESS=$address

/usr/bin/python3 -m dbusmock --system --template logind >"$work/logind.log" 2>&1 &
pids+=($!)
gdbus wait --system --timeout 20 org.freedesktop.login1 || { echo "FAIL: the stand-in logind did not start"; exit 1; }

"$@"
