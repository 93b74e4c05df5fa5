#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the C++ sources against .clang-format and clang-tidy's default checks.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h' | grep -v '^src/store/builtinrecords.cpp$')
clang-format --dry-run --Werror "${sources[@]}"

# clang-tidy reads the compile commands of a build without precompiled headers.
cmake -S . -B build-tidy -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DKANJIAID_PCH=OFF >/dev/null
mapfile -t generated < <(cmake --build build-tidy --target help | awk '/_autogen$/ { print $2 }')
cmake --build build-tidy -j "$(nproc)" --target "${generated[@]}" >/dev/null
mapfile -t units < <(git ls-files 'src/*.cpp' 'tools/*.cpp' 'bench/*.cpp' 'tests/*.cpp' \
    | grep -v builtinrecords)
report=$(run-clang-tidy -quiet -p build-tidy "${units[@]}" 2>/dev/null | grep -E 'warning:|error:' || true)
if [[ -n "$report" ]]; then
    echo "$report"
    exit 1
fi
echo "lint: clean"
