# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the scripts that need a real X server:
#   start_xvfb LOG   starts Xvfb on a display number it chooses itself (one no
#                    other X server holds), waits until it accepts clients,
#                    and exports DISPLAY; xvfb_pid is its process.
start_xvfb() {
    local log=$1 number
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (Debian package xvfb)" >&2; return 1; }
    exec {xvfb_fd}<> <(:) # Xvfb writes the display number here once it is ready
    Xvfb -displayfd "$xvfb_fd" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
    xvfb_pid=$!
    if ! read -r -t 10 -u "$xvfb_fd" number; then
        echo "Xvfb did not start; see $log" >&2
        return 1
    fi
    exec {xvfb_fd}<&-
    export DISPLAY=:$number
}
