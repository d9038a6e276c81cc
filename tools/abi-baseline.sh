#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Records the interface of libobshost (its functions and variables, with every type they
# reach, read from its debug information) in abi/libobshost.abi,
# the baseline the abi.libobshost test compares each build with. Run it when the
# interface changes on purpose, and commit the file with the change.
#
# Usage: tools/abi-baseline.sh [BUILD_DIR]   (default: build; a RelWithDebInfo or Debug build)
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-build}" && pwd)"
cmake --build "$build" --target obshost >/dev/null
lib="$(cat "$build/abi/library")"
# shellcheck disable=SC2046 # the options file holds one word per option
abidw $(cat "$src/tests/abi/abidw-options") --out-file "$src/abi/libobshost.abi" "$lib"
echo "abi/libobshost.abi from $lib"
