#!/usr/bin/env python3
"""The sources' layers look down: every file of src/ sits in a layer of the
diagram in src/README.md ("## Layers"), and includes only files of its own
layer or below.  The one call up is allowed by name: the scanner hands the
explanation what it reads (scanner.l includes explain.h).  fragment_layout.h
is for its own layer only.

    layers.py SRC_DIR                 checks the sources
    layers.py --planted SRC_DIR       checks that copies with a fault fail

The diagram names each file or module (a name without an extension stands
for its .h and .cc) in the column after the layer's number; a line without
a number continues the layer above it.
"""

import os
import re
import shutil
import sys
import tempfile

ALLOWED_UP = {("scanner.l", "explain.h")}
OWN_LAYER_ONLY = {"fragment_layout.h"}
SOURCE = re.compile(r"\.(h|hh|cc|y|l|def)$")


def read_layers(readme):
    text = open(readme).read()
    at = text.find("## Layers")
    block = text[at:].split("```")[1] if at >= 0 else ""
    layers, layer = {}, None
    for line in block.splitlines():
        m = re.match(r"^ ?(\d+) ", line)
        if m:
            layer = int(m.group(1))
        if layer is None or len(line) < 4:
            continue
        names = re.split(r"\s{2,}", line[4:].strip() if line[4:5] != " " else "")[0]
        for name in names.split(","):
            name = name.strip().split(" ")[0]
            if name:
                layers[name] = layer
    return layers


def layer_of(name, layers):
    if name in layers:
        return layers[name]
    return layers.get(os.path.splitext(name)[0])


def check(src):
    layers = read_layers(os.path.join(src, "README.md"))
    problems = []
    if not layers:
        return ["%s/README.md: no layer diagram under '## Layers'" % src]
    for name in sorted(os.listdir(src)):
        if not SOURCE.search(name):
            continue
        mine = layer_of(name, layers)
        if mine is None:
            problems.append("src/%s is in no layer of src/README.md" % name)
            continue
        for number, line in enumerate(open(os.path.join(src, name), errors="replace"), 1):
            m = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
            if not m:
                continue
            included = m.group(1)
            theirs = layer_of(included, layers)
            if theirs is None:
                problems.append("src/%s:%d: includes %s, which is in no layer of src/README.md"
                                % (name, number, included))
            elif theirs > mine and (name, included) not in ALLOWED_UP:
                problems.append("src/%s:%d: includes %s upward (layer %d includes layer %d)"
                                % (name, number, included, mine, theirs))
            elif included in OWN_LAYER_ONLY and theirs != mine:
                problems.append("src/%s:%d: includes %s, which is for layer %d only"
                                % (name, number, included, theirs))
    return problems


def planted(src):
    """Each fault in a copy of the sources must be found, by its message."""
    faults = [
        ("fragment.h", '#include "run.h"\n', 'src/fragment.h:1: includes run.h upward'),
        ("messages.h", '#include "explain.h"\n', 'src/messages.h:1: includes explain.h upward'),
        ("run.cc", '#include "fragment_layout.h"\n', 'includes fragment_layout.h, which is for layer 1 only'),
        ("new_module.h", '#pragma once\n', 'src/new_module.h is in no layer'),
    ]
    failures = 0
    for file, text, expected in faults:
        work = tempfile.mkdtemp()
        try:
            copy = os.path.join(work, "src")
            shutil.copytree(src, copy)
            path = os.path.join(copy, file)
            old = open(path).read() if os.path.exists(path) else ""
            open(path, "w").write(text + old)
            found = check(copy)
            if not any(expected in p for p in found):
                print("FAIL: %s: not found (%s)" % (file, "; ".join(found) or "the check passed"))
                failures += 1
        finally:
            shutil.rmtree(work)
    if not failures:
        print("layer check: %d planted faults found" % len(faults))
    return failures


def main():
    if sys.argv[1:2] == ["--planted"]:
        sys.exit(1 if planted(sys.argv[2]) else 0)
    problems = check(sys.argv[1])
    for p in problems:
        print(p)
    if not problems:
        print("layer check: every file of %s in its layer, every include looking down" % sys.argv[1])
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
