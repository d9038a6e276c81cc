#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the project's own sources, using the
# compile commands of an existing build (default: build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$PWD/(platform|host|dialog|module|demo)/"
