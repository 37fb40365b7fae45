#!/usr/bin/env python3
"""Builds metrova.ico from the text pictures in icon.txt.

Usage: make_icon.py icon.txt metrova.ico

Each picture is 1 bit per pixel with a two-entry palette (black, white) and
the usual transparency mask: '#' black, 'o' white, '.' transparent.
"""
import struct
import sys


def read_pictures(path):
    pictures, rows, size = [], None, 0
    for line in open(path, encoding="ascii"):
        line = line.rstrip("\n")
        if line.startswith("#") and rows is None or not line.strip():
            continue
        if line.startswith("size "):
            size = int(line.split()[1])
            rows = []
            pictures.append((size, rows))
            continue
        if len(line) != size or set(line) - set("#o."):
            sys.exit("%s: bad row for a %d-pixel picture: %r" % (path, size, line))
        rows.append(line)
    for size, rows in pictures:
        if len(rows) != size:
            sys.exit("%s: the %d-pixel picture has %d rows" % (path, size, len(rows)))
    return pictures


def pack_rows(rows, lit):
    """Bottom-up rows of 1-bit pixels, each padded to a multiple of 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray((len(row) + 31) // 32 * 4)
        for x, pixel in enumerate(row):
            if pixel in lit:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def image(size, rows):
    colour = pack_rows(rows, "o")          # palette index 1 (white) where 'o'
    mask = pack_rows(rows, ".")            # 1 = transparent
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 1, 0,
                         len(colour) + len(mask), 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return header + palette + colour + mask


def main():
    pictures = read_pictures(sys.argv[1])
    images = [image(size, rows) for size, rows in pictures]
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for (size, _), blob in zip(pictures, images):
        data += struct.pack("<BBBBHHII", size, size, 2, 0, 1, 1, len(blob), offset)
        offset += len(blob)
    with open(sys.argv[2], "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main()
