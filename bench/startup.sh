#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up to first paint and peak memory of kanjiaid against an empty Qt
# window, offscreen and under one Xvfb, with hyperfine and GNU time.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-40}
probe=$build/bench/kanjiaid_startprobe
empty=$build/bench/kanjiaid_emptywindow
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
    printf '%-10s first paint: empty %s ms (%s-%s), kanjiaid %s ms (%s-%s), ratio %.2f\n' \
        "$name" "$em" "$emin" "$emax" "$km" "$kmin" "$kmax" "$(echo "$km / $em" | bc -l)"
    printf '%-10s peak memory: empty %s KiB, kanjiaid %s KiB, ratio %.2f\n' \
        "$name" "$ememory" "$kmemory" "$(echo "$kmemory / $ememory" | bc -l)"
    printf '%-10s one label:   %s ms (%s-%s), %s KiB; kanjiaid against it: time %.2f, memory %.2f\n' \
        "$name" "$lm" "$lmin" "$lmax" "$lmemory" "$(echo "$km / $lm" | bc -l)" \
        "$(echo "$kmemory / $lmemory" | bc -l)"
}

QT_QPA_PLATFORM=offscreen measure offscreen

start_xvfb "$work/xvfb.log"
QT_QPA_PLATFORM=xcb measure xvfb
unset DISPLAY

# Instructions to first paint, offscreen: unlike wall time, repeatable to the
# instruction whatever else the machine is doing.
if command -v valgrind >/dev/null; then
    count() {
        QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 \
            | awk '/Collected/ { print $4 }'
    }
    ei=$(count "$empty")
    li=$(count "$empty" --label)
    ki=$(count "$probe")
    printf 'instructions (offscreen): empty %s, one label %s, kanjiaid %s; ratio %.2f, against one label %.2f\n' \
        "$ei" "$li" "$ki" "$(echo "$ki / $ei" | bc -l)" "$(echo "$ki / $li" | bc -l)"
fi
