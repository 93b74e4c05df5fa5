#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows QtTest program under Wine for CTest. Wine hides every
# variable named QT_* from Windows programs (a Linux desktop's Qt settings
# would mislead them), so cmd sets them again inside; and as what such a
# program writes to standard output does not come through Wine here, the
# test log goes to a file, shown when the program ends, with its status.
#   wine.sh PROGRAM.exe [ARGUMENT...]
set -uo pipefail
command -v wine >/dev/null || { echo "wine.sh: wine is missing (Debian package wine)" >&2; exit 1; }
# cmd keeps a space before "&&" in the value, and Wine quotes a word with a
# space in it: the settings and the program are joined into words without.
line=""
while IFS= read -r setting; do
    [[ $setting != *[[:space:]]* ]] || { echo "wine.sh: a space in $setting" >&2; exit 1; }
    line+="set $setting&&"
done < <(env | grep '^QT_' || true)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# shellcheck disable=SC2086 # split at the spaces between the words
wine cmd /c $line"$(winepath -w "$1")" "${@:2}" -o "$(winepath -w "$log"),txt"
status=$?
cat "$log"
exit "$status"
