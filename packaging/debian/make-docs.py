#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes what a Debian package keeps in /usr/share/doc/PACKAGE.

    make-docs.py OUTDIR SOURCE MAINTAINER

OUTDIR/copyright, machine-readable (DEP-5), from the REUSE data of SOURCE
(each file's SPDX header and .reuse/dep5, as `reuse spdx` reports them):
the copyright and licence most files share stand under "Files: *", every
other combination names its files. OUTDIR/changelog.gz, in Debian's
changelog format, from the releases of the AppStream metadata, newest
first, each signed by MAINTAINER on its release date. Both are the same
bytes for the same sources.
"""

import collections
import datetime
import email.utils
import gzip
import io
import pathlib
import re
import subprocess
import sys
import textwrap
from xml.etree import ElementTree

# Licences whose text Debian keeps in /usr/share/common-licenses.
COMMON = {
    "GPL-3.0-or-later": (
        "This program is free software: you can redistribute it and/or modify it\n"
        "under the terms of the GNU General Public License as published by the Free\n"
        "Software Foundation, either version 3 of the License, or (at your option)\n"
        "any later version.\n\n"
        "On Debian systems, the complete text of the GNU General Public License\n"
        "version 3 can be found in \"/usr/share/common-licenses/GPL-3\"."),
    "CC0-1.0": (
        "To the extent possible under law, the authors have dedicated all copyright\n"
        "and related and neighboring rights to this work to the public domain.\n\n"
        "On Debian systems, the complete text of the CC0 1.0 Universal licence can\n"
        "be found in \"/usr/share/common-licenses/CC0-1.0\"."),
}


def reuse_files(source):
    """(path, copyrights, licences) of every file the REUSE data covers."""
    report = subprocess.run(["reuse", "--root", str(source), "spdx"], check=True,
                            capture_output=True, text=True).stdout
    for block in report.split("\n\n"):
        name = re.search(r"^FileName: \./(.*)$", block, re.M)
        if not name:
            continue
        licences = tuple(sorted(set(re.findall(r"^LicenseInfoInFile: (.*)$", block, re.M))))
        text = re.search(r"^FileCopyrightText: <text>(.*?)</text>", block, re.M | re.S)
        holders = []
        for line in (text.group(1) if text else "").splitlines():
            line = re.sub(r"^(SPDX-FileCopyrightText:|Copyright|\(C\)|©)\s*", "", line.strip())
            if line:
                holders.append(line)
        yield name.group(1), tuple(sorted(set(holders))), licences


def field(name, lines):
    """A DEP-5 field: its first line after the name, the rest indented."""
    head, *rest = lines
    return "\n".join([f"{name}: {head}", *(f" {line}" if line else " ." for line in rest)])


def copyright_file(source):
    groups = collections.defaultdict(list)
    for path, holders, licences in reuse_files(source):
        if not holders or not licences:
            sys.exit(f"make-docs: {path} has no copyright or licence in the REUSE data")
        groups[(holders, licences)].append(path)
    if not groups:
        sys.exit("make-docs: the REUSE data covers no file")
    common = max(groups, key=lambda key: len(groups[key]))
    paragraphs = ["Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
                  "Upstream-Name: kanjiaid"]
    order = [common] + sorted(key for key in groups if key != common)
    for key in order:
        holders, licences = key
        files = ["*"] if key == common else sorted(groups[key])
        paragraphs.append("\n".join([field("Files", files), field("Copyright", list(holders)),
                                     f"License: {' AND '.join(licences)}"]))
    for licence in sorted({each for _, licences in groups for each in licences}):
        text = COMMON.get(licence)
        if text is None:
            text = (source / "LICENSES" / f"{licence}.txt").read_text(encoding="utf-8").strip()
        paragraphs.append(field("License", [licence, *text.splitlines()]))
    return "\n\n".join(paragraphs) + "\n"


def changelog(source, maintainer):
    metainfo = ElementTree.parse(source / "packaging" / "org.velmora.kanjiaid.metainfo.xml")
    entries = []
    for release in metainfo.getroot().iter("release"):
        version, date = release.get("version"), release.get("date")
        notes = [" ".join(p.text.split()) for p in release.iter("p")
                 if p.get("{http://www.w3.org/XML/1998/namespace}lang") is None and p.text]
        if not version or not date or not notes:
            sys.exit(f"make-docs: the release {version or '?'} has no version, date or notes")
        when = datetime.datetime.fromisoformat(date).replace(tzinfo=datetime.timezone.utc)
        items = "\n".join(textwrap.fill(note, width=76, initial_indent="  * ",
                                        subsequent_indent="    ") for note in notes)
        entries.append(f"kanjiaid ({version}) unstable; urgency=medium\n\n{items}\n\n"
                       f" -- {maintainer}  {email.utils.format_datetime(when)}\n")
    if not entries:
        sys.exit("make-docs: the AppStream metadata lists no release")
    return "\n".join(entries)


def main():
    outdir, source, maintainer = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
    outdir.mkdir(parents=True, exist_ok=True)
    (outdir / "copyright").write_text(copyright_file(source), encoding="utf-8")
    packed = io.BytesIO()
    with gzip.GzipFile(fileobj=packed, mode="wb", compresslevel=9, mtime=0, filename="") as out:
        out.write(changelog(source, maintainer).encode("utf-8"))
    (outdir / "changelog.gz").write_bytes(packed.getvalue())


if __name__ == "__main__":
    main()
