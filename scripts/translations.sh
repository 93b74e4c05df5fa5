#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Keeps the catalogues in translations/ in step with the texts in src/ and
# in the web page around the program (packaging/web/texts.js).
#   scripts/translations.sh          updates them with lupdate
#   scripts/translations.sh --check  changes nothing; fails when a catalogue
#                                    is not what lupdate would make of the
#                                    sources, or holds an unfinished entry
# lupdate writes no source locations, so that editing a source file changes
# a catalogue only where a text changes.
set -euo pipefail
cd "$(dirname "$0")/.."
# English, the language of the sources, has a catalogue with no texts: it
# stops the program's search through the desktop's languages.
languages=(en id)

fail() {
    echo "translations: $*" >&2
    exit 1
}
bins=$(qtpaths6 --query QT_HOST_BINS 2>/dev/null) || fail "qtpaths6 is missing (Debian package qt6-base-dev-tools)"
lupdate=$bins/lupdate
[[ -x $lupdate ]] || fail "lupdate is missing (Debian package qt6-l10n-tools)"

update() { # catalogue
    local language
    language=$(basename "$1" .ts | sed 's/^kanjiaid_//')
    "$lupdate" -silent -locations none -no-obsolete -source-language en \
        -target-language "$language" $([[ $language != en ]] || echo -pluralonly) src packaging/web/texts.js -ts "$1"
}

if [[ ${1:-} != --check ]]; then
    for language in "${languages[@]}"; do
        update "translations/kanjiaid_$language.ts"
    done
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for language in "${languages[@]}"; do
    catalogue=translations/kanjiaid_$language.ts
    [[ -f $catalogue ]] || fail "$catalogue is missing"
    cp "$catalogue" "$scratch/"
    update "$scratch/kanjiaid_$language.ts"
    if ! diff -u "$catalogue" "$scratch/kanjiaid_$language.ts" >"$scratch/diff"; then
        head -n 40 "$scratch/diff"
        fail "$catalogue is out of date with the sources: run scripts/translations.sh, then translate"
    fi
    [[ $language != en ]] || { echo "translations: $catalogue: up to date"; continue; }
    entries=$(grep -c '<source>' "$catalogue")
    unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
    ((entries > 0)) || fail "$catalogue holds no texts"
    ((unfinished == 0)) || fail "$catalogue has $unfinished unfinished entries of $entries"
    echo "translations: $catalogue: all $entries texts of the sources, every one translated"
done
