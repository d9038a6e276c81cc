#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# The installed host read and operated by a real accessibility client: its own Xvfb, a
# private D-Bus session with the AT-SPI bus, the host on xcb with accessibility on, and
# session.py (pyatspi) as the client. Any missing tool fails the suite.
# Usage: run-atspi.sh TREE SOURCE_DIR [LANG...]
# (OBS_ATSPI_CLIENT names another client script, run the same way with the same
# arguments: bench/atspi_cost.py.)
set -uo pipefail

tree=$1
source_dir=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=""

cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
for tool in Xvfb dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh installs xvfb, dbus and at-spi2-core)"
done
# The system's Python, where python3-pyatspi installs.
python=/usr/bin/python3
[ -x "$python" ] || fail "$python is not installed"
"$python" -c 'import pyatspi' 2>/dev/null || fail "pyatspi is not importable by $python (install python3-pyatspi)"
[ -x "$tree/bin/observacao-host" ] || fail "no installed host at $tree/bin/observacao-host"

# shellcheck source=../support/xvfb.sh
source "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work" || fail "Xvfb could not start: $(tail -3 "$work/xvfb.log" 2>/dev/null)"

unset QT_QPA_PLATFORM QT_IM_MODULE XMODIFIERS AT_SPI_BUS_ADDRESS
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# The whole run is bounded; each case within it is bounded by session.py.
client=${OBS_ATSPI_CLIENT:-$here/session.py}
timeout --kill-after=10 "${OBS_ATSPI_TIMEOUT:-300}" dbus-run-session -- "$python" "$client" "$tree" "$source_dir" "$@"
