#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Instructions per warm call, from callgrind: the plug-in's whole call (ObservacaoMod, its
# window closed at its first paint) beside the stock-widget dialog built, shown and closed
# the same way. Each side runs in a child making 1 call and one making 1 + N calls; the
# difference divided by N leaves out the process's start and the first call's font
# loading. Instruction counts hold still where the clock does not on a shared machine.
# Usage: bench/instructions.sh [N] (default 50). Build directory as for run.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${OBS_BENCH_BUILD_DIR:-build-bench}"
calls="${1:-50}"
command -v valgrind >/dev/null || { echo "instructions.sh: valgrind is needed" >&2; exit 1; }

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOBS_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target obsbench >/dev/null

export QT_QPA_PLATFORM=offscreen
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

collected() { # side calls
    OBS_BENCH_FIRST_FRAME="$1" OBS_BENCH_CALLS="$2" \
        valgrind --tool=callgrind --callgrind-out-file="$work/$1.$2.out" "$build/bin/obsbench" \
        >/dev/null 2>"$work/$1.$2.err" || { cat "$work/$1.$2.err" >&2; exit 1; }
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$1.$2.err"
}

declare -A perCall
for side in module stock; do
    one="$(collected "$side" 1)"
    many="$(collected "$side" $((calls + 1)))"
    perCall[$side]=$(((many - one) / calls))
done
printf '| per warm call (%d calls) | instructions |\n|---|---:|\n' "$calls"
printf '| module (ObservacaoMod) | %d |\n| stock-widget dialog | %d |\n' "${perCall[module]}" "${perCall[stock]}"
awk -v m="${perCall[module]}" -v s="${perCall[stock]}" 'BEGIN { printf "| ratio module / stock | %.3f |\n", m / s }'
