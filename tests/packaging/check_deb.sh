#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a build tree and checks its files and control fields.
#   check_deb.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log"
deb=$(ls "$work"/kanjiaid_*.deb)

fail() { echo "FAIL: $*"; exit 1; }
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for expected in \
    ./usr/bin/kanjiaid \
    ./usr/share/applications/org.velmora.kanjiaid.desktop \
    ./usr/share/metainfo/org.velmora.kanjiaid.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.velmora.kanjiaid.svg \
    ./usr/share/icons/hicolor/48x48/apps/org.velmora.kanjiaid.png \
    ./usr/share/icons/hicolor/256x256/apps/org.velmora.kanjiaid.png; do
    grep -qxF "$expected" <<<"$files" || fail "missing $expected"
done
unexpected=$(grep -vE '^\./usr/(|bin/|bin/kanjiaid|share/|share/(applications|metainfo|icons)/.*)$' <<<"$files" || true)
[[ -z "$unexpected" ]] || fail "unexpected files: $unexpected"

[[ "$(dpkg-deb -f "$deb" Package)" == kanjiaid ]] || fail "package name"
[[ "$(dpkg-deb -f "$deb" Architecture)" == "$(dpkg --print-architecture)" ]] || fail "architecture"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-ipafont-gothic; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done
# Every library the binary links directly comes from a package in Depends.
dpkg-deb -x "$deb" "$work/root"
for soname in $(objdump -p "$work/root/usr/bin/kanjiaid" | awk '/NEEDED/ { print $2 }'); do
    path=$(ldd "$work/root/usr/bin/kanjiaid" | awk -v s="$soname" '$1 == s { print $3 }')
    owner=$( (dpkg -S "$path" || dpkg -S "${path#/usr}" || dpkg -S "/usr$path") 2>/dev/null \
        | cut -d: -f1 | head -n 1 || true)
    case "$owner" in
        libqt6core6 | libqt6gui6 | libqt6widgets6 | libc6 | libstdc++6) ;;
        libgcc-s1) ;; # essential, and brought by libstdc++6
        *) fail "$soname comes from ${owner:-an unknown package}, which Depends does not name" ;;
    esac
done
desktop-file-validate "$work/root/usr/share/applications/org.velmora.kanjiaid.desktop"
echo "PASS: $(basename "$deb") holds the program, desktop entry, metainfo and icons; Depends: $depends"
