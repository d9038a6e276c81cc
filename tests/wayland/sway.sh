# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# The sway cases of run-wayland.sh (sourced): a full-screen host window, the dialog and
# its windows floating over it, typed with wtype, read off sway's tree.

cat >"$work/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x1024 position 0 0
default_border none
default_floating_border none
focus_follows_mouse no
# sway maps a window opened over a full-screen one without the keyboard; a station's
# configuration gives it (see README).
for_window [floating] focus
bindsym Mod4+Shift+q kill
bindsym Mod1+F4 kill
CONF
chmod a+r "$work/sway.conf"
"${run_as[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
comp_pid=$!
wait_socket || fail "sway did not start: $(tail -3 "$work/sway.log")"
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1)
export SWAYSOCK
[ -n "$SWAYSOCK" ] || fail "sway gave no IPC socket"
# A seat without a keyboard gives no window the focus: one virtual keyboard stays for the
# whole session (it would press Shift after an hour), the typing ones come and go.
"${run_as[@]}" wtype -s 3600000 -k Shift_L >/dev/null 2>&1 &
kbd_pid=$!
for _ in $(seq 50); do
  as_user swaymsg -t get_inputs 2>/dev/null | grep -q '"type": "keyboard"' && break
  sleep 0.1
done

tree() { as_user swaymsg -t get_tree 2>/dev/null; }
focused() { tree | python3 "$probe" focused; }
rect() { tree | python3 "$probe" rect "$1"; }
# Waits (bounded) until the focused window's name starts with $1.
wait_focus() {
  local i
  for i in $(seq "${2:-50}"); do
    [[ "$(focused)" == "$1"* ]] && return 0
    sleep 0.1
  done
  return 1
}
keys() { as_user wtype -s 100 "$@"; sleep 0.2; }

start_host() {
  : >"$work/out"
  "${run_as[@]}" "$host" -platform wayland --host-window --json "$@" >"$work/out" 2>"$work/err" &
  host_pid=$!
  wait_focus Observa 150
}


run_case() { # name function expected
  wanted "$1" || return 0
  if ! start_host; then
    check "$1" "$3" "(the dialog did not get the focus; focused: \"$(focused)\") $(head -3 "$work/err")"
    finish_host >/dev/null
    return
  fi
  "$2"
  # OBS_WAYLAND_SHOTS=DIR keeps a picture of the screen at the end of each case.
  [ -n "${OBS_WAYLAND_SHOTS:-}" ] && as_user grim "$work/shots/$1.png" && cp "$work/shots/$1.png" "$OBS_WAYLAND_SHOTS/"
  check "$1" "$3" "$(finish_host)"
}

# "yes" when window $1 is centred over window $2 (or over the output when $2 is empty).
over() {
  local r
  r=$(rect "$1")
  if [ -n "${2:-}" ]; then
    local x y w h
    read -r x y w h <<<"$(rect "$2")"
    centred_on "$r" $((x + w / 2)) $((y + h / 2)) && echo yes || echo "no: $1 at $r"
  else
    centred_on "$r" 640 512 && echo yes || echo "no: $1 at $r"
  fi
}

confirm01() { keys 01 -k Return -M alt c -m alt; }

typical() {
  check dialog-centred yes "$(over Observa)"
  check host-stays-full-screen "0 0 1280 1024" "$(rect "Ponto de venda")"
  confirm01
}
run_case typical typical "$record01"
# The host window has the keyboard again once the call is over.
wanted typical && check host-window-refocused '"hostWindow":{"active":true}' "$(cat "$work/out")"

escape() { keys -k Escape; }
run_case escape escape "$erro"

search() {
  keys -M alt p -m alt
  wait_focus Pesquisar
  check search-centred yes "$(over Pesquisar Observa)"
  keys -k Escape
  wait_focus Observa && check search-focus-back yes yes || check search-focus-back Observa "$(focused)"
  confirm01
}
run_case search search "$record01"

# Dead keys compose in the editor (the keymap wtype uploads holds dead_tilde and dead_acute).
editor() {
  keys 01 -k Return -M alt e -m alt
  wait_focus Editar
  check editor-centred yes "$(over Editar Observa)"
  # One burst of plain and composed letters: each goes in where it was typed.
  keys -k End -k space N -k dead_tilde ao -k space -k dead_acute e -k space p -k dead_tilde ao
  keys -M ctrl -k Return -m ctrl
  wait_focus Observa
  keys -M alt c -m alt
}
run_case editor-dead-keys editor 'Sem cebola; Não é pão"]}'

# sway's kill binding and an Alt+F4 kill binding, with the dialog focused: the dialog
# stays and typing still reaches it. (The Super chord may type its letter into the code
# field: Backspace clears whatever it left.)
bindings() {
  keys -M logo -M shift q -m shift -m logo
  keys -M alt -k F4 -m alt
  sleep 0.3
  check bindings-dialog-stays "1 Observa" "$(tree | python3 "$probe" count Observa) $(focused)"
  keys -k BackSpace -k BackSpace
  confirm01
}
run_case kill-bindings bindings "$record01"

message() {
  keys 99 -k Return
  wait_focus Mensagem
  check message-centred yes "$(over Mensagem Observa)"
  keys -k Return
  wait_focus Observa && check message-focus-back yes yes || check message-focus-back Observa "$(focused)"
  confirm01
}
run_case message-focus message "$unknown"
