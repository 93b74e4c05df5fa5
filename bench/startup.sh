#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up to first paint and peak memory of kanjiaid against an empty Qt
# window and against the same window with one label (the floor for a window
# that shows text): wall time with hyperfine, peak memory with GNU time,
# offscreen and under one Xvfb, and instructions with callgrind, offscreen.
#   bench/startup.sh [--add-fonts DIR] [--instructions] [BUILD_DIR] [RUNS]
#     BUILD_DIR        the build to measure (default: the project's build/)
#     --add-fonts DIR  measure again with the fonts in DIR added to the
#                      machine's, through a private fontconfig configuration
#                      (the machine itself is left as it is)
#     --instructions   instructions only (quick, and repeatable to the
#                      instruction)
set -euo pipefail
extra="" only_instructions=0
while [[ ${1:-} == --* ]]; do
    case $1 in
        --add-fonts) extra=$(realpath "${2:?--add-fonts needs a folder}"); shift 2 ;;
        --instructions) only_instructions=1; shift ;;
        *) echo "startup.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
build=${1:-$(dirname "$0")/../build}
runs=${2:-40}
probe=$build/bench/kanjiaid_startprobe
empty=$build/bench/kanjiaid_emptywindow
tools=(valgrind fc-list)
((only_instructions)) || tools+=(hyperfine /usr/bin/time bc python3 Xvfb)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing" >&2; exit 1; }
done
[[ -x $probe && -x $empty ]] || { echo "startup.sh: build $build first (bench targets)" >&2; exit 1; }
work=$(mktemp -d)
source "$(dirname "$0")/../tests/support/xvfb.sh"
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# Median, minimum and maximum of one command in a hyperfine JSON export.
stats() {
    python3 -c 'import json, sys
r = json.load(open(sys.argv[1]))["results"][int(sys.argv[2])]
print(" ".join("%.1f" % (r[key] * 1000) for key in ("median", "min", "max")))' "$1" "$2"
}

peak_kb() { # median peak resident set of five runs, in KiB
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1
    done | sort -n | sed -n 3p
}

ratio() { printf '%.2f' "$(echo "$1 / $2" | bc -l)"; }

measure() {
    local name=$1
    hyperfine --style none --warmup 5 --runs "$runs" --export-json "$work/$name.json" \
        -n empty "$empty" -n kanjiaid "$probe" -n label "$empty --label" >/dev/null
    read -r em emin emax <<<"$(stats "$work/$name.json" 0)"
    read -r km kmin kmax <<<"$(stats "$work/$name.json" 1)"
    read -r lm lmin lmax <<<"$(stats "$work/$name.json" 2)"
    local ememory kmemory lmemory
    ememory=$(peak_kb "$empty")
    kmemory=$(peak_kb "$probe")
    lmemory=$(peak_kb "$empty" --label)
    printf '%-10s first paint: empty %s ms (%s-%s), one label %s ms (%s-%s), kanjiaid %s ms (%s-%s); ratio %s, against one label %s\n' \
        "$name" "$em" "$emin" "$emax" "$lm" "$lmin" "$lmax" "$km" "$kmin" "$kmax" \
        "$(ratio "$km" "$em")" "$(ratio "$km" "$lm")"
    printf '%-10s peak memory: empty %s KiB, one label %s KiB, kanjiaid %s KiB; ratio %s, against one label %s\n' \
        "$name" "$ememory" "$lmemory" "$kmemory" "$(ratio "$kmemory" "$ememory")" \
        "$(ratio "$kmemory" "$lmemory")"
}

# Instructions to first paint, offscreen: unlike wall time, repeatable to the
# instruction whatever else the machine is doing.
instructions() {
    count() {
        QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 \
            | awk '/Collected/ { print $4 }'
    }
    local ei li ki
    ei=$(count "$empty")
    li=$(count "$empty" --label)
    ki=$(count "$probe")
    printf 'instructions (offscreen, %s font faces): empty %s, one label %s, kanjiaid %s; ratio %s, against one label %s\n' \
        "$(fc-list | wc -l)" "$ei" "$li" "$ki" "$(ratio "$ki" "$ei")" "$(ratio "$ki" "$li")"
}

# Click to painted expression window, each in a fresh program.
first_show() {
    for _ in $(seq "$runs"); do
        "$probe" --expression-window 2>/dev/null | awk '{ print $(NF - 1) }'
    done | sort -n | awk '{ v[NR] = $1 } END { printf "%.2f ms (%.2f-%.2f)", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

run_all() {
    "$empty" --label -platform offscreen # fills fontconfig's caches for this font set
    instructions
    ((only_instructions)) && return
    echo "offscreen  first show of the expression window: $(QT_QPA_PLATFORM=offscreen first_show)"
    QT_QPA_PLATFORM=offscreen measure offscreen
    start_xvfb "$work/xvfb.log"
    QT_QPA_PLATFORM=xcb measure xvfb
    echo "xvfb       first show of the expression window: $(QT_QPA_PLATFORM=xcb first_show)"
    kill "$xvfb_pid"
    unset DISPLAY
}

echo "== the machine's fonts"
run_all
if [[ -n $extra ]]; then
    # The machine's configuration and fonts, plus the folder; caches of its own.
    cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <cachedir>$work/fontconfig-cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$extra</dir>
</fontconfig>
EOF
    export FONTCONFIG_FILE=$work/fonts.conf
    echo "== the machine's fonts and those in $extra"
    run_all
fi
