#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes a Windows icon file holding the given square PNG pictures as they
# are (Windows Vista and later read PNG inside an icon).
#   make-ico.py OUT.ico PICTURE.png...
import struct
import sys

out, pictures = sys.argv[1], sys.argv[2:]
images = [open(path, "rb").read() for path in pictures]
header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
entries = b""
for image in images:
    width, height = struct.unpack(">II", image[16:24])  # the PNG's IHDR
    # 256 pixels are written as 0, as the byte holds no more.
    entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
with open(out, "wb") as icon:
    icon.write(header + entries + b"".join(images))
