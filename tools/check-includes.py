#!/usr/bin/env python3
"""Checks the layering of src/: includes run only down the rooms, and no two
units include each other, directly or through others.

The rooms, top to bottom (the README's Developers section draws them):

    module    the four entry points
    search    search dialog, line scan, results, text finder, pattern search
    settings  registry store, options, rule sets, configuration
    shell     the host interface
    text      byte-string helpers that several rooms use
    regex     the pattern engine: no host, no Windows

A file may include files of its own room and of the rooms below it. The
Windows API header (shell/win_api.h) is the one way to Windows for every
room but the pattern engine, so it counts as standing between text and regex.

A unit is a header and the source files of the same name (rule_sets.h and
rule_sets.cpp): a .cpp that includes another unit's header makes its whole
unit depend on that unit, so two .cpp files that include each other's
headers are a circle even though no header includes a header.

Prints every wrong-way include and every circle; exits 1 when there is any.

  tools/check-includes.py [SRC-DIR]
"""

import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Top to bottom; a room may use only the rooms after it.
ROOMS = ["module", "search", "settings", "shell", "text", "regex"]
# Files that stand on a floor of their own: (path, the room they sit just above).
FLOORS = {"shell/win_api.h": "regex"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".cpp")


def height(path):
    """How high a file stands: a larger number is a higher room; None when the
    file's folder is no room."""
    if path in FLOORS:
        return ROOMS[::-1].index(FLOORS[path]) + 0.5
    room = path.split("/", 1)[0]
    if room not in ROOMS or "/" not in path:
        return None
    return ROOMS[::-1].index(room)


def unit_of(path):
    return os.path.splitext(path)[0]


def read_includes(src):
    """{file: [(line number, included file)]} for every source file below src,
    paths relative to src."""
    includes = {}
    for folder, _, names in os.walk(src):
        for name in sorted(names):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            full = os.path.join(folder, name)
            path = os.path.relpath(full, src).replace(os.sep, "/")
            found = []
            with open(full, encoding="latin-1") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if m:
                        found.append((number, m.group(1)))
            includes[path] = found
    return includes


def wrong_way(includes):
    faults = []
    for path in sorted(includes):
        own = height(path)
        if own is None:
            faults.append(f"{path}: in no room (known rooms: {', '.join(ROOMS)})")
            continue
        for number, target in includes[path]:
            if target not in includes:
                faults.append(f"{path}:{number}: includes {target}, which is not in src/")
                continue
            same_room = path.split("/")[0] == target.split("/")[0]
            if same_room and path not in FLOORS and target not in FLOORS:
                continue
            theirs = height(target)
            if theirs is not None and theirs > own:
                faults.append(f"{path}:{number}: includes {target} from a higher room")
    return faults


def circles(includes):
    """Every set of two or more units that reach one another, each as a
    sorted list; Tarjan's strongly connected components."""
    edges = {}
    for path, found in includes.items():
        unit = unit_of(path)
        targets = edges.setdefault(unit, set())
        for _, target in found:
            if target in includes and unit_of(target) != unit:
                targets.add(unit_of(target))
    index, low, stack, on_stack, result = {}, {}, [], set(), []
    counter = [0]

    def visit(start):
        # An explicit stack: the recursion would grow with the longest chain.
        work = [(start, iter(sorted(edges.get(start, ()))))]
        index[start] = low[start] = counter[0]
        counter[0] += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter[0]
                    counter[0] += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(edges.get(child, ())))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    result.append(sorted(component))

    for unit in sorted(edges):
        if unit not in index:
            visit(unit)
    return sorted(result), edges


def describe_circle(component, edges):
    """The includes inside one circle, so the reader sees which to cut."""
    members = set(component)
    links = [f"{a} -> {b}" for a in component for b in sorted(edges[a]) if b in members]
    return "circle: " + ", ".join(component) + " (" + "; ".join(links) + ")"


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "src")
    includes = read_includes(src)
    if not includes:
        print(f"no source files below {src}")
        return 1
    faults = wrong_way(includes)
    found, edges = circles(includes)
    faults += [describe_circle(c, edges) for c in found]
    for fault in faults:
        print(fault)
    count = sum(len(v) for v in includes.values())
    print(f"includes: {len(includes)} files, {count} includes, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
