#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs the README's commands the way a new user of another Debian release
# would: in a bare root of that release (debootstrap's minbase, made with
# mmdebstrap or debootstrap from this machine's package mirror), holding a
# clean clone of this repository's HEAD and nothing else.
#   scripts/test-on-release.sh RELEASE [run] [test]
#     RELEASE  bookworm (Debian 12) or trixie (Debian 13)
#     run      scripts/run.sh must build the program and start it (offscreen);
#              it must still be running some seconds later
#     test     scripts/test.sh must pass
#   With neither, both run, each in a fresh copy of the root.
# Only committed work is seen. Needs root, through sudo when not run as root.
# The base root is kept in /tmp/kanjiaid-roots between runs, as are the
# packages downloaded into it; KANJIAID_MIRROR overrides the mirror.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

release=${1:?"usage: $0 bookworm|trixie [run] [test]"}
shift
case $release in
    bookworm | trixie) ;;
    *) echo "test-on-release: unknown release '$release' (bookworm or trixie)" >&2; exit 2 ;;
esac
commands=("$@")
((${#commands[@]})) || commands=(run test)
for command in "${commands[@]}"; do
    [[ $command == run || $command == test ]] \
        || { echo "test-on-release: unknown command '$command' (run or test)" >&2; exit 2; }
done

if [[ $(id -u) -ne 0 ]]; then
    exec sudo --preserve-env=KANJIAID_MIRROR,KANJIAID_FUZZ_SECONDS "$0" "$release" "${commands[@]}"
fi

need() { # command, and the Debian package that has it
    command -v "$1" >/dev/null && return 0
    echo "test-on-release: installing $2 for $1"
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "$2" >/dev/null \
        || { echo "test-on-release: cannot install $2, which provides $1" >&2; exit 1; }
}
need git git
need chroot coreutils
if ! command -v mmdebstrap >/dev/null && ! command -v debootstrap >/dev/null; then
    need mmdebstrap mmdebstrap
fi

# The first Debian archive (not the security one) this machine installs from.
mirror=${KANJIAID_MIRROR:-$(
    {
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '/^URIs:/ { print $2 }'
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
            | sed -E 's/\[[^]]*\]//' | awk '/^deb / { print $2 }'
    } | awk '/\/debian\/?$/ { print; exit }' || true
)}
[[ -n $mirror ]] || { echo "test-on-release: no Debian mirror in /etc/apt; set KANJIAID_MIRROR" >&2; exit 1; }

store=/tmp/kanjiaid-roots
base=$store/$release-minbase.tar
mkdir -p "$store/apt-$release"
if [[ ! -f $base ]]; then
    echo "== making a bare $release root from $mirror"
    new=$store/$release-minbase.new.tar # mmdebstrap writes a tarball for a .tar name
    if command -v mmdebstrap >/dev/null; then
        mmdebstrap --quiet --variant=minbase --mode=root "$release" "$new" "$mirror"
    else
        tree=$(mktemp -d "$store/$release-tree.XXXXXX")
        debootstrap --variant=minbase "$release" "$tree" "$mirror" >"$store/debootstrap.log" \
            || { tail -n 20 "$store/debootstrap.log"; exit 1; }
        tar -C "$tree" -cf "$new" . && rm -rf "$tree"
    fi
    mv "$new" "$base"
fi

root=""
unmount() {
    [[ -n $root ]] || return 0
    for mount in var/cache/apt/archives dev sys proc; do
        umount -R -l "$root/$mount" 2>/dev/null || true
    done
    rm -rf --one-file-system "$root"
    root=""
}
trap unmount EXIT

# A fresh copy of the bare root with a clean clone of HEAD at /src/kanjiaid.
prepare() {
    root=$(mktemp -d "$store/$release-$1.XXXXXX")
    tar -C "$root" -xf "$base"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    git clone -q "$project" "$root/src/kanjiaid"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
    mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
    mount --bind "$store/apt-$release" "$root/var/cache/apt/archives"
}

inside() { # runs a script in the root, with a clean environment
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        KANJIAID_FUZZ_SECONDS="${KANJIAID_FUZZ_SECONDS:-20}" \
        /bin/bash -euo pipefail -c "cd /src/kanjiaid; $1"
}

# scripts/run.sh ends by exec'ing the program, so its process becomes
# kanjiaid once the build is done.
run_check='
QT_QPA_PLATFORM=offscreen scripts/run.sh >/tmp/run.log 2>&1 &
pid=$!
while kill -0 "$pid" 2>/dev/null && [[ $(cat /proc/$pid/comm) != kanjiaid ]]; do sleep 1; done
kill -0 "$pid" 2>/dev/null || { cat /tmp/run.log; echo "FAIL: scripts/run.sh ended before starting the program"; exit 1; }
sleep 10
kill -0 "$pid" 2>/dev/null || { cat /tmp/run.log; echo "FAIL: the program ended within 10 s of starting"; exit 1; }
kill "$pid"
tail -n 3 /tmp/run.log
echo "PASS: scripts/run.sh built and started kanjiaid; it was still running 10 s later"
'

failed=0
for command in "${commands[@]}"; do
    echo "== $release: scripts/$command.sh in a bare root"
    started=$SECONDS
    prepare "$command"
    if [[ $command == run ]]; then
        inside "$run_check" || failed=1
    else
        inside scripts/test.sh || failed=1
    fi
    unmount
    echo "== $release: scripts/$command.sh $( ((failed)) && echo FAILED || echo passed) in $((SECONDS - started)) s"
    ((failed == 0)) || exit 1
done
