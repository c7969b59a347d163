#!/usr/bin/python3
"""Writes the window benchmark's archive straight in the .rez layout: 200,000 entries, 20,000
of them in the one folder BIG, the rest in 180 folders of 1,000 below 20 folders, with sizes
and times spread out and engine types mixed.

    make_archive.py out.rez [--textures | --no-textures]

--textures gives the DTX entries of BIG real 32 x 32 textures, for the Large Icons pictures;
--no-textures the same archive with those entries typed DTQ, so that none is a texture.
"""
import random
import struct
import sys

TYPES = [b'DTX', b'DAT', b'ABC', b'SPR', b'TXT', b'WAV', b'LTO', b'PCX']
LETTERS = b'ABCDEFGHIJKLMNOPQRSTUVWXYZ'


def entries(count, rng):
    made = []
    for i in range(count):
        base = bytes(rng.choice(LETTERS) for _ in range(rng.randint(3, 12))) + str(i).encode()
        made.append((base, rng.choice(TYPES), rng.randint(0, 600),
                     rng.randint(946684800, 1577836800)))
    return made


def texture(rng):
    """A version -5 texture of 32 x 32 32-bit pixels."""
    header = struct.pack('<IihhhhII', 0, -5, 32, 32, 0, 0, 0, 0) + bytes(140)
    return header + rng.randbytes(32 * 32 * 4)


def main():
    rng = random.Random(20050131)
    mode = sys.argv[2] if len(sys.argv) > 2 else ''
    # (name, parent index, entries), root first and every folder after its parent.
    folders = [(b'', None, [])]
    for s in range(20):
        folders.append((b'SET%02d' % s, 0, []))
        parent = len(folders) - 1
        for k in range(9):
            folders.append((b'PART%d' % k, parent, entries(1000, rng)))
    big = entries(20000, rng)
    if mode:
        big = [(base, b'DTQ' if mode == '--no-textures' else kind, 4260, time)
               if kind == b'DTX' else (base, kind, size, time) for base, kind, size, time in big]
    folders.append((b'BIG', 0, big))

    data = bytearray()
    positions = []  # per folder, per entry
    for _, _, items in folders:
        here = []
        for _, kind, size, _ in items:
            here.append(168 + len(data))
            data += texture(rng) if mode and kind in (b'DTX', b'DTQ') and size == 4260 \
                else rng.randbytes(size)
        positions.append(here)
    data_end = 168 + len(data)

    index = bytearray()
    identifier = 10000000
    blocks = [None] * len(folders)  # (position, size)
    for f in range(len(folders) - 1, -1, -1):
        block = bytearray()
        for c, (name, parent, _) in enumerate(folders):
            if parent == f:
                position, size = blocks[c]
                block += struct.pack('<IIII', 1, position, size, 1100000000) + name + b'\0'
        for (base, kind, size, time), position in zip(folders[f][2], positions[f]):
            block += struct.pack('<IIIII', 0, position, size, time, identifier)
            identifier += 1
            block += kind[::-1].ljust(4, b'\0') + struct.pack('<I', 0) + base + b'\0\0'
        blocks[f] = (data_end + len(index), len(block))
        index += block
        if f != 0:
            index += bytes(len(block))  # the gap after every block but the root's

    longest_entry = max(len(b) + 1 + len(k) for _, _, items in folders for b, k, _, _ in items)
    header = struct.pack('<IIIIIIIIIIB', 1, blocks[0][0], blocks[0][1], 0, data_end, 0, 0,
                         max(len(n) for n, _, _ in folders), longest_entry, 0, 1)
    text = b'\r\n' + b'Tarvex 3.0 benchmark'.ljust(60) + b'\r\n' + \
        b'LithTech Resource File'.ljust(60) + b'\r\n\x1a'
    with open(sys.argv[1], 'wb') as out:
        out.write(text + header + bytes(data) + bytes(index))


if __name__ == '__main__':
    main()
