#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Installs, as root on Debian 12, the packages the build, the tests and the demo need,
# skipping those already present.
set -euo pipefail
packages=(cmake ninja-build g++ clang clang-format clang-tidy qt6-base-dev qt6-base-private-dev qt6-qpa-plugins
          libgl-dev fonts-liberation qt6-l10n-tools qt6-tools-dev libgtest-dev libgmock-dev libbenchmark-dev
          valgrind libclang-rt-14-dev reuse
          # real display servers: X11 (bare and under window managers) and Wayland compositors
          libxcb1-dev xvfb openbox xfwm4 metacity icewm xdotool x11-xkb-utils x11-utils xkb-data
          qt6-wayland qt6-wayland-dev libwayland-dev libwayland-bin wayland-protocols sway cage xwayland wtype grim
          # accessibility: the AT-SPI bus and a client
          at-spi2-core python3-pyatspi dbus-x11
          # databases: SQLite embedded, PostgreSQL through Qt's driver against a real server
          libqt6sql6-sqlite libqt6sql6-psql sqlite3 libsqlite3-dev postgresql
          # the package: its checks, shlibdeps, the pkg-config route
          abigail-tools lintian dpkg-dev pkg-config)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
