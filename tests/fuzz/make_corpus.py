#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into <dir>/<target>/: valid inputs of every kind
the reader knows, then a few small mutations of each. The output depends on nothing but this
file, so tests/fuzz/corpus can be checked against it.

Usage: make_corpus.py <dir>
"""
import os
import random
import shutil
import struct
import sys

# --- .rez archives -------------------------------------------------------------------------


class Folder:
    def __init__(self, name, entries=(), subfolders=()):
        self.name = name
        self.entries = list(entries)  # (base name, type code, data[, description, keys])
        self.subfolders = list(subfolders)


def rez(root, tag=b"Tarvex", largest_folder_name=None):
    """An archive as the writer lays it out: data in folder order, then each folder's block
    followed by a gap of its own length, children before parents, the root's block last."""
    data = bytearray()
    positions = {}

    def place(folder):
        for i, (_, _, content, *_) in enumerate(folder.entries):
            positions[(id(folder), i)] = 168 + len(data)
            data.extend(content)
        for sub in folder.subfolders:
            place(sub)

    place(root)
    index = bytearray()
    index_start = 168 + len(data)

    def block_of(folder, is_root):
        records = bytearray()
        for sub in folder.subfolders:
            position, size = block_of(sub, False)
            records += struct.pack("<IIII", 1, position, size, 2000) + sub.name.encode("latin-1")
            records += b"\0"
        for i, (base, type_code, content, *extras) in enumerate(folder.entries):
            description, keys = extras if extras else ("", [])
            field = type_code[::-1].encode("latin-1").ljust(4, b"\0")[:4]
            records += struct.pack("<IIIII", 0, positions[(id(folder), i)], len(content), 1000, 7)
            records += field + struct.pack("<I", len(keys)) + base.encode("latin-1") + b"\0"
            records += description.encode("latin-1") + b"\0"
            records += b"".join(struct.pack("<I", key) for key in keys)
        position = index_start + len(index)
        index.extend(records)
        if not is_root:
            index.extend(bytes(len(records)))
        return position, len(records)

    root_position, root_size = block_of(root, True)
    names = []

    def collect(folder):
        for sub in folder.subfolders:
            names.append(len(sub.name))
            collect(sub)

    collect(root)
    if largest_folder_name is None:
        largest_folder_name = max(names, default=0)
    banner = (b"\r\n" + tag + b" 3.0").ljust(62, b" ") + b"\r\n"
    text = banner + b"LithTech Resource File".ljust(60, b" ") + b"\r\n\x1a"
    header = struct.pack("<IIIIIIIIIIB", 1, root_position, root_size, 0, index_start, 0, 0,
                         largest_folder_name, 16, 0, 1)
    return text + header + bytes(data) + bytes(index)


def rez_seeds():
    empty = rez(Folder(""))
    flat = rez(Folder("", [("README", "TXT", b"hello"), ("NOTYPE", "", b"x"),
                           ("FOUR", "ABCD", b"four letters"), ("EMPTY", "DAT", b"")]))
    nested = rez(Folder("", [("A", "DAT", b"abc")], [
        Folder("MAPS", [("LEVEL", "DTX", b"level data"), ("LEVEL2", "DAT", b"more")],
               [Folder("SUB", [("DEEP", "SPR", b"deep")])]),
        Folder("SOUNDS"),
        Folder("SKINS", [("HERO", "DTX", bytes(range(64)))])]))
    zovuru = rez(Folder("", [("OLD", "DAT", b"engine tool")]), tag=b"ZovUru")
    long_name = rez(Folder("", [("N" * 300, "DAT", b"long")]))
    # Folder names are not read when the header's largest folder name is 0.
    unnamed = rez(Folder("", [], [Folder("", [("IN", "DAT", b"x")])]), largest_folder_name=0)
    odd_bytes = rez(Folder("", [("\xe9T\xe9", "D\xc4T", b"accents"), ("..", "", b"dots"),
                                ("A\\B", "", b"separator")], [Folder("..", [("UP", "", b"u")])]))
    # Other writers may give entries descriptions and key values.
    keyed = rez(Folder("", [("TEX", "DTX", b"texture", "wall", [7, 0xDEADBEEF]),
                            ("FOUR", "ABCD", b"4444", "", [0x01020304])],
                       [Folder("MAPS", [("LEVEL", "DAT", b"level", "first level", [])])]))
    return {"empty": empty, "flat": flat, "nested": nested, "zovuru": zovuru,
            "long-name": long_name, "unnamed-folder": unnamed, "odd-names": odd_bytes,
            "keys-and-descriptions": keyed}


