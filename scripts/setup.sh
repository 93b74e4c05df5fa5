#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages kanjiaid needs and the machine lacks.
#   scripts/setup.sh          to build and run the program
#   scripts/setup.sh --tests  also what the test suite needs
set -euo pipefail

packages=(qt6-base-dev cmake g++ make
          fonts-ipafont-gothic fonts-liberation2 fonts-dejavu-core)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(xvfb xauth xdotool x11-utils clang libclang-rt-14-dev clang-format clang-tidy
               desktop-file-utils appstream)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
((${#missing[@]} == 0)) && exit 0

sudo=()
[[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
