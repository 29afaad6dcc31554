#!/usr/bin/env python3
"""Fails when an #include under src/ points up a layer.

Layers, lowest first; a folder may include its own headers and those of any
lower layer, never those of a higher one or of another folder on its layer:

    core, core/rtf   (Qt Core and Gui only)
    platform         (the OS behind small interfaces; needs core only)
    framework        (the widget toolkit: application object, menus, boxes)
    theme            (the menu look, colour palettes, the program's images)
    notes, dialogs, update
    app              (the shell: main form, tray, start-up)

Usage: check-layers.py [SRC_DIR]   (default: the src folder beside tools/)
"""
import pathlib
import re
import sys

LAYERS = [
    ["core", "core/rtf"],
    ["platform"],
    ["framework"],
    ["theme"],
    ["notes", "dialogs", "update"],
    ["app"],
]
RANK = {unit: rank for rank, units in enumerate(LAYERS) for unit in units}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = {".h", ".hpp", ".cpp", ".cc"}


def unit_of(path, src):
    """The layer unit (folder) of a file under src, or None if it is in none."""
    parts = path.relative_to(src).parts[:-1]
    for depth in (2, 1):
        name = "/".join(parts[:depth])
        if len(parts) >= depth and name in RANK:
            return name
    return None


def target_of(include, source, src):
    """The file an include names: beside the source first, then from src."""
    for base in (source.parent, src):
        candidate = (base / include).resolve()
        if candidate.is_file():
            return candidate
    # A header that does not exist yet still names its folder.
    return (src / include).resolve()


def check(src):
    src = src.resolve()
    problems = []
    for source in sorted(p for p in src.rglob("*") if p.suffix in SOURCES):
        here = unit_of(source, src)
        if here is None:
            continue
        text = source.read_text(encoding="utf-8", errors="replace")
        for match in INCLUDE.finditer(text):
            include = match.group(1)
            if include.endswith(".moc"):
                continue
            target = target_of(include, source, src)
            try:
                there = unit_of(target, src)
            except ValueError:
                problems.append(f"{source.relative_to(src)}: includes \"{include}\" from outside src/")
                continue
            if there is None or there == here:
                continue
            if RANK[there] >= RANK[here]:
                line = text.count("\n", 0, match.start()) + 1
                how = "a higher layer" if RANK[there] > RANK[here] else "another folder of its layer"
                problems.append(f"src/{source.relative_to(src)}:{line}: {here} includes \"{include}\" "
                                f"from {there}, {how}")
    return problems


def main():
    src = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "src"
    if not src.is_dir():
        print(f"check-layers: no folder {src}", file=sys.stderr)
        return 2
    problems = check(src)
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-layers: {len(problems)} include(s) point the wrong way", file=sys.stderr)
        return 1
    print("check-layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
