#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, then builds and runs every test: the suite as
# shipped, the Debian package installed and started from its installed path,
# the same suite under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, licensing, style and clang-tidy, and a bounded run of each
# fuzz target. Each stage stops the script on its first failure; a stage
# left out is reported as skipped, never as passed; under CI=true a setting
# that would leave one out is refused before anything runs, as is a sudo
# that cannot ask for its password when a stage will need root.
#   KANJIAID_FUZZ_SECONDS  seconds per fuzz target, a whole number (default 20;
#                          0 skips fuzzing)
#   KANJIAID_INSTALL_DEB   0 skips installing the package (default 1)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/as-root.sh

source scripts/test-settings.sh
test_settings
scripts/setup.sh --tests
jobs=$(nproc)
passed=()
stage() { echo "== $1 ($((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

stage "tests"
cmake --preset default >/dev/null
cmake --build build -j "$jobs"
ctest --preset default -j "$jobs"
passed+=(tests)

if [[ $install_deb != 0 ]]; then
    stage "the Debian package, installed"
    # This run's package and no other: a fresh folder, one .deb in it.
    rm -rf build/package
    cpack --config build/CPackConfig.cmake -B build/package >/dev/null
    debs=(build/package/kanjiaid_*.deb)
    ((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] \
        || { echo "test: cpack wrote ${debs[*]}, not one package" >&2; exit 1; }
    deb=$PWD/${debs[0]}
    # --reinstall: an installed kanjiaid of the same version is replaced, not kept.
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends --reinstall "$deb" >/dev/null
    dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/kanjiaid | cmp - /usr/bin/kanjiaid \
        || { echo "test: /usr/bin/kanjiaid is not the program in $deb" >&2; exit 1; }
    echo "installed: $(dpkg-query -W -f='${Package} ${Version}' kanjiaid) from $deb;" \
        "/usr/bin/kanjiaid is byte for byte the one it holds"
    desktop-file-validate /usr/share/applications/org.velmora.kanjiaid.desktop
    tests/packaging/validate_metainfo.sh /usr/share/metainfo/org.velmora.kanjiaid.metainfo.xml
    for platform in xcb wayland; do
        for language in en id; do
            tests/app/realwindow.py "$platform" "$language" /usr/bin/kanjiaid build/installed \
                build/tools/kanjiaid_grabwindow
        done
    done
    passed+=(package)
fi

stage "tests under sanitizers"
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"
passed+=(sanitizers)

stage "licensing, style and static analysis"
scripts/lint.sh
passed+=(lint)

if ((seconds > 0)); then
    stage "fuzzing, ${seconds} s a target"
    scripts/fuzz.sh "$seconds"
    passed+=(fuzzing)
fi
echo "stages passed: ${passed[*]}${skipped[*]:+; SKIPPED: ${skipped[*]}} ($((SECONDS / 60)) min $((SECONDS % 60)) s)"
