#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Walks the web release in Debian's headless Chromium, driven by Playwright,
# in English and in Indonesian (the texts of translations/kanjiaid_id.ts).
#   tests/web/walk.sh SITE OUTDIR
# The Playwright version is the one package-lock.json pins, installed from
# npm into OUTDIR/tools; the screenshots and the walk's report go to OUTDIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
(($# == 2)) || { echo "usage: $0 SITE OUTDIR" >&2; exit 2; }
site=$(realpath "$1")
out=$(realpath -m "$2")
[[ -f $site/index.html ]] || { echo "walk: $site holds no site" >&2; exit 1; }
source "$here/tools.sh"
web_tools "$out/tools"
node "$out/tools/walk.mjs" "$site" "$out" "$here/../../translations/kanjiaid_id.ts"
