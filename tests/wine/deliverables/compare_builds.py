"""Checks the i686 deliverables against the x64 ones of the same tree, statically, with pefile
(a PE reader that shares nothing with the build): for machines whose Wine cannot run 32-bit
programs, and everywhere as a check that the two builds ship the same programs.

Each pair must have its own machine (i386, x64), the same subsystem and kind (program or DLL),
the same resources with the same bytes (the type library aside, which names its architecture),
the same exports and version information, and import only from Windows' own DLLs.

  compare_builds.py I686_FILE X64_FILE [I686_FILE X64_FILE ...]
"""
import os
import sys

import pefile

I386, AMD64 = 0x14C, 0x8664
# What a bare Windows has: the deliverables carry their runtime statically.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "uxtheme.dll", "version.dll", "msimg32.dll", "winmm.dll",
}
# Resources whose bytes differ by architecture.
ARCHITECTURE_RESOURCES = {"TYPELIB"}


def resource_type_name(entry):
    if entry.name is not None:
        return str(entry.name)
    return pefile.RESOURCE_TYPE.get(entry.id, str(entry.id))


def resources(pe):
    """{(type, name, language): bytes} of every resource."""
    found = {}
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return found
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            label = str(name.name) if name.name is not None else name.id
            for language in name.directory.entries:
                data = language.data.struct
                found[(resource_type_name(kind), label, language.id)] = pe.get_data(
                    data.OffsetToData, data.Size)
    return found


def exports(pe):
    if not hasattr(pe, "DIRECTORY_ENTRY_EXPORT"):
        return set()
    return {symbol.name.decode() for symbol in pe.DIRECTORY_ENTRY_EXPORT.symbols if symbol.name}


def imports(pe):
    entries = getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) + getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
    return {entry.dll.decode().lower() for entry in entries}


def version_info(pe):
    strings = {}
    for info in getattr(pe, "FileInfo", [[]])[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    fixed = pe.VS_FIXEDFILEINFO[0] if hasattr(pe, "VS_FIXEDFILEINFO") else None
    numbers = (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS,
               fixed.ProductVersionLS) if fixed else None
    return numbers, strings


def compare(path32, path64):
    problems = []
    name = os.path.basename(path32)
    pe32, pe64 = pefile.PE(path32), pefile.PE(path64)
    if pe32.FILE_HEADER.Machine != I386:
        problems.append(f"machine {pe32.FILE_HEADER.Machine:#x}, not i386")
    if pe64.FILE_HEADER.Machine != AMD64:
        problems.append(f"the x64 file's machine is {pe64.FILE_HEADER.Machine:#x}")
    if pe32.OPTIONAL_HEADER.Subsystem != pe64.OPTIONAL_HEADER.Subsystem:
        problems.append(f"subsystem {pe32.OPTIONAL_HEADER.Subsystem}, the x64 one's "
                        f"{pe64.OPTIONAL_HEADER.Subsystem}")
    if pe32.is_dll() != pe64.is_dll():
        problems.append("a DLL in one build only")
    res32, res64 = resources(pe32), resources(pe64)
    if not res32:
        problems.append("no resources")
    for key in sorted(set(res32) | set(res64), key=str):
        if key not in res32 or key not in res64:
            problems.append(f"resource {key} only in the {'x64' if key in res64 else 'i686'} build")
        elif key[0] not in ARCHITECTURE_RESOURCES and res32[key] != res64[key]:
            problems.append(f"resource {key} differs")
    if exports(pe32) != exports(pe64):
        problems.append(f"exports {sorted(exports(pe32))}, the x64 ones {sorted(exports(pe64))}")
    versions32, versions64 = version_info(pe32), version_info(pe64)
    if versions32[0] is None or not versions32[1]:
        problems.append("no version information")
    elif versions32 != versions64:
        problems.append(f"version information {versions32}, the x64 one {versions64}")
    for dll in sorted(imports(pe32) | imports(pe64)):
        if dll not in SYSTEM_DLLS:
            problems.append(f"imports {dll}, which Windows does not have")
    for problem in problems:
        print(f"{name}: {problem}")
    if not problems:
        print(f"{name}: i386 and x64 alike ({len(res32)} resources, {len(exports(pe32))} exports,"
              f" imports {', '.join(sorted(imports(pe32)))})")
    return not problems


def main():
    files = sys.argv[1:]
    if not files or len(files) % 2:
        print(__doc__)
        return 2
    results = [compare(files[i], files[i + 1]) for i in range(0, len(files), 2)]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
