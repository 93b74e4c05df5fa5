# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the scripts that change the system:
#   root_reachable WHAT  returns when the script may act as root, directly or
#                        through sudo; otherwise it stops the script with one
#                        line saying why and what to do (WHAT: what root is
#                        needed for). sudo that would have to ask for a
#                        password with no terminal to ask on stops it too,
#                        instead of failing halfway through.
#   as_root COMMAND...   runs the command as root, through sudo when not root.
# sudo starts the command with a clean environment: pass variables to it
# with env (as_root env DEBIAN_FRONTEND=noninteractive apt-get ...).
root_reachable() {
    [[ $(id -u) -eq 0 ]] && return 0
    local script
    script=$(basename "$0")
    if ! command -v sudo >/dev/null; then
        echo "$script: not root, and sudo is missing: as root, $1" >&2
        exit 1
    fi
    if ! sudo -n true 2>/dev/null && ! { : </dev/tty; } 2>/dev/null; then
        echo "$script: sudo needs a password and there is no terminal to ask for it on:" \
            "run this from a terminal, or as root, $1" >&2
        exit 1
    fi
}

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    else
        root_reachable "run: $*"
        sudo "$@"
    fi
}
