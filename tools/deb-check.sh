#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree, installs it with apt as on a fresh
# Debian 12 machine, runs the demo host from it and builds the consumer host against
# /usr alone, then removes the package again. Run as root (or under sudo).
#
# Usage: tools/deb-check.sh [BUILD_DIR]   (default: build)
set -euo pipefail

build="$(cd "${1:-build}" && pwd)"
src="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'apt-get purge -y -qq observacao >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb="$(ls "$work"/pkg/observacao_*.deb)"
echo "== lintian (errors explained in README)"
lintian "$deb" || true

echo "== apt install $deb"
apt-get install -y -qq "$deb" >/dev/null
observacao-host --version
QT_QPA_PLATFORM=offscreen observacao-host --json --keys "0 1 Return Alt+C" | tee "$work/out.json"
grep -q '"items":\["01"' "$work/out.json"

echo "== consumer against the package"
cmake -S "$src/tests/consumer" -B "$work/consumer" -G Ninja >/dev/null
cmake --build "$work/consumer" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/consumer/consumer"
echo "deb-check: ok"