# --- .dtx textures -------------------------------------------------------------------------


def dtx_header(version, width, height, flags=0):
    return struct.pack("<IiHHHHII", 0, version, width & 0xFFFF, height & 0xFFFF, 0, 0, flags, 0)


def dtx_palettised(width, height, alpha=False):
    table = bytearray(1024)
    for i in range(256):
        table[4 * i:4 * i + 4] = bytes([0, i, 255 - i, i // 2])
    pixels = bytes((i * 7) & 0xFF for i in range(width * height))
    out = dtx_header(-2, width, height, 2 if alpha else 0) + bytes(20) + bytes(table) + pixels
    return out + (bytes(width * height // 2) if alpha else b"")


def dtx_true_colour(width, height, code, payload):
    extra = bytearray(140)
    extra[2] = code
    return dtx_header(-5, width, height) + bytes(extra) + payload


def colour_blocks(count, skipped=0):
    out = bytearray()
    for i in range(count):
        out += bytes([0xAA] * skipped)
        out += struct.pack("<HHBBBB", (0xF800 >> (i % 3 * 5)) & 0xFFFF, 0x001F * (i % 2),
                           0xE4, 0x1B, 0x55, 0xAA)
    return bytes(out)


def dtx_seeds():
    return {
        "palettised": dtx_palettised(4, 4),
        "palettised-alpha": dtx_palettised(8, 4, alpha=True),
        "palettised-odd-width": dtx_palettised(5, 3),
        "rgba": dtx_true_colour(2, 2, 0, bytes(range(16))),
        "rgba-code3": dtx_true_colour(3, 2, 3, bytes(range(24))),
        "blocks": dtx_true_colour(8, 8, 4, colour_blocks(4)),
        "blocks-skipping": dtx_true_colour(8, 4, 5, colour_blocks(2, 8)),
        "blocks-code6": dtx_true_colour(4, 4, 6, colour_blocks(1, 8)),
        "blocks-height6": dtx_true_colour(8, 6, 4, colour_blocks(4)),
        "short": dtx_true_colour(16, 16, 0, bytes(range(40))),
        "other-version": dtx_header(-3, 64, 32) + bytes(100),
    }


# --- string blocks and modules -------------------------------------------------------------


def string_block(texts):
    out = bytearray()
    for text in texts:
        units = text.encode("utf-16-le")
        out += struct.pack("<H", len(units) // 2) + units
    return bytes(out)


def pe_image(sections=1):
    out = bytearray(0x400)
    out[0:2] = b"MZ"
    struct.pack_into("<I", out, 0x3C, 0x40)
    out[0x40:0x44] = b"PE\0\0"
    struct.pack_into("<HH", out, 0x44, 0x14C, sections)
    struct.pack_into("<H", out, 0x54, 0xE0)
    for s in range(sections):
        section = 0x40 + 24 + 0xE0 + 40 * s
        out[section:section + 8] = b".rsrc\0\0\0" if s == 0 else b".text\0\0\0"
        struct.pack_into("<II", out, section + 16, 0x80, 0x200 + 0x80 * s)
    return bytes(out)


def string_block_seeds():
    return {
        "block": string_block(["Text %d" % i if i % 3 else "" for i in range(16)]),
        "block-unicode": string_block(["\u00e9\u20ac\u00df", "", "x" * 300] + [""] * 13),
        "block-short": string_block(["cut"])[:5],
        "module": pe_image(),
        "module-two-sections": pe_image(2),
    }


# --- translation files and command lines ---------------------------------------------------


def translation_seeds():
    return {
        "lines": b"1\tOpen\r\n2\tSave as\\n...\r\n\r\n65534\tLast\r\n",
        "escapes": b"0\t\\a\\b\\f\\n\\r\\t\\v\\\\ and \\q\n10\ttab\\tin\n",
        "accents": "100\tFen\u00eatre \u00e9t\u00e9\r\n".encode("utf-8"),
        "bad-line": b"12 no tab\r\n",
        "duplicate": b"5\ta\r\n5\tb\r\n",
        "out-of-range": b"65535\ttoo high\r\n",
    }


def command_line_seeds():
    return {
        "extract": b"/X\narchive.rez\nout",
        "extract-selection": b"/E\narchive.rez\nMAPS\\SUB\nout",
        "create": b"-c\0new.rez\0a.txt\0folder",
        "add": b"/A\nfile one.dat\nfolder two",
        "list": b"/L\nx.rez\n/?",
        "help": b"/h",
        "archive-only": b"C:\\Games\\game.rez",
        "odd-names": b"/X\n..\\..\\evil.rez\nCON\nC:\nnul.txt",
    }


def move_payload(folders, source, entries, target=0):
    """A move payload after the target byte: marker 9, the counts, the references. With the
    target byte's top bit set the fuzz target replaces references whose low byte is below
    the number of live items by live ones; 0 to 3 are the root and its entries, 4 a folder."""
    data = bytes([target]) + struct.pack("<III", 9, len(folders), len(entries))
    for reference in list(folders) + [source] + list(entries):
        data += struct.pack("<Q", reference)
    return data


def move_payload_seeds():
    return {
        "tree-folder": move_payload([4], 0, [], 0x81),
        "list-selection": move_payload([8], 4, [5, 6], 0x83),
        "root-into-itself": move_payload([0], 0, [], 0x82),
        "foreign": move_payload([0x123456_0000000004], 0, [], 1),
        "null-folder": move_payload([], 0, [1], 0x80),
        "empty": move_payload([], 4, [], 0x84),
    }


# --- mutations -----------------------------------------------------------------------------


def mutations(name, data, rng):
    """Three small damages of a valid input: cut short, a few bytes changed, a 32-bit field
    set to an extreme."""
    if not data:
        return {}
    out = {}
    out[name + "-cut"] = data[:rng.randrange(len(data))]
    changed = bytearray(data)
    for _ in range(rng.randint(1, 4)):
        changed[rng.randrange(len(changed))] = rng.randrange(256)
    out[name + "-bytes"] = bytes(changed)
    if len(data) >= 4:
        extreme = bytearray(data)
        at = rng.randrange(len(data) - 3)
        struct.pack_into("<I", extreme, at, rng.choice([0, 0xFFFFFFFF, 0x80000000, 0x7FFFFFFF]))
        out[name + "-field"] = bytes(extreme)
    return out


KINDS = {
    "rez": rez_seeds,
    "dtx": dtx_seeds,
    "string_block": string_block_seeds,
    "translation": translation_seeds,
    "command_line": command_line_seeds,
    "move_payload": move_payload_seeds,
}

TARGETS = {
    "fuzz_rez_loader": "rez",
    "fuzz_rez_extract": "rez",
    "fuzz_dtx_reader": "dtx",
    "fuzz_string_block": "string_block",
    "fuzz_translation": "translation",
    "fuzz_command_line": "command_line",
    "fuzz_move_payload": "move_payload",
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    for target, kind in TARGETS.items():
        folder = os.path.join(root, target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        rng = random.Random(target)  # the same damage on every run
        inputs = {}
        for name, content in KINDS[kind]().items():
            inputs["seed-" + name] = content
            inputs.update({"mut-" + k: v for k, v in mutations(name, content, rng).items()})
        for name, content in inputs.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(content)


if __name__ == "__main__":
    main()
