#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Runs a scripted session of the installed demo host under valgrind's memcheck and fails
# on any definite leak or memory error. Usage: tools/memcheck.sh INSTALL_PREFIX
set -euo pipefail
prefix=${1:?usage: tools/memcheck.sh INSTALL_PREFIX}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Lookup, search, an unknown code with its message, the editor, confirm; then a call left.
QT_QPA_PLATFORM=offscreen valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=9 --num-callers=40 --log-file="$log" \
  "$prefix/bin/observacao-host" -platform offscreen --json \
  --keys "0 1 Return Alt+P Down Return Delete 9 9 Return tap:btnOk Alt+E tap:btnLimpar type:Sem Space type:sal Ctrl+Return Alt+C" \
  --keys "A Return Escape" || { cat "$log"; echo "memcheck: errors or definite leaks (log above)" >&2; exit 1; }
grep -E 'definitely lost|ERROR SUMMARY' "$log"
echo "memcheck: no definite leak, no memory error"
