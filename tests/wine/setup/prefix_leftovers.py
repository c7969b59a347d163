"""Lists what a Wine prefix holds that its template did not: registry keys and values (from
Wine's registry files) and files. Exits 1 when anything is left besides what is allowed to stay.

  prefix_leftovers.py TEMPLATE PREFIX
"""
import os
import re
import sys

# What may stay, each key with everything below it: the user's own settings, the archive type
# another program took over; and the user's classes key itself, which Windows always has.
ALLOWED_TREES = {
    "user.reg": ["Software\\Stonemere Software"],
    "system.reg": ["Software\\Classes\\.rez"],
}
ALLOWED_KEYS = {"user.reg": ["Software\\Classes"]}

KEY_LINE = re.compile(r"^\[(.*)\] \d+$")
VALUE_LINE = re.compile(r'^(@|"(?:[^"\\]|\\.)*")=')


def registry_entries(path):
    """(key, value name) pairs of a registry file; None names the key itself."""
    entries = set()
    key = None
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            line = line.rstrip("\n")
            match = KEY_LINE.match(line)
            if match:
                key = match.group(1).replace("\\\\", "\\")
                entries.add((key, None))
                continue
            match = VALUE_LINE.match(line)
            if match and key is not None:
                entries.add((key, match.group(1)))
    return entries


def allowed(hive, key, name):
    if name is None and key in ALLOWED_KEYS.get(hive, []):
        return True
    return any(key == root or key.startswith(root + "\\") for root in ALLOWED_TREES.get(hive, []))


def files(top):
    found = set()
    for folder, folders, names in os.walk(top):
        for name in folders + names:
            found.add(os.path.relpath(os.path.join(folder, name), top))
    return found


def main():
    template, prefix = sys.argv[1:3]
    left = []
    for hive in ("system.reg", "user.reg", "userdef.reg"):
        added = registry_entries(os.path.join(prefix, hive)) - registry_entries(
            os.path.join(template, hive))
        for key, name in sorted(added, key=lambda entry: (entry[0], entry[1] or "")):
            if not allowed(hive, key, name):
                left.append(f"{hive}: [{key}]" + (f" {name}" if name else ""))
    for path in sorted(files(os.path.join(prefix, "drive_c")) -
                       files(os.path.join(template, "drive_c"))):
        left.append("file: " + path)
    for entry in left:
        print("left behind:", entry)
    print(f"prefix leftovers: {len(left)}")
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main())
