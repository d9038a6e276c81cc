#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Runs clang-tidy (checks in .clang-tidy, every finding an error) over the project's own
# sources, using the compile commands of an existing build (default: build/). Fails on any
# finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json" >&2; exit 2; }
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$PWD/(platform|host|dialog|module|demo)/"
