#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, then builds and runs every test: the suite as
# shipped, the Debian package installed and started from its installed path,
# the same suite under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, clang-format and clang-tidy, and a bounded run of each fuzz
# target.
#   KANJIAID_FUZZ_SECONDS  seconds per fuzz target (default 20; 0 skips fuzzing)
#   KANJIAID_INSTALL_DEB   0 skips installing the package (default 1)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
jobs=$(nproc)
stages=0 # each stage below stops the script on its first failure
sudo=()
[[ "$(id -u)" -ne 0 ]] && sudo=(sudo)

echo "== tests"
cmake --preset default >/dev/null
cmake --build build -j "$jobs"
ctest --preset default -j "$jobs"
stages=$((stages + 1))

if [[ "${KANJIAID_INSTALL_DEB:-1}" != 0 ]]; then
    echo "== the Debian package, installed"
    (cd build && cpack >/dev/null)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "$PWD"/build/kanjiaid_*.deb >/dev/null
    desktop-file-validate /usr/share/applications/org.velmora.kanjiaid.desktop
    appstreamcli validate --no-net /usr/share/metainfo/org.velmora.kanjiaid.metainfo.xml
    tests/app/realwindow.sh /usr/bin/kanjiaid build/tools/kanjiaid_grabwindow build/installed
    stages=$((stages + 1))
fi

echo "== tests under sanitizers"
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"
stages=$((stages + 1))

echo "== style and static analysis"
scripts/lint.sh
stages=$((stages + 1))

seconds=${KANJIAID_FUZZ_SECONDS:-20}
if ((seconds > 0)); then
    echo "== fuzzing, ${seconds} s a target"
    scripts/fuzz.sh "$seconds"
    stages=$((stages + 1))
fi
echo "stages: $stages passed, 0 failed"
