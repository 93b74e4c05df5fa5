#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Validates AppStream metadata as software centres read it, pedantic hints
# included.
#   validate_metainfo.sh METAINFO_FILE
# kanjiaid has no home page yet, so its metadata names none; AppStream 1.0
# and later warn about that, and only that warning is let pass (as a hint).
set -euo pipefail
command -v appstreamcli >/dev/null || { echo "FAIL: appstreamcli is missing (Debian package appstream)"; exit 1; }
version=$(appstreamcli --version | awk '/AppStream version/ { print $NF }')
accepted=()
((${version%%.*} >= 1)) && accepted=(--override=url-homepage-missing=info)
exec appstreamcli validate --no-net --pedantic "${accepted[@]}" "$1"
