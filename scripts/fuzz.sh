#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the libFuzzer targets and runs each one for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [RUNS_PER_TARGET]
# New inputs grow in a scratch folder; the seeds in fuzz/corpus stay as they
# are. An input that crashes a target, breaks its property, leaks or times
# out is kept in build-fuzz/findings/RUN/TARGET/ with the target's output,
# and the run fails, naming each such file and the command that replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
runs=${2:--1}
targets=(parser reply conjugator layout search)

command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (Debian package clang)" >&2; exit 1; }
cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

findings=$PWD/build-fuzz/findings/$(date +%Y%m%d-%H%M%S)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target" "$findings/$target"
    echo "== fuzz_$target: ${seconds} s"
    log=$findings/$target/output.txt
    if build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/$target/" \
        "$scratch/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^Done' "$log" || true
        rm -r "${findings:?}/$target"
        continue
    fi
    failed+=("$target")
    grep -E '^(==[0-9]+==|SUMMARY|property broken)' "$log" | head -n 20 || true
    echo "fuzz_$target FAILED; its output: $log"
    for input in "$findings/$target"/*; do
        [[ $input == "$log" ]] && continue
        echo "  kept: $input"
        echo "  replay: $PWD/build-fuzz/fuzz/fuzz_$target $input"
    done
done
rmdir "$findings" 2>/dev/null || true
if ((${#failed[@]})); then
    echo "fuzz: ${failed[*]} failed; reproducers are in $findings"
    exit 1
fi
