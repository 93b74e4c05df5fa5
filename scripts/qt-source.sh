# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the tools that make a release for another platform. Builds Qt
# for that platform from Debian's own qt6-base source, of the version
# installed here (the host's Qt tools drive the build and must match it),
# once, and keeps it in a store of the user's own by the rules of
# scripts/store.sh:
#   qt_from_source NAME TOOLCHAIN KEY OPTION...
#     NAME       the platform: the store is /var/cache/kanjiaid-NAME-qt for
#                root, ~/.cache/kanjiaid-NAME-qt for any other user
#     TOOLCHAIN  the CMake toolchain file Qt is built with
#     KEY        anything else the build depends on (a compiler's version)
#     OPTION...  Qt's configure options
#   Sets qt (the installed Qt's prefix) and qt_version (Debian's version of
#   the source). The store keeps one Qt, made again whenever the source, the
#   toolchain, the key, an option or one of our patches changes. The store's
#   lock is released on return: the lock guards the store alone, and what the
#   caller then runs (Wine's server, a browser) must not keep it.
# Where Qt is wrong for us, Debian's source gets our patches on top of its
# own: packaging/qt/UPSTREAM-VERSION/*.patch, in the order of their names.
# What Qt writes into the programs it is linked into names no folder of this
# machine: its source and build folders are mapped to fixed names, and its
# prefix (which a static Qt keeps only for QLibraryInfo) is
# /opt/kanjiaid-qt-NAME whichever store holds it, so that any user on any
# machine makes the same bytes.
# The caller has set -e, sourced scripts/store.sh and defined fail.

# What every platform's Qt leaves out: the modules and formats kanjiaid never
# uses (its icon is PNG), and the system's libraries, which the platform
# does not have (the bundled copies are built in).
qt_common_options=(
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
)
qt_from_source() {
    local name=$1 toolchain=$2 extra=$3
    shift 3
    local store started=$SECONDS
    if [[ $(id -u) -eq 0 ]]; then
        store=/var/cache/kanjiaid-$name-qt
    else
        store=${XDG_CACHE_HOME:-$HOME/.cache}/kanjiaid-$name-qt
        mkdir -p "$(dirname "$store")"
    fi
    store_open "$store"
    qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    local mirror
    mirror=$(debian_mirror || true)
    [[ -n $mirror ]] || fail "no Debian mirror in /etc/apt; set KANJIAID_MIRROR"
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")

    # A private apt list with the source entries of this machine's own
    # archive: the machine's apt configuration is neither read nor changed.
    local apt_dir=$store/apt suite
    rm -rf "$apt_dir"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    for suite in "$codename" "$codename-updates"; do
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main"
    done >"$apt_dir/sources.list"
    local apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
        -o Dir::Etc::SourceParts=/nonexistent -o "Dir::State::Lists=$apt_dir/lists"
        -o "Dir::Cache=$apt_dir/cache" -o Debug::NoLocking=1 -o "APT::Sandbox::User=$(id -un)")
    apt-get "${apt_options[@]}" update -qq || fail "cannot read the source lists of $mirror"
    # The source's checksum is that of its .dsc, which holds those of its files.
    local dsc
    dsc=$(apt-get "${apt_options[@]}" --print-uris source "qt6-base=$qt_version" 2>/dev/null \
        | awk '/\.dsc'"'"' / { print $4 }') || true
    [[ -n $dsc ]] || fail "$mirror offers no source of qt6-base $qt_version, the version installed here"
    local upstream=${qt_version#*:}
    upstream=${upstream%%[+-]*}
    local patches=() patch
    for patch in "$_qt_patches/$upstream"/*.patch; do
        [[ -f $patch ]] && patches+=("$patch")
    done
    local key prefix=/opt/kanjiaid-qt-$name
    key=$( (printf '%s\n' "$qt_version" "$dsc" "$extra" "prefix $prefix, folders mapped" "$@"; cat "$toolchain" ${patches[@]+"${patches[@]}"}) \
        | sha256sum | cut -c 1-16)
    qt=$store/qt-$qt_version-$key

    if [[ -f $qt.sha256 && $(_qt_checksum "$qt" 2>/dev/null) == "$(cat "$qt.sha256")" ]]; then
        echo "== Qt $qt_version for $name: built before, in $qt"
    else
        echo "== building Qt $qt_version for $name from Debian's source (static; once, in $store)"
        rm -rf "$store"/qt-* "$store"/new-*
        local work
        work=$(mktemp -d "$store/new-XXXXXX")
        (cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$qt_version" \
            >"$work/source.log" 2>&1) || fail "cannot fetch and unpack the source of qt6-base $qt_version"
        local source
        source=$(echo "$work"/qt6-base-*/)
        for patch in ${patches[@]+"${patches[@]}"}; do
            patch -d "$source" -p1 --batch --forward --no-backup-if-mismatch -s <"$patch" \
                || fail "our patch $patch does not apply to qt6-base $qt_version"
            echo "== Qt patched: $(basename "$patch")"
        done
        local configure
        mapfile -t configure < <(_qt_mapped_flags "$source" "$work/build" "$@")
        cmake -G Ninja -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DQT_HOST_PATH=/usr \
            -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
            -DCMAKE_INSTALL_PREFIX="$prefix" "${configure[@]}" \
            >"$work/configure.log" 2>&1 \
            || { tail -n 30 "$work/configure.log"; fail "Qt's configuration for $name failed"; }
        cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 \
            || { grep -m 20 -B 5 'error' "$work/build.log"; fail "Qt's build for $name failed"; }
        DESTDIR=$work/stage cmake --install "$work/build" >/dev/null
        mv "$work/stage$prefix" "$qt"
        _qt_checksum "$qt" >"$work/sha256"
        mv "$work/sha256" "$qt.sha256"
        rm -rf "$work"
        echo "== Qt for $name built in $((SECONDS - started)) s, in $qt ($(du -sh "$qt" | cut -f 1))"
    fi
    rm -rf "$apt_dir"
    exec {store_lock}>&-
}

_qt_patches=$(cd "$(dirname "${BASH_SOURCE[0]}")/../packaging/qt" && pwd)

# The options, with the C and C++ flags (the caller's, if any) mapping the
# source and build folders to fixed names. One option a line: a flag may
# hold spaces, never a newline.
_qt_mapped_flags() {
    local source=${1%/} build=$2 option c_done=0 cxx_done=0
    shift 2
    local maps="-ffile-prefix-map=$source/=qtbase/ -ffile-prefix-map=$build/=qtbase-build/"
    for option; do
        case $option in
            -DCMAKE_C_FLAGS=*) option+=" $maps"; c_done=1 ;;
            -DCMAKE_CXX_FLAGS=*) option+=" $maps"; cxx_done=1 ;;
        esac
        printf '%s\n' "$option"
    done
    ((c_done)) || printf '%s\n' "-DCMAKE_C_FLAGS=$maps"
    ((cxx_done)) || printf '%s\n' "-DCMAKE_CXX_FLAGS=$maps"
}

_qt_checksum() {
    (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum | sha256sum)
}
