#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Builds the data packet fuzzer with clang into build-fuzz/ and runs it for the given
# number of seconds (default 60) over a copy of fuzz/corpus, so that the kept corpus only
# changes by hand. Exits non-zero on a finding; the input that caused it is left in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

# libFuzzer's runtime comes in its own package, which clang only recommends.
runtime="$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-$(uname -m).a"
if [ ! -f "$runtime" ]; then
  echo "packet fuzzer: libFuzzer's runtime is missing ($runtime); install libclang-rt-dev" >&2
  exit 2
fi

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

work="$build/corpus"
findings="$build/findings"
rm -rf "$work"
mkdir -p "$work" "$findings"
cp fuzz/corpus/* "$work"/

# The reader and writer are plain Qt Core; no platform plug-in is loaded, but keep any
# Qt messages from a desktop session out of the way.
export QT_QPA_PLATFORM=offscreen
status=0
"$build/packet_fuzzer" "$work" \
  -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$findings/" || status=$?
if [ "$status" -ne 0 ]; then
  echo "packet fuzzer: finding (exit $status); input in $findings/" >&2
  ls -l "$findings" >&2 || true
  exit "$status"
fi
echo "packet fuzzer: no finding in ${seconds} s"
