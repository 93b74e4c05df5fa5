#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A stage of the test command that lacks a tool, or has nothing to check,
# fails and says so: it never reports success having checked nothing.
#   missing_tools.sh SOURCE_DIR
set -uo pipefail
source=$1
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
# A PATH with only what the scripts need before their first check.
for tool in bash dirname; do ln -s "$(command -v "$tool")" "$bin/$tool"; done

failures=0
expect_failure() { # what, expected message, command...
    local what=$1 message=$2 output status
    shift 2
    output=$("$@" 2>&1)
    status=$?
    if ((status == 0)) || ! grep -qF "$message" <<<"$output"; then
        echo "FAIL: $what: exit $status, output: $output"
        failures=$((failures + 1))
    else
        echo "PASS: $what: $message"
    fi
}

expect_failure "lint without git" "git is missing" env PATH="$bin" bash "$source/scripts/lint.sh"
expect_failure "lint outside a git checkout" "this is no git checkout" \
    env GIT_DIR=/nonexistent bash "$source/scripts/lint.sh"
expect_failure "fuzzing without clang" "clang++ is missing" env PATH="$bin" bash "$source/scripts/fuzz.sh" 1
exit $((failures > 0))
