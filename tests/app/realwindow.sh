#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Walks the real program through its windows on a real display server, twice:
#  - on X11 (Xvfb), with pointer clicks and key presses, finding the windows
#    by their captions and screenshotting them;
#  - on Wayland (weston, headless), through the accessibility interface, as
#    no input device reaches a headless compositor (tests/app/accessiblewalk.py).
# The walk: the dictionary window, "Check Expression" to the expression
# window, "Back to Main", the help text's message box closed with OK, and
# "Exit". The program must end with status 0 and print nothing.
#   realwindow.sh KANJIAID GRABWINDOW OUTPUT_DIR
# Without weston the Wayland walk is skipped and says so; under CI=true that
# fails the test.
set -euo pipefail
program=$1 grab=$2 out=$3
here=$(cd "$(dirname "$0")" && pwd)
main_caption="Velmora University: Online Kanji Learning Program"
expression_caption="Velmora University, Japan"
message_title="Kanji Learning Program"
mkdir -p "$out"

fail() {
    # What the running program printed, which may say why.
    [[ -n ${log:-} && -s ${log:-} ]] && { echo "the program printed:"; cat "$log"; }
    [[ -n ${log:-} && -s $out/xvfb.log ]] && { echo "Xvfb printed:"; cat "$out/xvfb.log"; }
    echo "FAIL: $*"
    exit 1
}
for tool in xwininfo xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages x11-utils, xdotool)"
done
source "$here/../support/xvfb.sh"
# The session directory a desktop login gives its programs.
runtime=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb_pid:-}" "${weston_pid:-}" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
# Under the sanitizers: the leaks Qt's X11 platform keeps show the Qt frame
# their suppression names only to the slow unwinder.
[[ -n ${ASAN_OPTIONS:-} ]] && export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0

# Whatever the program printed: nothing is expected.
silent() {
    [[ ! -s $1 ]] || fail "the program printed the above, where nothing is expected"
}

# The id of the mapped window with this caption, once it shows: within 30 s,
# as a first start on a busy machine builds fontconfig's caches.
find_window() {
    local id=""
    for _ in $(seq 600); do
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

# The walk on X11, in the language the environment gives: LANGUAGE and
# LC_ALL, then the captions it must find, and a suffix for the screenshots.
walk_x11() {
    local language=$1 locale=$2 main_caption=$3 expression_caption=$4 message_title=$5 suffix=$6
    local main expression message menu
    log=$out/kanjiaid$suffix.log
    LANGUAGE=$language LC_ALL=$locale QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
    app=$!

    main=$(find_window "$main_caption") || fail "no window captioned '$main_caption'"
    screenshot "$main" "dictionary$suffix-xcb.png"
    menu=$(($(xwininfo -id "$main" | awk '/Height:/ { print $2 }') - 455))

    click "$main" 384 $((menu + 112)) # Check Expression
    expression=$(find_window "$expression_caption") || fail "no window captioned '$expression_caption'"
    viewable "$main" && fail "the dictionary window stayed on screen"
    screenshot "$expression" "expression$suffix-xcb.png"

    click "$expression" 356 116 # Back to Main
    for _ in $(seq 100); do viewable "$main" && break; sleep 0.05; done
    viewable "$main" || fail "Back to Main did not bring the dictionary window back"
    viewable "$expression" && fail "the expression window stayed on screen"

    click "$main" 20 $((menu / 2)) # Help
    message=$(find_window "$message_title") || fail "Help opened no message box titled '$message_title'"
    screenshot "$message" "help$suffix-xcb.png"
    xdotool windowfocus --sync "$message" key Return # OK
    for _ in $(seq 100); do viewable "$message" || break; sleep 0.05; done
    viewable "$message" && fail "Return did not close the message box"

    click "$main" 404 $((menu + 396)) # Exit
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$app" 2>/dev/null && fail "Exit did not end the program"
    wait "$app" || fail "the program exited with status $?"
    silent "$log"
    log=""
    echo "PASS (x11, LANGUAGE=$language LC_ALL=$locale): both windows shown, switched and" \
        "screenshot, the help text's message box closed; Exit ended the program with status 0," \
        "printing nothing"
}

start_xvfb "$out/xvfb.log" || fail "no X server"
# The C locale speaks English; an Indonesian desktop, Indonesian.
walk_x11 "" C.UTF-8 "$main_caption" "$expression_caption" "$message_title" ""
walk_x11 id C.UTF-8 "Universitas Velmora: Program Belajar Kanji Daring" \
    "Universitas Velmora, Jepang" "Program Belajar Kanji" "-id"
kill "$xvfb_pid"
unset DISPLAY

if ! command -v weston >/dev/null; then
    echo "Wayland walk SKIPPED: weston is missing (Debian package weston)"
    [[ ${CI:-} != true ]] || fail "CI must walk the Wayland session too"
    exit 0
fi
for tool in dbus-run-session /usr/bin/python3; do
    command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages dbus-daemon, python3-gi)"
done
# The renderer option is --use-pixman up to weston 11, --renderer since.
renderer=(--renderer=pixman)
(($(weston --version | awk '{ split($2, v, "."); print v[1] }') < 12)) && renderer=(--use-pixman)
socket=kanjiaid-$$
weston --backend=headless-backend.so "${renderer[@]}" --socket="$socket" --idle-time=0 \
    --width=1024 --height=768 >"$out/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [[ -S $runtime/$socket ]] && break; sleep 0.05; done
[[ -S $runtime/$socket ]] || { cat "$out/weston.log"; fail "weston did not start"; }
# The session bus carries the accessibility bus; its services log to it.
if ! LANGUAGE="" LC_ALL=C.UTF-8 WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
    dbus-run-session -- "$here/accessiblewalk.py" "$program" "$out/kanjiaid-wayland.log" \
    >"$out/wayland-walk.log" 2>&1; then
    cat "$out/wayland-walk.log"
    exit 1
fi
grep '^PASS' "$out/wayland-walk.log"
