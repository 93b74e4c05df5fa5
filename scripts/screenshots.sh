#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Redraws the screenshots in docs/screenshots from the real widgets: in
# English at 1x and 2x, and in Indonesian.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target kanjiaid_screenshots -j "$(nproc)" >/dev/null
shoot() { # LANGUAGE, scale, suffix
    LANGUAGE=$1 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$2 \
        build/tools/kanjiaid_screenshots docs/screenshots "$3"
}
shoot "" 1 ""
shoot "" 2 @2x
shoot id 1 -id
