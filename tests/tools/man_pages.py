"""Each man page names the commands, switches and options its program's usage names, no more
and no fewer: the tags of its COMMANDS, EDIT COMMANDS and OPTIONS sections against the text
the program prints for /? (or for a command line it does not take).

    man_pages.py PROGRAM PAGE [PROGRAM PAGE...]
"""
import re
import subprocess
import sys

SWITCH = r"(?<![\w/\\])/[A-Za-z?](?=[\s,)]|$)"  # /X, /?
OPTION = r"(?<![\w-])--?[a-z][a-z-]*"  # -s, --save-as
COMMAND = r"[a-z]+"
TAGGED_SECTIONS = ("COMMANDS", "EDIT COMMANDS", "OPTIONS")


def usage_names(program):
    run = subprocess.run([program, "/?"], capture_output=True, text=True)
    text = run.stdout + run.stderr
    names = set(re.findall(SWITCH, text)) | set(re.findall(OPTION, text))
    names |= set(re.findall(rf"(?im)^tarvex ({COMMAND}) ", text))  # tarvex cat ...
    names |= set(re.findall(rf"(?m)^ {{12}}({COMMAND}) [A-Z]", text))  # edit's commands
    return names


def man_names(page):
    names = set()
    section = None
    lines = open(page, encoding="utf-8").read().splitlines()
    for number, line in enumerate(lines):
        if line.startswith(".SH "):
            section = line[4:].strip().strip('"')
        if line != ".TP" or section not in TAGGED_SECTIONS or number + 1 == len(lines):
            continue
        tag = re.sub(r'\\f[BIRP]|\\&|"', "", lines[number + 1]).replace("\\-", "-")
        tag = re.sub(r"^\.[BIR]{1,2} ", "", tag)
        names |= set(re.findall(SWITCH, tag)) | set(re.findall(OPTION, tag))
        first = tag.split()[0] if tag.split() else ""
        if re.fullmatch(COMMAND, first):
            names.add(first)
    return names


failures = 0
arguments = sys.argv[1:]
for program, page in zip(arguments[::2], arguments[1::2]):
    usage, man = usage_names(program), man_names(page)
    if not usage:
        print(f"FAIL: {program} names nothing in its usage")
        failures += 1
    for what, names in (("the usage", usage - man), ("the man page", man - usage)):
        if names:
            print(f"FAIL: {page}: only {what} names {' '.join(sorted(names))}")
            failures += 1
    print(f"{page}: {' '.join(sorted(man))}")
sys.exit(1 if failures else 0)
