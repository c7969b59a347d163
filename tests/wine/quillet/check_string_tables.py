#!/usr/bin/python3
"""Reads the string tables of Windows modules with pefile, independently of Quillet.

usage: check_string_tables.py MODULE EXPECTED [MODULE EXPECTED ...]

EXPECTED has one line "<language>\t<identifier>\t<hex of the ANSI text>" per string. For
every language named there, the module's strings in that language must be exactly these;
English (1033) must come as all 4096 blocks of a saved table.
"""
import sys

import pefile

RT_STRING = 6


def string_tables(path):
    pe = pefile.PE(path)
    strings, blocks = {}, {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != RT_STRING:
            continue
        for name in kind.directory.entries:
            for lang in name.directory.entries:
                data = pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
                blocks[lang.id] = blocks.get(lang.id, 0) + 1
                pos = 0
                for k in range(16):
                    if pos + 2 > len(data):
                        raise SystemExit(f"{path}: block {name.id} ({lang.id}) ends early")
                    length = int.from_bytes(data[pos:pos + 2], 'little')
                    text = data[pos + 2:pos + 2 + 2 * length]
                    if len(text) != 2 * length:
                        raise SystemExit(f"{path}: block {name.id} ({lang.id}) is cut short")
                    pos += 2 + 2 * length
                    if length:
                        ident = (name.id - 1) * 16 + k
                        strings.setdefault(lang.id, {})[ident] = text.decode('utf-16-le')
    return strings, blocks


def expected_tables(path):
    expected = {}
    with open(path) as f:
        for line in f:
            lang, ident, hex_text = line.rstrip('\n').split('\t')
            text = bytes.fromhex(hex_text).decode('cp1252')
            expected.setdefault(int(lang), {})[int(ident)] = text
    return expected


def main(args):
    if not args or len(args) % 2:
        raise SystemExit(__doc__)
    failures = 0
    for module, expectation in zip(args[::2], args[1::2]):
        strings, blocks = string_tables(module)
        for lang, wanted in expected_tables(expectation).items():
            found = strings.get(lang, {})
            if found != wanted:
                failures += 1
                print(f"{module}: language {lang} differs")
                for ident in sorted(set(found) | set(wanted)):
                    if found.get(ident) != wanted.get(ident):
                        print(f"  {ident}: found {found.get(ident)!r}, wanted {wanted.get(ident)!r}")
        if blocks.get(1033) != 4096:
            failures += 1
            print(f"{module}: {blocks.get(1033, 0)} English blocks instead of 4096")
        print(f"{module}: languages {sorted(blocks)}, blocks {blocks}")
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
