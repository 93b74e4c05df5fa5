#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the tree as committed to git: licensing (reuse), catalogues in step
# with the sources and wholly translated, includes that go through the
# parts' include roots, the style against .clang-format, and clang-tidy's
# default checks. A missing tool, or an empty list of files to
# check, fails the run; only the style check may be skipped, and says so,
# and not under CI=true.
set -euo pipefail
cd "$(dirname "$0")/.."

# clang-format's output changes between major versions; the tree is kept in
# the style of this one.
style_version=19

fail() {
    echo "lint: $*" >&2
    exit 1
}
need() { command -v "$1" >/dev/null || fail "$1 is missing (Debian package $2)"; }
need git git
need reuse reuse
need clang-tidy clang-tidy
need run-clang-tidy clang-tidy
# Other versions format differently: without this one the style goes
# unchecked, and says so, except under CI=true.
style=clang-format-$style_version
if ! command -v "$style" >/dev/null; then
    [[ ${CI:-} != true ]] || fail "$style is missing (Debian package $style); CI checks the style"
    style=""
fi
git rev-parse --is-inside-work-tree >/dev/null 2>&1 \
    || fail "this is no git checkout: the files to check are the ones git lists"

# The record listing is data, kept exactly as written.
mapfile -t sources < <(git ls-files '*.cpp' '*.h' | grep -v '^src/store/builtinrecords.cpp$')
((${#sources[@]} > 0)) || fail "git lists no C++ sources"

reuse lint --quiet || { reuse lint | tail -n 20; fail "licensing information is missing"; }
echo "lint: licensing: every file has its copyright and licence (reuse)"

# Every text of the sources is in each catalogue, translated.
scripts/translations.sh --check

# A relative include would reach a part whose library is not linked.
if grep -nE '^#include "\.\./' "${sources[@]}"; then
    fail "include through the include roots (\"store/kanjitable.h\"), never by a relative path"
fi
echo "lint: includes: ${#sources[@]} files, none relative"

if [[ -n $style ]]; then
    "$style" --dry-run --Werror "${sources[@]}"
    echo "lint: style: ${#sources[@]} files formatted as clang-format $style_version formats them"
else
    echo "lint: style NOT CHECKED: clang-format-$style_version is not installed, and other" \
        "versions format differently (Debian package clang-format-$style_version)"
fi

# clang-tidy reads the compile commands of a build configured for this run,
# without precompiled headers. Of that build only the moc files are made, and
# they need not wait for the libraries to compile: CMake sets the switch for
# that after the command line, so it is set again once project() has run.
rm -rf build-tidy
mkdir build-tidy
echo 'set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)' >build-tidy/moc-only.cmake
cmake -S . -B build-tidy -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DKANJIAID_PCH=OFF \
    -DCMAKE_PROJECT_INCLUDE="$PWD/build-tidy/moc-only.cmake" >/dev/null
mapfile -t generated < <(cmake --build build-tidy --target help | awk '/_autogen$/ { print $2 }')
((${#generated[@]} > 0)) || fail "the build lists no moc targets to generate"
cmake --build build-tidy -j "$(nproc)" --target "${generated[@]}" >/dev/null
# The UI Automation client is a Windows program alone, checked by the
# compiler of the Windows build (warnings on) rather than by a Linux one.
mapfile -t units < <(git ls-files 'src/*.cpp' 'tools/*.cpp' 'bench/*.cpp' 'tests/*.cpp' \
    | grep -v -e builtinrecords -e '^tests/consumer/' -e '^tools/uiaread.cpp$')
((${#units[@]} > 0)) || fail "git lists no translation units"
# run-clang-tidy passes over a file the database does not know, silently.
database=build-tidy/compile_commands.json
unknown=()
for unit in "${units[@]}"; do
    grep -qF "\"file\": \"$PWD/$unit\"" "$database" || unknown+=("$unit")
done
((${#unknown[@]} == 0)) || fail "the compile database has no command for: ${unknown[*]}"
if ! output=$(run-clang-tidy -quiet -p build-tidy "${units[@]/#/$PWD/}" 2>&1); then
    echo "$output" | grep -E 'warning:|error:' || echo "$output" | tail -n 20
    fail "clang-tidy failed"
fi
report=$(grep -E 'warning:|error:' <<<"$output" || true)
[[ -z $report ]] || { echo "$report"; fail "clang-tidy found the above"; }
# Each file run-clang-tidy checks is named on the line that runs clang-tidy on it.
invocations=$(grep -E '^(\[[^]]*\])*[[:space:]]*clang-tidy' <<<"$output" || true)
checked=0
for unit in "${units[@]}"; do
    grep -qE " $PWD/$unit\$" <<<"$invocations" && checked=$((checked + 1))
done
((checked == ${#units[@]})) || fail "clang-tidy checked $checked of the ${#units[@]} translation units"
echo "lint: clang-tidy $(clang-tidy --version | awk '/LLVM version/ { print $NF }'):" \
    "$checked of ${#units[@]} translation units checked, no findings"
