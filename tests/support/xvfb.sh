# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Sourced by the suites that need a real X server of their own.
#
# start_xvfb WORK: starts Xvfb on the first free display from :50 up, sets DISPLAY and
# xvfb_pid; returns 1 (xvfb_pid empty) when none starts, its log in WORK/xvfb.log.
# Xvfb writes the display's number to the descriptor once it listens; suites that run
# side by side may race for a display, and the loser goes on to the next.
start_xvfb() {
  local work=$1 n
  xvfb_pid=""
  for n in $(seq 50 99); do
    [ -e "/tmp/.X$n-lock" ] && continue
    rm -f "$work/displayfd"
    Xvfb ":$n" -noreset -nolisten tcp -screen 0 1280x1024x24 -displayfd 3 3>"$work/displayfd" \
      >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [ -s "$work/displayfd" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -s "$work/displayfd" ]; then
      export DISPLAY=":$n"
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  return 1
}
