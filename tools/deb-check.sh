#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree, installs it with apt as on a fresh
# Debian 12 machine, runs the demo host from it and builds the consumer host against
# /usr alone, then removes the package again. Fails on any lintian error (the warnings
# left are explained in the README). Run as root (or under sudo).
#
# Usage: tools/deb-check.sh [BUILD_DIR]   (default: build)
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "deb-check: needs root, to install the package" >&2
  exit 1
fi

build="$(cd "${1:-build}" && pwd)"
src="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'apt-get purge -y -qq observacao >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb="$(ls "$work"/pkg/observacao_*.deb)"
echo "== lintian (the warnings left are explained in the README)"
# Status 1 is a policy violation (an error, by default), 2 a run that failed.
rc=0
lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || rc=$?
cat "$work/lintian.txt"
if [ "$rc" -ne 0 ] || grep -q "^E: " "$work/lintian.txt"; then
  echo "deb-check: lintian reports errors (status $rc)" >&2
  exit 1
fi
dpkg-deb -f "$deb" Depends

echo "== apt install $deb"
# Other builds on the machine may hold the package manager's lock for a while.
apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" >/dev/null
observacao-host --version
QT_QPA_PLATFORM=offscreen observacao-host --json --keys "0 1 Return Alt+C" | tee "$work/out.json"
grep -q '"items":\["01"' "$work/out.json"

echo "== consumer against the package"
cmake -S "$src/tests/consumer" -B "$work/consumer" -G Ninja >/dev/null
cmake --build "$work/consumer" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/consumer/consumer"
QT_QPA_PLATFORM=offscreen "$work/consumer/consumer_driver"
# By hand, as the README says; the library reached through the loader's own paths.
g++ -std=c++17 -o "$work/consumer-pc" "$src/tests/consumer/main.cpp" -I"$src/tests/consumer/own" \
  $(pkg-config --cflags observacao) -DOBS_MODULE_PATH="\"$(pkg-config --variable=module observacao)\"" \
  -DOBS_DATA_DIR="\"$(pkg-config --variable=pkgdatadir observacao)\"" $(pkg-config --libs observacao)
QT_QPA_PLATFORM=offscreen "$work/consumer-pc"
echo "deb-check: ok"
