#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts the faces the program is drawn in down to what a browser needs first.

    subset-fonts.py OUTDIR RECORDS

A browser gives Qt no fonts of the system's, so the program carries its own:
Liberation Sans (the captions' face on Debian) with the Latin letters, and
IPAPGothic with the kana, the punctuation, every character of the records
(RECORDS, the C++ source that holds them) and the 2,965 kanji of JIS X 0208's
first level, the common ones a student pastes. A kanji outside them is drawn
as an empty box. The family names stay, so that the program finds them as on
Debian.
"""

import pathlib
import subprocess
import sys

from fontTools import subset


LATIN = [*range(0x20, 0x7F), *range(0xA0, 0x180), *range(0x2000, 0x2070), 0x20AC, 0x2122]
JAPANESE = [*range(0x3000, 0x3100), *range(0xFF00, 0xFFF0), 0x30FB]


def first_level_kanji():
    """The kanji of rows 16 to 47 of JIS X 0208, as EUC-JP encodes them."""
    for code in range(0x4E00, 0xA000):
        try:
            encoded = chr(code).encode("euc_jp")
        except UnicodeEncodeError:
            continue
        if len(encoded) == 2 and 0xB0 <= encoded[0] <= 0xCF:
            yield code


def face(family, style):
    """The file of an installed face, as fontconfig lists it."""
    listed = subprocess.run(["fc-list", "-f", "%{file}\n", f":family={family}:style={style}"],
                            check=True, capture_output=True, text=True).stdout.split()
    if not listed:
        sys.exit(f"subset-fonts: no {family} {style} is installed")
    return sorted(listed)[0]


def cut(source, target, codes):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.glyph_names = False
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(set(codes)))
    subsetter.subset(font)
    subset.save_font(font, str(target), options)


def main():
    outdir = pathlib.Path(sys.argv[1])
    records = pathlib.Path(sys.argv[2]).read_text(encoding="utf-8")
    outdir.mkdir(parents=True, exist_ok=True)
    shown = [ord(c) for c in records if ord(c) > 0x7F]
    cut(face("IPAPGothic", "Regular"), outdir / "ipagp.ttf",
        LATIN + JAPANESE + shown + list(first_level_kanji()))
    for style in ("Regular", "Bold"):
        cut(face("Liberation Sans", style), outdir / f"LiberationSans-{style}.ttf", LATIN)


if __name__ == "__main__":
    main()
