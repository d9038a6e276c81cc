#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Fails when a tracked C++ file differs from what clang-format (.clang-format) makes of it.
# Lists the files and the first differences; `clang-format -i FILE` mends them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "format check: no tracked sources (not a git checkout?)" >&2; exit 2; }
if ! clang-format --dry-run --Werror "${files[@]}" 2>"${TMPDIR:-/tmp}/format-check.$$"; then
  grep -E '^[^ ].*(warning|error):' "${TMPDIR:-/tmp}/format-check.$$" | head -n 40
  rm -f "${TMPDIR:-/tmp}/format-check.$$"
  echo "format check: the files above differ from .clang-format (clang-format -i mends them)" >&2
  exit 1
fi
rm -f "${TMPDIR:-/tmp}/format-check.$$"
echo "format check: ${#files[@]} files clean"
