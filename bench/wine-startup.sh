#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows build under Wine: start-up to the first paint of kanjiaid
# against a window with one label built with the same static Qt (medians of
# RUNS runs each, measured in one run with hyperfine, on Qt's Windows
# platform under a private Xvfb, Wine's server kept running between runs),
# and the sizes of kanjiaid.exe and of its installer.
#   bench/wine-startup.sh [BUILD_DIR] [RUNS]   (default: build-windows, 15)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
runs=${2:-15}
for tool in wine wineboot wineserver hyperfine python3 Xvfb; do
    command -v "$tool" >/dev/null || { echo "wine-startup.sh: $tool is missing" >&2; exit 1; }
done
probe=$build/bench/kanjiaid_startprobe.exe
label=$build/bench/kanjiaid_emptywindow.exe
[[ -f $probe && -f $label ]] || { echo "wine-startup.sh: run scripts/windows.sh first" >&2; exit 1; }
work=$(mktemp -d)
source tests/support/xvfb.sh
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work/xvfb.log"
mkdir -p "$WINEPREFIX"
wineserver -p # stays up between the runs, as it does on a desktop
wineboot -i 2>/dev/null
hyperfine --style none --warmup 3 --runs "$runs" --export-json "$work/wine.json" \
    -n label "wine $label --label" -n kanjiaid "wine $probe" >/dev/null
python3 - "$work/wine.json" <<'PYTHON'
import json, sys
label, kanjiaid = (r["median"] * 1000 for r in json.load(open(sys.argv[1]))["results"])
print(f"under Wine, first paint (median): one label {label:.0f} ms, kanjiaid {kanjiaid:.0f} ms;"
      f" ratio {kanjiaid / label:.2f}, kanjiaid {kanjiaid - label:+.0f} ms")
PYTHON
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for file in "$build/kanjiaid.exe" "$build/kanjiaid-$version-setup.exe"; do
    echo "$(basename "$file"): $(stat -c %s "$file") bytes"
done
