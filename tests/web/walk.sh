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
fail() {
    echo "walk: $*" >&2
    exit 1
}
(($# == 2)) || { echo "usage: $0 SITE OUTDIR" >&2; exit 2; }
site=$(realpath "$1")
out=$(realpath -m "$2")
[[ -f $site/index.html ]] || fail "$site holds no site"
command -v node >/dev/null || fail "node is missing (Debian package nodejs)"
command -v npm >/dev/null || fail "npm is missing (Debian package npm)"
[[ -x /usr/bin/chromium ]] || fail "/usr/bin/chromium is missing (Debian package chromium)"

tools=$out/tools
mkdir -p "$tools"
# Node resolves a module's packages from the module's own folder.
cp "$here/package.json" "$here/package-lock.json" "$here"/*.mjs "$tools/"
if ! cmp -s "$here/package-lock.json" "$tools/node_modules/.package-lock.json.kanjiaid" 2>/dev/null; then
    (cd "$tools" && npm ci --no-audit --no-fund --loglevel=error >/dev/null) \
        || fail "npm could not install the packages package-lock.json names"
    cp "$here/package-lock.json" "$tools/node_modules/.package-lock.json.kanjiaid"
fi
node "$tools/walk.mjs" "$site" "$out" "$here/../../translations/kanjiaid_id.ts"
