#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# End-to-end sessions on a Wayland compositor: starts headless sway or cage (pixman
# renderer) as an unprivileged user, runs the installed demo host over its own window
# (-platform wayland --host-window) and checks placement, focus and results. sway is
# typed with wtype; cage offers no virtual keyboard, so its calls are scripted (--keys)
# and the windows are read off screenshots (grim).
# Usage: run-wayland.sh TREE WORKROOT sway|cage [CASE...]
set -uo pipefail

tree=$(realpath -m "$1")
root=$(realpath -m "$2")
variant=$3
shift 3
only=("$@")
here=$(cd "$(dirname "$0")" && pwd)
probe="$here/probe.py"
# shellcheck source=../support/hostrun.sh
source "$here/../support/hostrun.sh"
user=obs-wayland
comp_pid=""
host_pid=""
kbd_pid=""
work=""

cleanup() {
  [ "$variant" = cage ] && [ -n "$comp_pid" ] && stop_cage
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null
  [ -n "$kbd_pid" ] && kill "$kbd_pid" 2>/dev/null
  [ -n "$comp_pid" ] && kill "$comp_pid" 2>/dev/null
  wait 2>/dev/null
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
# A missing tool is a fault of the machine's set-up that must show, not a skip.
tools=(python3 grim setpriv useradd "$variant")
[ "$variant" = sway ] && tools+=(swaymsg wtype)
[ "$variant" = cage ] && tools+=(Xwayland)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh installs it)"
done
[ -x "$tree/bin/observacao-host" ] || fail "no installed host at $tree/bin/observacao-host"

# sway refuses to run as root: the compositor and its clients run as a user of their own.
if [ "$(id -u)" = 0 ]; then
  # The sway and cage suites may run side by side: whichever creates the user first wins,
  # and useradd refuses while the other holds the password file's lock.
  for _ in $(seq 50); do
    id "$user" >/dev/null 2>&1 && break
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user" 2>/dev/null \
      || sleep 0.1
  done
  id "$user" >/dev/null 2>&1 || fail "cannot create the user $user"
  run_as=(setpriv --reuid "$user" --regid "$user" --clear-groups)
else
  user=$(id -un)
  run_as=()
fi
# setpriv execs the command: a job started as "${run_as[@]}" CMD & has CMD's own id in $!,
# which the clean-up ends.
as_user() { "${run_as[@]}" "$@"; }

mkdir -p "$root" || fail "cannot make $root"
work=$(mktemp -d "$root/wayland-$variant.XXXXXX") || fail "cannot make a work folder under $root"
chmod 0755 "$work"
mkdir -m 0700 "$work/run" && mkdir "$work/shots" && chown "$user" "$work/run" "$work/shots"
# The host must be readable by that user; a tree it cannot read is copied.
host="$tree/bin/observacao-host"
if ! as_user test -x "$host"; then
  cp -a "$tree" "$work/tree" && chmod -R a+rX "$work/tree" || fail "cannot copy the tree for $user"
  host="$work/tree/bin/observacao-host"
fi

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM QT_IM_MODULE XMODIFIERS SWAYSOCK
export XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8 LC_ALL=C.UTF-8
export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS=1
failures=0
passed=0

# Waits (bounded) until a compositor socket appears; sets WAYLAND_DISPLAY.
wait_socket() {
  local i s
  for i in $(seq 100); do
    s=$(cd "$XDG_RUNTIME_DIR" && ls wayland-[0-9] 2>/dev/null | head -1)
    [ -n "$s" ] && { export WAYLAND_DISPLAY=$s; return 0; }
    kill -0 "$comp_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

check() { # name, expected text, actual output
  if [[ "$3" == *"$2"* ]]; then
    passed=$((passed + 1))
    echo "ok   $variant/$1"
  else
    failures=$((failures + 1))
    echo "FAIL $variant/$1"
    echo "     expected to contain: $2"
    echo "     got: $3"
    sed 's/^/     stderr: /' "$work/err" 2>/dev/null | grep -v 'output test failed' | head -5
  fi
}

wanted() {
  [ ${#only[@]} -eq 0 ] && return 0
  local c
  for c in "${only[@]}"; do [ "$c" = "$1" ] && return 0; done
  return 1
}

# "x y w h" centred on (cx, cy) within a pixel.
centred_on() {
  local x y w h
  read -r x y w h <<<"$1"
  [ "$x" != none ] || return 1
  local dx=$((2 * x + w - 2 * $2)) dy=$((2 * y + h - 2 * $3))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

record01='"items":["01","Sem cebola"'
erro='"result":{"low":0,"high":0,"items":["Erro"]}'
unknown='"text":"Observação não cadastrado(a)."'

source "$here/$variant.sh"

echo "$variant: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
