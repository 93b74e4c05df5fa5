#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages kanjiaid needs and the machine lacks, on
# Debian 12 and 13 (and systems with the same package names). Packages are
# named by role, so each release brings its own versions (its default clang,
# its Qt 6); clang-format alone is named by version, as the style is that of
# one version.
#   scripts/setup.sh            to build and run the program (and package it)
#   scripts/setup.sh --tests    also what the test suite needs
#   scripts/setup.sh --windows  also what the Windows release is made and
#                               tested with
#   scripts/setup.sh --web      also what the web release is made with
#   scripts/setup.sh --web-tests  and what it is tested with
#   scripts/setup.sh --release  also what scripts/release.sh checks a release with
set -euo pipefail

packages=(qt6-base-dev qt6-tools-dev qt6-l10n-tools cmake g++ make dpkg-dev file reuse
          fonts-ipafont-gothic fonts-liberation2 fonts-dejavu-core)
for option in "$@"; do
    case $option in
        --tests)
            packages+=(git xvfb x11-utils qt6-base-private-dev
                       weston qt6-wayland dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
                       clang libclang-rt-dev clang-tidy clang-format-19
                       desktop-file-utils appstream lintian devscripts) ;;
        --windows)
            packages+=(g++-mingw-w64-x86-64-posix ninja-build nsis icoutils debian-archive-keyring xz-utils
                       wine libwine-dev xvfb x11-utils xdotool python3 python3-gi gir1.2-atspi-2.0) ;;
        --web)
            packages+=(emscripten ninja-build debian-archive-keyring xz-utils python3 fonttools python3-brotli) ;;
        --release)
            packages+=(git diffoscope-minimal) ;;
        --web-tests)
            packages+=(chromium nodejs npm python3) ;;
        *) echo "setup: unknown option $option" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
((${#missing[@]} == 0)) && exit 0

source "$(dirname "$0")/as-root.sh"
root_reachable "install the Debian packages ${missing[*]}"
echo "Installing: ${missing[*]}"
as_root apt-get update -qq
unavailable=()
for package in "${missing[@]}"; do
    candidate=$(apt-cache policy "$package" 2>/dev/null | awk '/Candidate:/ { print $2 }')
    [[ -n $candidate && $candidate != "(none)" ]] || unavailable+=("$package")
done
if ((${#unavailable[@]})); then
    . /etc/os-release
    echo "setup: ${PRETTY_NAME:-this system} offers no package named: ${unavailable[*]}" >&2
    echo "setup: kanjiaid is set up on Debian 12 and 13; see the README" >&2
    exit 1
fi
# dpkg's progress goes to standard output; apt's errors stay on standard error.
as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
