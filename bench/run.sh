#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Builds the benchmarks (optimised, with debug information for a profiler) and runs them:
# each path beside its baseline in the same run, then the table of ratios with the machine
# named. Arguments go to obsbench (e.g. --benchmark_filter=key_press). Benchmarks are not
# tests: nothing fails on a time. The build directory is build-bench unless
# OBS_BENCH_BUILD_DIR says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${OBS_BENCH_BUILD_DIR:-build-bench}"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOBS_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target obsbench

export QT_QPA_PLATFORM=offscreen
"$build/bin/obsbench" "$@" | tee "$build/bench-results.txt"
