#!/usr/bin/env python3
"""Build a classic Windows .ico from a text pixel map.

The icon holds two 32 x 32 images of the same picture: one with a
16-colour palette (4 bits per pixel) and one with a 256-colour palette
(8 bits per pixel). Both are stored as uncompressed device-independent
bitmaps followed by their AND mask, the form that LoadIcon reads.

Usage: build_ico.py PIXMAP OUTPUT.ico
"""

import struct
import sys

SIZE = 32
TRANSPARENT = "."
BLACK = (0, 0, 0)


def parse_colour(text):
    if len(text) != 7 or not text.startswith("#"):
        raise ValueError(f"bad colour {text!r}, expected #rrggbb")
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def read_pixmap(path):
    """Return (colours, rows): colours maps a character to its
    (256-colour, 16-colour) pair; rows are the picture's lines, top first."""
    colours = {}
    rows = []
    section = None
    with open(path, encoding="ascii") as source:
        for number, line in enumerate(source, start=1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line in ("colours:", "pixels:"):
                section = line
            elif section == "colours:":
                char, rich, basic = line.split()[:3]
                colours[char] = (parse_colour(rich), parse_colour(basic))
            elif section == "pixels:":
                rows.append(line)
            else:
                raise ValueError(f"{path}:{number}: text before any section")
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        raise ValueError(f"{path}: the picture must be {SIZE} x {SIZE}")
    unknown = {c for row in rows for c in row} - set(colours) - {TRANSPARENT}
    if unknown:
        raise ValueError(f"{path}: characters without a colour: {sorted(unknown)}")
    return colours, rows


def pack_bits(values, bits_per_value):
    """Pack small integers into bytes, leftmost value in the high bits,
    and pad the row to a multiple of four bytes."""
    per_byte = 8 // bits_per_value
    data = bytearray()
    for start in range(0, len(values), per_byte):
        byte = 0
        for offset, value in enumerate(values[start:start + per_byte]):
            byte |= value << (8 - bits_per_value * (offset + 1))
        data.append(byte)
    while len(data) % 4:
        data.append(0)
    return bytes(data)


def encode_image(rows, colour_of, bits_per_pixel):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    palette_size = 1 << bits_per_pixel
    # Entry 0 is black: transparent pixels must be black in the XOR bitmap.
    palette = [BLACK]
    for row in rows:
        for char in row:
            if char != TRANSPARENT and colour_of[char] not in palette:
                palette.append(colour_of[char])
    if len(palette) > palette_size:
        raise ValueError(f"{len(palette)} colours do not fit in {bits_per_pixel} bits per pixel")

    xor_rows = []
    and_rows = []
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indices = [0 if c == TRANSPARENT else palette.index(colour_of[c]) for c in row]
        xor_rows.append(pack_bits(indices, bits_per_pixel))
        and_rows.append(pack_bits([1 if c == TRANSPARENT else 0 for c in row], 1))
    pixels = b"".join(xor_rows) + b"".join(and_rows)

    header = struct.pack(
        "<IiiHHIIiiII",
        40,              # biSize
        SIZE,            # biWidth
        SIZE * 2,        # biHeight: XOR bitmap and AND mask together
        1,               # biPlanes
        bits_per_pixel,  # biBitCount
        0,               # biCompression: BI_RGB
        len(pixels),     # biSizeImage
        0, 0,            # resolution
        0, 0,            # biClrUsed, biClrImportant: full palette
    )
    padded = palette + [BLACK] * (palette_size - len(palette))
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in padded)
    return header + quads + pixels


def build_icon(colours, rows):
    images = [
        (4, encode_image(rows, {c: pair[1] for c, pair in colours.items()}, 4)),
        (8, encode_image(rows, {c: pair[0] for c, pair in colours.items()}, 8)),
    ]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for bits_per_pixel, data in images:
        colour_count = 1 << bits_per_pixel if bits_per_pixel < 8 else 0
        entries += struct.pack("<BBBBHHII", SIZE, SIZE, colour_count, 0, 1,
                               bits_per_pixel, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    colours, rows = read_pixmap(argv[1])
    with open(argv[2], "wb") as output:
        output.write(build_icon(colours, rows))


if __name__ == "__main__":
    main(sys.argv)
