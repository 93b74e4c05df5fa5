#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the web release on Debian, from Debian's packages alone: Qt for
# WebAssembly built once from Debian's own qt6-base source, of the version
# installed here, as static single-threaded libraries; kanjiaid built
# against it with Debian's emscripten; and build-web/site/, the folder of
# static files any web server can host.
#   scripts/web.sh          builds the site and says where it is
#   scripts/web.sh --test   also walks it in Debian's headless Chromium, as
#                           a student and a screen reader would
# Installs what is missing, as the README's commands do (sudo when not root).
# Qt's browser platform has accessibility from Qt 6.8 on: on an older Debian
# the site is made in a bare Debian 13 root (scripts/test-on-release.sh),
# with Qt's store kept on this machine. Qt is built and kept as
# scripts/qt-source.sh says (the store /var/cache/kanjiaid-web-qt for root,
# ~/.cache/kanjiaid-web-qt for any other user).
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
source scripts/store.sh
source scripts/qt-source.sh

fail() {
    echo "web: $*" >&2
    exit 1
}
test=0
case ${1:-} in
    "") ;;
    --test) test=1 ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

. /etc/os-release
if [[ ${ID:-} == debian && ${VERSION_ID:-} == 12 ]]; then
    echo "== Debian 12's Qt 6.4 gives the browser no accessibility: the site is made on" \
        "Debian 13, in a bare trixie root"
    command=web
    ((test)) && command=web-test
    scripts/test-on-release.sh --as-root trixie "$command"
    echo "== the site: $project/build-web/site"
    exit 0
fi

scripts/setup.sh --web $( ((test)) && echo --web-tests)
started=$SECONDS
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
dpkg --compare-versions "$host_qt" ge 6.8 \
    || fail "Qt $host_qt gives the browser no accessibility; the web release needs Qt 6.8 (Debian 13)"

# Qt's CMake finds emscripten through an emsdk folder; Debian's emscripten
# is a plain installation, which a private folder of links presents as one.
emsdk=$(mktemp -d)
trap 'rm -rf "$emsdk"' EXIT
mkdir -p "$emsdk/upstream"
ln -s /usr/share/emscripten "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
export EMSDK=$emsdk
# emscripten's own modules, for a node that is not Debian's.
export NODE_PATH=/usr/share/nodejs

# What Qt is built with: its core, GUI and widgets, the test library and
# the browser's platform, single-threaded (a page without the cross-origin
# isolation threads need), and no more.
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
qt_options=(
    "${qt_common_options[@]}"
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DFEATURE_thread=OFF
    # What a browser has no use for, or gives Qt itself.
    -DFEATURE_zstd=OFF -DFEATURE_glib=OFF -DFEATURE_icu=OFF -DFEATURE_fontconfig=OFF
    # What kanjiaid never shows. A static program keeps whatever Qt's
    # accessibility and styles name, used or not, so a first visit fetches
    # it unless it is not built. Kept: all that QMessageBox, QInputDialog,
    # the text boxes, input methods, touch and screen readers need.
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_mdiarea=OFF
    -DFEATURE_dockwidget=OFF -DFEATURE_toolbox=OFF -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF
    -DFEATURE_textbrowser=OFF -DFEATURE_graphicsview=OFF -DFEATURE_columnview=OFF
    -DFEATURE_treeview=OFF -DFEATURE_tableview=OFF -DFEATURE_treewidget=OFF -DFEATURE_tablewidget=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_fontcombobox=OFF
    -DFEATURE_commandlinkbutton=OFF -DFEATURE_splashscreen=OFF -DFEATURE_statusbar=OFF
    -DFEATURE_syntaxhighlighter=OFF -DFEATURE_scroller=OFF -DFEATURE_style_stylesheet=OFF
    -DFEATURE_wizard=OFF -DFEATURE_colordialog=OFF -DFEATURE_filedialog=OFF -DFEATURE_fontdialog=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_undostack=OFF
    -DFEATURE_filesystemmodel=OFF -DFEATURE_filesystemwatcher=OFF -DFEATURE_movie=OFF
    -DFEATURE_pdf=OFF -DFEATURE_systemtrayicon=OFF -DFEATURE_sessionmanager=OFF -DFEATURE_timezone=OFF
    -DFEATURE_imageformat_bmp=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
    # Fewer, larger compilations: half the build time on two cores.
    -DQT_UNITY_BUILD=ON
)
qt_from_source web "$toolchain" "$(emcc --version | head -n 1)" "${qt_options[@]}"

# --- kanjiaid for the browser, and its site ----------------------------------
build=$project/build-web
grep -qF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$qt/" "$build/CMakeCache.txt" 2>/dev/null \
    || rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
# Debian's Qt links no plugin by itself (QT_SKIP_AUTO_PLUGIN_INCLUSION): a
# static Qt must, for the browser's platform.
cmake -G Ninja -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=$test \
    -DKANJIAID_PCH=OFF >/dev/null
# The site, the yardstick bench/web-startup.sh measures it against, and the
# tests that run in a browser.
targets=(site kanjiaid_emptywindow)
((test)) && targets+=(browser_tests)
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"
site=$build/site
echo "== $site:"
(cd "$site" && find . -type f -printf '%P\t%s\n' | LC_ALL=C sort \
    | while IFS=$'\t' read -r file bytes; do
        printf '   %-28s %9d bytes, %9d gzipped\n' "$file" "$bytes" "$(gzip -9n <"$file" | wc -c)"
    done)
((test)) || { echo "== made in $((SECONDS - started)) s"; exit 0; }

# --- The site in Chromium ----------------------------------------------------
echo "== in headless Chromium"
tests/web/walk.sh "$build" "$build/walk"
echo "== made and tested in $((SECONDS - started)) s"
