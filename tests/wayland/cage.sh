# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# The cage cases of run-wayland.sh (sourced). cage runs one program and offers no virtual
# keyboard, so each case is a session of its own: the host's call is scripted (--keys)
# up to the window to look at, which the script leaves open, and the screen is read off
# a screenshot.

host_bg=1e5a78
# The observation window's frame (its border shape's pen).
dialog_frame=cc5b2c

# Each session has a runtime folder of its own: a socket cage left behind must not be
# taken for the next one's.
session=0
start_cage() {
  session=$((session + 1))
  export XDG_RUNTIME_DIR="$work/run$session"
  mkdir -m 0700 "$XDG_RUNTIME_DIR" && chown "$user" "$XDG_RUNTIME_DIR"
  : >"$work/out"
  "${run_as[@]}" cage -- "$host" -platform wayland --host-window --json "$@" >"$work/out" 2>"$work/err" &
  comp_pid=$!
  wait_socket
}

# Ends the session by ending the host, cage's one program: cage then ends by itself and
# takes its Xwayland and that server's lock file with it (cage 0.1.4 aborts on SIGTERM,
# leaving them behind).
stop_cage() {
  local child exe
  exe=$(realpath "$host")
  for child in $(ps -o pid= --ppid "$comp_pid" 2>/dev/null); do
    [ "$(readlink "/proc/$child/exe" 2>/dev/null)" = "$exe" ] && kill "$child" 2>/dev/null
  done
  for _ in $(seq 50); do
    kill -0 "$comp_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$comp_pid" 2>/dev/null
  wait "$comp_pid" 2>/dev/null
  comp_pid=""
  unset WAYLAND_DISPLAY
}

shot() { as_user grim -t ppm "$work/shots/$1.ppm" 2>/dev/null && cp "$work/shots/$1.ppm" "$work/$1.ppm"; }
# The box of what is drawn over the host window (cage paints the rest black).
box() { python3 "$probe" box "$work/$1.ppm" "$host_bg" 000000; }

# Waits (bounded) until the screen shows a window, differs from picture $2 (when given)
# inside the dialog's box and stays so for two pictures in a row; keeps the last as $1.
settle() {
  local i last="" now
  for i in $(seq 60); do
    sleep 0.25
    shot "$1" || continue
    # Between two windows cage may show nothing at all.
    [ "$(box "$1")" = none ] && continue
    if [ -n "${2:-}" ]; then
      # Only inside the dialog: cage draws the host window in one session and not in
      # another (black), so the rest of the screen tells nothing.
      now=$(python3 "$probe" diff "$work/$2.ppm" "$work/$1.ppm" $dialog)
    else
      # The dialog by its frame's colour: the box of all that is drawn over the host's
      # background also holds the host window's own title and border when cage leaves
      # them to the client (seen in some sessions), or is the host window before its
      # first paint.
      now=$(python3 "$probe" colour "$work/$1.ppm" "$dialog_frame")
    fi
    if [ "$now" != none ] && [ "$now" = "$last" ]; then
      # OBS_WAYLAND_SHOTS=DIR keeps the pictures the cases looked at.
      [ -n "${OBS_WAYLAND_SHOTS:-}" ] && cp "$work/$1.ppm" "$OBS_WAYLAND_SHOTS/"
      echo "$now"
      return 0
    fi
    last=$now
  done
  echo "none"
  return 1
}

screen_centre() { python3 "$probe" size "$work/$1.ppm" | { read -r w h; echo $((w / 2)) $((h / 2)); }; }

# The dialog alone, by hand: centred on the output, which the host window fills.
if wanted dialog || wanted search || wanted message; then
  start_cage || fail "cage did not start: $(tail -3 "$work/err")"
  dialog=$(settle dialog)
  stop_cage
  check dialog-centred yes "$(centred_on "$dialog" $(screen_centre dialog) && echo yes || echo "no: at $dialog")"
fi

# The search, opened from the dialog, over it.
if wanted search; then
  start_cage --keys "Alt+P" || fail "cage did not start"
  search=$(settle search dialog)
  stop_cage
  read -r x y w h <<<"$dialog"
  check search-centred yes "$(centred_on "$search" $((x + w / 2)) $((y + h / 2)) && echo yes || echo "no: at $search")"
fi

# A message box (Enter on an empty code), over the dialog.
if wanted message; then
  start_cage --keys "Return" || fail "cage did not start"
  message=$(settle message dialog)
  stop_cage
  read -r x y w h <<<"$dialog"
  check message-centred yes "$(centred_on "$message" $((x + w / 2)) $((y + h / 2)) && echo yes || echo "no: at $message")"
  check message-size "520 240" "$(echo "$message" | cut -d' ' -f3-4)"
fi

# A whole scripted call returns what it returns elsewhere; cage ends with the host.
if wanted typical; then
  start_cage --keys "0 1 Return Alt+C" --keys "9 9 Return tap:btnOk Escape" || fail "cage did not start"
  for _ in $(seq 150); do kill -0 "$comp_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$comp_pid" 2>/dev/null && echo "(cage did not end)" >>"$work/out"
  stop_cage
  out=$(cat "$work/out")
  check typical "$record01" "$out"
  check unknown-then-leave "$unknown" "$out"
fi
