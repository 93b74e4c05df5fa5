# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the scripts that need a real X server:
#   start_xvfb LOG   starts Xvfb on a display number it chooses itself (one no
#                    other X server holds), waits until a client can connect,
#                    and exports DISPLAY; xvfb_pid is its process. A server
#                    that reports its display but takes no client is stopped
#                    and another started, three times at most; then LOG shows
#                    why.
start_xvfb() {
    local log=$1 number attempt
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (Debian package xvfb)" >&2; return 1; }
    command -v xwininfo >/dev/null || { echo "xwininfo is missing (Debian package x11-utils)" >&2; return 1; }
    for attempt in 1 2 3; do
        exec {xvfb_fd}<> <(:) # Xvfb writes the display number here once it is ready
        # -noreset: a server that resets when its last client leaves writes
        # its number again, to a pipe closed by then, and ends.
        Xvfb -displayfd "$xvfb_fd" -noreset -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
        xvfb_pid=$!
        number=""
        read -r -t 10 -u "$xvfb_fd" number || true
        exec {xvfb_fd}<&-
        if [[ -n $number ]]; then
            for _ in $(seq 50); do
                if xwininfo -root -display ":$number" >/dev/null 2>&1; then
                    export DISPLAY=:$number
                    return 0
                fi
                kill -0 "$xvfb_pid" 2>/dev/null || break
                sleep 0.1
            done
        fi
        echo "Xvfb (attempt $attempt) reported display '${number}' but took no client:" >&2
        cat "$log" >&2
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    done
    return 1
}
