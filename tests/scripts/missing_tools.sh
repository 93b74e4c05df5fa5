#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A stage of the test command that lacks a tool, or has nothing to check,
# fails and says so: it never reports success having checked nothing. Nor
# does a setting that would thin the run, nor a sudo that cannot ask.
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

# A fake id and sudo: a user whose sudo wants a password.
fake=$(mktemp -d)
trap 'rm -rf "$bin" "$fake"' EXIT
printf '#!/bin/sh\necho 1000\n' >"$fake/id"
printf '#!/bin/sh\n[ "$1" = -n ] && exit 1\necho "sudo ran: $*"\n' >"$fake/sudo"
chmod +x "$fake/id" "$fake/sudo"

# The test command's settings, checked where they are read, never by
# running the command: refused before anything is installed.
settings() { # environment...: the settings check under it, without a terminal
    setsid -w env -u CI -u KANJIAID_FUZZ_SECONDS -u KANJIAID_INSTALL_DEB "$@" bash -c "source '$source/scripts/as-root.sh'
        source '$source/scripts/test-settings.sh'; test_settings" </dev/null
}
expect_failure "fuzz seconds with a unit" "must be a whole number" settings KANJIAID_FUZZ_SECONDS=20s
expect_failure "fuzzing left out under CI" "CI runs every stage" settings CI=true KANJIAID_FUZZ_SECONDS=0
expect_failure "the package stage with a sudo that cannot ask" \
    "sudo needs a password and there is no terminal" settings PATH="$fake:$PATH"
expect_failure "fuzzing for no time" "above 0" bash "$source/scripts/fuzz.sh" 0
expect_failure "sudo without a terminal" "sudo needs a password and there is no terminal" \
    setsid -w env PATH="$fake:$PATH" bash -c "source '$source/scripts/as-root.sh'; as_root true" </dev/null

# Under CI the style check is never left out: the tools lint needs before
# its first check, but clang-format, stand in as commands that do nothing.
for tool in git reuse clang-tidy run-clang-tidy; do ln -s "$(type -P true)" "$bin/$tool"; done
expect_failure "lint without clang-format under CI" "clang-format-19 is missing" \
    env CI=true PATH="$bin" bash "$source/scripts/lint.sh"
exit $((failures > 0))
