#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own, or Qt outside src/gui.

Usage: check_layers.py [SRC_DIR]   (default: the src folder beside this script's folder)
"""
import pathlib
import re
import sys

# What each folder under src may include (its own folder is always allowed).
ALLOWED = {
    "platform": set(),
    "imaging": {"platform"},
    "encoders": {"imaging", "platform", "tessaly"},
    "message": {"platform"},
    "document": {"imaging", "encoders", "message", "platform"},
    "symbologies": {"document", "imaging", "encoders", "message", "platform", "tessaly"},
    "verify": {"symbologies", "document", "imaging", "encoders", "message", "platform"},
    "export": {"verify", "symbologies", "document", "imaging", "encoders", "message", "platform"},
    "cli": {"export", "verify", "symbologies", "document", "imaging", "encoders", "message", "platform",
            "tessaly"},
    "api": {"encoders", "imaging", "platform", "tessaly"},
    "demo": {"encoders", "imaging", "platform", "tessaly"},
    "gui": {"cli", "export", "verify", "symbologies", "document", "imaging", "encoders", "message",
            "platform", "tessaly"},
}
QUOTED = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
ANGLED = re.compile(r'^\s*#\s*include\s*<(Q[A-Za-z]*(?:/[^>]*)?)>')
SOURCES = {".h", ".hpp", ".cpp", ".cc", ".c"}


def problems(src):
    found = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in SOURCES or not path.is_file():
            continue
        layer = path.relative_to(src).parts[0]
        allowed = ALLOWED.get(layer)
        if allowed is None:
            found.append(f"{path}: folder '{layer}' has no place in the layer order")
            continue
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, 1):
            quoted = QUOTED.match(line)
            if quoted and "/" in quoted.group(1):
                target = quoted.group(1).split("/")[0]
                if target != layer and target not in allowed:
                    found.append(f"{path}:{number}: {layer} must not include {quoted.group(1)}")
            angled = ANGLED.match(line)
            if angled and layer != "gui":
                found.append(f"{path}:{number}: only src/gui includes Qt ({angled.group(1)})")
    return found


def main():
    here = pathlib.Path(__file__).resolve().parent
    src = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here.parent / "src"
    found = problems(src)
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
