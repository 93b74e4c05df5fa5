#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs the README's commands the way a new user of another Debian release
# would: in a bare root of that release (debootstrap's minbase and sudo, made
# with mmdebstrap or debootstrap from this machine's package mirror), holding
# a clean clone of this repository's HEAD and nothing else.
#   scripts/test-on-release.sh [--as-root] RELEASE [run] [test] [web|web-test]
#     RELEASE    bookworm (Debian 12) or trixie (Debian 13)
#     run        scripts/run.sh must build the program and start it (offscreen);
#                it must still be running some seconds later
#     test       scripts/test.sh must pass
#     web        scripts/web.sh must make the web release, as root of the
#                root, with Qt's store (/var/cache/kanjiaid-web-qt) this
#                machine's; its site is then copied to build-web/site
#     web-test   the same with scripts/web.sh --test, and the walk's
#                screenshots copied to build-web/walk
#     --as-root  run them as root; by default they run as an ordinary user
#                who may use sudo without a password, in a clone in that
#                user's home, after a user whose sudo asks for a password has
#                been stopped, at once and with a message, by scripts/run.sh
#                started without a terminal
#   With neither command, both run, one after the other, in one root.
# Only committed work is seen. Needs root, through sudo when not run as root.
#
# Safe as root on a shared machine: its store is a folder only root may
# write (/var/cache/kanjiaid-release-roots), kept by the rules of
# scripts/store.sh (one run at a time, waiting KANJIAID_LOCK_WAIT seconds at
# most; a base root used only when complete and as its checksum says). Each
# run lives in a mount and PID namespace of its own: its mounts are never
# seen by the machine, and however the run ends, even by SIGKILL, every
# process it started in the root ends with it and its mounts go.
# KANJIAID_MIRROR overrides the mirror.
set -euo pipefail
self=$(realpath "$0")
project=$(cd "$(dirname "$self")/.." && pwd)
cd "$project"
source scripts/as-root.sh

fail() {
    echo "test-on-release: $*" >&2
    exit 1
}
usage="usage: $0 [--as-root] bookworm|trixie [run] [test] [web|web-test]"
arguments=("$@")
as_user=1
if [[ ${1:-} == --as-root ]]; then
    as_user=0
    shift
fi
release=${1:?$usage}
shift
case $release in
    bookworm | trixie) ;;
    *) echo "test-on-release: unknown release '$release' (bookworm or trixie)" >&2; exit 2 ;;
