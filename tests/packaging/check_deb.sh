#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a build tree and checks its files and its
# control fields. Depends must name, under this machine's package names, the
# package of every library the program links and of everything it loads at
# run time: Qt's X11 platform plugin and the fonts of its layout and kanji.
# Debian's own checks pass on it: lintian with no error or warning, and
# hardening-check on every program it installs.
#   check_deb.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-query objdump fc-match desktop-file-validate lintian hardening-check; do
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
    ./usr/share/icons/hicolor/256x256/apps/org.velmora.kanjiaid.png \
    ./usr/share/doc/kanjiaid/copyright \
    ./usr/share/doc/kanjiaid/changelog.gz \
    ./usr/share/man/man1/kanjiaid.1.gz \
    ./usr/share/man/id/man1/kanjiaid.1.gz; do
    grep -qxF "$expected" <<<"$files" || fail "missing $expected"
done
unexpected=$(grep -vE '^\./usr/(|bin/|bin/kanjiaid|share/|share/(applications|metainfo|icons|doc|man|lintian)/.*)$' <<<"$files" || true)
[[ -z "$unexpected" ]] || fail "unexpected files: $unexpected"

# Every tag lintian finds at error or warning is a failure; its notes are
# shown.
lintian --fail-on error,warning --display-info "$deb" \
    >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian finds errors or warnings in $deb"; }
echo "lintian: no error or warning in $(basename "$deb")$(grep -q . "$work/lintian.log" \
    && printf '; notes:\n%s' "$(cat "$work/lintian.log")")"

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
# Every ELF file it installs is hardened as Debian's packages are. Some
# verdicts of hardening-check are no fault of the build: stack clash
# protection "unknown" (it finds no frame large enough to probe);
# fortification "no" when the only libc calls it finds unprotected are
# memmove, memcpy or memset, whose sizes (Qt's containers moving their
# elements) are known only at run time, so that no fortified form of them
# can exist; and control-flow protection, which Debian 12's flags do not
# give and which, on Debian 13, the linked program does not carry although
# it is compiled with -fcf-protection: those are reported, not failed.
mapfile -t elves < <(find "$work/root" -type f -exec file --no-pad {} + | awk -F': ' '/ELF/ { print $1 }')
((${#elves[@]} > 0)) || fail "the package installs no program"
hardening-check --verbose "${elves[@]}" >"$work/hardening.log" 2>&1 || true
cat "$work/hardening.log"
# A report for every program, or nothing was checked.
(($(grep -c '^ Stack protected: ' "$work/hardening.log") == ${#elves[@]})) \
    || fail "hardening-check did not report on all ${#elves[@]} programs"
faults=$(grep -E ': no[,!]' "$work/hardening.log" \
    | grep -vE '^ (Fortify Source functions: no, only unprotected functions found!|Control flow integrity:|Branch Protection:)' \
    || true)
unprotected=$(sed -n 's/^\tunprotected: //p' "$work/hardening.log" | grep -vxE 'memmove|memcpy|memset' || true)
[[ -z $faults && -z $unprotected ]] \
    || fail "hardening-check finds a program built without Debian's hardening: ${faults}${unprotected}"
echo "hardening-check: every program of $(basename "$deb") hardened as Debian's flags allow (above)"
desktop-file-validate "$work/root/usr/share/applications/org.velmora.kanjiaid.desktop"
echo "PASS: $(basename "$deb") holds the program, desktop entry, metainfo and icons; Depends: $depends; Recommends: $recommends"
