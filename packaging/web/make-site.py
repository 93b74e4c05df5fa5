#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Assembles the web release: one folder of static files.

    make-site.py SITE VERSION PROGRAM_DIR

SITE is made anew from the program (PROGRAM_DIR: kanjiaid.js, kanjiaid.wasm
and Qt's qtloader.js), the page beside this script, the icons and the
page's translations from translations/. The service worker is given the
version and a checksum of every other file, so that any change to the site
reaches a browser that keeps it offline. Beside each file that compresses,
FILE.br and FILE.gz hold it compressed at the highest levels, for a server
that sends a compressed file as it is (nginx's brotli_static and
gzip_static, Apache's MultiViews), the same bytes at every build. What a
first visit then transfers is printed, file by file.
"""

import gzip
import hashlib
import io
import json
import pathlib
import shutil
import sys
import xml.etree.ElementTree as ElementTree

import brotli

HERE = pathlib.Path(__file__).resolve().parent
PROJECT = HERE.parent.parent


def page_catalogues():
    """The finished translations of the page's texts, by language."""
    catalogues = {}
    for ts in sorted((PROJECT / "translations").glob("kanjiaid_*.ts")):
        language = ts.stem.removeprefix("kanjiaid_")
        texts = {}
        for context in ElementTree.parse(ts).getroot().iter("context"):
            if context.findtext("name") != "page":
                continue
            for message in context.iter("message"):
                translation = message.find("translation")
                if translation is not None and translation.text and not translation.get("type"):
                    texts[message.findtext("source")] = translation.text
        if texts:
            catalogues[language] = texts
    return catalogues


def fill(text, placeholder, value):
    if placeholder not in text:
        sys.exit(f"make-site: no '{placeholder}' to fill in")
    return text.replace(placeholder, value)


def main():
    site, version, program = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
    if site.exists():
        shutil.rmtree(site)
    site.mkdir(parents=True)
    for name in ("kanjiaid.js", "kanjiaid.wasm", "qtloader.js"):
        shutil.copyfile(program / name, site / name)
    for name in ("index.html", "manifest.webmanifest", "texts.js"):
        shutil.copyfile(HERE / name, site / name)
    for size in (48, 256):
        shutil.copyfile(PROJECT / f"packaging/icons/kanjiaid-{size}.png", site / f"kanjiaid-{size}.png")
    page = (HERE / "page.js").read_text(encoding="utf-8")
    table = json.dumps(page_catalogues(), ensure_ascii=False, sort_keys=True)
    page = fill(page, "const catalogues = {}; // filled in by the site's build",
                f"const catalogues = {table};")
    page = fill(page, "const programBytes = 0; // filled in by the site's build",
                f"const programBytes = {(site / 'kanjiaid.wasm').stat().st_size};")
    (site / "page.js").write_text(page, encoding="utf-8")

    files = sorted(path.name for path in site.iterdir())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    worker = (HERE / "sw.js").read_text(encoding="utf-8")
    worker = fill(worker, "'@VERSION@'", json.dumps(f"{version}-{digest.hexdigest()[:16]}"))
    worker = fill(worker, "const files = []; // filled in by the site's build",
                  f"const files = {json.dumps(files)};")
    (site / "sw.js").write_text(worker, encoding="utf-8")
    compress(site)


# What a first visit may cost at most, by the compression a server uses
# (bytes are exact, so this is a check, not a timing): every file, as the
# service worker keeps them all. The site stops being made past it.
BUDGET = {"brotli": 3_500_000, "gzip": 4_350_000}


def gzipped(data):
    packed = io.BytesIO()
    with gzip.GzipFile(fileobj=packed, mode="wb", compresslevel=9, mtime=0, filename="") as out:
        out.write(data)
    return packed.getvalue()


def compress(site):
    """Writes FILE.br and FILE.gz beside each file but the pictures, which
    are compressed already, and prints what each costs a first visit."""
    rows = []
    for path in sorted(site.iterdir()):
        data = path.read_bytes()
        if path.suffix == ".png":
            rows.append((path.name, len(data), len(data), len(data)))
            continue
        packed = {".br": brotli.compress(data, quality=11), ".gz": gzipped(data)}
        for suffix, body in packed.items():
            path.with_name(path.name + suffix).write_bytes(body)
        rows.append((path.name, len(data), len(packed[".gz"]), len(packed[".br"])))
    total = ("in all", *(sum(column) for column in list(zip(*rows))[1:]))
    print(f"   {'file':<28} {'bytes':>10} {'gzip':>10} {'brotli':>10}")
    for row in rows + [total]:
        print(f"   {row[0]:<28} {row[1]:>10} {row[2]:>10} {row[3]:>10}")
    for name, spent in (("gzip", total[2]), ("brotli", total[3])):
        if spent > BUDGET[name]:
            sys.exit(f"make-site: a first visit costs {spent} bytes with {name}, "
                     f"over the budget of {BUDGET[name]}")


if __name__ == "__main__":
    main()
