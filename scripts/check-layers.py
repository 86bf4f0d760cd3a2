#!/usr/bin/env python3
"""Fails when the layers of the tree do not hold.

- The core (every folder of src/ but platform/ and the gui/ folders) includes no gui/ or platform/ header
  and names no control of a window.
- The window libraries (one per subsystem's gui/ folder, with platform/ below them all) include each other
  in no circle, and each includes only the ones below it in the link order of src/CMakeLists.txt
  (KL_WINDOW_LIBRARIES), so that the static libraries link.

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


def layer_of(rel: Path) -> str | None:
    """The layer a file of src/ belongs to: 'platform', '<subsystem>/gui', 'core', or None (the program)."""
    parts = rel.parts
    if len(parts) == 1:
        return None  # main.cpp: connects everything
    if parts[0] == "platform":
        return "platform"
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


def window_library_order(root: Path) -> list[str]:
    """The gui folders in the order src/CMakeLists.txt links their libraries, lowest first."""
    cmake = root / "CMakeLists.txt"
    if not cmake.is_file():
        return []
    m = re.search(r"set\(KL_WINDOW_LIBRARIES([^)]*)\)", cmake.read_text(encoding="utf-8"))
    if not m:
        return []
    return [f"{lib[3:-4]}/gui" for lib in m.group(1).split() if lib.startswith("kl_") and lib.endswith("_gui")]


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
            if layer == "core" and target in {"platform"} | {t for t in [target] if t and t.endswith("/gui")}:
                faults.append(f"{rel}: the core includes the {target} header {inc}")
            if layer.endswith("/gui") and target and target.endswith("/gui") and target != layer:
                graph.setdefault(layer, set()).add(target)
            if layer == "platform" and target and target != "platform":
                if target.endswith("/gui"):
                    faults.append(f"{rel}: the platform includes the window header {inc}")
        if layer == "core":
            for m in CONTROL.finditer(text):
                line = text.count("\n", 0, m.start()) + 1
                faults.append(f"{rel}:{line}: the core names the control {m.group(0)}")
    order = window_library_order(root)
    for lower, uppers in sorted(graph.items()):
        for upper in sorted(uppers):
            if lower in order and upper in order and order.index(upper) > order.index(lower):
                faults.append(f"{lower} includes {upper}, which links above it")
            elif order and (lower not in order or upper not in order):
                faults.append(f"{lower} or {upper} is no library of KL_WINDOW_LIBRARIES")
    cycle = find_cycle(graph)
    if cycle:
        faults.append("the window libraries include each other in a circle: " + " -> ".join(cycle))
    for f in faults:
        print(f"check-layers: {f}", file=sys.stderr)
    if faults:
        return 1
    print(f"check-layers: the layers hold (window folders, lowest first: {', '.join(order or sorted(graph))})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
