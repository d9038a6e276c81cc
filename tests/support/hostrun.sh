# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Sourced by the suites that run the installed host in the background as $host_pid, its
# standard output in $work/out.
#
# finish_host: waits (bounded, 10 s) for the call to end and prints its output; a host
# still running then is ended and the case reads "(the call did not end)".
finish_host() {
  local i
  for i in $(seq 100); do
    kill -0 "$host_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$host_pid" 2>/dev/null; then
    kill "$host_pid" 2>/dev/null
    wait "$host_pid" 2>/dev/null
    host_pid=""
    echo "(the call did not end)"
    return 1
  fi
  wait "$host_pid" 2>/dev/null
  host_pid=""
  cat "$work/out"
}
