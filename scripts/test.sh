#!/usr/bin/env bash
# Installs what is missing, builds kanjiaid with its tests and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
