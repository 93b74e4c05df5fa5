#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a build tree and checks its files and its
# control fields. Depends must name, under this machine's package names, the
# package of every library the program links and of everything it loads at
# run time: Qt's X11 platform plugin and the fonts of its layout and kanji.
#   check_deb.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-query objdump fc-match desktop-file-validate; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done
rm -rf "$work" && mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" \
    || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/kanjiaid_*.deb)

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
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == qt6-wayland ]] || fail "Recommends is '$recommends', not qt6-wayland (Wayland windows)"
depends=$(dpkg-deb -f "$deb" Depends)
# The package names in Depends, alternatives included, without versions.
named=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/\(.*\)//; s/:any//; s/[[:space:]]//g' | sort -u)

owner() { # the installed package holding a file, whichever of /usr and / it is found under
    local path
    path=$(readlink -f "$1")
    { dpkg-query -S "$path" || dpkg-query -S "${path#/usr}" || dpkg-query -S "$1"; } 2>/dev/null \
        | head -n 1 | cut -d: -f1
}
expect() { # what needs the package, the file it comes from
    local package
    package=$(owner "$2")
    [[ -n $package ]] || fail "$1: no installed package holds $2"
    grep -qxF "$package" <<<"$named" || fail "$1 comes from $package, which Depends does not name: $depends"
    echo "Depends names $package ($1)"
}

dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/kanjiaid
mapfile -t needed < <(objdump -p "$program" | awk '/NEEDED/ { print $2 }')
((${#needed[@]} > 0)) || fail "the program names no libraries: objdump found no NEEDED entries"
for soname in "${needed[@]}"; do
    path=$(ldd "$program" | awk -v s="$soname" '$1 == s { print $3 }')
    [[ -n $path ]] || fail "$soname is not found on this machine"
    expect "$soname" "$path"
done
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null \
    || echo "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)/qt6/plugins")
expect "Qt's X11 platform plugin" "$plugins/platforms/libqxcb.so"
for family in IPAPGothic "Liberation Sans"; do
    file=$(fc-match -f '%{file}' "$family:familylang=en")
    [[ $(fc-match -f '%{family[0]}' "$family") == "$family" ]] || fail "$family is not installed"
    expect "the $family font" "$file"
done
desktop-file-validate "$work/root/usr/share/applications/org.velmora.kanjiaid.desktop"
echo "PASS: $(basename "$deb") holds the program, desktop entry, metainfo and icons; Depends: $depends; Recommends: $recommends"
