# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the tools that keep what they make between runs (bare roots,
# a Qt built for Windows) in a store of their own. The rules:
#   debian_mirror      prints the first Debian archive (not the security one)
#                      this machine installs from, or KANJIAID_MIRROR
#   store_open DIR     makes DIR if need be, and goes on only when it is a
#                      folder that belongs to the running user and that no
#                      one else may write; then holds its lock, waiting for
#                      another run KANJIAID_LOCK_WAIT seconds at most (2400 by
#                      default) and saying so. The lock is on descriptor
#                      $store_lock: run what may outlive the run with it
#                      closed ({store_lock}>&-), so that nothing it leaves
#                      running keeps the next run out.
# What a run makes goes under a temporary name in the store and is moved
# into place when complete, its checksum written last; what does not match
# its checksum is made again. The caller stops on any failure (set -e).
debian_mirror() {
    if [[ -n ${KANJIAID_MIRROR:-} ]]; then
        echo "$KANJIAID_MIRROR"
        return
    fi
    {
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '/^URIs:/ { print $2 }'
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
            | sed -E 's/\[[^]]*\]//' | awk '/^deb / { print $2 }'
    } | awk '/\/debian\/?$/ { print; exit }'
}

store_open() {
    local dir=$1 owner mode wait_limit=${KANJIAID_LOCK_WAIT:-2400}
    [[ $wait_limit =~ ^[0-9]+$ ]] \
        || { echo "store: KANJIAID_LOCK_WAIT must be a whole number of seconds" >&2; exit 1; }
    [[ -e $dir ]] || install -d -m 0700 "$dir"
    [[ -d $dir && ! -L $dir ]] || { echo "store: $dir is not a folder" >&2; exit 1; }
    read -r owner mode < <(stat -c '%u %a' "$dir")
    if ((owner != $(id -u) || (8#$mode & 8#022) != 0)); then
        echo "store: $dir must belong to $(id -un) and be writable by no one else" \
            "(owner $owner, mode $mode)" >&2
        exit 1
    fi
    exec {store_lock}>"$dir/lock"
    if ! flock -n "$store_lock"; then
        echo "== another run holds $dir; waiting for it, $wait_limit s at most"
        flock -w "$wait_limit" "$store_lock" || {
            echo "store: gave up after $wait_limit s: another run still holds $dir/lock" >&2
            exit 1
        }
    fi
}
