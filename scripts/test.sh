#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, then builds and runs every test: the suite as
# shipped, the Debian package installed and started from its installed path,
# the same suite under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, licensing, style and clang-tidy, and a bounded run of each
# fuzz target. Each stage stops the script on its first failure; a stage
# left out is reported as skipped, never as passed.
#   KANJIAID_FUZZ_SECONDS  seconds per fuzz target (default 20; 0 skips fuzzing)
#   KANJIAID_INSTALL_DEB   0 skips installing the package (default 1)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
jobs=$(nproc)
passed=() skipped=()
sudo=()
[[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
stage() { echo "== $1 ($((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

stage "tests"
cmake --preset default >/dev/null
cmake --build build -j "$jobs"
ctest --preset default -j "$jobs"
passed+=(tests)

if [[ "${KANJIAID_INSTALL_DEB:-1}" != 0 ]]; then
    stage "the Debian package, installed"
    (cd build && cpack >/dev/null)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "$PWD"/build/kanjiaid_*.deb >/dev/null
    echo "installed: $(dpkg-query -W -f='${Package} ${Version}; Depends: ${Depends}' kanjiaid)"
    desktop-file-validate /usr/share/applications/org.velmora.kanjiaid.desktop
    tests/packaging/validate_metainfo.sh /usr/share/metainfo/org.velmora.kanjiaid.metainfo.xml
    tests/app/realwindow.sh /usr/bin/kanjiaid build/tools/kanjiaid_grabwindow build/installed
    passed+=(package)
else
    skipped+=("package (KANJIAID_INSTALL_DEB=0)")
fi

stage "tests under sanitizers"
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"
passed+=(sanitizers)

stage "licensing, style and static analysis"
scripts/lint.sh
passed+=(lint)

seconds=${KANJIAID_FUZZ_SECONDS:-20}
if ((seconds > 0)); then
    stage "fuzzing, ${seconds} s a target"
    scripts/fuzz.sh "$seconds"
    passed+=(fuzzing)
else
    skipped+=("fuzzing (KANJIAID_FUZZ_SECONDS=0)")
fi
echo "stages passed: ${passed[*]}${skipped[*]:+; SKIPPED: ${skipped[*]}} ($((SECONDS / 60)) min $((SECONDS % 60)) s)"
