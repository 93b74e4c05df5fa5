#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the real program on an X server (Xvfb), finds its windows by their
# captions and screenshots them: the dictionary window, then the expression
# window through "Check Expression", back through "Back to Main", and ends it
# with "Exit", expecting a clean exit.
#   realwindow.sh KANJIAID GRABWINDOW OUTPUT_DIR
set -euo pipefail
program=$1 grab=$2 out=$3
main_caption="Velmora University: Online Kanji Learning Program"
expression_caption="Velmora University, Japan"
mkdir -p "$out"

fail() { echo "FAIL: $*"; exit 1; }
for tool in xwininfo xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages x11-utils, xdotool)"
done
source "$(dirname "$0")/../support/xvfb.sh"
trap 'kill "${app:-}" "${xvfb_pid:-}" 2>/dev/null || true' EXIT
start_xvfb "$out/xvfb.log"
export QT_QPA_PLATFORM=xcb
# Under the sanitizers: the leaks Qt's X11 platform keeps show the Qt frame
# their suppression names only to the slow unwinder.
[[ -n ${ASAN_OPTIONS:-} ]] && export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0

# The id of the mapped window with this caption, once it shows.
find_window() {
    local id=""
    for _ in $(seq 200); do
        id=$(xwininfo -root -tree 2>/dev/null | awk -v c="\"$1\"" 'index($0, c) { print $1; exit }')
        if [[ -n "$id" ]] && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }

screenshot() {
    sleep 0.3 # let the first paint land
    "$grab" "$1" "$out/$2"
    [[ -s "$out/$2" ]] || fail "no screenshot $2"
}

# Clicks at a point of a window's client area, given in pixels.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

"$program" >"$out/kanjiaid.log" 2>&1 &
app=$!

main=$(find_window "$main_caption") || fail "no window captioned '$main_caption'"
screenshot "$main" dictionary-xcb.png
menu=$(( $(xwininfo -id "$main" | awk '/Height:/ { print $2 }') - 455 ))

click "$main" 384 $(( menu + 112 )) # Check Expression
expression=$(find_window "$expression_caption") || fail "no window captioned '$expression_caption'"
viewable "$main" && fail "the dictionary window stayed on screen"
screenshot "$expression" expression-xcb.png

click "$expression" 356 116 # Back to Main
for _ in $(seq 100); do viewable "$main" && break; sleep 0.05; done
viewable "$main" || fail "Back to Main did not bring the dictionary window back"
viewable "$expression" && fail "the expression window stayed on screen"

click "$main" 404 $(( menu + 396 )) # Exit
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app" 2>/dev/null && fail "Exit did not end the program"
wait "$app" || fail "the program exited with status $?"
echo "PASS: both windows shown, switched and screenshot; Exit ended the program"
