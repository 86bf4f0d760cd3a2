#!/usr/bin/env python3
"""Fails when the layers of the tree do not hold.

- The core (every folder of src/ but platform/, windowbase/ and the gui/ folders) includes no window or
  platform header and names no control of a window.
- The platform includes no window header.
- The window libraries (windowbase/, the base every window shares, and one per subsystem's gui/ folder)
  include each other in no circle, and each includes only the ones it links in src/CMakeLists.txt
  (its kl_window_library line, followed through the libraries those link), so that the static libraries
  link.

Usage: check-layers.py [SOURCE_ROOT]   (default: the src/ folder beside this script's folder)
"""

import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)

# The inherited names of controls and menu items: numbered plain controls, the figure boxes of the three
# windows, menu items and the named labels, frames and pictures.
CONTROL = re.compile(
    r"\b(?:Combo\d+|Text\d+|Check\d+|Command\d+|Option\d+|Label\d+|Label_\w+|Image\d+|Frame\d+\w*"
    r"|Picture\d+|Line\d+|F[247]_\w+|mnu[A-Z]\w*|lbl[A-Z]\w*|fra[A-Z]\w*|txt[A-Z]\w*|cmd[A-Z]\w*)\b"
)


WINDOW_BASE = "windowbase"


def is_window(layer: str | None) -> bool:
    return layer is not None and (layer == WINDOW_BASE or layer.endswith("/gui"))


def folder_of_library(lib: str) -> str:
    """kl_windowbase: windowbase; kl_results_gui: results/gui."""
    name = lib[3:]
    return f"{name[:-4]}/gui" if name.endswith("_gui") else name


def layer_of(rel: Path) -> str | None:
    """The layer a file of src/ belongs to: 'platform', '<subsystem>/gui', 'core', or None (the program)."""
    parts = rel.parts
    if len(parts) == 1:
        return None  # main.cpp: connects everything
    if parts[0] == "platform":
        return "platform"
    if parts[0] == WINDOW_BASE:
        return WINDOW_BASE
    if len(parts) >= 3 and parts[1] == "gui":
        return f"{parts[0]}/gui"
    return "core"


def strip_comments(text: str) -> str:
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.DOTALL)
    return re.sub(r"//[^\n]*", " ", text)


def find_cycle(graph: dict[str, set[str]]) -> list[str] | None:
    state: dict[str, int] = {}
    stack: list[str] = []

    def visit(node: str) -> list[str] | None:
        state[node] = 1
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if state.get(nxt) is None:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if state.get(node) is None:
            found = visit(node)
            if found:
                return found
    return None


def window_library_links(root: Path) -> dict[str, set[str]]:
    """Each window folder and the window folders its library links, directly or through the ones it links."""
    cmake = root / "CMakeLists.txt"
    if not cmake.is_file():
        return {}
    direct: dict[str, set[str]] = {}
    for name, links in re.findall(r"^\s*kl_window_library\((\w+)((?:[^)])*)\)", cmake.read_text(encoding="utf-8"),
                                  re.MULTILINE):
        words = links.split()
        linked = words[words.index("LINKS") + 1:] if "LINKS" in words else []
        direct[folder_of_library(name)] = {folder_of_library(lib) for lib in linked}
    closed: dict[str, set[str]] = {}
    for folder in direct:
        seen: set[str] = set()
        todo = list(direct[folder])
        while todo:
            nxt = todo.pop()
            if nxt not in seen:
                seen.add(nxt)
                todo.extend(direct.get(nxt, ()))
        closed[folder] = seen
    return closed


def main() -> int:
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src"
    if not root.is_dir():
        print(f"check-layers: no source folder {root}", file=sys.stderr)
        return 2
    faults: list[str] = []
    graph: dict[str, set[str]] = {}
    for path in sorted(root.rglob("*")):
        if path.suffix not in {".h", ".cpp"} or not path.is_file():
            continue
        rel = path.relative_to(root)
        layer = layer_of(rel)
        if layer is None:
            continue
        text = path.read_text(encoding="utf-8")
        code = strip_comments(text)
        for inc in INCLUDE.findall(code):
            target = layer_of(Path(inc))
            if layer == "core" and (target == "platform" or is_window(target)):
                faults.append(f"{rel}: the core includes the {target} header {inc}")
            if is_window(layer) and is_window(target) and target != layer:
                graph.setdefault(layer, set()).add(target)
            if layer == "platform" and is_window(target):
                faults.append(f"{rel}: the platform includes the window header {inc}")
        if layer == "core":
            for m in CONTROL.finditer(text):
                line = text.count("\n", 0, m.start()) + 1
                faults.append(f"{rel}:{line}: the core names the control {m.group(0)}")
    links = window_library_links(root)
    for lower, uppers in sorted(graph.items()):
        for upper in sorted(uppers):
            if lower not in links or upper not in links:
                faults.append(f"{lower} or {upper} has no kl_window_library line in src/CMakeLists.txt")
            elif upper not in links[lower]:
                faults.append(f"{lower} includes {upper}, which it does not link")
    cycle = find_cycle(graph)
    if cycle:
        faults.append("the window libraries include each other in a circle: " + " -> ".join(cycle))
    for f in faults:
        print(f"check-layers: {f}", file=sys.stderr)
    if faults:
        return 1
    print(f"check-layers: the layers hold (window folders: {', '.join(links or sorted(graph))})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
