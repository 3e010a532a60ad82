#!/usr/bin/env python3
"""One golden case of --annotate: NAME.vhd translated with the arguments of
NAME.args and --annotate writes NAME.annotated byte for byte; deleting its
annotations gives NAME.expected (the run without --annotate); standard error
past the echo of the arguments is NAME.stderr when there is one; the exit
status is NAME.status or 0.

    annotated_case.py VHDL87C CASE.vhd"""
import os
import re
import subprocess
import sys

from annotated_corpus import Strip

ECHO = re.compile(rb"\A(?:\(\d+\): [^\n]*\n)*")


def Read(path, otherwise=None):
    if not os.path.exists(path):
        return otherwise
    with open(path, "rb") as f:
        return f.read()


def main():
    binary, case = sys.argv[1:3]
    base = case[:-len(".vhd")]
    args = (Read(base + ".args", b"").decode().splitlines()) + ["--annotate"]
    with open(case, "rb") as f:
        p = subprocess.run([binary, *args], stdin=f, capture_output=True, timeout=60)
    problems = []
    annotated = Read(base + ".annotated")
    if p.stdout != annotated:
        problems.append("standard output differs from %s.annotated" % base)
    if Strip(p.stdout) != Read(base + ".expected"):
        problems.append("without its annotations, standard output differs from %s.expected" % base)
    stderr = Read(base + ".stderr")
    if stderr is not None and ECHO.sub(b"", p.stderr) != ECHO.sub(b"", stderr):
        problems.append("standard error differs from %s.stderr" % base)
    if p.returncode != int(Read(base + ".status", b"0")):
        problems.append("exit status %d" % p.returncode)
    for problem in problems:
        print(problem)
    if problems and annotated is not None and p.stdout != annotated:
        import difflib
        sys.stdout.writelines(difflib.unified_diff(annotated.decode(errors="replace").splitlines(True),
                                                   p.stdout.decode(errors="replace").splitlines(True),
                                                   "expected", "written", n=1))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
