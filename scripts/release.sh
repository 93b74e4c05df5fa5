#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the release folder of the commit checked out, every file in it the
# same bytes whoever builds it, wherever and whenever:
#   kanjiaid-VERSION.tar.gz                  the source (git archive)
#   kanjiaid_VERSION_debianN_ARCH.deb        the package for the Debian
#                                            release this runs on
#   kanjiaid-VERSION-setup.exe               the Windows installer
#   kanjiaid-VERSION.exe                     the Windows program on its own
#   kanjiaid-VERSION-web.tar.gz              the web site, to unpack on a
#                                            web server
#   SHA256SUMS                               their checksums
#   scripts/release.sh [FOLDER]    makes it in FOLDER (default: release)
#   scripts/release.sh --check     makes it, then again from a clone in
#                                  another folder, later; every file must be
#                                  the same, and diffoscope shows what is not
# Times written into a release are the commit's (SOURCE_DATE_EPOCH). The
# Windows and web builds are scripts/windows.sh's and scripts/web.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

fail() {
    echo "release: $*" >&2
    exit 1
}
check=0
folder=$project/release
case ${1:-} in
    --check) check=1 ;;
    -*) echo "usage: $0 [FOLDER | --check]" >&2; exit 2 ;;
    ?*) folder=$(realpath -m "$1") ;;
esac

scripts/setup.sh --release
git diff --quiet HEAD -- || fail "the work tree differs from HEAD: a release is made of a commit"

if ((check)); then
    started=$SECONDS
    "$0" "$folder"
    first=$SECONDS
    elsewhere=$(mktemp -d "${TMPDIR:-/tmp}/kanjiaid-rebuild.XXXXXX")
    trap 'rm -rf "$elsewhere"' EXIT
    git clone -q "$project" "$elsewhere/another-checkout"
    echo "== the same commit again, in $elsewhere/another-checkout"
    "$elsewhere/another-checkout/scripts/release.sh" "$elsewhere/release"
    if cmp -s "$folder/SHA256SUMS" "$elsewhere/release/SHA256SUMS"; then
        echo "== reproducible: both builds gave these bytes (built in $((first - started)) s," \
            "then $((SECONDS - first)) s):"
        cat "$folder/SHA256SUMS"
        exit 0
    fi
    echo "release: the two builds differ:" >&2
    diff "$folder/SHA256SUMS" "$elsewhere/release/SHA256SUMS" >&2 || true
    while read -r sum file; do
        grep -qxF "$sum  $file" "$elsewhere/release/SHA256SUMS" && continue
        diffoscope --no-progress --text - "$folder/$file" "$elsewhere/release/$file" 2>&1 \
            | head -n 300 >&2 || true
    done <"$folder/SHA256SUMS"
    exit 1
fi

# Everything written with a time is written with the commit's.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022
rm -rf "$folder"
mkdir -p "$folder"

# The Debian package, from a fresh build of the program alone.
build=$project/build-release
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DKANJIAID_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target kanjiaid
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || fail "no version in $build/CMakeCache.txt"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
. /etc/os-release
arch=$(dpkg --print-architecture)
cp "$build/package/kanjiaid_${version}_$arch.deb" "$folder/kanjiaid_${version}_debian${VERSION_ID}_$arch.deb"

git archive --format=tar.gz --prefix="kanjiaid-$version/" -o "$folder/kanjiaid-$version.tar.gz" HEAD

# Every file is built afresh: a build folder keeps what an earlier build
# wrote with its own times (Qt's resources carry one).
rm -rf build-windows build-web
scripts/windows.sh
cp "build-windows/kanjiaid.exe" "$folder/kanjiaid-$version.exe"
cp "build-windows/kanjiaid-$version-setup.exe" "$folder/"

scripts/web.sh
# Names sorted, owners and times fixed, gzip without a name or time.
tar -C build-web --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@$SOURCE_DATE_EPOCH" --mode=u+w,go-w,a+rX --transform="s,^site,kanjiaid-$version-web," \
    -cf - site | gzip -9n >"$folder/kanjiaid-$version-web.tar.gz"

# No released program names a folder of the machine that made it: not this
# checkout, nor a store of Qt, nor the bare root the site is made in (the
# source archive aside, whose README names the stores).
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$folder/kanjiaid_${version}_debian${VERSION_ID}_$arch.deb" "$unpacked/deb"
mkdir "$unpacked/web" && tar -xzf "$folder/kanjiaid-$version-web.tar.gz" -C "$unpacked/web"
cp "$folder/kanjiaid-$version.exe" "$folder/kanjiaid-$version-setup.exe" "$unpacked/"
leaks=$(grep -rlaF -e "$project/" -e kanjiaid-windows-qt -e kanjiaid-web-qt -e kanjiaid-release-roots \
    -e /root/kanjiaid/ "$unpacked" || true)
[[ -z $leaks ]] || fail "released files name a folder of this machine: ${leaks//$unpacked\//}"

sums=$(cd "$folder" && find . -maxdepth 1 -type f -printf '%P\n' | LC_ALL=C sort | xargs sha256sum)
echo "$sums" >"$folder/SHA256SUMS"
echo "== the release of $(git rev-parse --short HEAD), in $folder:"
(cd "$folder" && ls -l --time-style=+ | tail -n +2 | awk '{ printf "   %-40s %10d bytes\n", $6, $5 }')
