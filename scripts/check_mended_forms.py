#!/usr/bin/env python3
"""Checks that two translator binaries differ only by the two mended forms.

    scripts/check_mended_forms.py BASE NEW DIR_OR_FILE...

Runs BASE and NEW (default run, no options) on every *.vhd / *.vhdl file and
compares standard error and exit status byte for byte.  Where standard output
differs, every changed line must be one of:

  - a wait condition: NEW writes `while (!(X));` where BASE wrote
    `while (X);`, and the file has an `until`;
  - a declared type: a declaration line (`T names ...;`, or
    `typedef T name[...]S;`) whose type T, and for a typedef the element
    suffix S, alone differ, and the file has a subtype written with a range
    constraint or a resolution function.

Lines may only be changed, never added or removed.  Prints the files and
lines changed of each kind; exits 1 when any other change is found.
"""
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

# `: [mode] mark range` or `: [mode] function mark` (no `range` keyword there
# means two names in a row before a `(`, `:=`, `;` or `)`).
MODE = rb"(?:in\s+|out\s+|inout\s+|buffer\s+|linkage\s+)?"
NAME = rb"(?!range\b|is\b|bus\b|register\b)[a-z][\w.]*"
CONSTRAINED = re.compile(rb"(?::|\bof\b)\s*" + MODE + NAME + rb"\s+range\b", re.I)
RESOLVED = re.compile(rb"(?::|\bof\b)\s*" + MODE + NAME + rb"\s+" + NAME + rb"\s*(?:[(;:)]|(?:bus|register)\b)", re.I)
UNTIL = re.compile(rb"\buntil\b", re.I)


def run(binary, path):
    with open(path, "rb") as source:
        done = subprocess.run([binary], stdin=source, capture_output=True)
    return done.stdout, done.stderr, done.returncode


def without_negations(line):
    """NEW's line with every `while (!(X));` put back as `while (X);`."""
    out, i = [], 0
    while True:
        at = line.find("while (!(", i)
        if at < 0:
            out.append(line[i:])
            return "".join(out)
        open_at = at + len("while (!")
        depth, j = 0, open_at
        while j < len(line):
            depth += {"(": 1, ")": -1}.get(line[j], 0)
            if depth == 0:
                break
            j += 1
        if j >= len(line) or not line.startswith("));", j):
            return None
        out.append(line[i:at] + "while (" + line[open_at + 1:j])
        i = j + 1


def type_only(base, new):
    """Whether two declaration lines differ in their type (and element suffix) only."""
    typedef = re.compile(r"( *)typedef (.*) (\w+)((?:\[[^\]]*\])*)(.*);$")
    b, n = typedef.match(base), typedef.match(new)
    if b and n:  # the dimensions, then the element's suffix (which may change)
        shorter, longer = sorted((b.group(4), n.group(4)), key=len)
        return b.group(1, 3) == n.group(1, 3) and longer.startswith(shorter)
    # `T names ...;`: T (possibly empty, possibly two words) and one space,
    # then the same identifier list and rest in both.
    names = re.compile(r"[a-z]\w*(?:,[a-z]\w*)*(?: .*)?;$")
    typeish = re.compile(r"[\w. ]*")
    for p in [i + 1 for i, c in enumerate(new) if c == " "]:
        rest = new[p:]
        if names.match(rest) and base.endswith(rest) and len(base) > len(rest):
            btype, ntype = base[:len(base) - len(rest)], new[:p]
            if btype.endswith(" ") and typeish.fullmatch(btype) and typeish.fullmatch(ntype):
                return True
    return False


def check(base_bin, new_bin, path):
    b_out, b_err, b_status = run(base_bin, path)
    n_out, n_err, n_status = run(new_bin, path)
    if (b_err, b_status) != (n_err, n_status):
        return path, "error stream or status differs", [], []
    if b_out == n_out:
        return path, None, [], []
    source = open(path, "rb").read()
    has_until = UNTIL.search(source) is not None
    has_subtype = CONSTRAINED.search(source) is not None or RESOLVED.search(source) is not None
    b_lines = b_out.decode("latin-1").split("\n")
    n_lines = n_out.decode("latin-1").split("\n")
    waits, types = [], []
    # Neither form adds or removes a line: the lines are compared pairwise.
    if len(b_lines) != len(n_lines):
        return path, f"{len(b_lines)} output lines before, {len(n_lines)} after", waits, types
    for k, (b, n) in enumerate(zip(b_lines, n_lines)):
        if b == n:
            continue
        if has_until and without_negations(n) == b:
            waits.append(k + 1)
        elif has_subtype and type_only(b, n):
            types.append(k + 1)
        elif has_until and has_subtype and (u := without_negations(n)) is not None and type_only(b, u):
            waits.append(k + 1)
            types.append(k + 1)
        else:
            return path, f"unexplained change at output line {k + 1}:\n  - {b}\n  + {n}", waits, types
    return path, None, waits, types


def main():
    if len(sys.argv) < 4:
        print(__doc__.strip().split("\n\n")[1])
        return 2
    base_bin, new_bin = sys.argv[1], sys.argv[2]
    files = []
    for root in sys.argv[3:]:
        if os.path.isfile(root):
            files.append(root)
            continue
        for folder, _, names in os.walk(root):
            files += [os.path.join(folder, n) for n in names if n.endswith((".vhd", ".vhdl"))]
    files.sort()
    bad = 0
    wait_files = type_files = changed = wait_lines = type_lines = 0
    with ThreadPoolExecutor(max_workers=2) as pool:
        for path, problem, waits, types in pool.map(lambda f: check(base_bin, new_bin, f), files):
            if problem:
                bad += 1
                print(f"{path}: {problem}")
                continue
            if waits or types:
                changed += 1
                print(f"{path}: {len(types)} type lines, {len(waits)} wait lines")
            wait_files += bool(waits)
            type_files += bool(types)
            wait_lines += len(waits)
            type_lines += len(types)
    print(f"{len(files)} files; {changed} changed ({type_files} with declared types, {wait_files} with "
          f"wait conditions); lines changed: {type_lines} declared types, {wait_lines} wait conditions; "
          f"{bad} with other changes")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
