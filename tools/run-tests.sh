#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs every test through ctest; then the same
# suite under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, a scripted
# session under valgrind's memcheck, and a short fuzzing run of the data packet reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOBS_WERROR=ON
cmake --build build
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --test-dir build --output-on-failure -j2 | tee "$log"
total=$(sed -n 's/.*tests failed out of \([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)

echo "== sanitizers"
# Built with clang, so that the tree is held warning-free under both compilers.
cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DOBS_SANITIZE=ON \
  -DOBS_BUILD_TOOLS=OFF -DOBS_WERROR=ON
cmake --build build-asan
# The growth check measures resident memory, which the sanitizer's quarantine inflates.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2 -E '^Growth\.'

echo "== memcheck"
cmake --install build --prefix build/install >/dev/null
bash tools/memcheck.sh build/install

echo "== fuzzing"
bash fuzz/run.sh 60

echo "== all checks passed"
echo "${total:-0} passed, 0 failed"
