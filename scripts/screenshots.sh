#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Redraws the screenshots in docs/screenshots from the real widgets.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target kanjiaid_screenshots -j "$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen build/tools/kanjiaid_screenshots docs/screenshots
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/tools/kanjiaid_screenshots docs/screenshots @2x
