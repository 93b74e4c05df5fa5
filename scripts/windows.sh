#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the Windows release on Debian, from Debian's packages alone: Qt for
# Windows built once from Debian's own qt6-base source, of the version
# installed here, as static libraries; kanjiaid.exe cross-built against it
# as one self-contained 64-bit program; and kanjiaid-VERSION-setup.exe, its
# installer, which installs for the student alone, without administrator
# rights.
#   scripts/windows.sh          builds both and says where they are
#   scripts/windows.sh --test   also runs the test suite under Wine (the
#                               window suites also on Qt's windows platform
#                               at 96, 144 and 192 dpi), then installs,
#                               walks and uninstalls the installer as a
#                               student would, in a fresh Wine prefix
# Installs what is missing, as the README's commands do (sudo when not root).
# Qt is built and kept as scripts/qt-source.sh says (the store
# /var/cache/kanjiaid-windows-qt for root, ~/.cache/kanjiaid-windows-qt for
# any other user).
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
source scripts/store.sh
source scripts/qt-source.sh

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
# Sections per function let the linker drop what kanjiaid never calls; the
# stack protector and fortified C functions are what Debian builds with.
toolchain=$project/packaging/windows/mingw-w64.cmake
hardening="-fstack-protector-strong -D_FORTIFY_SOURCE=2"
qt_options=(
    "${qt_common_options[@]}"
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections $hardening"
    "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections $hardening"
    -DFEATURE_vulkan=OFF
    # Without OpenGL the Windows platform compiles only without dynamic GL.
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
    # Debian's source leaves out the Wintab headers tablet events need.
    -DFEATURE_tabletevent=OFF
    # A second Windows platform nobody uses; and the DirectWrite font
    # database, which Qt 6.4 builds only with it (the platform's default,
    # GDI's, stays).
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
)

# --- Qt for Windows, from Debian's source, once -----------------------------
qt_from_source windows "$toolchain" "$(x86_64-w64-mingw32-g++-posix --version | head -n 1)" \
    "${qt_options[@]}"
version=$qt_version

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
cmake --build "$build" --target installer >/dev/null || fail "the installer could not be made"
exe=$build/kanjiaid.exe
setup=$build/kanjiaid-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")-setup.exe
[[ -f $setup ]] || fail "no $setup"
size() { echo "$(($(stat -c %s "$1") / 1024)) KiB"; }
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort -u)
echo "== $exe: $(size "$exe"), Qt ${version%%+*} inside; imports $(echo $imports)"
echo "== $setup: $(size "$setup")"
((test)) || { echo "== made in $((SECONDS - started)) s"; exit 0; }

# --- Tests under Wine --------------------------------------------------------
echo "== the test suite under Wine"
export WINEPREFIX WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i 2>/dev/null
wineserver -w
ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(nproc)" -LE windows_platform
wineserver -w
# The window suites again on Qt's windows platform, in real Win32 windows on
# a private X server, at Windows' three common scales (Wine's LogPixels).
for dpi in 96 144 192; do
    echo "== the window suites on Qt's windows platform under Wine, at $dpi dpi"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    tests/support/on-display.py --screen 1920x1200x24 \
        ctest --test-dir "$build" --output-on-failure --no-tests=error -L windows_platform
    wineserver -w
done

echo "== the installer under Wine, as a student meets it"
[[ -x build/tools/kanjiaid_grabwindow ]] || {
    cmake --preset default >/dev/null && cmake --build build --target kanjiaid_grabwindow >/dev/null
}
tests/app/winewalk.py "$setup" build/tools/kanjiaid_grabwindow "$build/tools/kanjiaid_uiaread.exe" \
    "$build/walk"
echo "== made and tested in $((SECONDS - started)) s"
