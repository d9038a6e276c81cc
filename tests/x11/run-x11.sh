#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# End-to-end sessions on a real X server: starts its own Xvfb (and a window manager
# on it, on its default configuration, unless "bare"), runs the installed demo host on
# xcb and types through the server's keyboard map with xdotool, on the US and the
# Brazilian ABNT2 layouts.
# Usage: run-x11.sh TREE bare|openbox|xfwm4|metacity|icewm [CASE...]
set -uo pipefail

tree=$1
variant=$2
shift 2
# The command that runs each manager in the foreground.
case "$variant" in
  bare) manager=() ;;
  openbox) manager=(openbox --sm-disable) ;;
  xfwm4) manager=(xfwm4 --compositor=off --sm-client-disable) ;;
  metacity) manager=(metacity --sm-disable) ;;
  icewm) manager=(icewm) ;;
  *) echo "FAIL: unknown window manager '$variant'"; exit 1 ;;
esac
only=("$@")
host="$tree/bin/observacao-host"
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
host_pid=""

cleanup() {
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

skip() { echo "SKIP: $*"; exit 77; }
# Only a machine where Xvfb is installed but cannot start skips; a missing tool is a
# fault of the machine's set-up that must show.
for tool in Xvfb xdotool setxkbmap xprop xwininfo ${manager[@]:0:1}; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (tools/install-deps.sh installs it)"; exit 1; }
done
[ -x "$host" ] || { echo "FAIL: no installed host at $host"; exit 1; }

# shellcheck source=../support/xvfb.sh
source "$(dirname "$0")/../support/xvfb.sh"
# shellcheck source=../support/hostrun.sh
source "$(dirname "$0")/../support/hostrun.sh"
start_xvfb "$work" || skip "Xvfb could not start: $(cat "$work/xvfb.log" 2>/dev/null | tail -3)"

desktops=1
if [ ${#manager[@]} -gt 0 ]; then
  "${manager[@]}" >"$work/manager.log" 2>&1 &
  wm_pid=$!
  # A manager has taken the screen once it names its check window on the root.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "FAIL: $variant did not start: $(tail -3 "$work/manager.log")"
    exit 1
  fi
  desktops=$(xdotool get_num_desktops 2>/dev/null || echo 1)
fi

unset QT_QPA_PLATFORM QT_IM_MODULE XMODIFIERS
export LANG=C.UTF-8 LC_ALL=C.UTF-8
failures=0
passed=0
window=""
host_env=() # variables for the next host only
host_args=() # options for the next host only

layout() {
  if [ "$1" = br ]; then setxkbmap -model abnt2 -layout br; else setxkbmap -model pc105 -layout us; fi
}

# Starts a call and waits until its dialog is mapped and has taken the keyboard.
start_host() {
  : >"$work/out"
  env "${host_env[@]}" "$host" -platform xcb --json "$@" >"$work/out" 2>"$work/err" &
  host_pid=$!
  window=$(timeout 15 xdotool search --sync --onlyvisible --name 'Observa' 2>/dev/null | head -1)
  [ -n "$window" ] || return 1
  on_dialog
}

# Waits (bounded) until a window opened above the dialog has the input focus, or
# until the dialog has it again, so that keys are not typed into the wrong window
# on a loaded machine. A wait that runs out leaves the case to fail on its result.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
above() {
  local i
  for i in $(seq 50); do focused || break; sleep 0.1; done
  sleep 0.2
}
on_dialog() {
  local i
  for i in $(seq 50); do focused && break; sleep 0.1; done
  sleep 0.3
}

# Waits (bounded) for the call to end; prints its JSON line.

keys() { xdotool key --delay 120 "$@"; sleep 0.3; }

# Parks the pointer off the dialog, so focus cannot follow it.
park() { xdotool mousemove 1275 1019; }

# Clicks a point of the dialog given in its own coordinates.
touch_at() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
  sleep 0.3
}

# What a case saw go wrong on the way (a window hidden, a desktop left empty); any
# note fails the case whatever its result.
note() { echo "$*" >>"$work/notes"; }

check() { # name, expected text, actual output
  if [[ "$3" == *"$2"* ]] && [ ! -s "$work/notes" ]; then
    passed=$((passed + 1))
    echo "ok   $variant/$1"
  else
    failures=$((failures + 1))
    echo "FAIL $variant/$1"
    echo "     expected to contain: $2"
    echo "     got: $3"
    [ -s "$work/notes" ] && sed 's/^/     seen: /' "$work/notes"
    sed 's/^/     stderr: /' "$work/err" | head -5
  fi
}

# The managers added last run the cases that involve the manager; bare and openbox
# run every case. Each case is one call, so the suites can run side by side.
short_suite=(typical alt-drag touch oversize)
case_in_suite() {
  case "$variant" in bare | openbox) return 0 ;; esac
  [[ "$1" == wm-* ]] && return 0
  local c
  for c in "${short_suite[@]}"; do [ "$c" = "$1" ] && return 0; done
  return 1
}

wanted() {
  [ ${#only[@]} -eq 0 ] && { case_in_suite "$1"; return; }
  local c
  for c in "${only[@]}"; do [ "$c" = "$1" ] && return 0; done
  return 1
}

record01='"items":["01","Sem cebola"'
composed01='" Sem cebola;"]}'
erro='"result":{"low":0,"high":0,"items":["Erro"]}'
unknown='"text":"Observação não cadastrado(a)."'

run_case() { # name layout -- steps as a function
  local name=$1 lay=$2 fn=$3 expected=$4
  wanted "$name" || return 0
  : >"$work/notes"
  layout "$lay"
  park
  if ! start_host "${host_args[@]}"; then
    check "$name" "$expected" "(the dialog did not appear) $(cat "$work/err" | head -3)"
    kill "$host_pid" 2>/dev/null
    wait "$host_pid" 2>/dev/null
    host_pid=""
    return
  fi
  "$fn"
  check "$name" "$expected" "$(finish_host)"
}

typical() { keys 0 1 Return alt+c; }
run_case typical us typical "$record01"
run_case typical-abnt2 br typical "$composed01"

escape() { keys Escape; }
run_case escape us escape "$erro"
alt_escape() { keys alt+Escape; }
run_case alt-escape us alt_escape "$erro"

alt_f4() { keys alt+F4; keys 0 1 Return alt+c; }
run_case alt-f4 us alt_f4 "$record01"

alt_space() { keys alt+space; keys 0 1 Return alt+c; }
run_case alt-space us alt_space "$record01"

# Alt+drag must not move the dialog: the code typed after it reaches it where it was.
alt_drag() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local before="$X,$Y"
  xdotool mousemove $((X + 300)) $((Y + 100)); sleep 0.2
  xdotool keydown Alt_L; sleep 0.2
  xdotool mousedown 1; sleep 0.2
  local step
  for step in 1 2 3 4 5 6 7 8; do xdotool mousemove_relative 10 10; sleep 0.05; done
  xdotool mouseup 1; sleep 0.1
  xdotool keyup Alt_L; sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$window")"
  park
  if [ "$X,$Y" = "$before" ]; then keys 0 1 Return alt+c; else keys Escape; fi
}
run_case alt-drag us alt_drag "$record01"

# Caps Lock on: the letter shortcuts test the key, not the character.
caps() {
  keys Caps_Lock
  keys alt+p; above; keys Escape; on_dialog        # the search opens and is left
  keys 0 1 Return
  keys alt+e; above; keys ctrl+Return; on_dialog   # the editor opens and keeps the text
  keys alt+c
  keys Caps_Lock
}
run_case caps-lock us caps "$composed01"

# The message above the dialog is dismissed by key with the pointer outside; the
# keyboard must come back to the dialog.
message_focus() { keys Return; above; keys Return; on_dialog; keys 0 1 Return alt+c; }
run_case message-focus us message_focus "$record01"

# A composed é is refused by the code field as a typed one is.
dead_acute_code() { keys dead_acute e 0 1 Return alt+c; }
run_case dead-acute-code br dead_acute_code "$record01"

# The Ç key of ABNT2 types ç, which the code field accepts: "ç1" is not a known code.
ccedilla() { keys ccedilla 1 Return; above; keys Return; on_dialog; keys Escape; }
run_case ccedilla-abnt2 br ccedilla "$unknown"

# Dead keys compose in the editor.
dead_keys_editor() {
  keys 0 1 Return alt+e
  above
  keys End space N dead_tilde a o space dead_acute e
  keys ctrl+Return
  on_dialog
  keys alt+c
}
run_case dead-keys-editor br dead_keys_editor 'Sem cebola; Não é"]}'

# Touching the on-screen keys with the pointer.
touch_keys() { touch_at 592 229; touch_at 43 229; touch_at 669 337; touch_at 647 445; }
run_case touch us touch_keys "$record01"

# A call that dies while it holds the keyboard leaves nothing held: the server drops
# the grab with the client, and the next call takes keys.
killed_then_typical() {
  kill -9 "$host_pid"
  wait "$host_pid" 2>/dev/null
  start_host || return
  typical
}
run_case killed-call us killed_then_typical "$record01"

# At twice the scale the dialog (1452x960) is wider than the screen: its top-left
# corner stays on it, under the manager as without one, and the keys still work.
oversize() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] || note "the oversize dialog starts at $X,$Y, off the screen"
  keys 0 1 Return alt+c
}
host_env=(QT_SCALE_FACTOR=2)
run_case oversize us oversize "$record01"
host_env=()

