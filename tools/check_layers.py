#!/usr/bin/env python3
"""The layer check: each target of the layer map links exactly the layers whose headers its files
include, a library links only layers above which it stands, and the layer lists in
src/CMakeLists.txt and the README name every layer folder in the map's order.

Usage: check_layers.py <source folder> <layer map written by CMake>"""

import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".h", ".cpp", ".inc")


def read_map(path):
    """The map's targets in order: (target, folder, files, links)."""
    targets = []
    for line in Path(path).read_text().splitlines():
        if not line.strip():
            continue
        name, folder, files, links = line.split("|")
        targets.append((name, folder, [f for f in files.split(",") if f],
                        [l for l in links.split(",") if l]))
    return targets


def files_of(src, folder, files):
    if files:
        return [src / folder / f for f in files]
    return sorted(p for p in (src / folder).iterdir()
                  if p.suffix in SOURCE_SUFFIXES and p.name != "main.cpp")


def included_folders(paths):
    """The folders of the quoted includes that name one, with a file that includes each."""
    found = {}
    for path in paths:
        for header in INCLUDE.findall(path.read_text()):
            if "/" in header:
                found.setdefault(header.rsplit("/", 1)[0], path)
    return found


def listed_folders(text, pattern):
    return [m.group(1).rstrip("/") for m in re.finditer(pattern, text, re.MULTILINE)]


def main(root, map_path):
    root = Path(root)
    src = root / "src"
    targets = read_map(map_path)
    layers = {}  # folder -> library target
    order = {}  # target -> position in the map
    folder_of = {name: folder for name, folder, _, _ in targets}
    for position, (name, folder, files, _) in enumerate(targets):
        order[name] = position
        if not files:
            layers.setdefault(folder, name)
    faults = []
    for name, folder, files, links in targets:
        linked = {l for l in links if l in order}
        wanted = {}
        for included, path in included_folders(files_of(src, folder, files)).items():
            owner = layers.get(included)
            if included == folder and owner in (None, name):
                continue
            if owner is None:
                faults.append(f"{name}: {path.relative_to(root)} includes from {included}/, "
                              "which is no layer")
                continue
            wanted[owner] = path
        for missing in sorted(set(wanted) - linked):
            faults.append(f"{name}: includes {missing} ({wanted[missing].relative_to(root)}) "
                          "but does not link it")
        # A program may link the library made of its own folder's other files.
        own = {l for l in linked if folder_of[l] == folder}
        for extra in sorted(linked - set(wanted) - own):
            faults.append(f"{name}: links {extra} but includes none of its headers")
        if not files:
            for above in sorted(l for l in linked if order[l] > order[name]):
                faults.append(f"{name}: links {above}, which stands above it")
        print(f"{name:26} {folder:22} {' '.join(sorted(linked)) or '-'}")
    folders = list(dict.fromkeys(folder for _, folder, _, _ in targets))
    cmake_list = listed_folders((src / "CMakeLists.txt").read_text(), r"^#   (\S+)\s")
    readme = (root / "README.md").read_text()
    readme_list = listed_folders(readme, r"^  (\S+/)\s+\S")
    for where, listed in (("src/CMakeLists.txt", cmake_list), ("README.md", readme_list)):
        if listed != folders:
            faults.append(f"{where} lists the layers {' '.join(listed)}\n"
                          f"    the map's order is {' '.join(folders)}")
    for fault in faults:
        print("FAULT " + fault)
    print(f"{len(targets)} targets, {len(folders)} folders, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
