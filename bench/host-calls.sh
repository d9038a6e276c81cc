#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Times N calls (default 1000) through the demo host, each left by its script with
# Escape, beside N calls of the stock-widget dialog in a process of its own (obsbench as
# a child), on Qt's offscreen platform. Not a test: it prints the times and their ratio.
# Usage: bench/host-calls.sh [N [BUILD_DIR]]   (BUILD_DIR built with -DOBS_BUILD_BENCH=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
calls="${1:-1000}"
build="${2:-${OBS_BENCH_BUILD_DIR:-build-bench}}"
export QT_QPA_PLATFORM=offscreen

args=()
for _ in $(seq "$calls"); do args+=(--keys Escape); done

now() { date +%s.%N; }
start=$(now)
left=$("$build/bin/observacao-host" --list samples/observacoes.xml "${args[@]}" | grep -c Erro || true)
host=$(echo "$(now) - $start" | bc)
[ "$left" -eq "$calls" ] || { echo "host-calls: $left of $calls calls returned Erro" >&2; exit 1; }

start=$(now)
OBS_BENCH_FIRST_FRAME=stock OBS_BENCH_CALLS="$calls" "$build/bin/obsbench" >/dev/null
stock=$(echo "$(now) - $start" | bc)

printf 'demo host, %d scripted calls left with Escape: %.2f s (%.2f ms a call)\n' "$calls" "$host" \
  "$(echo "$host * 1000 / $calls" | bc -l)"
printf 'stock dialog, %d calls in a process of its own: %.2f s (%.2f ms a call)\n' "$calls" "$stock" \
  "$(echo "$stock * 1000 / $calls" | bc -l)"
printf 'ratio: %.2f\n' "$(echo "$host / $stock" | bc -l)"
