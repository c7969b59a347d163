#!/usr/bin/env python3
"""Draws Cravel's menu bitmap (Menu.bmp, 13 x 13, 16 colours): an archive chest.

Run from this folder; the generated file is committed beside it. The background is white: the
menu combines check-mark bitmaps with AND, which leaves white transparent.
"""
import struct

# The 16 colours of the standard palette, in order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
KEYS = {'k': 0, 'm': 1, 'Y': 3, 'y': 11, 'w': 15, '.': 15}

IMAGE = """
.............
..kkkkkkkkk..
.kwyyyyyyyyk.
.kyyyyyyyyYk.
kkkkkkkkkkkkk
kmYYYkkkYYYmk
kmYYYkwkYYYmk
kmYYYkkkYYYmk
kmYYYYYYYYYmk
kmYYYYYYYYYmk
kmmmmmmmmmmmk
kkkkkkkkkkkkk
.............
"""


def main():
    rows = [line for line in IMAGE.splitlines() if line]
    assert len(rows) == 13 and all(len(r) == 13 for r in rows)
    stride = ((13 * 4 + 31) // 32) * 4
    pixels = b''
    for row in reversed(rows):  # bottom-up
        line = bytearray(stride)
        for x, key in enumerate(row):
            index = KEYS[key]
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(line)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, 13, 13, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    with open('Menu.bmp', 'wb') as f:
        f.write(header + info + palette + pixels)


if __name__ == '__main__':
    main()
