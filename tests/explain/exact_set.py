#!/usr/bin/env python3
"""The expected set of --explain is exact, checked against the parser itself.

For every rejected golden case whose explanation points at the offending
token, each token of the language is put in its place and the file is
translated again (without --explain): a token the explanation lists must get
the parse past that place, and, when the list is complete (no "or N more"),
every other token must be rejected right there.

    exact_set.py BIN TESTS_DIR
"""
import os
import re
import subprocess
import sys
import tempfile

WORDS = """access after alias all and architecture array assert attribute begin block body
buffer bus case component configuration constant disconnect downto else elsif end entity
exit file for function generate generic guarded if in inout is label library linkage loop
map nand new next nor null of on open or others out package port procedure process range
record register report return select severity signal subtype then to transport type units
until use variable wait when while with xor mod rem abs not""".split()
DELIMITERS = "; ( ) , . : = /= < <= > >= + - & * / ** ' := => | <>".split()
CLASSES = {"identifier": "zz", "number": "7", "character literal": "'c'",
           "string literal": '"s"', "bit-string literal": 'x"0f"'}


def universe():
    for w in WORDS:
        yield "'%s'" % w, w
    for d in DELIMITERS:
        yield "'%s'" % d, d
    for name, text in CLASSES.items():
        yield name, text


def run(binary, data, *args):
    done = subprocess.run([binary, *args], input=data, capture_output=True)
    return done.returncode, done.stdout.decode("latin-1"), done.stderr.decode("latin-1")


def listed(message):
    """The spellings an error message lists, and whether the list is complete."""
    m = re.search(r"; expected (.*)$", message)
    if not m:
        return [], True
    text = m.group(1)
    complete = not re.search(r" or \d+ more$", text)
    text = re.sub(r" or \d+ more$", "", text)
    items = text.split(", ")
    if " or " in items[-1]:
        items[-1:] = items[-1].split(" or ")
    return items, complete


def main():
    binary, root = sys.argv[1], sys.argv[2]
    cases = []
    for top in ("errors",):
        for folder, _, files in os.walk(os.path.join(root, top)):
            cases += [os.path.join(folder, f) for f in files if f.endswith(".vhd")]
    checked = failed = 0
    for case in sorted(cases):
        data = open(case, "rb").read()
        if b"\t" in data:
            continue  # columns are display columns
        status, _, err = run(binary, data, "--explain")
        m = re.search(r"^<stdin>:(\d+):(\d+): error: (unexpected .*)$", err, re.M)
        if status == 0 or not m or "seems to be missing" in err or "nesting too deep" in err:
            continue
        line, col, message = int(m.group(1)), int(m.group(2)), m.group(3)
        expected, complete = listed(message)
        lines = data.split(b"\n")
        at_end = message.startswith("unexpected end of input")
        if at_end:
            prefix, suffix = data, b""
        else:
            caret = err.split("\n")[[i for i, l in enumerate(err.split("\n")) if l.startswith("<stdin>:%d:%d: error" % (line, col))][0] + 2]
            width = len(caret.strip())
            offset = sum(len(l) + 1 for l in lines[:line - 1]) + col - 1
            prefix, suffix = data[:offset], data[offset + width:]
        checked += 1
        for spelling, text in universe():
            if not complete and spelling not in expected:
                continue
            trial = prefix + b" " + text.encode() + b" " + suffix
            s, out, _ = run(binary, trial)
            start_line = prefix.count(b"\n") + 1
            start_col = len(prefix) - (prefix.rfind(b"\n") + 1) + 1  # 0-based column of the text
            rejected_here = ("String:(%s) Line:%d Column:%d" % (text.lower(), start_line, start_col + len(text))) in out
            accepted = not rejected_here
            if spelling in expected and not accepted:
                print("%s: %s is listed but rejected there" % (case, spelling))
                failed += 1
            if complete and spelling not in expected and accepted:
                print("%s: %s is accepted there but not listed" % (case, spelling))
                failed += 1
        # The end of the input in place of the token (and of what follows).
        s, _, _ = run(binary, prefix)
        if ("end of input" in expected) != (s == 0) and (complete or "end of input" in expected):
            print("%s: end of input %s" % (case, "is listed but rejected" if s else "is accepted but not listed"))
            failed += 1
    print("%d cases checked, %d faults" % (checked, failed))
    return 1 if failed or checked < 10 else 0


if __name__ == "__main__":
    sys.exit(main())
