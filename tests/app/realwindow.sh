#!/usr/bin/env bash
# Starts the real program on an X server (Xvfb), finds its window by caption,
# takes a screenshot, presses Exit and expects a clean exit.
#   realwindow.sh KANJIAID GRABWINDOW OUTPUT_DIR
set -euo pipefail
program=$1 grab=$2 out=$3
caption="Velmora University: Online Kanji Learning Program"
mkdir -p "$out"

display=":$(( 90 + RANDOM % 400 ))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "${app:-}" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

"$program" >"$out/kanjiaid.log" 2>&1 &
app=$!

window=""
for _ in $(seq 200); do
    window=$(xwininfo -root -tree 2>/dev/null | awk -v c="\"$caption\"" 'index($0, c) { print $1; exit }')
    [[ -n "$window" ]] && break
    sleep 0.05
done
[[ -n "$window" ]] || { echo "FAIL: no window captioned '$caption'"; exit 1; }
echo "window $window"
xwininfo -id "$window" | grep -E 'Width|Height'

sleep 0.3 # let the first paint land
"$grab" "$window" "$out/dictionary-xcb.png"
[[ -s "$out/dictionary-xcb.png" ]] || { echo "FAIL: no screenshot"; exit 1; }

# Exit sits at 404, 396 of the 480 x 455 client area below the menu bar.
height=$(xwininfo -id "$window" | awk '/Height:/ { print $2 }')
xdotool mousemove --window "$window" 404 $(( height - 455 + 396 )) click 1
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app" 2>/dev/null; then echo "FAIL: Exit did not end the program"; exit 1; fi
wait "$app"
echo "PASS: window found, screenshot taken, Exit ended the program"
