"""Reads the version resource of each file with pefile, a PE reader that shares nothing with
the build, and checks that it carries the tool set's one version number.

  check_versions.py VERSION FILE...
"""
import os
import sys

import pefile


def version_of(path):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    fixed = pe.VS_FIXEDFILEINFO[0]
    strings = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    return fixed, strings


def main():
    version, paths = sys.argv[1], sys.argv[2:]
    major, minor, patch = (int(part) for part in version.split("."))
    wrong = 0
    for path in paths:
        name = os.path.basename(path)
        fixed, strings = version_of(path)
        expected = {
            "CompanyName": "Stonemere Software",
            "ProductName": "Tarvex",
            "FileVersion": version,
            "ProductVersion": version,
            "OriginalFilename": name,
        }
        problems = [f"{key} is {strings.get(key)!r}, not {value!r}"
                    for key, value in expected.items() if strings.get(key) != value]
        if (fixed.FileVersionMS, fixed.FileVersionLS) != ((major << 16) | minor, patch << 16):
            problems.append(f"fixed file version {fixed.FileVersionMS:#x} {fixed.FileVersionLS:#x}")
        if (fixed.ProductVersionMS, fixed.ProductVersionLS) != ((major << 16) | minor, patch << 16):
            problems.append("fixed product version")
        for problem in problems:
            print(f"{name}: {problem}")
        wrong += bool(problems)
        if not problems:
            print(f"{name}: version {version}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
