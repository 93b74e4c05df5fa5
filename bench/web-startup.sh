#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The web release in Debian's headless Chromium: first paint of kanjiaid
# against a window with one label built with the same Qt (a ratio of
# medians, in one run), and the bytes and first paint of a first and of a
# second visit to the site (bench/web-startup.mjs says how).
#   bench/web-startup.sh [BUILD_DIR] [RUNS]   (default: build-web, 7)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-web}
runs=${2:-7}
for file in site/index.html kanjiaid.wasm bench/kanjiaid_emptywindow.wasm; do
    [[ -f $build/$file ]] || { echo "web-startup.sh: no $build/$file; run scripts/web.sh first" >&2; exit 1; }
done
source tests/web/tools.sh
tools=$build/bench/tools
web_tools "$tools"
cp bench/web-startup.mjs "$tools/"
node "$tools/web-startup.mjs" "$build" "$runs"
