#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The web release in Debian's headless Chromium, driven by Playwright: the
# project's tests built for the browser, then a walk of the site as a
# student meets it, in English and in Indonesian (the texts of
# translations/kanjiaid_id.ts).
#   tests/web/walk.sh BUILD OUTDIR
# BUILD is the web build: the site in BUILD/site, the tests in BUILD/tests.
# The Playwright version is the one package-lock.json pins, installed from
# npm into OUTDIR/tools; the screenshots and the walk's report go to OUTDIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
(($# == 2)) || { echo "usage: $0 BUILD OUTDIR" >&2; exit 2; }
build=$(realpath "$1")
out=$(realpath -m "$2")
[[ -f $build/site/index.html ]] || { echo "walk: $build/site holds no site" >&2; exit 1; }
[[ -s $build/tests/browser-tests.txt ]] || { echo "walk: $build holds no tests" >&2; exit 1; }
source "$here/tools.sh"
web_tools "$out/tools"
echo "== the tests, in Chromium"
node "$out/tools/suite.mjs" "$build" "$build/tests/browser-tests.txt"
echo "== the site, as a student meets it"
node "$out/tools/walk.mjs" "$build/site" "$out" "$here/../../translations/kanjiaid_id.ts"
