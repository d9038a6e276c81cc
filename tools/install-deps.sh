#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT
# Installs, as root on Debian 12, the packages the build, the tests and the demo need,
# skipping those already present.
set -euo pipefail
packages=(cmake ninja-build g++ clang qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation
          qt6-l10n-tools qt6-tools-dev libgtest-dev libgmock-dev libbenchmark-dev valgrind libclang-rt-14-dev
          libxcb1-dev xvfb openbox xdotool x11-xkb-utils x11-utils xkb-data)
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
