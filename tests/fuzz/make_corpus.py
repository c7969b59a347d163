#!/usr/bin/env python3
"""Writes small valid seed inputs for each fuzz target into <dir>/<target>/."""
import os
import struct
import sys


def rez(entries_by_folder):
    """An archive with a root holding entries and subfolders: {name: [(base, type, data)], ...}
    where the key "" is the root."""
    data = bytearray()
    data_start = 168
    blocks = {}
    positions = {}
    for folder, entries in entries_by_folder.items():
        for base, type_code, content in entries:
            positions[(folder, base)] = data_start + len(data)
            data += content

    def entry_records(folder):
        out = bytearray()
        for base, type_code, content in entries_by_folder[folder]:
            field = type_code[::-1].encode().ljust(4, b"\0")
            out += struct.pack("<IIIII", 0, positions[(folder, base)], len(content), 1000, 7)
            out += field + struct.pack("<I", 0) + base.encode() + b"\0\0"
        return out

    index_at = data_start + len(data)
    subfolders = [f for f in entries_by_folder if f]
    sub_blocks = [entry_records(f) for f in subfolders]
    root_fixed = sum(16 + len(f) + 1 for f in subfolders) + len(entry_records(""))
    root = bytearray()
    at = index_at + root_fixed
    for name, block in zip(subfolders, sub_blocks):
        root += struct.pack("<IIII", 1, at, len(block), 2000) + name.encode() + b"\0"
        at += len(block)
    root += entry_records("")
    index = root + b"".join(sub_blocks)

    text = b"\r\nTarvex Archive\r\n".ljust(127, b"\0")
    header = struct.pack("<IIIIIIIIIIB", 1, index_at, len(root), 3000, index_at, 4000, 0, 16,
                         16, 0, 0)
    return text + header + bytes(data) + bytes(index)


def dtx_palettised(width, height):
    out = bytearray(24 + 20 + 1024)
    struct.pack_into("<iihh", out, 0, 0, -2, width, height)
    for i in range(256):
        out[44 + 4 * i:48 + 4 * i] = bytes([0, i, 255 - i, i // 2])
    return bytes(out) + bytes(range(width * height))


def dtx_true_colour(width, height, pixel_format, payload):
    out = bytearray(24 + 140)
    struct.pack_into("<iihh", out, 0, 0, -5, width, height)
    out[24 + 2] = pixel_format
    return bytes(out) + payload


def string_block():
    out = bytearray()
    for i in range(16):
        text = ("Text %d" % i).encode("utf-16-le") if i % 3 else b""
        out += struct.pack("<H", len(text) // 2) + text
    return bytes(out)


def pe_image():
    out = bytearray(0x200)
    out[0:2] = b"MZ"
    struct.pack_into("<I", out, 0x3C, 0x40)
    out[0x40:0x44] = b"PE\0\0"
    struct.pack_into("<HH", out, 0x44, 0x14C, 1)
    struct.pack_into("<H", out, 0x54, 0xE0)
    section = 0x40 + 24 + 0xE0
    out[section:section + 8] = b".rsrc\0\0\0"
    struct.pack_into("<II", out, section + 16, 0x20, 0x1E0)
    return bytes(out)


SEEDS = {
    "rez": {
        "empty": rez({"": []}),
        "flat": rez({"": [("README", "TXT", b"hello"), ("NOTYPE", "", b"x")]}),
        "folders": rez({"": [("A", "DAT", b"abc")], "MAPS": [("LEVEL", "DTX", b"level data")],
                        "SOUNDS": []}),
    },
    "dtx": {
        "palettised": dtx_palettised(4, 4),
        "rgba": dtx_true_colour(2, 2, 0, bytes(range(16))),
        "blocks": dtx_true_colour(4, 4, 4, bytes(8)),
        "blocks-alpha": dtx_true_colour(8, 4, 5, bytes(32)),
    },
    "string_block": {"block": string_block(), "module": pe_image()},
    "translation": {"lines": b"1\tOpen\r\n2\tSave as\\n...\r\n\r\n65534\tLast\r\n"},
    "command_line": {
        "extract": b"/X\narchive.rez\nout",
        "create": b"-c\0new.rez\0a.txt\0folder",
        "list": b"/L\nx.rez\n/?",
    },
}

TARGETS = {
    "fuzz_rez_loader": "rez",
    "fuzz_rez_extract": "rez",
    "fuzz_dtx_reader": "dtx",
    "fuzz_string_block": "string_block",
    "fuzz_translation": "translation",
    "fuzz_command_line": "command_line",
}

if __name__ == "__main__":
    root = sys.argv[1]
    for target, kind in TARGETS.items():
        folder = os.path.join(root, target)
        os.makedirs(folder, exist_ok=True)
        for name, content in SEEDS[kind].items():
            with open(os.path.join(folder, "seed-" + name), "wb") as f:
                f.write(content)
