#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the built-in records against KANJIDIC2, the kanji dictionary of the
# Electronic Dictionary Research and Development Group (CC BY-SA 4.0), as
# Debian's kanjidic-xml package installs it. For a maintainer: the program
# never reads KANJIDIC2, and its records stay as they are.
#   tools/audit-records.py [KANJIDIC2_XML_GZ]
# Prints one line per record that KANJIDIC2 does not bear out, then counts:
#   kanji     the record's kanji is not in KANJIDIC2
#   kunyomi   its kunyomi is none of the kanji's kun readings
#   onyomi    one of its onyomi is none of the kanji's on readings
#   english   its English shares no word with the kanji's English meanings
# A reading that matches once Kunrei-shiki is read as Hepburn (tyou, chou;
# sitasi, shitashi) is counted as romanisation only, never flagged.
import gzip
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

KANJIDIC = "/usr/share/edict/kanjidic2.xml.gz"
RECORDS = Path(__file__).resolve().parents[1] / "src" / "store" / "builtinrecords.cpp"

# Hepburn romaji of each hiragana; the small ya, yu, yo and tsu follow below.
KANA = dict(zip(
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも"
    "やゆよらりるれろわゐゑをんがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ",
    "a i u e o ka ki ku ke ko sa shi su se so ta chi tsu te to na ni nu ne no "
    "ha hi fu he ho ma mi mu me mo ya yu yo ra ri ru re ro wa i e o n "
    "ga gi gu ge go za ji zu ze zo da ji zu de do ba bi bu be bo pa pi pu pe po".split()))
SMALL = {"ゃ": "ya", "ゅ": "yu", "ょ": "yo"}

# Kunrei-shiki and Nihon-shiki spellings as Hepburn writes them, in an order
# where no rule undoes an earlier one.
KUNREI = [("sy", "sh"), ("ty", "ch"), ("zy", "j"), ("jy", "j"), ("si", "shi"), ("ti", "chi"),
          ("tu", "tsu"), ("hu", "fu"), ("zi", "ji"), ("di", "ji"), ("du", "zu")]

STOP_WORDS = {"a", "an", "the", "of", "to", "in", "on", "for", "and", "or", "be", "counter",
              "something", "radical", "no"}


def romaji(kana):
    """Hepburn romaji of hiragana or katakana, long vowels as two letters."""
    hiragana = "".join(chr(ord(c) - 0x60) if "ァ" <= c <= "ヶ" else c for c in kana)
    out = ""
    double = False
    for c in hiragana:
        if c == "っ":
            double = True
            continue
        if c in SMALL and out:
            # ki + ya is kya; shi + ya is sha; chi + ya is cha; ji + ya is ja.
            base, syllable = out[:-1], SMALL[c]
            out = base + (syllable[1:] if base.endswith(("sh", "ch", "j")) else syllable)
            continue
        syllable = KANA.get(c, c if c.isascii() else "")
        if double and syllable:
            syllable = ("t" if syllable.startswith("ch") else syllable[0]) + syllable
            double = False
        out += syllable
    return out.replace("ー", "")


def hepburn(reading):
    for kunrei, spelling in KUNREI:
        reading = reading.replace(kunrei, spelling)
    return reading


def short_vowels(reading):
    """The reading as Hepburn without macrons writes it: imoto for imouto."""
    return re.sub(r"([aeiou])\1|ou", lambda m: m.group(0)[0], reading)


def kanjidic(path):
    characters = {}
    with gzip.open(path) as data:
        for _, element in ElementTree.iterparse(data):
            if element.tag != "character":
                continue
            on, kun, meanings = set(), set(), []
            for reading in element.iter("reading"):
                text = reading.text.replace("-", "")
                if reading.get("r_type") == "ja_on":
                    on.add(romaji(text))
                elif reading.get("r_type") == "ja_kun":
                    # A kun reading counts whole (aka.rui, akarui) and as its stem (aka).
                    kun.add(romaji(text.replace(".", "")))
                    kun.add(romaji(text.split(".")[0]))
            meanings = [m.text for m in element.iter("meaning") if m.get("m_lang") is None]
            characters[element.findtext("literal")] = (on, kun, meanings)
            element.clear()
    return characters


def records():
    for line in RECORDS.read_text(encoding="utf-8").splitlines():
        match = re.match(r'\s*u"\s*(\d+),(.*)",$', line)
        if match:
            fields = match.group(2).split(",")
            yield int(match.group(1)), fields[0], fields[1], fields[2], fields[3]


def words(text):
    return {w for w in re.findall(r"[a-z]+", text.lower()) if w not in STOP_WORDS}


def matches(reading, known, prefix=False):
    """'yes', 'romanisation' (only once read as Hepburn, long vowels or not),
    or 'no'. With prefix, a reading may stop short of a known one's end (a
    kunyomi written with part of its okurigana: tadashi for tadashii)."""
    def found(reading, known):
        return reading in known or prefix and any(k.startswith(reading) for k in known)
    if found(reading, known):
        return "yes"
    if found(hepburn(reading), known) \
            or found(short_vowels(hepburn(reading)), {short_vowels(k) for k in known}):
        return "romanisation"
    return "no"


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else KANJIDIC
    if not Path(path).exists():
        print(f"audit-records: {path} is missing: install Debian's kanjidic-xml package,"
              " or name the file")
        return 1
    dictionary = kanjidic(path)
    counts = dict.fromkeys(["checked", "flagged", "kanji", "kunyomi", "onyomi", "english",
                            "romanisation only"], 0)
    for number, kanji, kunyomi, onyomi, english in records():
        counts["checked"] += 1
        if kanji not in dictionary:
            counts["kanji"] += 1
            counts["flagged"] += 1
            print(f"{number:3} {kanji} kanji: not in KANJIDIC2")
            continue
        on, kun, meanings = dictionary[kanji]
        problems = []
        romanised = False
        if kunyomi != "*":
            reading = re.sub(r"[()\s]", "", kunyomi)
            verdict = matches(reading, kun, prefix=True)
            romanised |= verdict == "romanisation"
            if verdict == "no":
                counts["kunyomi"] += 1
                problems.append(f"kunyomi {kunyomi} not among {'/'.join(sorted(kun)) or '(none)'}")
        wrong_on = []
        for reading in filter(None, re.split(r"[/,;\s]+", onyomi.replace("*", ""))):
            verdict = matches(reading, on)
            romanised |= verdict == "romanisation"
            if verdict == "no":
                wrong_on.append(reading)
        if wrong_on:
            counts["onyomi"] += 1
            problems.append(f"onyomi {'/'.join(wrong_on)} not among "
                            f"{'/'.join(sorted(on)) or '(none)'}")
        if english != "*" and not words(english) & words(" ".join(meanings)):
            counts["english"] += 1
            problems.append(f"english '{english}' shares no word with '{'; '.join(meanings)}'")
        if problems:
            counts["flagged"] += 1
            print(f"{number:3} {kanji} " + "; ".join(problems))
        elif romanised:
            counts["romanisation only"] += 1
    print(", ".join(f"{name}: {count}" for name, count in counts.items()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
