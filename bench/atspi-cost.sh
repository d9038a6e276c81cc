#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# What accessibility costs the installed host on Xvfb, with and without an AT-SPI client
# (bench/atspi_cost.py, in the end-to-end suite's X server and D-Bus session). Not a test.
# Given OTHER_TREE (another build's installed tree), measures both, interleaved.
# Usage: bench/atspi-cost.sh [TREE [OTHER_TREE]]   (default build/demo-tree; OBS_ATSPI_CALLS calls a run)
set -euo pipefail
cd "$(dirname "$0")/.."
tree="${1:-build/demo-tree}"
OBS_ATSPI_CLIENT="$PWD/bench/atspi_cost.py" OBS_ATSPI_TIMEOUT=1800 \
  exec tests/atspi/run-atspi.sh "$tree" "$PWD" ${2:+"$2"}
