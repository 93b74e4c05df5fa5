#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the suite as
# shipped, the same suite under AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer, and a bounded run of each fuzz target.
#   KANJIAID_FUZZ_SECONDS  seconds per fuzz target (default 20; 0 skips fuzzing)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
jobs=$(nproc)

echo "== tests"
cmake --preset default >/dev/null
cmake --build build -j "$jobs"
ctest --preset default -j "$jobs"

echo "== tests under sanitizers"
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

seconds=${KANJIAID_FUZZ_SECONDS:-20}
if ((seconds > 0)); then
    echo "== fuzzing, ${seconds} s a target"
    scripts/fuzz.sh "$seconds"
fi
