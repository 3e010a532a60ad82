#!/usr/bin/env python3
"""Every golden case run again with --explain added: standard output and the
exit status are the same byte for byte; standard error has the echo of the
added argument, the plain run's warnings, and in place of the plain run's
line for a rejection the explanation, whose first error line names the same
token at the same place.  A case that is accepted adds warnings at most.

    same_run.py VHDL87C TESTS_DIR"""
import os
import re
import subprocess
import sys

PLAIN = re.compile(rb"<stdin>:(\d+):(\d+): error: (.*) \(--explain tells more\)\n\Z")
EXPLAINED = re.compile(rb"^<stdin>:(\d+):(\d+): error: (.*?)(?:; expected .*)?$", re.M)


SKIP = "already explained"


def echo(args):
    return b"".join(b"(%d): %s\n" % (i, a.encode()) for i, a in enumerate(args, 1))


def run(args, data):
    p = subprocess.run([BIN, *args], input=data, capture_output=True, timeout=60)
    return p.returncode, p.stdout, p.stderr


def problem(case):
    base = case[:-len(".vhd")]
    args = []
    if os.path.exists(base + ".args"):
        with open(base + ".args", encoding="utf-8") as f:
            args = f.read().splitlines()
    if "--explain" in args:
        return SKIP
    with open(case, "rb") as f:
        data = f.read()
    s1, out1, err1 = run(args, data)
    s2, out2, err2 = run(args + ["--explain"], data)
    if out1 != out2:
        return "standard output differs"
    if s1 != s2:
        return "exit status %d without, %d with --explain" % (s1, s2)
    if not err1.startswith(echo(args)) or not err2.startswith(echo(args + ["--explain"])):
        return "the echo of the arguments does not come first"
    rest1 = err1[len(echo(args)):]
    rest2 = err2[len(echo(args + ["--explain"])):]
    plain = None
    if s1 != 0 and b"ERROR:'" in out1:
        last = rest1[rest1.rfind(b"\n", 0, len(rest1) - 1) + 1:]
        plain = PLAIN.match(last)
        if not plain:
            return "a rejection without its line on standard error: %r" % last
        rest1 = rest1[:len(rest1) - len(last)]
    elif s1 == 0 and rest1 and b"error" in rest1:
        return "an accepted case has an error line"
    if not rest2.startswith(rest1):
        return "the plain run's warnings are not kept"
    added = rest2[len(rest1):]
    if plain is None:
        if re.search(rb"^<stdin>:\d+:\d+: error: ", added, re.M):
            return "an accepted case has an error in its explanation"
        return None
    explained = EXPLAINED.search(added)
    if not explained:
        return "a rejected case has no error line in the explanation"
    if plain.group(3) != explained.group(3):
        return "the line says %r, the explanation %r" % (plain.group(3), explained.group(3))
    # The explanation points after the line before when a ';' seems missing.
    if b"seems to be missing" not in added and plain.groups()[:2] != explained.groups()[:2]:
        return "the line is at %s:%s, the explanation at %s:%s" % (*plain.groups()[:2], *explained.groups()[:2])
    return None


def main():
    global BIN
    BIN, root = sys.argv[1:3]
    cases = []
    for group in ("cases", "errors", "grammar", "driver/cases", "../examples"):
        for folder, _, names in os.walk(os.path.join(root, group)):
            cases += [os.path.join(folder, n) for n in names if n.endswith(".vhd")]
    count = failed = 0
    for case in sorted(cases):
        try:
            what = problem(case)
        except subprocess.TimeoutExpired:
            what = "no end within 60 s"
        if what is SKIP:
            continue
        count += 1
        if what:
            failed += 1
            print("%s: %s" % (os.path.relpath(case, root), what))
    print("%d cases, %d failed" % (count, failed))
    sys.exit(0 if count > 50 and failed == 0 else 1)


if __name__ == "__main__":
    main()
