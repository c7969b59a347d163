#!/usr/bin/python3
"""Writes a 64 x 64 32-bit DTX texture with a drawn pattern, for the sample archive.
    make-texture.py OUT.DTX bricks|crate|skin
"""
import struct
import sys

SIZE = 64


def bricks(x, y):
    row = y // 8
    if y % 8 == 7 or (x + (8 if row % 2 else 0)) % 16 == 15:
        return (200, 200, 190)  # mortar
    shade = 20 * ((x // 16 + row) % 3)
    return (170 - shade, 60, 40)


def crate(x, y):
    edge = min(x, y, SIZE - 1 - x, SIZE - 1 - y)
    if edge < 5 or abs(x - y) < 4 or abs(x + y - SIZE + 1) < 4:
        return (120, 80, 30)  # planks
    return (190, 140, 70) if (y // 4) % 2 else (175, 128, 62)


def skin(x, y):
    dx, dy = x - SIZE / 2, y - SIZE / 2
    d = (dx * dx + dy * dy) ** 0.5
    if d < 24:
        glow = int(255 - d * 6)
        return (40, max(60, glow // 2), max(90, glow))
    return (20, 30, 60)


def main():
    out, pattern = sys.argv[1], {"bricks": bricks, "crate": crate, "skin": skin}[sys.argv[2]]
    header = struct.pack("<IihhhhII", 0, -5, SIZE, SIZE, 0, 0, 0, 0) + bytes(140)
    pixels = bytearray()
    for y in range(SIZE):
        for x in range(SIZE):
            r, g, b = pattern(x, y)
            pixels += bytes((b, g, r, 255))  # stored as the bitmap's BGRA
    with open(out, "wb") as f:
        f.write(header + pixels)


main()
