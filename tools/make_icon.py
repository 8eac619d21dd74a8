#!/usr/bin/env python3
"""Writes the programs' icon: a two-colour disc, 32x32 and 16x16, as one .ico file.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys


def disc_pixels(size):
    """Rows of (ink, opaque) pairs, top row first: a disc with a hole and a rim."""
    centre = (size - 1) / 2.0
    outer, hole = size / 2.0 - 0.5, size / 8.0
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
            opaque = hole <= r <= outer
            rim = r > outer - 1.5 or r < hole + 1.2
            # the erased part of the disc: a light sector from 12 to 3 o'clock
            light = x > centre and y < centre and not rim
            row.append((1 if opaque and not light else 0, opaque))
        rows.append(row)
    return rows


def packed_rows(bits_rows):
    """1-bit rows packed MSB first, each padded to 32 bits, bottom row first."""
    out = b""
    for bits in reversed(bits_rows):
        value = bytearray((len(bits) + 31) // 32 * 4)
        for x, bit in enumerate(bits):
            if bit:
                value[x // 8] |= 0x80 >> (x % 8)
        out += bytes(value)
    return out


def image(size):
    rows = disc_pixels(size)
    # XOR mask: palette index 0 is black, 1 is white; transparent pixels are 0 with AND bit 1.
    xor = packed_rows([[0 if opaque and ink else (1 if opaque else 0) for ink, opaque in row] for row in rows])
    and_mask = packed_rows([[0 if opaque else 1 for _, opaque in row] for row in rows])
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(and_mask), 0, 0, 2, 0)
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    return header + palette + xor + and_mask


def main():
    images = [image(32), image(16)]
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for size, body in zip((32, 16), images):
        data += struct.pack("<BBBBHHII", size, size, 2, 0, 1, 1, len(body), offset)
        offset += len(body)
    with open(sys.argv[1], "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main()
