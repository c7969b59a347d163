#!/usr/bin/python3
"""Compares two .rez archives byte for byte, except the times of their folder records, which
record when each folder was made. Reads the index on its own, sharing no code with Tarvex:

    same_archive.py first.rez second.rez
"""
import struct
import sys

TEXT_BLOCK = 127


def folder_time_offsets(data):
    """The offsets of the time field of every folder record, walking from the root block."""
    root_position, root_size = struct.unpack_from('<II', data, TEXT_BLOCK + 4)
    offsets = []
    blocks = [(root_position, root_size)]
    while blocks:
        position, size = blocks.pop()
        end = position + size
        if end > len(data):
            raise ValueError('a directory block runs past the end of the file')
        at = position
        while at < end:
            (kind,) = struct.unpack_from('<I', data, at)
            if kind == 0:  # an entry: 28 bytes, the base name, its end and the description
                name_end = data.index(b'\0', at + 28)
                at = name_end + 2
                continue
            child_position, child_size = struct.unpack_from('<II', data, at + 4)
            offsets.append(at + 12)
            if child_size:
                blocks.append((child_position, child_size))
            at = data.index(b'\0', at + 16) + 1
    return offsets


def masked(path):
    data = bytearray(open(path, 'rb').read())
    if data[:8] != b'\r\nTarvex':
        raise ValueError(f'{path} is no Tarvex archive')
    offsets = folder_time_offsets(data)
    for offset in offsets:
        data[offset:offset + 4] = b'\0\0\0\0'
    return bytes(data), len(offsets)


def main():
    first, folders = masked(sys.argv[1])
    second, _ = masked(sys.argv[2])
    if first != second:
        if len(first) != len(second):
            print(f'the archives differ in length: {len(first)} and {len(second)} bytes')
        else:
            at = next(i for i in range(len(first)) if first[i] != second[i])
            print(f'the archives first differ at byte {at}')
        return 1
    print(f'the archives are the same: {len(first)} bytes, {folders} folder times set aside')
    return 0


if __name__ == '__main__':
    sys.exit(main())