# ---- The manager's own functions, with the dialog and with each window above it.

# Every chord the managers bind by default to close, move, size, minimise, maximise,
# their menus, window cycling and desktops (xfwm4, metacity, icewm, openbox), and
# Super and Hyper chords, which must type nothing.
chords=(alt+F1 alt+F2 alt+F3 alt+F4 alt+F5 alt+F6 alt+F7 alt+F8 alt+F9 alt+F10 alt+F11 alt+F12
  alt+space alt+Tab alt+shift+Tab ctrl+alt+Right ctrl+alt+Left ctrl+alt+Up ctrl+alt+Down
  ctrl+alt+d super+d Hyper_L+h super+Up super+Left ctrl+F2 ctrl+alt+shift+Right ctrl+alt+Delete)

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# Bounded: a manager unmaps a window in its own time, and a restored one comes back.
stays_viewable() { # window, what
  local i
  sleep 0.2
  for i in $(seq 30); do viewable "$1" && return 0; sleep 0.1; done
  note "$2 is not shown"
  return 1
}
current_desktop() { xdotool get_desktop 2>/dev/null; }
set_desktop() {
  local i
  xdotool set_desktop "$1" 2>/dev/null
  for i in $(seq 30); do [ "$(current_desktop)" = "$1" ] && break; sleep 0.1; done
  sleep 0.3
}