esac
commands=("$@")
((${#commands[@]})) || commands=(run test)
for command in "${commands[@]}"; do
    [[ $command =~ ^(run|test|web|web-test)$ ]] \
        || { echo "test-on-release: unknown command '$command' (run, test, web or web-test)" >&2; exit 2; }
done

if [[ $(id -u) -ne 0 ]]; then
    root_reachable "run: $self ${arguments[*]}"
    options=()
    ((as_user)) || options=(--as-root)
    # Ends with sudo, however sudo ends.
    exec sudo --preserve-env=KANJIAID_MIRROR,KANJIAID_FUZZ_SECONDS,KANJIAID_LOCK_WAIT,CI,SOURCE_DATE_EPOCH \
        setpriv --pdeathsig KILL -- "$self" "${options[@]}" "$release" "${commands[@]}"
fi

# The run itself is the first process of a PID namespace with its own copy
# of the mount table: its mounts are never seen outside, and when it ends,
# every process of the namespace ends and the mounts go. This process waits
# for it; a signal that ends this process (even SIGKILL) ends it too.
# (Only in the namespace is the marker 1 and the process number 1.)
if [[ ${KANJIAID_RELEASE_NAMESPACE:-} != "$$" ]]; then
    command -v unshare >/dev/null || fail "unshare is missing (Debian package util-linux)"
    setpriv --pdeathsig KILL -- unshare --mount --pid --fork --kill-child --propagation private \
        -- env KANJIAID_RELEASE_NAMESPACE=1 "$self" "${arguments[@]}" &
    namespace=$!
    for signal in TERM INT HUP; do
        trap 'kill -KILL "$namespace" 2>/dev/null; echo "test-on-release: stopped" >&2; exit 1' $signal
    done
    wait "$namespace"
    exit
fi
unset KANJIAID_RELEASE_NAMESPACE

need() { # command, and the Debian package that has it
    command -v "$1" >/dev/null && return 0
    echo "test-on-release: installing $2 for $1"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$2" >/dev/null \
        || fail "cannot install $2, which provides $1"
}
need git git
need chroot coreutils
need flock util-linux
if ! command -v mmdebstrap >/dev/null && ! command -v debootstrap >/dev/null; then
    need mmdebstrap mmdebstrap
fi

source scripts/store.sh
mirror=$(debian_mirror || true)
[[ -n $mirror ]] || fail "no Debian mirror in /etc/apt; set KANJIAID_MIRROR"
# The store: root's alone. What runs in the root never holds its lock.
store=/var/cache/kanjiaid-release-roots
store_open "$store"

# The base root, by release and mirror: made under a temporary name, moved
# into place once complete, its checksum last.
key=$(printf '%s %s sudo' "$release" "$mirror" | sha256sum | cut -c 1-16)
base=$store/base-$release-$key.tar
archives=$store/apt-$release-$key
make_base() {
    mkdir -p "$archives"
    [[ -f $base.sha256 ]] && (cd "$store" && sha256sum --quiet -c "$base.sha256" 2>/dev/null) && return 0
    echo "== making a bare $release root from $mirror"
    rm -f "$base" "$base.sha256"
    local new
    new=$(mktemp -d "$store/new-$release.XXXXXX")
    if command -v mmdebstrap >/dev/null; then
        mmdebstrap --quiet --variant=minbase --include=sudo --mode=root "$release" "$new/base.tar" "$mirror"
    else
        debootstrap --variant=minbase --include=sudo "$release" "$new/tree" "$mirror" \
            >"$new/debootstrap.log" || { tail -n 20 "$new/debootstrap.log"; exit 1; }
        tar -C "$new/tree" -cf "$new/base.tar" .
    fi
    mv "$new/base.tar" "$base"
    (cd "$store" && sha256sum "$(basename "$base")") >"$new/base.sha256"
    mv "$new/base.sha256" "$base.sha256"
    rm -rf --one-file-system "$new"
}

# A fresh copy of the base root, mounted for use. The root is a mount of its
# own, so that one recursive unmount takes everything under it; the copies
# of /sys and /dev are private to this namespace, as the whole table is.
root=""
prepare() {
    root=$(mktemp -d "$store/work-$release.XXXXXX")
    mount --bind "$root" "$root"
    tar -C "$root" -xf "$base"
    chmod 0755 "$root" # its / for every user, whatever mode mktemp gave it
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts" # sudo looks its host up
    # The certificate authorities this machine adds to Debian's, as a machine
    # on the same network would have them: Debian's ca-certificates takes
    # them in as it is installed, and npm then reaches its registry.
    if compgen -G '/usr/local/share/ca-certificates/*' >/dev/null; then
        mkdir -p "$root/usr/local/share/ca-certificates"
        cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
    fi
    # The PID namespace's own processes: the root's tools see no others.
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    # Shared memory for every user, as a booted system has it.
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
    mount --bind "$archives" "$root/var/cache/apt/archives"
}

# A user of the root with a clone of HEAD in its home; sudo as given.
add_user() { # name, sudoers rule
    chroot "$root" useradd --create-home --shell /bin/bash "$1"
    echo "$1 $2" >"$root/etc/sudoers.d/$1"
    chmod 0440 "$root/etc/sudoers.d/$1"
    clone "$root/home/$1/kanjiaid"
    chroot "$root" chown -R "$1:$1" "/home/$1/kanjiaid"
}

# A checkout owned by another user is still ours to clone: git trusts it
# through a configuration of this run's own (Debian 12's git reads
# safe.directory from no command line).
clone() {
    printf '[safe]\n\tdirectory = %s\n' "$project/.git" >"$store/gitconfig"
    GIT_CONFIG_GLOBAL=$store/gitconfig git clone -q "$project" "$1"
}

# Unmounted first: the package cache is bound in, on the same file system.
discard_root() {
    [[ -n $root ]] || return 0
    umount -R -l "$root"
    rm -rf --one-file-system "$root"
    root=""
}

inside() { # user, script: runs the script in the user's clone, with a clean environment
    local home=/root
    [[ $1 == root ]] || home=/home/$1
    chroot "$root" /usr/sbin/runuser -u "$1" -- /usr/bin/env -i HOME="$home" USER="$1" \
        LOGNAME="$1" LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        KANJIAID_FUZZ_SECONDS="${KANJIAID_FUZZ_SECONDS:-20}" ${CI:+CI="$CI"} \
        ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH"} \
        /bin/bash -euo pipefail -c "cd $home/kanjiaid; $2"
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

# Without a terminal, sudo cannot ask for a password: the set-up must stop at
# once and say so, before it changes anything.
password_check='
started=$SECONDS
if setsid -w scripts/run.sh </dev/null >/tmp/password.log 2>&1; then
    cat /tmp/password.log; echo "FAIL: scripts/run.sh went on without sudo"; exit 1
fi
grep -q "sudo needs a password and there is no terminal" /tmp/password.log \
    || { cat /tmp/password.log; echo "FAIL: no message about the password sudo needs"; exit 1; }
((SECONDS - started < 30)) || { echo "FAIL: it took $((SECONDS - started)) s to stop"; exit 1; }
echo "PASS: with sudo asking for a password and no terminal, scripts/run.sh stopped in $((SECONDS - started)) s:"
tail -n 1 /tmp/password.log
'

# The web release, made by root of the root with this machine's store of Qt
# builds, which the root's store rules then check; what it made is copied
# out, owned as the checkout is.
web_store=/var/cache/kanjiaid-web-qt
make_web() {
    [[ -e $web_store ]] || install -d -m 0700 "$web_store"
    mkdir -p "$root$web_store"
    mount --bind "$web_store" "$root$web_store"
    [[ -d $root/root/kanjiaid ]] || clone "$root/root/kanjiaid"
    local option="" made=$root/root/kanjiaid/build-web part
    [[ $command == web-test ]] && option=--test
    local status=0
    inside root "scripts/web.sh $option" || status=$?
    # Copied out however the walk went: a failed walk's report and pictures
    # are what tell why.
    mkdir -p "$project/build-web"
    for part in site walk; do
        [[ -d $made/$part ]] || continue
        rm -rf "${project:?}/build-web/$part"
        cp -r "$made/$part" "$project/build-web/$part"
    done
    # And what bench/web-startup.sh measures the site against.
    local file
    for file in kanjiaid.js kanjiaid.wasm qtloader.js bench/kanjiaid_emptywindow.js \
        bench/kanjiaid_emptywindow.wasm; do
        [[ -f $made/$file ]] || continue
        mkdir -p "$(dirname "$project/build-web/$file")"
        cp "$made/$file" "$project/build-web/$file"
    done
    chown -R --reference="$project" "$project/build-web"
    ((status == 0)) || fail "scripts/web.sh${option:+ $option} failed on $release"
}

main() {
    # What earlier runs left: no mount of theirs is seen here.
    rm -rf --one-file-system "$store"/work-* "$store"/new-*
    make_base
    trap discard_root EXIT
    started=$SECONDS
    prepare
    user=root
    if ((as_user)); then
        user=student
        add_user "$user" "ALL=(ALL:ALL) NOPASSWD: ALL"
        add_user guest "ALL=(ALL:ALL) ALL"
        echo "== $release: scripts/run.sh as guest, whose sudo asks for a password, without a terminal"
        inside guest "$password_check" || fail "the password check failed"
    else
        clone "$root/root/kanjiaid"
    fi
    for command in "${commands[@]}"; do
        what=scripts/$command.sh
        [[ $command == web-test ]] && what="scripts/web.sh --test"
        echo "== $release: $what as $user (uid $(chroot "$root" id -u "$user")) in a bare root"
        step=$SECONDS
        if [[ $command == run ]]; then
            inside "$user" "$run_check" || fail "scripts/run.sh failed on $release as $user"
        elif [[ $command == web* ]]; then
            make_web
        else
            inside "$user" scripts/test.sh || fail "scripts/test.sh failed on $release as $user"
        fi
        echo "== $release: $what as $user passed in $((SECONDS - step)) s"
    done
    discard_root
    echo "== $release: ${commands[*]} as $user passed in $((SECONDS - started)) s"
}
main {store_lock}>&-
