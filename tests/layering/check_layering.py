#!/usr/bin/env python3
"""Checks the layering that docs/architecture.md describes, on the source tree given as argument.

Portable code (the launcher's own folders, and platform/ outside its backend folders) includes the
C++ standard library and headers of the tree only, and no header of a backend folder; platform/
includes nothing of the launcher's own folders. Prints each breach as file:line and fails.
"""
import pathlib
import re
import sys

PARTS = ("shell", "intro", "launch", "audiotest", "settings", "beat", "resources")
# Folders of code for one system or toolkit; cpuid/ asks the processor itself on every system.
BACKENDS = {"linux", "win32", "qt", "cpuid"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
STANDARD = re.compile(r"^[a-z_]+$")  # <vector>, <cstdint>: no toolkit or system header is named so


def breaches(relative, text):
    top = relative.parts[0]
    portable = not BACKENDS.intersection(relative.parts[:-1])
    for number, line in enumerate(text.splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        bracket, name = match.groups()
        if portable and bracket == "<" and not STANDARD.match(name):
            yield number, f"portable code includes <{name}>, a system or toolkit header"
        elif portable and BACKENDS.intersection(name.split("/")[:-1]):
            yield number, f'portable code includes "{name}", a backend header'
        elif top == "platform" and name.split("/")[0] in PARTS:
            yield number, f'the platform layer includes "{name}", code of the launcher itself'


def main(root):
    found = 0
    for top in PARTS + ("platform",):
        for path in sorted((root / top).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            relative = path.relative_to(root)
            for number, breach in breaches(relative, path.read_text(encoding="utf-8")):
                print(f"{relative}:{number}: {breach}")
                found += 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
