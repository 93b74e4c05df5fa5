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
# libFuzzer reads 0 seconds as no limit.
[[ $seconds =~ ^[1-9][0-9]*$ ]] \
    || { echo "fuzz: seconds per target must be a whole number above 0, not '$seconds'" >&2; exit 2; }
[[ $runs =~ ^(-1|0|[1-9][0-9]*)$ ]] \
    || { echo "fuzz: runs per target must be a whole number, not '$runs'" >&2; exit 2; }
targets=(parser reply conjugator layout search)

command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (Debian package clang)" >&2; exit 1; }
parallel=$(nproc)
cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j "$parallel" --target "${targets[@]/#/fuzz_}"

findings=$PWD/build-fuzz/findings/$(date +%Y%m%d-%H%M%S)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# One target, single-threaded as libFuzzer runs it; its exit status is kept
# beside its output.
fuzz_one() {
    local target=$1 status=0
    build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/$target/" \
        "$scratch/$target" "fuzz/corpus/$target" >"$findings/$target/output.txt" 2>&1 || status=$?
    echo "$status" >"$scratch/$target.status"
}

# As many targets at a time as there are cores.
echo "== ${#targets[@]} targets, ${seconds} s each, $parallel at a time"
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target" "$findings/$target"
    while (($(jobs -rp | wc -l) >= parallel)); do wait -n || true; done
    fuzz_one "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
    log=$findings/$target/output.txt
    echo "== fuzz_$target"
    if [[ $(cat "$scratch/$target.status" 2>/dev/null) == 0 ]]; then
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
