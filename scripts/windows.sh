#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the Windows release on Debian, from Debian's packages alone: Qt for
# Windows built once from Debian's own qt6-base source, of the version
# installed here, as static libraries; kanjiaid.exe cross-built against it
# as one self-contained 64-bit program; and kanjiaid-1.0.0-setup.exe, its
# installer, which installs for the student alone, without administrator
# rights.
#   scripts/windows.sh          builds both and says where they are
#   scripts/windows.sh --test   also runs the test suite under Wine, then
#                               installs, walks and uninstalls the installer
#                               as a student would, in a fresh Wine prefix
# Installs what is missing, as the README's commands do (sudo when not root).
# The Qt build is kept in a store of the user's own (root:
# /var/cache/kanjiaid-windows-qt; any other user:
# ~/.cache/kanjiaid-windows-qt), by the rules of scripts/store.sh, one per Qt
# version, source and configure options.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
source scripts/store.sh

fail() {
    echo "windows: $*" >&2
    exit 1
}
test=0
case ${1:-} in
    "") ;;
    --test) test=1 ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac
scripts/setup.sh --windows
started=$SECONDS

# What Qt is built with: its core, GUI and widgets, the test library, the
# Windows and offscreen platforms and the Windows styles, and no more.
# Sections per function let the linker drop what kanjiaid never calls.
toolchain=$project/packaging/windows/mingw-w64.cmake
qt_options=(
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_SHARED_LIBS=OFF
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections"
    "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF
    # Without OpenGL the Windows platform compiles only without dynamic GL.
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
    # Debian's source leaves out the Wintab headers tablet events need.
    -DFEATURE_tabletevent=OFF
    # A second Windows platform nobody uses; and the DirectWrite font
    # database, which Qt 6.4 builds only with it (the platform's default,
    # GDI's, stays).
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    # Image formats the program never reads: its icon is PNG.
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    # The bundled libraries: the Windows side has none of its own.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
)

# --- Qt for Windows, from Debian's source, once -----------------------------
if [[ $(id -u) -eq 0 ]]; then
    store=/var/cache/kanjiaid-windows-qt
else
    store=${XDG_CACHE_HOME:-$HOME/.cache}/kanjiaid-windows-qt
    mkdir -p "$(dirname "$store")"
fi
store_open "$store"
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
mirror=$(debian_mirror || true)
[[ -n $mirror ]] || fail "no Debian mirror in /etc/apt; set KANJIAID_MIRROR"
. /etc/os-release

# A private apt list with the source entries of this machine's own archive:
# the machine's apt configuration is neither read nor changed.
apt_dir=$store/apt
rm -rf "$apt_dir"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
for suite in "$VERSION_CODENAME" "$VERSION_CODENAME-updates"; do
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main"
done >"$apt_dir/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o Debug::NoLocking=1
    -o "APT::Sandbox::User=$(id -un)")
apt-get "${apt_options[@]}" update -qq || fail "cannot read the source lists of $mirror"
# The source's checksum is that of its .dsc, which holds those of its files.
dsc=$(apt-get "${apt_options[@]}" --print-uris source "qt6-base=$version" 2>/dev/null \
    | awk '/\.dsc'"'"' / { print $4 }') || true
[[ -n $dsc ]] || fail "$mirror offers no source of qt6-base $version, the version installed here"
key=$( (printf '%s\n' "$version" "$dsc" "${qt_options[@]}"; cat "$toolchain") | sha256sum | cut -c 1-16)
qt=$store/qt-$version-$key

checksum() { (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum | sha256sum); }
if [[ -f $qt.sha256 && $(checksum "$qt" 2>/dev/null) == "$(cat "$qt.sha256")" ]]; then
    echo "== Qt $version for Windows: built before, in $qt"
else
    echo "== building Qt $version for Windows from Debian's source (static; about half an hour" \
        "on two cores, once)"
    # The store keeps one Qt: the one this checkout builds with.
    rm -rf "$store"/qt-* "$store"/new-*
    work=$(mktemp -d "$store/new-XXXXXX")
    (cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$version" >"$work/source.log" 2>&1) \
        || fail "cannot fetch and unpack the source of qt6-base $version"
    cmake -G Ninja -S "$work"/qt6-base-*/ -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DCMAKE_INSTALL_PREFIX="$qt" "${qt_options[@]}" >"$work/configure.log" \
        || { tail -n 30 "$work/configure.log"; fail "Qt's configuration failed"; }
    cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" \
        || { grep -m 20 -B 5 'error' "$work/build.log"; fail "Qt's build failed"; }
    DESTDIR=$work/stage cmake --install "$work/build" >/dev/null
    mv "$work/stage$qt" "$qt"
    checksum "$qt" >"$work/sha256"
    mv "$work/sha256" "$qt.sha256"
    rm -rf "$work"
    echo "== Qt built in $((SECONDS - started)) s, installed in $qt ($(du -sh "$qt" | cut -f 1))"
fi
rm -rf "$apt_dir"
# The store's lock guards the store alone: released before the build and the
# tests, so that nothing they leave running (Wine's server) keeps it.
exec {store_lock}>&-

# --- kanjiaid.exe and its installer -----------------------------------------
build=$project/build-windows
# A build made with another Qt starts again.
grep -qF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$qt/" "$build/CMakeCache.txt" 2>/dev/null || rm -rf "$build"
if ((test)); then
    # The test programs read the Debian fonts the tests expect from one folder.
    fonts=$build/fonts
    rm -rf "$fonts"
    mkdir -p "$fonts"
    for family in IPAPGothic IPAGothic "Liberation Sans" "Liberation Serif" "DejaVu Sans" \
        "DejaVu Sans Mono"; do
        fc-list -f '%{file}\n' ":family=$family" | while read -r file; do
            ln -sf "$file" "$fonts/"
        done
    done
fi
cmake -G Ninja -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DBUILD_TESTING=$((test ? 1 : 0)) -DKANJIAID_BENCH=ON -DKANJIAID_PCH=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$project/tests/support/wine.sh" -DKANJIAID_TEST_FONTDIR="Z:${fonts:-}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
exe=$build/kanjiaid.exe

makensis -V2 -DVERSION=1.0.0 -DPROGRAM="$exe" -DICON="$build/src/kanjiaid.ico" \
    -DOUTFILE="$build/kanjiaid-1.0.0-setup.exe" packaging/windows/installer.nsi >/dev/null \
    || fail "makensis failed"
size() { echo "$(($(stat -c %s "$1") / 1024)) KiB"; }
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort -u)
echo "== $exe: $(size "$exe"), Qt ${version%%+*} inside; imports $(echo $imports)"
echo "== $build/kanjiaid-1.0.0-setup.exe: $(size "$build/kanjiaid-1.0.0-setup.exe")"
((test)) || { echo "== made in $((SECONDS - started)) s"; exit 0; }

# --- Tests under Wine --------------------------------------------------------
echo "== the test suite under Wine"
export WINEPREFIX WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i 2>/dev/null
wineserver -w
ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(nproc)"
wineserver -w

echo "== the installer under Wine, as a student meets it"
[[ -x build/tools/kanjiaid_grabwindow ]] || {
    cmake --preset default >/dev/null && cmake --build build --target kanjiaid_grabwindow >/dev/null
}
tests/app/winewalk.py "$build/kanjiaid-1.0.0-setup.exe" build/tools/kanjiaid_grabwindow \
    "$build/walk"
echo "== made and tested in $((SECONDS - started)) s"
