#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Runs the demo host from an installed tree. With a display, the observation dialog
# opens there, to be operated by hand. Without one, the typical session (touch "0",
# "1", "Enter", "Confirmar") runs on Qt's offscreen platform, the result is printed, a
# picture of the dialog is saved, and the way to operate it remotely over VNC is shown.
#
# Usage: demo/run-demo.sh [PREFIX [observacao-host options...]]
#   PREFIX defaults to build/install. Options replace the typical session when given.
set -euo pipefail

prefix="${1:-build/install}"
[ $# -gt 0 ] && shift
host="$prefix/bin/observacao-host"
if [ ! -x "$host" ]; then
  echo "run-demo: $host not found; build and install first:" >&2
  echo "  cmake -S . -B build -G Ninja && cmake --build build && cmake --install build --prefix build/install" >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$host" "$@"
fi

shots="$(cd "$prefix" && pwd)/screenshots"
mkdir -p "$shots"
picture="$shots/observacao.png"
if [ $# -gt 0 ]; then
  session=("$@")
  echo "No display found: running on the offscreen platform."
else
  session=(--keys "tap:sbt0 tap:sbt1 tap:sbtEnter shot:$picture tap:spbConfirmar")
  echo "No display found: running the typical session on the offscreen platform."
fi
printf ' %q' "$host" -platform offscreen "${session[@]}"
printf '\n\n'
status=0
"$host" -platform offscreen "${session[@]}" || status=$?
echo
if [ -f "$picture" ] && [ $# -eq 0 ]; then
  echo "Picture of the dialog after \"0\", \"1\" and \"Enter\": $picture"
fi
cat <<EOT

To operate the dialog yourself without a display, run it on Qt's VNC platform:
  $host -platform vnc:size=1024x768
then connect a VNC viewer to port 5900 of this machine (for example
"vncviewer localhost:5900", or through an SSH tunnel: ssh -L 5900:localhost:5900 HOST).
The host prints the result when the dialog closes.
EOT
exit "$status"