# Each given window is shown on the last desktop as on the first (and the first is
# the one shown after), so a desktop switch never leaves the call out of sight.
on_every_desktop() { # what, windows...
  [ "$desktops" -gt 1 ] || return 0
  local what=$1 w
  shift
  set_desktop $((desktops - 1))
  for w in "$@"; do viewable "$w" || note "$what: window $w is not on desktop $((desktops - 1))"; done
  set_desktop 0
  for w in "$@"; do stays_viewable "$w" "$what: window $w back on desktop 0"; done
}

# The chords, the manager's minimise request and a desktop switch, against the window
# that has the keys now (the dialog or one above it); it must still be shown after, on
# the desktop where it was, and take keys.
assault() { # what
  local top
  top=$(xdotool getwindowfocus 2>/dev/null)
  xdotool key --delay 15 "${chords[@]}"; sleep 0.3
  [ "$(current_desktop)" = 0 ] || { note "$1: a chord switched to desktop $(current_desktop)"; set_desktop 0; }
  stays_viewable "$top" "$1 after the chords"
  stays_viewable "$window" "the dialog after the chords on $1"
  xdotool windowminimize "$top" 2>/dev/null
  stays_viewable "$top" "$1 after a minimise"
  on_every_desktop "$1" "$top" "$window"
  # The keys come back to it whatever the manager did.
  local i
  for i in $(seq 30); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$top" ] && return 0; sleep 0.1; done
  note "$1 lost the keyboard focus"
}

wm_dialog() {
  assault "the dialog"
  typical
}
run_case wm-dialog us wm_dialog "$record01"

wm_message() {
  keys Return; above      # no code: a message above the dialog
  assault "the message"
  keys Return; on_dialog
  on_every_desktop "the dialog after the message" "$window"
  typical
}
run_case wm-message us wm_message "$record01"

wm_search() {
  keys alt+p; above
  assault "the search"
  keys Escape; on_dialog
  on_every_desktop "the dialog after the search" "$window"
  typical
}
run_case wm-search us wm_search "$record01"

# No chord types into the editor: the text comes back as it went in.
wm_editor() {
  keys 0 1 Return alt+e; above
  assault "the editor"
  keys ctrl+Return; on_dialog
  on_every_desktop "the dialog after the editor" "$window"
  keys alt+c
}
run_case wm-editor us wm_editor "$composed01"

# ---- Calls over a full-screen window of the host's own (--host-window) ----
# The dialog stands above the host window, centred, takes the keys, and the host window
# has the keyboard again once the call is over (the outcome's "hostWindow").
host_window_case() { # name function expected
  host_args=(--host-window)
  run_case "$1" us "$2" "$3"
  host_args=()
}

# The child of the root window that holds window $1 (its manager's frame, or itself).
toplevel_of() {
  local w
  w=$(printf '0x%x' "$1")
  local info root parent
  for _ in $(seq 10); do
    info=$(xwininfo -children -id "$w" 2>/dev/null) || break
    root=$(awk '/Root window id:/ {print $4}' <<<"$info")
    parent=$(awk '/Parent window id:/ {print $4}' <<<"$info")
    [ -z "$parent" ] || [ "$parent" = "$root" ] && break
    w=$parent
  done
  echo "$w"
}

host_window_typical() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  local hostwin
  hostwin=$(xdotool search --onlyvisible --name '^Ponto de venda$' 2>/dev/null | head -1)
  eval "$(xdotool getwindowgeometry --shell "$hostwin")"
  check host-window-full-screen "0,0 1280x1024" "$X,$Y ${WIDTH}x$HEIGHT"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  check host-window-dialog-centred "640,512" "$((X + WIDTH / 2)),$((Y + HEIGHT / 2))"
  # The window under the screen's centre is the dialog (or the frame a manager put around
  # it), not the host window below it.
  xdotool mousemove 640 512
  sleep 0.2
  eval "$(xdotool getmouselocation --shell)"
  local under=other
  [ "$(toplevel_of "$WINDOW")" = "$(toplevel_of "$window")" ] && under=dialog
  check host-window-dialog-above dialog "$under"
  park
  typical
}
host_window_case host-window host_window_typical "$record01"
wanted host-window && check host-window-refocused '"hostWindow":{"active":true}' "$(cat "$work/out")"

host_window_message() { message_focus; }
host_window_case host-window-message host_window_message "$record01"

echo "$variant: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
