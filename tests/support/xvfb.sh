# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the scripts that need a real X server, which is the one the
# real-window walks start (tests/support/on-display.py):
#   start_xvfb LOG   starts it, waits until a client can connect, and exports
#                    DISPLAY; xvfb_pid is the process to stop (kill) to end
#                    it. When it does not start, LOG shows why.
start_xvfb() {
    local log=$1
    exec {xvfb_fd}< <(exec "$(dirname "${BASH_SOURCE[0]}")/on-display.py" --serve 2>"$log")
    xvfb_pid=$!
    read -r -t 60 -u "$xvfb_fd" DISPLAY || { cat "$log" >&2; return 1; }
    export DISPLAY
}
