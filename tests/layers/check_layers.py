#!/usr/bin/env python3
"""Fails when a source file includes from a layer above its own.

Each folder is a layer; a file may include its own folder and the folders
below it. The simulated tuner stands beside the program: it may use the
tuner's vocabulary (base, link) and the file formats, and nothing in src/
may include it. It checks PROM frames with its own arithmetic, so it never
includes the program's framing. Tests may include anything.
"""
import pathlib
import re
import sys

# Folder -> rank; a file may include a folder of the same or a lower rank.
RANKS = {
    "base": 0,
    "link": 1,
    "model": 2,
    "engine": 3,
    "config": 4,
    "firmware": 4,
    "machines": 5,
    "ui": 6,
    "server": 6,
    "cli": 7,
    "app": 7,
}
# Layers of one rank that stay apart: the server runs without a desktop.
APART = {frozenset(("ui", "server"))}
# What the simulator may include besides itself.
SIM_MAY_INCLUDE = {"base", "link", "config", "firmware"}
# What the simulator must judge for itself: sharing it would make a fault in
# the program's frames on both ends alike, and no test would see it.
SIM_MAY_NOT_INCLUDE = {"link/PromFrames.h"}
# Where each checked folder lies below the project's root.
ROOTS = {**{name: f"src/{name}" for name in RANKS if name not in ("cli", "app")}, "cli": "cli", "app": "app",
         "sim": "sim"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def allowed(layer, target, included):
    if layer == "sim" and included in SIM_MAY_NOT_INCLUDE:
        return False
    if target == layer:
        return True
    if frozenset((layer, target)) in APART:
        return False
    if layer == "sim":
        return target in SIM_MAY_INCLUDE
    if target == "sim":
        return layer in ("cli", "app")
    return target in RANKS and RANKS[target] <= RANKS[layer]


def violations(root):
    found = []
    for layer, folder in ROOTS.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for included in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                target = included.split("/")[0] if "/" in included else None
                if target is None or not allowed(layer, target, included):
                    found.append(f"{path.relative_to(root)}: {layer} may not include \"{included}\"")
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    missing = [folder for folder in ROOTS.values() if not (root / folder).is_dir()]
    if missing:
        print("layer check: no such folder: " + ", ".join(missing))
        return 1
    found = violations(root)
    for line in found:
        print(line)
    print(f"layer check: {len(found)} include(s) against the layer order")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
