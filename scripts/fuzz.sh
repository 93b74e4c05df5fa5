#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the libFuzzer targets and runs each one for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [RUNS_PER_TARGET]
# New inputs go to a scratch folder; the seeds in fuzz/corpus stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
runs=${2:--1}
targets=(parser reply conjugator layout search)

cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target"
    echo "== fuzz_$target: ${seconds} s"
    build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$scratch/" \
        "$scratch/$target" "fuzz/corpus/$target" 2>&1 \
        | grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|property broken)|Done' \
        || { echo "fuzz_$target failed"; exit 1; }
done
